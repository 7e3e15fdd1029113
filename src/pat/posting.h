#pragma once
// The posting step of the PAT runs: after a race's text is built, its block is added to the
// run's posting text, which then goes whole to the clipboard or to the terminal program's
// script file (PAD_NT.TXT for NifTerm, PAD for Air Craft) in the odds-log folder.

#include <filesystem>
#include <string>

#include "pat/pat_run_state.h"
#include "shell/session.h"

namespace mirtote::pat {

// What the posting step remembers over the races of one run.
struct PostingRun {
  bool write_failure_reported = false;  // a failed script write is reported once per run
};

enum class PostOutcome {
  kLeftOut,     // race state '0': nothing was added
  kPosted,      // the race's block was added and delivered
  kWriteFailed  // the block was added but the script file could not be written
};

// The block format adds for one race: format '0' the race text alone; '1' the subject,
// an empty line, the race text and "/POST"; '2' the same after the three navigation lines.
// Any other format adds nothing.
std::string PostingBlock(char output_format, const std::string& subject_line,
                         const std::string& race_text);

// The script file of an output format ('1', '2') in the odds-log folder; the odds-log setting
// (default "File") is taken relative to `current_folder`. Empty for any other format.
std::filesystem::path ScriptFilePath(const Session& session, char output_format,
                                     const std::filesystem::path& current_folder);

// Adds the current race to the run's output and empties the race text. Does nothing for a
// race left out. A script file that cannot be written is reported (once per run) and the run
// goes on.
PostOutcome PostRace(Session& session, PatRunState& state,
                     const std::filesystem::path& current_folder, PostingRun& run);

}  // namespace mirtote::pat
