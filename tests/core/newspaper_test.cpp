#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <tuple>

#include "pat/odds_view.h"
#include "support/race_fixtures.h"
#include "support/test_support.h"

namespace mirtote::pat {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

// A ZO content of 東京 98年 3回 8日目; `time6` is the time kind and the time ("011005").
ZoContent Zo(int runners, std::string month_day, std::string time6, std::string name = "",
             std::string conditions = "") {
  testing::RaceCardFields card;
  card.month_day = month_day;
  ZoContent zo = testing::ZoFor(card, runners);
  zo.header.time_kind2 = time6.substr(0, 2);
  zo.header.time4 = time6.substr(2);
  zo.header.race_name = name;
  zo.header.conditions = conditions;
  return zo;
}

// Horses 3 and 12 scratched, a long win price, brackets sold, not sold and without odds.
ZoContent WithWinOdds(ZoContent zo) {
  zo.horses[2] = zo.horses[11] = {HorseOdds::State::kScratched, "", "", ""};
  zo.horses[4].win = "999.9";
  for (auto [a, b, odds] : {std::tuple{1, 1, "3.5"},
                            {1, 2, "12.3"},
                            {3, 5, "123.4"},
                            {2, 8, "45.6"},
                            {7, 7, "8.0"},
                            {8, 8, ""}}) {
    testing::SetBracket(zo, a, b, odds);
  }
  return zo;
}

// Every pair sold at a price that names it ((3, 12) at 312.0), but (2, 5) not sold and
// (1, 4) without odds.
UoContent TriangleOf(const ZoContent& zo) {
  const int n = zo.header.runners;
  UoContent uo = testing::UoFor(zo, n);
  for (int a = 1; a < n; ++a) {
    for (int b = a + 1; b <= n; ++b) testing::SetQuinella(uo, n, a, b, OddsText(1000 * a + 10 * b));
  }
  testing::SetQuinella(uo, n, 2, 5, "");
  uo.pairs[static_cast<size_t>(QuinellaSlotOf(1, 4, n) - 1)].state = PairOdds::State::kBlank;
  return uo;
}

// Compares with tests/data/newspaper/<name>; a differing text is left as <name>.actual.
void ExpectGolden(const std::string& name, const std::string& text) {
  const bool same = text == testing::ReadFile(fs::path(MIRTOTE_TEST_DATA) / "newspaper" / name);
  if (!same) std::ofstream(name + ".actual", std::ios::binary) << text;
  EXPECT_TRUE(same) << name << " differs; see " << name << ".actual";
}

// The view of races at 東京, day 8, with the folder as start folder.
OddsViewResult View(const fs::path& folder, OddsSheetKind sheet, std::vector<int> races) {
  MemorySettingsStore settings;
  testing::ScriptedHost host;
  OddsViewRequest request{sheet, '5', '8', {}};
  for (int race : races) request.races.at(static_cast<size_t>(race - 1)) = true;
  return BuildOddsView(request, {folder, settings, host});
}

TEST(NewspaperSheets, MatchTheGoldenSheets) {
  // Blank hour, a race name starting with "　", post time 15:40, an unknown time kind.
  const ZoContent named = Zo(8, "0510", "011005", "ＮＨＫマイルカップ", "サラ系４歳 オープン");
  const ZoContent unnamed = Zo(16, "1105", "01  00", "　", "サラ系４歳上 オープン");
  const ZoContent post = Zo(9, "1231", "111540", "", "サラ系３歳 ５００万下");
  const ZoContent other_kind = Zo(11, "0101", "210930", "有馬記念");
  const std::vector<std::tuple<std::string, int, ZoContent, bool>> cases = {
      {"win_8.txt", 1, WithWinOdds(named), false},
      {"win_16.txt", 11, WithWinOdds(unnamed), false},
      {"quinella_9.txt", 9, post, true},
      {"quinella_11.txt", 10, other_kind, true},
      {"quinella_12.txt", 12, Zo(12, "1105", "01  00", "　", "サラ系４歳上 オープン"), true},
      {"quinella_18.txt", 3, Zo(18, "0510", "011005", "ＮＨＫマイルカップ"), true},
  };
  for (const auto& [golden, race, zo, quinella] : cases) {
    SCOPED_TRACE(golden);
    TempFolder folder;
    testing::WritePatFiles(folder.path(), PatFileName(PatKind::kZo, '5', '8', RaceChar(race)), zo,
                           PatFileName(PatKind::kUo, '5', '8', RaceChar(race)), TriangleOf(zo));
    const OddsViewResult view =
        View(folder.path(), quinella ? OddsSheetKind::kQuinella : OddsSheetKind::kWinPlaceBracket,
             {race});
    EXPECT_EQ(view.races_shown, 1);
    ExpectGolden(golden, view.text);
  }
}

TEST(NewspaperSheets, ShortAndDamagedFiles) {
  const std::string zo = BuildZoFile(WithWinOdds(Zo(8, "0510", "011005")), PatLayout::kPat95);
  // Cut inside horse 4's win odds: the missing bytes read as blanks.
  ExpectGolden("win_truncated.txt",
               RaceSheetBlock(SheetFile(zo.substr(0, 200)), 1, OddsSheetKind::kWinPlaceBracket));

  // Runner counts beyond the row tables are taken as 18, unreadable ones as 0; line ends and
  // broken characters inside the fields do not break the lines.
  for (auto [count, win_lines, triangle_lines] :
       {std::tuple{"99", 23u, 31u}, {"-3", 5u, 4u}, {"\x81\x40", 5u, 4u}, {" 1", 6u, 4u}}) {
    std::string bytes = zo;
    bytes.replace(140, 2, count);
    bytes.replace(300, 4, "\r\n\x82\r");
    const SheetFile file(bytes);
    for (auto [kind, lines] : {std::pair{OddsSheetKind::kWinPlaceBracket, win_lines},
                               {OddsSheetKind::kQuinella, triangle_lines}}) {
      const std::string text = RaceSheetBlock(file, 5, kind);
      EXPECT_EQ(testing::SplitLines(text).size(), lines) << count;
      const auto ends = static_cast<std::ptrdiff_t>(lines);
      EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), ends) << count;
      EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), ends) << count;
    }
  }
}

}  // namespace
}  // namespace mirtote::pat
