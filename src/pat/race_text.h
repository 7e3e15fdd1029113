#pragma once
// The top of a race's forum odds text: race-card look-up, processing time window, header
// lines and horse table, and the subject line of the post.

#include <filesystem>
#include <string>

#include "pat/pat_run_state.h"
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

// Finds the race card, applies the time window and appends the header and horse table to
// state.race_text; sets state.race_state, state.subject_line and the missing flags.
// DATA is the working folder below session.start_folder.
void BuildRaceText(const RaceTextRequest& request, Session& session, PatRunState& state,
                   RaceTextCarry& carry);

}  // namespace mirtote::pat
