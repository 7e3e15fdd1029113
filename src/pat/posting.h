#pragma once
// The posting step of the PAT runs: after a race's text is built, its block is added to the
// run's posted text, which then goes whole to the clipboard or to the terminal program's
// script file (PAD_NT.TXT for NifTerm, PAD for Air Craft) in the odds-log folder.

#include <filesystem>
#include <string>

#include "pat/pat_run_request.h"
#include "shell/session.h"

namespace mirtote::pat {

// The block a format adds for one race: the clipboard gets the race text alone; a script
// gets the subject, an empty line, the race text and "/POST", for Air Craft after the three
// navigation lines.
std::string PostingBlock(OutputFormat format, const std::string& subject_line,
                         const std::string& race_text);

// The script file of a script format in the odds-log folder; the odds-log setting (default
// "File") is taken relative to `current_folder`. Empty for the clipboard, and for a setting
// too long to name a folder (FolderSettingProblem).
std::filesystem::path ScriptFilePath(const Session& session, OutputFormat format,
                                     const std::filesystem::path& current_folder);

enum class PostOutcome {
  kPosted,      // the race's block was added and delivered
  kWriteFailed  // the block was added but the script file could not be written
};

// The posting step over the races of one run. After every race the whole text posted so far
// is delivered again, so a run cut short leaves a complete script of the races done.
class PostingRun {
 public:
  PostingRun(const Session& session, OutputFormat format, std::filesystem::path current_folder);

  // Adds one race. A script file that cannot be written is reported (once per run) and the
  // run goes on.
  PostOutcome Post(const std::string& subject_line, const std::string& race_text);

  // After the last race: the script is made durable once (each race's write is not synced);
  // a failure is reported as a failed write.
  void Finish();

  const std::string& posted_text() const { return posted_text_; }
  // The script file delivered to (empty for the clipboard or before the first race).
  const std::filesystem::path& script_file() const { return script_file_; }
  bool write_failed() const { return write_failed_; }

 private:
  const Session& session_;
  OutputFormat format_;
  std::filesystem::path current_folder_;
  std::string posted_text_;
  std::string script_bytes_;  // posted_text_ in CP932
  std::filesystem::path script_file_;
  bool write_failed_ = false;
};

}  // namespace mirtote::pat
