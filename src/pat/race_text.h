#pragma once
// The top of a race's forum odds text: race-card look-up, processing time window, header
// lines and horse table, and the subject line of the post.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "shell/session.h"

namespace mirtote::pat {

struct RaceTextRequest {
  std::filesystem::path pat_folder;  // folder of the race's PAT odds files
  std::string zo_name;               // the ZO file's name as built ("ZO-53A.JRA"), found
                                     // in pat_folder ignoring ASCII case
  bool advance_sale = false;         // the run's advance-sale pass
};

// What a race carries over to the next one of the same run: the venue of the previous race
// is kept when a file name's venue character is not a venue.
struct RaceTextCarry {
  std::string venue_name;
  std::string venue_code2;
};

// The top of one race's text, or why the race is left out.
struct RaceText {
  bool built = false;                      // false: the race is left out (no race card, outside the
                                           // processing time window, no readable ZO file)
  std::vector<std::string> read_failures;  // files that could not be read: name and reason
  std::string text;                        // header lines, horse table and an empty line
  std::string subject_line;                // one-line title of the post
  bool race_card_missing = false;          // no race card has the race's key
  bool outside_window = false;             // its post time lies outside the processing window
  bool jockey_missing = false;             // some jockey name was not found
};

// A race whose ZO file the run has read.
struct ReadRace {
  std::filesystem::path zo_path;  // for the fetch time (its last-modified time)
  std::string_view zo_bytes;
  std::string_view zo_name;  // the name as built, whose venue character names the venue
  bool advance_sale = false;
};

class RaceCardData;

// Finds the race card, applies the time window and builds the header and horse table.
RaceText BuildRaceText(const ReadRace& race, const Session& session, RaceCardData& data,
                       RaceTextCarry& carry);

// The same for one race on its own: reads the ZO file and the race data of DATA, the working
// folder below session.start_folder. A ZO file that cannot be read leaves the race out.
RaceText BuildRaceText(const RaceTextRequest& request, const Session& session,
                       RaceTextCarry& carry);

// Keeps the venue of a ZO file name in `carry` (a name whose venue character names no venue
// keeps the previous race's venue).
void NoteVenue(std::string_view zo_name, RaceTextCarry& carry);

// The jockey file of DATA.
inline constexpr std::string_view kJockeyFile = "騎手.DAT";
// The horse file of a race-card file's day: its first 10 characters and ".UMA".
std::string HorseFileOf(std::string_view race_card_file);
// True when the post time lies within StartTime and EndTime (defaults "0900", "1700").
bool InsideProcessingWindow(std::string_view post_time, const SettingsStore& settings);

// DATA below the start folder, found ignoring ASCII case.
std::filesystem::path DataFolder(const Session& session);

}  // namespace mirtote::pat
