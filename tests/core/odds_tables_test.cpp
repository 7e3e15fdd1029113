#include "pat/odds_tables.h"

#include <gtest/gtest.h>

#include "support/race_fixtures.h"
#include "support/test_support.h"
#include "text/chars.h"

namespace mirtote::pat {
namespace {

using testing::RaceCardSpec;
using testing::TempFolder;

const std::string kRule(79, '=');
const std::string kNoBrackets(40, ' ');

std::string Lines(std::initializer_list<std::string> lines) {
  std::string out;
  for (const auto& line : lines) out += line + "\r\n";
  return out;
}

class OddsTablesTest : public ::testing::Test {
 protected:
  // ZO (and UO when given) of `runners` runners written to the PAT folder, then the tables.
  std::string Tables(const ZoContent& zo, const std::optional<UoContent>& uo = std::nullopt) {
    testing::WritePatFiles(pat_.path(), "ZO-58B.JRA", zo, "UO-58B.JRA", uo);
    PatRunState state;
    state.race_state = '1';
    state.race_text = "before\r\n";
    AppendOddsTables(pat_.path(), "ZO-58B.JRA", "UO-58B.JRA", state);
    EXPECT_EQ(state.race_text.substr(0, 8), "before\r\n");
    return state.race_text.substr(8);
  }
  ZoContent Zo(int runners) { return testing::ZoFor(RaceCardSpec{}, runners); }

