#pragma once
// The PAT runs of the output dialog. `RunPatOutput` is the job: it stores the chosen market
// and runs the odds conversion, or the PAT results import for the results market.
// `RunPatOdds` walks over the ZO files of the PAT installation folder, venue by venue, and
// turns each selected race of the earliest day into odds text that the posting step adds to
// the run's output; with the advance sale selected, the next day's races follow.

#include <filesystem>
#include <string>

#include "pat/pat_run_request.h"
#include "shell/session.h"

namespace mirtote::pat {

PatRunResult RunPatOutput(const PatRunRequest& request, const Session& session);

// The odds conversion alone. A PAT installation folder that does not exist is reported and
// ends the run; a missing race card or jockey name is reported once, after the run.
PatRunResult RunPatOdds(const PatRunRequest& request, const Session& session);

// Pieces both PAT runs share.
// The PAT installation folder of the settings (default "File"), below the start folder.
std::filesystem::path PatInstallFolder(const Session& session);
// "【  12 ﾌｧｲﾙ中  3 ﾌｧｲﾙ目 】" followed by `ending`.
std::string ProgressText(int file_count, int ordinal, const char* ending);
// The end messages of a run: missing race cards, then missing jockey names.
void ReportMissingFiles(Host& host, const PatRunResult& result);
// Races were found but every one lies outside the processing time window: without a word
// the run would look as if it had nothing to do.
void ReportEmptyWindow(const Session& session);
// A PAT installation folder that is not there would otherwise look like a folder without
// files; the user is told which folder was looked for.
void ReportMissingFolder(Host& host, const std::string& folder_text);

}  // namespace mirtote::pat
