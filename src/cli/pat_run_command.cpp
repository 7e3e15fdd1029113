#include "cli/pat_run_command.h"

#include <csignal>
#include <ctime>
#include <thread>

#include "cli/arguments.h"
#include "cli/report_output.h"
#include "pat/pat_folder_watch.h"
#include "pat/pat_run.h"
#include "text/files.h"

namespace mirtote::cli {

namespace {

volatile std::sig_atomic_t stop_requested = 0;

extern "C" void RequestStop(int) {
  stop_requested = 1;
}

// SIGINT and SIGTERM end the watch at its next look instead of the program; the handlers
// the program had come back when the watch ends.
class StopSignals {
 public:
  StopSignals() {
    stop_requested = 0;
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &old_int_);
    sigaction(SIGTERM, &action, &old_term_);
  }
  ~StopSignals() {
    sigaction(SIGINT, &old_int_, nullptr);
    sigaction(SIGTERM, &old_term_, nullptr);
  }
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

 private:
  struct sigaction old_int_ {};
  struct sigaction old_term_ {};
};

std::tm LocalNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

std::vector<UsageLine> PatRunCommand::usage() const {
  return {
      {"pat-run --market M|D|S --format 0|1|2", "", ""},
      {"  [--races LIST] [--no-presale]", "PAT odds run (market S: PAT results import);"},
      {"", "format 0 prints the clipboard text, 1 and 2 write"},
      {"", "the NifTerm / Air Craft script; LIST such as"},
      {"", "7,9-12, default all 12 races",
       "PATオッズ変換（S は PAT成績取り込み）。0 はクリップボードの"},
      {"", "", "内容を表示、1 と 2 は投稿スクリプトを書きます。LIST は 7,9-12"},
      {"", "", "など（省略時は全12レース）"},
      {"  [--watch]", "--watch: run again after every fetch of PAT until"},
      {"", "SIGINT or SIGTERM (exit 0), one line per run",
       "--watch: PATファイル更新のたびに再実行（SIGINT/SIGTERM で終了）"},
  };
}

bool PatRunCommand::Parse(const std::vector<std::string>& args, std::string& error) {
  auto parsed =
      ParseArguments(args, {"--market", "--format", "--races"}, {"--no-presale", "--watch"}, error);
  if (!parsed) return false;
  if (!parsed->positional.empty()) {
    error = "unexpected argument: " + parsed->positional.front();
    return false;
  }

  auto market = parsed->Value("--market");
  auto market_value = market ? pat::MarketOfCode(*market) : std::nullopt;
  if (!market_value) {
    error = "--market M, D or S expected";
    return false;
  }
  request_.market = *market_value;

  auto format = parsed->Value("--format");
  if (!format || (*format != "0" && *format != "1" && *format != "2")) {
    error = "--format 0, 1 or 2 expected";
    return false;
  }
  request_.format = static_cast<pat::OutputFormat>(format->front() - '0');

  // Every race unless listed, whatever the market.
  request_.selection.races.fill(true);
  if (auto list = parsed->Value("--races")) {
    auto races = ParseRaceList(*list);
    if (!races) {
      error = "bad race list: " + *list;
      return false;
    }
    for (int race = 1; race <= pat::kRacesPerDay; ++race) {
      request_.selection.races[race - 1] = (*races)[race];
    }
  }
  request_.selection.advance_sale = !parsed->Has("--no-presale");
  watch_ = parsed->Has("--watch");
  if (watch_ && request_.market == pat::Market::kResults) {
    error = "--watch follows the odds files: market M or D expected";
    return false;
  }
  return true;
}

int PatRunCommand::Run(CommandContext& context, std::ostream& out, std::ostream& err) {
  if (watch_) return Watch(context, out, err);
  const pat::PatRunResult result = pat::RunPatOutput(request_, context.session);
  if (request_.format == pat::OutputFormat::kClipboard && result.races_posted > 0) {
    WriteText(out, result.posted_text, context.options.utf8);
  }
  if (!result.script_file.empty()) {
    err << pat::ScriptFileNotice(result.script_file) << "\n";
  }
  // A missing PAT folder ends the run early; a script file that could not be written or an
  // input file that could not be read does not end it, but the output is not what the
  // caller asked for.
  const bool incomplete = result.script_write_failed || !result.read_failures.empty();
  return incomplete || result.folder_missing ? kExitFailed : kExitOk;
}

// Runs at once, then again after every fetch of PAT until a stop signal. Each run prints
// one line on standard error (time, races posted, script file) and, for format 0, the text
// the clipboard would hold on standard output.
int PatRunCommand::Watch(CommandContext& context, std::ostream& out, std::ostream& err) {
  using Clock = pat::SettleDetector::Clock;
  const StopSignals signals;
  pat::SettleDetector detector(pat::kWatchSettleTime);
  auto run = [&](const pat::PatFolderSnapshot& files) {
    detector.Ran(files, Clock::now());
    const pat::PatRunResult result = pat::RunPatOutput(request_, context.session);
    if (request_.format == pat::OutputFormat::kClipboard && result.races_posted > 0) {
      WriteText(out, result.posted_text, context.options.utf8);
      out.flush();
    }
    err << pat::WatchRunSummary(LocalNow(), result.races_posted);
    if (!result.script_file.empty()) err << " " << text::PathText(result.script_file);
    err << std::endl;
    return result;
  };
  // Without the folder there is nothing to watch.
  if (run(pat::SnapshotPatFolder(pat::PatInstallFolder(context.session))).folder_missing) {
    return kExitFailed;
  }
  while (stop_requested == 0) {
    // A stop signal is seen at most one look interval late.
    std::this_thread::sleep_for(pat::kWatchLookInterval);
    if (stop_requested != 0) break;
    const pat::PatFolderSnapshot files =
        pat::SnapshotPatFolder(pat::PatInstallFolder(context.session));
    if (detector.Observe(files, Clock::now())) run(files);
  }
  return kExitOk;
}

}  // namespace mirtote::cli
