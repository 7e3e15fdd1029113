#include "cli/odds_history_command.h"

#include "cli/arguments.h"
#include "cli/report_output.h"
#include "vocab/venues.h"

namespace mirtote::cli {

namespace {

using Question = history::OddsHistoryRequest::Question;

bool IsDate(const std::string& s) {
  return s.size() == 8 && s.find_first_not_of("0123456789") == std::string::npos;
}

// A percentage above 0 and at most 100, with at most one decimal.
std::optional<double> Percent(const std::string& s) {
  const size_t point = s.find('.');
  const std::string whole = s.substr(0, point);
  const std::string tenth = point == std::string::npos ? "0" : s.substr(point + 1);
  if (whole.empty() || whole.size() > 3 || tenth.size() != 1 ||
      (whole + tenth).find_first_not_of("0123456789") != std::string::npos) {
    return std::nullopt;
  }
  const double value = std::stoi(whole) + (tenth[0] - '0') / 10.0;
  if (value <= 0 || value > 100) return std::nullopt;
  return value;
}

}  // namespace

std::vector<UsageLine> OddsHistoryCommand::usage() const {
  return {
      {"odds-history --list", ""},
      {"  [--date YYYYMMDD]", "races of the odds history: runners, number and"},
      {"", "times of their snapshots", "オッズ履歴のあるレースの一覧"},
      {"odds-history --date YYYYMMDD", ""},
      {"  --venue NAME --race N", "one race's odds snapshots in time order, as a"},
      {"  [--kind KIND] [--csv]", "table or as CSV; KIND win (default), place,"},
      {"", "bracket or quinella", "1レースのオッズの推移（表または CSV）"},
      {"odds-history --drops", ""},
      {"  [--date YYYYMMDD]", "win odds that fell by PCT percent (default 30)"},
      {"  [--min-drop PCT]", "or more from one snapshot to the next",
       "単勝オッズが PCT%（省略時 30）以上下がった馬"},
  };
}

bool OddsHistoryCommand::Parse(const std::vector<std::string>& args, std::string& error) {
  auto parsed = ParseArguments(args, {"--date", "--venue", "--race", "--kind", "--min-drop"},
                               {"--list", "--drops", "--csv"}, error);
  if (!parsed) return false;
  if (!parsed->positional.empty()) {
    error = "unexpected argument: " + parsed->positional.front();
    return false;
  }
  const bool list = parsed->Has("--list"), drops = parsed->Has("--drops");
  if (list && drops) {
    error = "--list and --drops exclude each other";
    return false;
  }
  request_.question = list ? Question::kList : drops ? Question::kDrops : Question::kRace;
  const auto date = parsed->Value("--date");
  if (date && !IsDate(*date)) {
    error = "--date YYYYMMDD expected";
    return false;
  }
  request_.date = date.value_or("");
  const bool race_options = parsed->Has("--venue") || parsed->Has("--race") ||
                            parsed->Has("--kind") || parsed->Has("--csv");
  if (request_.question != Question::kRace) {
    if (race_options || (list && parsed->Has("--min-drop"))) {
      error = list ? "--list takes only --date" : "--drops takes only --date and --min-drop";
      return false;
    }
    if (auto pct = parsed->Value("--min-drop")) {
      const auto value = Percent(*pct);
      if (!value) {
        error = "--min-drop PCT expected, a percentage above 0 and at most 100";
        return false;
      }
      request_.min_drop_percent = *value;
    }
    return true;
  }
  if (parsed->Has("--min-drop")) {
    error = "--min-drop goes with --drops";
    return false;
  }
  if (!date) {
    error = "--list, --drops or --date YYYYMMDD --venue NAME --race N expected";
    return false;
  }
  const vocab::Venue* venue = vocab::VenueByName(parsed->Value("--venue").value_or(""));
  if (venue == nullptr) {
    error = "--venue NAME expected, a venue such as 東京";
    return false;
  }
  const std::string race = parsed->Value("--race").value_or("");
  const bool digits = !race.empty() && race.size() <= 2 &&
                      race.find_first_not_of("0123456789") == std::string::npos;
  const int number = digits ? std::stoi(race) : 0;
  if (number < 1 || number > 12) {
    error = "--race N expected, 1 to 12";
    return false;
  }
  const auto kind = history::ParseOddsKind(parsed->Value("--kind").value_or("win"));
  if (!kind) {
    error = "--kind win, place, bracket or quinella expected";
    return false;
  }
  request_.race = {*date, venue->number, number};
  request_.kind = *kind;
  request_.csv = parsed->Has("--csv");
  return true;
}

int OddsHistoryCommand::Run(CommandContext& context, std::ostream& out, std::ostream&) {
  const auto answer = history::AnswerOddsHistory(request_, context.session);
  WriteText(out, answer.text, context.options.utf8);
  return answer.found ? kExitOk : kExitFailed;
}

}  // namespace mirtote::cli
