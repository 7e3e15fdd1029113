#include <gtest/gtest.h>

#include "vocab/code_tables.h"
#include "vocab/venues.h"

namespace mirtote::vocab {
namespace {

TEST(Venues, EachCodeFindsTheVenueAndNothingElseDoes) {
  const Venue expected[] = {
      {1, '1', "01", "札幌"}, {5, '5', "05", "東京"}, {10, 'A', "10", "小倉"}};
  ASSERT_EQ(AllVenues().size(), 10u);
  for (const Venue& e : expected) {
    const Venue* v = VenueByNumber(e.number);
    ASSERT_NE(v, nullptr) << e.number;
    EXPECT_EQ(v->code_char, e.code_char);
    EXPECT_EQ(v->code2, e.code2);
    EXPECT_EQ(v->name, e.name);
    EXPECT_EQ(VenueByChar(e.code_char), v);
    EXPECT_EQ(VenueByCode2(e.code2), v);
    EXPECT_EQ(VenueByName(e.name), v);
  }
  EXPECT_EQ(VenueByNumber(11), nullptr);
  EXPECT_EQ(VenueByChar('B'), nullptr);
  EXPECT_EQ(VenueByCode2("5"), nullptr);
  EXPECT_EQ(VenueByName("大井"), nullptr);
}

TEST(CodeTables, MarginsDaysWeatherGoingAndKeysMatchExactly) {
  EXPECT_EQ(MarginText("TYAKUSA 12"), "  1/2");
  EXPECT_EQ(MarginText("TYAKUSAK  "), "  ｸﾋﾞ");
  EXPECT_EQ(MarginText("TYAKUSAD  "), " 同着");
  EXPECT_EQ(MarginText("TYAKUSA134"), "1.3/4");
  for (const char* unknown : {"TYAKUSA12 ", "TYAKUSA1", "TYAKUSAk  ", ""}) {
    EXPECT_EQ(MarginText(unknown), "") << unknown;
  }
  const std::pair<const char*, const char*> cases[] = {
      {"YOUBI1", "土"}, {"YOUBI3", "祝"}, {"TENKOU4", "小雨"}, {"BABA4", "不良"}, {"YOUBI9", ""},
      {"YOUBI0", ""},   {"BABA5", ""},    {"BABA", ""},        {"baba1", ""},     {"BABA1 ", ""},
  };
  for (const auto& [key, text] : cases) EXPECT_EQ(DayWeatherGoingText(key), text) << key;
}

TEST(RaceClassAndTypeText, FixedCodesPrizeLimitsAndUnknown) {
  const std::pair<const char*, const char*> classes[] = {
      {"999", "オープン"},   {"701", "新馬"},         {"703", "未勝利"},     {"100", "１億円以下"},
      {"005", "５００万下"}, {"010", "１０００万下"}, {"0A5", "５００万下"}, {"", "００万下"},
  };
  for (const auto& [code, text] : classes) EXPECT_EQ(RaceClassText(code), text) << code;
  EXPECT_EQ(RaceTypeText("11"), "サラ系３歳");
  EXPECT_EQ(RaceTypeText("18"), "サラ系障害４歳上");
  EXPECT_EQ(RaceTypeText("24"), "アラ系５歳上");
  EXPECT_EQ(RaceTypeText("15"), "（不明）");
}

TEST(FlipDigitWidth, BothWaysAndEverythingElseEmpty) {
  EXPECT_EQ(FlipDigitWidth("7"), "７");
  EXPECT_EQ(FlipDigitWidth("０"), "0");
  EXPECT_EQ(FlipDigitWidth("９"), "9");
  EXPECT_EQ(FlipDigitWidth(" "), "　");
  for (const char* other : {"A", "", "　", "Ａ", "77", "７７", "\xEF"}) {
    EXPECT_EQ(FlipDigitWidth(other), "") << other;
  }
  EXPECT_EQ(FullWidthDigits(" 1998"), "　１９９８");
  EXPECT_EQ(FullWidthDigits("１5A"), "1５");
}

}  // namespace
}  // namespace mirtote::vocab
