#include "cli/pat_run_command.h"

#include "cli/arguments.h"
#include "cli/report_output.h"
#include "pat/pat_run.h"
#include "pat/pat_run_state.h"
#include "results/pat_results_import.h"
#include "shell/settings_keys.h"

namespace mirtote::cli {

std::vector<UsageLine> PatRunCommand::usage() const {
  return {
      {"pat-run --market M|D|S --format 0|1|2", ""},
      {"  [--races LIST] [--no-presale]", "PAT odds run (market S: PAT results import);"},
      {"", "format 0 prints the clipboard text; LIST such as"},
      {"", "7,9-12, default all 12 races"},
  };
}

bool PatRunCommand::Parse(const std::vector<std::string>& args, std::string& error) {
  auto parsed = ParseArguments(args, {"--market", "--format", "--races"}, {"--no-presale"}, error);
  if (!parsed) return false;
  if (!parsed->positional.empty()) {
    error = "unexpected argument: " + parsed->positional.front();
    return false;
  }

  auto market = parsed->Value("--market");
  if (!market || (*market != "M" && *market != "D" && *market != "S")) {
    error = "--market M, D or S expected";
    return false;
  }
  market_ = market->front();

  auto format = parsed->Value("--format");
  if (!format || (*format != "0" && *format != "1" && *format != "2")) {
    error = "--format 0, 1 or 2 expected";
    return false;
  }
  format_ = format->front();

  if (auto list = parsed->Value("--races")) {
    auto races = ParseRaceList(*list);
    if (!races) {
      error = "bad race list: " + *list;
      return false;
    }
    selection_ = *races;
  } else {
    for (int race = 1; race <= 12; ++race) selection_[race] = true;
  }
  selection_[0] = !parsed->Has("--no-presale");
  return true;
}

int PatRunCommand::Run(CommandContext& context, std::ostream& out, std::ostream&) {
  Session& session = context.session;
  session.settings.Set(keys::kStartup, keys::kOddsTeam, std::string(1, market_));

  pat::PatRunState state;
  state.race_selection = selection_;
  state.output_format = format_;
  state.race_text.clear();
  state.posting_text.clear();

  int status = kExitOk;
  if (market_ == 'S') {
    results::RunPatResultsImport(session, state);
  } else {
    pat::PatRunSummary summary = pat::RunPatOdds(session, state);
    // A missing PAT folder ends the run early; a script file that could not be written does
    // not end it, but the file is not what the caller asked for.
    if (summary.script_write_failed || summary.folder_missing) status = kExitFailed;
  }

  if (format_ == '0' && context.host.has_clipboard_text()) {
    WriteText(out, context.host.clipboard_text(), context.options.utf8);
  }
  return status;
}

}  // namespace mirtote::cli
