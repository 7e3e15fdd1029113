#include "pat/race_text.h"

#include <chrono>
#include <ctime>
#include <optional>
#include <system_error>

#include "jravan/race_card_record.h"
#include "pat/horse_table.h"
#include "pat/pat_file.h"
#include "pat/race_card_data.h"
#include "pat/race_header.h"
#include "pat/text_columns.h"
#include "shell/settings_keys.h"
#include "text/chars.h"
#include "text/cp932.h"
#include "text/files.h"
#include "text/number.h"

namespace mirtote::pat {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDataFolder = "DATA";
constexpr std::string_view kHorseFileExtension = ".UMA";
constexpr size_t kDayStemChars = 10;
constexpr std::string_view kDefaultStartTime = "0900";
constexpr std::string_view kDefaultEndTime = "1700";

// The first characters of a race-card file name, which the day's horse file shares. A name
// that is not UTF-8 is taken as it came out of the archive, in CP932 bytes, and counted in
// CP932 characters, so that the horse file is looked up under its own bytes.
std::string DayStem(const std::string& file_name) {
  if (text::IsValidUtf8(file_name)) return text::Left(file_name, kDayStemChars);
  size_t end = 0;
  for (size_t n = 0; n < kDayStemChars && end < file_name.size(); ++n) {
    const bool pair = text::IsCp932LeadByte(static_cast<unsigned char>(file_name[end])) &&
                      end + 1 < file_name.size();
    end += pair ? 2 : 1;
  }
  return file_name.substr(0, end);
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

}  // namespace

bool InsideProcessingWindow(std::string_view post_time, const SettingsStore& settings) {
  const double t = text::Val(post_time);
  const double start =
      text::Val(settings.GetOr(keys::kStartup, keys::kStartTime, kDefaultStartTime));
  const double end = text::Val(settings.GetOr(keys::kStartup, keys::kEndTime, kDefaultEndTime));
  return t >= start && t <= end;
}

std::string HorseFileOf(std::string_view race_card_file) {
  return DayStem(std::string(race_card_file)) + std::string(kHorseFileExtension);
}

std::filesystem::path DataFolder(const Session& session) {
  return text::FindIgnoringCase(session.start_folder, kDataFolder)
      .value_or(session.start_folder / kDataFolder);
}

void NoteVenue(std::string_view zo_name, RaceTextCarry& carry) {
  if (const vocab::Venue* venue = VenueOfFileName(zo_name)) {
    carry.venue_name = std::string(venue->name);
    carry.venue_code2 = std::string(venue->code2);
  }
}

RaceText BuildRaceText(const RaceTextRequest& request, const Session& session,
                       RaceTextCarry& carry) {
  const auto zo_path = text::FindIgnoringCase(request.pat_folder, request.zo_name);
  std::string error;
  const auto zo_bytes = zo_path ? ReadPatFile(*zo_path, &error) : std::nullopt;
  if (!zo_bytes) {
    NoteVenue(request.zo_name, carry);
    RaceText race;
    if (zo_path) race.read_failures.push_back(error);
    return race;
  }
  RaceCardData data(DataFolder(session));
  return BuildRaceText({*zo_path, *zo_bytes, request.zo_name, request.advance_sale}, session, data,
                       carry);
}

RaceText BuildRaceText(const ReadRace& request, const Session& session, RaceCardData& data,
                       RaceTextCarry& carry) {
  RaceText race;
  NoteVenue(request.zo_name, carry);
  const ZoReader zo(request.zo_bytes);
  const auto found = data.FindCard(zo.RaceKey(carry.venue_code2));
  race.read_failures = data.TakeReadFailures();
  if (!found) {
    race.race_card_missing = true;
    return race;
  }
  const jravan::RaceCardRecord& card = found->card;
  if (!InsideProcessingWindow(card.post_time, session.settings)) {
    race.outside_window = true;
    return race;
  }
  race.built = true;

  const std::string fetch_time =
      request.advance_sale ? std::string(kAdvanceSaleFetchTime) : FetchTime(request.zo_path);
  const text::RecordFile& horses =
      data.Records(HorseFileOf(found->file_name), jravan::kHorseLength);
  const text::RecordFile& jockeys = data.Records(std::string(kJockeyFile), jravan::kJockeyLength);
  for (std::string& failure : data.TakeReadFailures()) race.read_failures.push_back(failure);

  race.text += BuildRaceHeader(card, carry.venue_name, fetch_time);
  race.text += BuildHorseTable({card, zo, horses, jockeys}, session.host, race.jockey_missing);
  AddLine(race.text, "");
  race.subject_line = BuildSubjectLine(card, carry.venue_name, fetch_time, request.advance_sale);
  return race;
}

}  // namespace mirtote::pat
