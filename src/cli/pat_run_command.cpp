#include "cli/pat_run_command.h"

#include "cli/arguments.h"
#include "cli/report_output.h"
#include "pat/pat_run.h"

namespace mirtote::cli {

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
  return true;
}

int PatRunCommand::Run(CommandContext& context, std::ostream& out, std::ostream& err) {
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

}  // namespace mirtote::cli
