#include "pat/odds_tables.h"

#include <gtest/gtest.h>

#include "support/race_fixtures.h"
#include "support/test_support.h"
#include "text/chars.h"

namespace mirtote::pat {
namespace {

using testing::RaceCardFields;
using testing::TempFolder;

const std::string kRule(79, '=');
const std::string kNoBrackets(40, ' ');

class OddsTablesTest : public ::testing::Test {
 protected:
  // ZO (and UO when given) of `runners` runners written to the PAT folder, then the tables.
  std::string Tables(const ZoContent& zo, const std::optional<UoContent>& uo = std::nullopt) {
    testing::WritePatFiles(pat_.path(), "ZO-58B.JRA", zo, "UO-58B.JRA", uo);
    return BuildOddsTables(pat_.path(), "ZO-58B.JRA", "UO-58B.JRA");
  }
  ZoContent Zo(int runners) { return testing::ZoFor(RaceCardFields{}, runners); }

  TempFolder pat_;
};

TEST_F(OddsTablesTest, TenRunnersShowTwelveQuinellaColumnsThenTheBracketTable) {
  ZoContent zo = Zo(10);
  testing::SetBracket(zo, 8, 8, "4.0");
  testing::SetBracket(zo, 1, 2, "100.0");  // the first value shown by its whole part
  UoContent uo = testing::UoFor(zo, 10);
  testing::SetQuinella(uo, 10, 1, 3, "1000.0");
  testing::SetQuinella(uo, 10, 1, 2, "5.6");
  testing::SetQuinella(uo, 10, 1, 10, "1234.5");
  testing::SetQuinella(uo, 10, 9, 10, "123.4");
  testing::SetQuinella(uo, 10, 2, 3, "");  // not sold
  testing::SetQuinella(uo, 10, 4, 5, "12.0");
  EXPECT_EQ(testing::GoldenDiff(Tables(zo, uo), "pat/odds_tables_ten_runners.txt"), "");
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
  EXPECT_EQ(testing::GoldenDiff(Tables(zo, uo), "pat/odds_tables_eighteen_runners.txt"), "");
}

// Line counts of each layout and the columns that must stay straight, for every field size.
TEST_F(OddsTablesTest, LayoutsKeepTheirShapeForEveryFieldSize) {
  for (int runners : {0, 1, 8, 9, 12, 13, 16, 18}) {
    SCOPED_TRACE(runners);
    ZoContent zo = Zo(runners);
    std::optional<UoContent> uo;
    if (runners > 8) uo = testing::UoFor(zo, runners);
    const std::vector<std::string> lines = testing::SplitLines(Tables(zo, uo));
    const size_t first_block = runners > 8 ? runners + 2 : 0;  // heading, rows, empty line
    const size_t second_block = runners > 12 ? runners + 1 : 9;
    ASSERT_EQ(lines.size(), first_block + second_block + 2);
    for (const auto& line : lines) EXPECT_LE(text::DisplayWidth(line), 79) << line;
    for (size_t i = 1; i < first_block - 1 && runners > 8; ++i) {
      EXPECT_EQ(text::DisplayWidth(lines[i]), 79) << lines[i];  // the straight right edge
    }
    for (int i = 9; i <= runners && runners > 12; ++i) {
      EXPECT_EQ(lines[first_block + static_cast<size_t>(i)].substr(0, 40), kNoBrackets);
    }
    EXPECT_EQ(lines[lines.size() - 2], kRule);
  }
}

// Missing files, a runner count past 18 (a missing UO file reads as no odds) and a file
// cut inside the bracket slots all give dashes.
TEST_F(OddsTablesTest, BadFilesGiveDashesNeverAReadOutOfRange) {
  ZoContent zo = Zo(18);
  zo.header.runners_text = "25";
  const std::string cut = pat::BuildZoFile(Zo(8), PatLayout::kPat95).substr(0, 480);
  const std::string dashes = "---- ---- ---- ---- ---- ---- ---- ---- １\r\n";
  for (const auto& [zo_bytes, piece] : {std::pair<std::string, std::string>{"", dashes},
                                        {pat::BuildZoFile(zo, PatLayout::kPat95),
                                         "\r\n18 ----- ----- ----- ----- ----- -----  18  "},
                                        {cut, dashes}}) {
    if (!zo_bytes.empty()) pat_.Write("zo-58b.jra", zo_bytes);
    const std::string tables = BuildOddsTables(pat_.path(), "ZO-58B.JRA", "UO-58B.JRA");
    EXPECT_NE(tables.find(piece), std::string::npos) << tables;
    EXPECT_EQ(tables.find("\r\n19 "), std::string::npos);
  }
}

}  // namespace
}  // namespace mirtote::pat