  TempFolder pat_;
};

TEST_F(OddsTablesTest, EightRunnersGiveTheBracketTableOnly) {
  ZoContent zo = Zo(8);
  testing::SetBracket(zo, 1, 1, "3.5");
  testing::SetBracket(zo, 1, 2, "12.3");
  testing::SetBracket(zo, 2, 8, "123.4");
  testing::SetBracket(zo, 3, 3, "");      // not sold
  testing::SetBracket(zo, 8, 8, "1234");  // no room for decimals: " 1234"
  EXPECT_EQ(Tables(zo), Lines({
                            " １   ２   ３   ４   ５   ６   ７   ８",
                            " 3.5 12.3 ---- ---- ---- ---- ---- ---- １",
                            "12.3 ---- ---- ---- ---- ---- ----  123 ２",
                            "---- ---- ---- ---- ---- ---- ---- ---- ３",
                            "---- ---- ---- ---- ---- ---- ---- ---- ４",
                            "---- ---- ---- ---- ---- ---- ---- ---- ５",
                            "---- ---- ---- ---- ---- ---- ---- ---- ６",
                            "---- ---- ---- ---- ---- ---- ---- ---- ７",
                            "----  123 ---- ---- ---- ---- ---- 1234 ８",
                            kRule,
                            "",
                        }));
}

TEST_F(OddsTablesTest, TenRunnersShowTwelveQuinellaColumnsThenTheBracketTable) {
  ZoContent zo = Zo(10);
  testing::SetBracket(zo, 8, 8, "4.0");
  UoContent uo = testing::UoFor(zo, 10);
  testing::SetQuinella(uo, 10, 1, 2, "5.6");
  testing::SetQuinella(uo, 10, 1, 10, "1234.5");
  testing::SetQuinella(uo, 10, 9, 10, "123.4");
  testing::SetQuinella(uo, 10, 2, 3, "");  // not sold
  testing::SetQuinella(uo, 10, 4, 5, "12.0");
  const std::string dashes = "---- ---- ---- ---- ---- ---- ---- ---- ";
  EXPECT_EQ(Tables(zo, uo),
            Lines({
                "     １    ２    ３    ４    ５    ６         ７    ８    ９  １０  １１  １２",
                "１ -----   5.6 ----- ----- ----- -----  １  ----- ----- -----  1234 ----- -----",
                "２   5.6 ----- ----- ----- ----- -----  ２  ----- ----- ----- ----- ----- -----",
                "３ ----- ----- ----- ----- ----- -----  ３  ----- ----- ----- ----- ----- -----",
                "４ ----- ----- ----- -----  12.0 -----  ４  ----- ----- ----- ----- ----- -----",
                "５ ----- ----- -----  12.0 ----- -----  ５  ----- ----- ----- ----- ----- -----",
                "６ ----- ----- ----- ----- ----- -----  ６  ----- ----- ----- ----- ----- -----",
                "７ ----- ----- ----- ----- ----- -----  ７  ----- ----- ----- ----- ----- -----",
                "８ ----- ----- ----- ----- ----- -----  ８  ----- ----- ----- ----- ----- -----",
                "９ ----- ----- ----- ----- ----- -----  ９  ----- ----- ----- 123.4 ----- -----",
                "10  1234 ----- ----- ----- ----- -----  10  ----- ----- 123.4 ----- ----- -----",
                "",
                " １   ２   ３   ４   ５   ６   ７   ８",
                dashes + "１",
                dashes + "２",
                dashes + "３",
                dashes + "４",
                dashes + "５",
                dashes + "６",
                dashes + "７",
                "---- ---- ---- ---- ---- ---- ----  4.0 ８",
                kRule,
                "",
            }));
}

TEST_F(OddsTablesTest, EighteenRunnersPutTheBracketCellsBesideColumnsThirteenOn) {
  ZoContent zo = Zo(18);
  testing::SetBracket(zo, 1, 1, "3.5");
  testing::SetBracket(zo, 2, 8, "123.4");
  testing::SetBracket(zo, 8, 8, "");
  UoContent uo = testing::UoFor(zo, 18);
  testing::SetQuinella(uo, 18, 1, 2, "3.4");
  testing::SetQuinella(uo, 18, 1, 18, "45.6");
  testing::SetQuinella(uo, 18, 2, 7, "1234.5");
  testing::SetQuinella(uo, 18, 7, 8, "");
  testing::SetQuinella(uo, 18, 9, 14, "999.9");
  testing::SetQuinella(uo, 18, 12, 13, "7.7");
  testing::SetQuinella(uo, 18, 13, 18, "12345.6");  // written " 12345"
  testing::SetQuinella(uo, 18, 17, 18, "88.8");
  const std::string q = "----- ----- ----- ----- ----- -----";  // six empty cells
  EXPECT_EQ(Tables(zo, uo),
            Lines({
                "     １    ２    ３    ４    ５    ６         ７    ８    ９  １０  １１  １２",
                "１ -----   3.4 ----- ----- ----- -----  １  " + q,
                "２   3.4 ----- ----- ----- ----- -----  ２   1234 ----- ----- ----- ----- -----",
                "３ " + q + "  ３  " + q,
                "４ " + q + "  ４  " + q,
                "５ " + q + "  ５  " + q,
                "６ " + q + "  ６  " + q,
                "７ -----  1234 ----- ----- ----- -----  ７  " + q,
                "８ " + q + "  ８  " + q,
                "９ " + q + "  ９  " + q,
                "10 " + q + "  10  " + q,
                "11 " + q + "  11  " + q,
                "12 " + q + "  12  " + q,
                "13 " + q + "  13  ----- ----- ----- ----- -----   7.7",
                "14 " + q + "  14  ----- ----- 999.9 ----- ----- -----",
                "15 " + q + "  15  " + q,
                "16 " + q + "  16  " + q,
                "17 " + q + "  17  " + q,
                "18  45.6 ----- ----- ----- ----- -----  18  " + q,
                "",
                " １   ２   ３   ４   ５   ６   ７   ８      １３  １４  １５  １６  １７  １８",
                " 3.5 ---- ---- ---- ---- ---- ---- ---- １  ----- ----- ----- ----- -----  45.6",
                "---- ---- ---- ---- ---- ---- ----  123 ２  " + q,
                "---- ---- ---- ---- ---- ---- ---- ---- ３  " + q,
                "---- ---- ---- ---- ---- ---- ---- ---- ４  " + q,
                "---- ---- ---- ---- ---- ---- ---- ---- ５  " + q,
                "---- ---- ---- ---- ---- ---- ---- ---- ６  " + q,
                "---- ---- ---- ---- ---- ---- ---- ---- ７  " + q,
                "----  123 ---- ---- ---- ---- ---- ---- ８  " + q,
                kNoBrackets + "９  ----- 999.9 ----- ----- ----- -----",
                kNoBrackets + "10  " + q,
                kNoBrackets + "11  " + q,
                kNoBrackets + "12    7.7 ----- ----- ----- ----- -----",
                kNoBrackets + "13  ----- ----- ----- ----- ----- 12345",
                kNoBrackets + "14  " + q,
                kNoBrackets + "15  " + q,
                kNoBrackets + "16  " + q,
                kNoBrackets + "17  ----- ----- ----- ----- -----  88.8",
                kNoBrackets + "18  12345 ----- ----- -----  88.8 -----",
                kRule,
                "",
            }));
}

// The line counts of each layout, the widths, and the columns that must stay straight.
TEST_F(OddsTablesTest, LayoutsKeepTheirShapeForEveryFieldSize) {
  for (int runners : {0, 1, 8, 9, 12, 13, 16, 18}) {
    SCOPED_TRACE(runners);
    ZoContent zo = Zo(runners);
    std::optional<UoContent> uo;
    if (runners > 8) uo = testing::UoFor(zo, runners);
    const std::string tables = Tables(zo, uo);
    std::vector<std::string> lines;
    for (size_t at = 0; at < tables.size();) {
      const size_t end = tables.find("\r\n", at);
      ASSERT_NE(end, std::string::npos);
      lines.push_back(tables.substr(at, end - at));
      at = end + 2;
    }
    for (const auto& line : lines) EXPECT_LE(text::DisplayWidth(line), 79) << line;
    const size_t first_block = runners > 8 ? runners + 2 : 0;  // heading, rows, empty line
    const size_t second_block = runners > 12 ? runners + 1 : 9;
    ASSERT_EQ(lines.size(), first_block + second_block + 2);
    for (int i = 1; i <= runners && runners > 8; ++i) {
      // Cell (i, 7) starts at display column 45 whatever the width of the row number.
      const std::string& row = lines[static_cast<size_t>(i)];
      const std::string label = i < 10 ? text::Left(row, 1) : row.substr(0, 2);
      const size_t repeated = row.find(" " + label + "  ", label.size() + 1);
      ASSERT_NE(repeated, std::string::npos) << row;
      EXPECT_EQ(text::DisplayWidth(row.substr(0, repeated + label.size() + 3)), 44) << row;
    }
    for (int i = 9; i <= runners && runners > 12; ++i) {
      EXPECT_EQ(lines[first_block + static_cast<size_t>(i)].substr(0, 40), kNoBrackets);
    }
    EXPECT_EQ(lines[lines.size() - 2], kRule);
  }
}

TEST_F(OddsTablesTest, BadFilesGiveDashesNeverAReadOutOfRange) {
  PatRunState state;
  state.race_state = '1';
  // Neither file exists: an empty bracket table.
  AppendOddsTables(pat_.path(), "ZO-58B.JRA", "UO-58B.JRA", state);
  const std::string heading = " １   ２   ３   ４   ５   ６   ７   ８\r\n";
  EXPECT_EQ(state.race_text.substr(0, heading.size()), heading);

  // A runner count of 25 is taken as 18; the missing UO file reads as no odds.
  ZoContent zo = Zo(18);
  zo.header.runners_text = "25";
  testing::WritePatFiles(pat_.path(), "zo-58b.jra", zo);
  state.race_text.clear();
  AppendOddsTables(pat_.path(), "ZO-58B.JRA", "UO-58B.JRA", state);
  EXPECT_NE(state.race_text.find("18 ----- ----- ----- ----- ----- -----  18  -----"),
            std::string::npos);
  EXPECT_EQ(state.race_text.find("19 "), std::string::npos);

  // A file cut inside the bracket slots.
  const std::string whole = pat::BuildZoFile(Zo(8), PatLayout::kPat95);
  pat_.Write("zo-58b.jra", whole.substr(0, 480));
  state.race_text.clear();
  AppendOddsTables(pat_.path(), "ZO-58B.JRA", "UO-58B.JRA", state);
  EXPECT_NE(state.race_text.find("---- ---- ---- ---- ---- ---- ---- ---- １\r\n"),
            std::string::npos);
}

TEST_F(OddsTablesTest, NothingForARaceLeftOut) {
  testing::WritePatFiles(pat_.path(), "ZO-58B.JRA", Zo(8));
  PatRunState state;
  state.race_state = '0';
  AppendOddsTables(pat_.path(), "ZO-58B.JRA", "UO-58B.JRA", state);
  EXPECT_EQ(state.race_text, "");
}

}  // namespace
}  // namespace mirtote::pat
