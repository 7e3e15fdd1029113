#include "results/day_payout_table.h"

#include <gtest/gtest.h>

#include "results/results_report.h"
#include "support/race_fixtures.h"
#include "support/results_fixtures.h"

namespace mirtote::results {
namespace {

using namespace mirtote::testing;

// Race 1 refunds horses 3 and 11; race 2 has dead heats in both extra rows; race 3 is not
// ticked; race 4 shows zero amounts, which no average counts. Races 5 to 8 each have one
// third entry alone (win, place, bracket, quinella), which is enough for the second extra row.
std::vector<ResultsFields> TokyoDay() {
  std::vector<ResultsFields> races(8);
  for (size_t i = 0; i < races.size(); ++i) {
    races[i].race = TwoDigits(static_cast<int>(i + 1));
    races[i].horse_results.resize(12);
  }
  races[0].horse_results[2].abnormal = "2";
  races[0].horse_results[10].abnormal = "2";
  races[0].win[0] = "07:1000";
  races[1].win = {"03:1469", "05:1200", "08:1269"};
  races[1].place = {"03:300", "05:310", "08:320", "01:330", "12:340"};
  races[1].bracket = {"24:900", "33:0", "11:700"};
  races[1].quinella = {"0305:2100", "0308:0", "0508:2300"};
  races[2].win[0] = "07:99999";
  races[3].win[0] = "07:0";
  races[3].bracket = {"00:0"};
  races[3].quinella = {"0307:0"};
  races[4].win = {"07:250", "", "02:260"};
  races[5].place = {"07:130", "03:210", "11:480", "", "05:490"};
  races[6].bracket = {"36:1230", "", "44:1240"};
  races[7].quinella = {"0307:1890", "", "0508:1900"};
  return races;
}

ResultsDayRequest Request(std::array<bool, kVenueCount> venues) {
  ResultsDayRequest request{"19981004", "1998年10月 4日", venues, {}};
  request.races.fill(true);
  request.races[2] = false;
  return request;
}

TEST(DayPayoutTable, VenueTexts) {
  StartFolder start;
  WriteResultsFile(start.folder.path(), "東京19981004.SEI", TokyoDay());
  WriteResultsFile(start.folder.path(), "京都19981004.SEI", {ResultsFields{.venue_code = "08"}});
  const auto result = RunResultsDayReport(
      Request({false, false, false, false, true, false, false, true}), start.session);
  ASSERT_TRUE(result.shown);
  EXPECT_EQ(result.caption, "1998年10月 4日");
  ASSERT_EQ(result.venues.size(), 2u);
  EXPECT_EQ(Join({result.venues[0].venue, result.venues[1].venue}), "東京|京都");
  EXPECT_EQ(GoldenDiff(result.venues[0].text, "results/day_tokyo.txt"), "");
  EXPECT_TRUE(start.host.messages.empty());
}

TEST(DayPayoutTable, ChecksAndMissingFile) {
  StartFolder start;
  WriteResultsFile(start.folder.path(), "東京19981004.SEI", TokyoDay());
  ResultsDayRequest no_race = Request({false, false, false, false, true});
  no_race.races.fill(false);
  const std::pair<ResultsDayRequest, std::string> cases[] = {
      {Request({}), "開催場所を選択してください"},
      {no_race, "レース番号を選択してください"},
      {Request({false, false, false, false, true, true}), "成績ファイルを読み込めませんでした。"},
  };
  for (const auto& [request, message] : cases) {
    start.host.messages.clear();
    const auto result = RunResultsDayReport(request, start.session);
    EXPECT_TRUE(!result.shown && result.venues.empty());
    ASSERT_EQ(start.host.messages.size(), 1u);
    EXPECT_TRUE(start.host.messages[0].text.starts_with(message)) << message;
  }
}

}  // namespace
}  // namespace mirtote::results
