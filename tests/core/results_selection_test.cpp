#include "results/results_selection.h"

#include <gtest/gtest.h>

#include "support/race_fixtures.h"
#include "support/results_fixtures.h"

namespace mirtote::results {
namespace {

using namespace mirtote::testing;

TEST(ResultsSelection, DatesAndRaces) {
  StartFolder start;
  std::vector<ResultsFields> races(11);
  for (int i = 0; i < 11; ++i) races[i].race = i < 10 ? TwoDigits(i + 1) : "15";
  WriteResultsFile(start.folder.path(), "東京19981004.SEI", races);
  for (const char* name : {"京都19981004.SEI", "東京19980927.SEI", "阪神20000105.sei", "memo.SEI",
                           "東京1998100X.SEI", "東京19981011.TXT", "大井19981011.SEI"}) {
    start.folder.Write(fs::path("SEISEKI") / name, "");
  }
  fs::create_directories(start.folder.path() / "SEISEKI" / "京都19981011.SEI");

  const auto dates = ListResultsDates({}, start.session);
  EXPECT_EQ(dates.files_found, 4);
  EXPECT_EQ(dates.entries,
            (std::vector<std::string>{"1998年 9月27日", "1998年10月 4日", "2000年 1月 5日"}));
  EXPECT_EQ(DateStem(dates.entries[1]), "19981004");
  EXPECT_EQ(DateStem(dates.entries[0]), "19980927");

  // Race numbers beyond 12 are passed over; an empty file has no race.
  const std::array<bool, kRaceCount> first_ten{true, true, true, true, true,
                                               true, true, true, true, true};
  EXPECT_EQ(FindResultsRaces({"19981004", 4}, start.session).available, first_ten);
  EXPECT_EQ(FindResultsRaces({"19981004", 7}, start.session).available,
            (std::array<bool, kRaceCount>{}));
  EXPECT_TRUE(start.host.messages.empty());
}

TEST(ResultsSelection, NoResultsFiles) {
  StartFolder start;
  EXPECT_EQ(ListResultsDates({.report_none = false}, start.session).files_found, 0);
  EXPECT_TRUE(start.host.messages.empty());
  EXPECT_TRUE(ListResultsDates({}, start.session).entries.empty());
  ASSERT_EQ(start.host.messages.size(), 1u);
  EXPECT_EQ(
      Join({start.host.messages[0].text, start.host.messages[0].title}),
      "解凍済みの成績ファイルが存在しません。\r\n成績ファイルを解凍後にご利用下さい。\r\n|確認");
}

}  // namespace
}  // namespace mirtote::results
