#include "pat/pat_run_request.h"

#include "text/files.h"

namespace mirtote::pat {

namespace {

constexpr std::array<std::string_view, 3> kMarketCodes = {"M", "D", "S"};

}  // namespace

std::string_view MarketCode(Market market) {
  return kMarketCodes[static_cast<size_t>(market)];
}

std::optional<Market> MarketOfCode(std::string_view code) {
  for (size_t i = 0; i < kMarketCodes.size(); ++i) {
    if (code == kMarketCodes[i]) return static_cast<Market>(i);
  }
  return std::nullopt;
}

Market MarketOrNoon(std::string_view code) {
  return MarketOfCode(code).value_or(Market::kNoon);
}

RaceSelection DefaultRaceSelection(Market market) {
  RaceSelection selection;
  for (int race = 1; race <= kRacesPerDay; ++race) {
    selection.races[race - 1] = market != Market::kNoon || race >= 7;
  }
  selection.advance_sale = true;
  return selection;
}

std::string ScriptFileNotice(const std::filesystem::path& script_file) {
  return "投稿スクリプトファイル: " + text::PathText(script_file);
}

}  // namespace mirtote::pat
