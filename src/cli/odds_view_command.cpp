#include "cli/odds_view_command.h"

#include "cli/arguments.h"
#include "cli/report_output.h"
#include "pat/odds_selection.h"
#include "text/chars.h"

namespace mirtote::cli {

namespace {

// The one character of `value` when it is one of `allowed` (ASCII case ignored).
std::optional<char> ChoiceChar(const std::optional<std::string>& value, std::string_view allowed) {
  if (!value || value->size() != 1) return std::nullopt;
  const char c = text::AsciiUpper(value->front());
  if (allowed.find(c) == std::string_view::npos) return std::nullopt;
  return c;
}

}  // namespace

std::vector<UsageLine> OddsViewCommand::usage() const {
  return {
      {"odds-view (--win | --quinella) --venue V", ""},
      {"  --day D [--races LIST]", "newspaper-style odds of the pseudo-PAT folder: win,"},
      {"", "place and bracket quinella, or the quinella triangle;"},
      {"", "V 1-9 or A, D 1-8, LIST default all 12 races",
       "疑似PATファイルの専門紙風オッズ（単複枠連、または馬連）"},
  };
}

bool OddsViewCommand::Parse(const std::vector<std::string>& args, std::string& error) {
  auto parsed =
      ParseArguments(args, {"--venue", "--day", "--races"}, {"--win", "--quinella"}, error);
  if (!parsed) return false;
  if (!parsed->positional.empty()) {
    error = "unexpected argument: " + parsed->positional.front();
    return false;
  }
  if (parsed->Has("--win") == parsed->Has("--quinella")) {
    error = "--win or --quinella expected";
    return false;
  }
  request_.sheet =
      parsed->Has("--win") ? pat::OddsSheetKind::kWinPlaceBracket : pat::OddsSheetKind::kQuinella;

  const auto venue = ChoiceChar(parsed->Value("--venue"), "123456789A");
  if (!venue) {
    error = "--venue 1-9 or A expected";
    return false;
  }
  const auto day = ChoiceChar(parsed->Value("--day"), "12345678");
  if (!day) {
    error = "--day 1-8 expected";
    return false;
  }
  request_.venue = *venue;
  request_.day = *day;

  request_.races.fill(true);
  if (auto list = parsed->Value("--races")) {
    auto races = ParseRaceList(*list);
    if (!races) {
      error = "bad race list: " + *list;
      return false;
    }
    for (int race = 1; race <= pat::kRaceChoices; ++race) request_.races[race - 1] = (*races)[race];
  }
  return true;
}

int OddsViewCommand::Run(CommandContext& context, std::ostream& out, std::ostream&) {
  WriteReport(out, pat::BuildOddsView(request_, context.session).text, context.options.utf8);
  return kExitOk;
}

}  // namespace mirtote::cli
