#include "pat/race_text.h"

#include <chrono>
#include <ctime>
#include <optional>
#include <system_error>

#include "jravan/race_card_record.h"
#include "pat/horse_table.h"
#include "pat/pat_file.h"
#include "pat/race_card_lookup.h"
#include "pat/race_header.h"
#include "pat/text_columns.h"
#include "shell/settings_keys.h"
#include "text/chars.h"
#include "text/files.h"
#include "text/number.h"

namespace mirtote::pat {

namespace {

namespace fs = std::filesystem;

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

  const fs::path data = DataFolder(session.start_folder);
  const auto found = FindRaceCard(data, zo.RaceKey(carry.venue_code2));
  if (!found) {
    race.race_card_missing = true;
    return race;
  }
  const jravan::RaceCardRecord& card = found->card;
  if (!InsideProcessingWindow(card.post_time, session.settings)) return race;
  race.built = true;

  const std::string fetch_time =
      request.advance_sale ? std::string(kAdvanceSaleFetchTime) : FetchTime(*zo_path);
  const text::RecordFile horses =
      OpenRecords(data, HorseFileOf(found->file_name), jravan::kHorseLength);
  const text::RecordFile jockeys = OpenRecords(data, kJockeyFile, jravan::kJockeyLength);

  race.text += BuildRaceHeader(card, carry.venue_name, fetch_time);
  race.text += BuildHorseTable({card, zo, horses, jockeys}, session.host, race.jockey_missing);
  AddLine(race.text, "");
  race.subject_line = BuildSubjectLine(card, carry.venue_name, fetch_time, request.advance_sale);
  return race;
}

}  // namespace mirtote::pat
