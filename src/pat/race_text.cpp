#include "pat/race_text.h"

#include <chrono>
#include <ctime>
#include <optional>
#include <system_error>

#include "jravan/race_card_record.h"
#include "pat/horse_table.h"
#include "pat/pat_file.h"
#include "pat/race_header.h"
#include "pat/text_columns.h"
#include "shell/settings_keys.h"
#include "text/chars.h"
#include "text/files.h"
#include "text/number.h"

namespace mirtote::pat {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDataFolder = "DATA";
constexpr std::string_view kRaceCardSuffix = "DEN";
constexpr std::string_view kHorseFileExtension = ".UMA";
constexpr std::string_view kJockeyFile = "騎手.DAT";
constexpr size_t kDayStemChars = 10;
constexpr std::string_view kDefaultStartTime = "0900";
constexpr std::string_view kDefaultEndTime = "1700";

struct FoundCard {
  jravan::RaceCardRecord card;
  std::string file_name;  // the race-card file that held it
};

// The first record with `key` over the race-card files of `data`, in name order.
std::optional<FoundCard> FindRaceCard(const fs::path& data, std::string_view key) {
  if (key.size() != 8) return std::nullopt;
  for (const std::string& name : text::ListPlainFiles(data)) {
    if (!text::AsciiUpper(name).ends_with(kRaceCardSuffix)) continue;
    auto file = text::RecordFile::Open(data / name, jravan::kRaceCardLength);
    if (!file) continue;
    for (size_t k = 1; k <= file->count(); ++k) {
      const std::string_view record = file->Record(k);
      if (jravan::RaceCardRecord::KeyOf(record) == key) {
        return FoundCard{jravan::RaceCardRecord::Parse(record), name};
      }
    }
  }
  return std::nullopt;
}

// A record file of `data` found ignoring case; empty when missing or unreadable.
text::RecordFile OpenRecords(const fs::path& data, std::string_view name, size_t length) {
  auto path = text::FindIgnoringCase(data, name);
  if (!path) return {};
  auto file = text::RecordFile::Open(*path, length);
  return file ? std::move(*file) : text::RecordFile{};
}

// The file's last-modified time in local time as "H:MM" with a space before a one-digit
// hour; "00:00" if the time cannot be read.
std::string FetchTime(const fs::path& path) {
  std::error_code error;
  const auto written = fs::last_write_time(path, error);
  if (error) return "00:00";
  const auto system = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
      std::chrono::file_clock::to_sys(written));
  const std::time_t seconds = std::chrono::system_clock::to_time_t(system);
  std::tm local{};
  localtime_r(&seconds, &local);
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%2d:%02d", local.tm_hour, local.tm_min);
  return buffer;
}

bool InsideWindow(std::string_view post_time, const SettingsStore& settings) {
  const double t = text::Val(post_time);
  const double start =
      text::Val(settings.GetOr(keys::kStartup, keys::kStartTime, kDefaultStartTime));
  const double end = text::Val(settings.GetOr(keys::kStartup, keys::kEndTime, kDefaultEndTime));
  return t >= start && t <= end;
}

}  // namespace

RaceText BuildRaceText(const RaceTextRequest& request, const Session& session,
                       RaceTextCarry& carry) {
  RaceText race;
  if (const vocab::Venue* venue = VenueOfFileName(request.zo_name)) {
    carry.venue_name = std::string(venue->name);
    carry.venue_code2 = std::string(venue->code2);
  }
  const auto zo_path = text::FindIgnoringCase(request.pat_folder, request.zo_name);
  if (!zo_path) return race;
  const auto zo_bytes = text::ReadWholeFile(*zo_path);
  if (!zo_bytes) return race;
  const ZoReader zo(*zo_bytes);

  const fs::path data = text::FindIgnoringCase(session.start_folder, kDataFolder)
                            .value_or(session.start_folder / kDataFolder);
  const auto found = FindRaceCard(data, zo.RaceKey(carry.venue_code2));
  if (!found) {
    race.race_card_missing = true;
    return race;
  }
  const jravan::RaceCardRecord& card = found->card;
  if (!InsideWindow(card.post_time, session.settings)) return race;
  race.built = true;

  const std::string fetch_time =
      request.advance_sale ? std::string(kAdvanceSaleFetchTime) : FetchTime(*zo_path);
  const std::string horse_file =
      text::Left(found->file_name, kDayStemChars) + std::string(kHorseFileExtension);
  const text::RecordFile horses = OpenRecords(data, horse_file, jravan::kHorseLength);
  const text::RecordFile jockeys = OpenRecords(data, kJockeyFile, jravan::kJockeyLength);

  race.text += BuildRaceHeader(card, carry.venue_name, fetch_time);
  race.text += BuildHorseTable({card, zo, horses, jockeys}, session.host, race.jockey_missing);
  AddLine(race.text, "");
  race.subject_line = BuildSubjectLine(card, carry.venue_name, fetch_time, request.advance_sale);
  return race;
}

}  // namespace mirtote::pat
