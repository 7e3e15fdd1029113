#include "cli/results_commands.h"

#include "cli/arguments.h"
#include "cli/report_output.h"
#include "results/results_selection.h"
#include "shell/viewer_texts.h"
#include "vocab/venues.h"

namespace mirtote::cli {

namespace {

// --date: eight digits, year with century, month and day.
bool ParseDate(const ParsedArguments& parsed, std::string& stem, std::string& error) {
  const auto date = parsed.Value("--date");
  if (!date || date->size() != 8 || date->find_first_not_of("0123456789") != std::string::npos) {
    error = "--date YYYYMMDD expected";
    return false;
  }
  stem = *date;
  return true;
}

// A venue name of the venue table ("東京") as its index 0-9; -1 for any other text.
int VenueIndex(const std::string& name) {
  const vocab::Venue* venue = vocab::VenueByName(name);
  return venue == nullptr ? -1 : venue->number - 1;
}

bool NoPositional(const ParsedArguments& parsed, std::string& error) {
  if (parsed.positional.empty()) return true;
  error = "unexpected argument: " + parsed.positional.front();
  return false;
}

}  // namespace

std::vector<UsageLine> ResultsDatesCommand::usage() const {
  return {{"results-dates", "race days of the results files in SEISEKI, one per line",
           "SEISEKI の成績ファイルの開催日を1行に1つ表示"}};
}

bool ResultsDatesCommand::Parse(const std::vector<std::string>& args, std::string& error) {
  auto parsed = ParseArguments(args, {}, {}, error);
  return parsed && NoPositional(*parsed, error);
}

int ResultsDatesCommand::Run(CommandContext& context, std::ostream& out, std::ostream&) {
  const auto dates = results::ListResultsDates({.report_none = true}, context.session);
  std::string lines;
  for (const std::string& entry : dates.entries) lines += entry + "\n";
  WriteText(out, lines, context.options.utf8);
  return dates.files_found == 0 ? kExitFailed : kExitOk;
}

std::vector<UsageLine> ResultsRaceCommand::usage() const {
  return {{"results-race --date YYYYMMDD", "results report of one race; NAME a venue",
           "1レースの競走成績。NAME は東京などの"},
          {"  --venue NAME --race N", "such as 東京, N 1 to 12", "場名、N は 1～12"}};
}

bool ResultsRaceCommand::Parse(const std::vector<std::string>& args, std::string& error) {
  auto parsed = ParseArguments(args, {"--date", "--venue", "--race"}, {}, error);
  if (!parsed || !NoPositional(*parsed, error)) return false;
  if (!ParseDate(*parsed, request_.date_stem, error)) return false;
  request_.venue_index = VenueIndex(parsed->Value("--venue").value_or(""));
  if (request_.venue_index < 0) {
    error = "--venue NAME expected, a venue such as 東京";
    return false;
  }
  const std::string race = parsed->Value("--race").value_or("");
  const bool digits = !race.empty() && race.size() <= 2 &&
                      race.find_first_not_of("0123456789") == std::string::npos;
  request_.race = digits ? std::stoi(race) : 0;
  if (request_.race < 1 || request_.race > results::kRaceCount) {
    error = "--race N expected, 1 to 12";
    return false;
  }
  return true;
}

int ResultsRaceCommand::Run(CommandContext& context, std::ostream& out, std::ostream&) {
  const auto result = results::RunResultsRaceReport(request_, context.session);
  if (result.shown) WriteReport(out, result.text, context.options.utf8);
  return result.shown && !result.horse_file_missing ? kExitOk : kExitFailed;
}

std::vector<UsageLine> ResultsDayCommand::usage() const {
  return {{"results-day --date YYYYMMDD", "day payout table of each venue, as the",
           "場ごとの払戻情報（開催日毎）を全結果として"},
          {"  --venues NAME[,NAME...]", "viewer saves all venues; LIST default",
           "表示。LIST 省略時は全12レース"},
          {"  [--races LIST]", "all 12 races", ""}};
}

bool ResultsDayCommand::Parse(const std::vector<std::string>& args, std::string& error) {
  auto parsed = ParseArguments(args, {"--date", "--venues", "--races"}, {}, error);
  if (!parsed || !NoPositional(*parsed, error)) return false;
  if (!ParseDate(*parsed, request_.date_stem, error)) return false;
  request_.date_entry = results::DateEntry(request_.date_stem);
  const std::string venues = parsed->Value("--venues").value_or("");
  for (size_t at = 0; at <= venues.size();) {
    const size_t comma = std::min(venues.find(',', at), venues.size());
    const int index = VenueIndex(venues.substr(at, comma - at));
    if (index < 0) {
      error = "--venues NAME[,NAME...] expected, venues such as 東京";
      return false;
    }
    request_.venues[index] = true;
    at = comma + 1;
  }
  request_.races.fill(true);
  if (auto list = parsed->Value("--races")) {
    const auto races = ParseRaceList(*list);
    if (!races) {
      error = "bad race list: " + *list;
      return false;
    }
    for (int r = 0; r < results::kRaceCount; ++r) request_.races[r] = (*races)[r + 1];
  }
  return true;
}

int ResultsDayCommand::Run(CommandContext& context, std::ostream& out, std::ostream&) {
  const auto result = results::RunResultsDayReport(request_, context.session);
  if (!result.shown) return kExitFailed;
  std::vector<std::string> texts;
  for (const auto& venue : result.venues) texts.push_back(venue.text);
  WriteReport(out, SeisekiAllText(texts), context.options.utf8);
  return kExitOk;
}

}  // namespace mirtote::cli
