#pragma once
// The top of a race's forum odds text: race-card look-up, processing time window, header
// lines and horse table, and the subject line of the post.

#include <filesystem>
#include <string>

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
  bool built = false;              // false: the race is left out (no race card, outside the
                                   // processing time window, no readable ZO file)
  std::string text;                // header lines, horse table and an empty line
  std::string subject_line;        // one-line title of the post
  bool race_card_missing = false;  // no race card has the race's key
  bool jockey_missing = false;     // some jockey name was not found
};

// Finds the race card, applies the time window and builds the header and horse table.
// DATA is the working folder below session.start_folder.
RaceText BuildRaceText(const RaceTextRequest& request, const Session& session,
                       RaceTextCarry& carry);

}  // namespace mirtote::pat
