#pragma once
// The race data of DATA that an odds run reads: race cards looked up by race key, the per-day
// horse files and the jockey file. Each file is read at most once per run: the folder is
// listed once, and the first look-up indexes every race-card file in name order.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "jravan/race_card_record.h"
#include "text/files.h"

namespace mirtote::pat {

struct FoundCard {
  jravan::RaceCardRecord card;
  std::string file_name;  // the race-card file that held it
};

class RaceCardData {
 public:
  explicit RaceCardData(std::filesystem::path data) : data_(std::move(data)) {}

  // The first record with `key` over the race-card files, in name order.
  std::optional<FoundCard> FindCard(std::string_view key);
  // A record file of DATA found ignoring ASCII case; empty when missing or unreadable.
  const text::RecordFile& Records(const std::string& name, size_t record_length);

 private:
  struct Where {
    size_t file = 0;    // index into files_
    size_t record = 0;  // 1-based
  };
  void IndexRaceCards();
  // The actual name of `name` in DATA, ignoring ASCII case; the exact name wins, then the
  // first in name order.
  std::optional<std::string> ActualName(const std::string& name);
  void ListFolder();

  std::filesystem::path data_;
  bool listed_ = false;
  std::vector<std::string> names_;                                // plain files, sorted
  std::unordered_map<std::string, std::string> upper_to_actual_;  // first in name order
  bool indexed_ = false;
  std::vector<std::string> card_files_;
  std::unordered_map<std::string, Where> first_record_;   // race key -> first record
  std::map<std::string, text::RecordFile> record_files_;  // by the name asked for
};

}  // namespace mirtote::pat
