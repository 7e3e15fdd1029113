#pragma once
// Looking up a race in the DATA folder for the PAT runs: the race card by race key, the day's
// horse file beside it, the jockey file, and the processing time window of the settings.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "jravan/race_card_record.h"
#include "shell/settings_store.h"
#include "text/files.h"

namespace mirtote::pat {

inline constexpr std::string_view kJockeyFile = "騎手.DAT";

// DATA below the start folder, found ignoring case.
std::filesystem::path DataFolder(const std::filesystem::path& start_folder);

struct FoundCard {
  jravan::RaceCardRecord card;
  std::string file_name;  // the race-card file that held it
};

// The first record with `key` over the race-card files (".DEN") of `data`, in name order.
std::optional<FoundCard> FindRaceCard(const std::filesystem::path& data, std::string_view key);

// The horse file of a race-card file's day: its first 10 characters and ".UMA".
std::string HorseFileOf(std::string_view race_card_file);

// A record file of `data` found ignoring case; empty when missing or unreadable.
text::RecordFile OpenRecords(const std::filesystem::path& data, std::string_view name,
                             size_t length);

// True when the post time lies within StartTime and EndTime (defaults "0900", "1700").
bool InsideProcessingWindow(std::string_view post_time, const SettingsStore& settings);

}  // namespace mirtote::pat
