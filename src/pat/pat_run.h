#pragma once
// The PAT odds conversion run: walks over the ZO files of the PAT installation folder, venue
// by venue, and turns each selected race of the earliest day into odds text that the posting
// step adds to the run's output. With the advance sale selected, the next day's races follow.

#include <filesystem>

#include "pat/pat_run_state.h"
#include "shell/session.h"

namespace mirtote::pat {

struct PatRunSummary {
  std::filesystem::path pat_folder;  // the PAT installation folder the run read
  int file_count = 0;                // ZO files found in it
  int files_met = 0;                 // ZO files met by the passes (processed or passed over)
  int races_posted = 0;              // races whose block went into the posting text
  bool script_write_failed = false;  // some race's script file could not be written
  bool folder_missing = false;       // the PAT installation folder does not exist
};

// Runs with the options in `state` (race selection, output format). The caller empties the
// race text and the posting text before a run; the missing flags are reset here and reported
// at the end. A PAT installation folder that does not exist is reported and ends the run.
PatRunSummary RunPatOdds(Session& session, PatRunState& state);

}  // namespace mirtote::pat
