#include <gtest/gtest.h>

#include <set>

#include "text/chars.h"
#include "vocab/code_tables.h"
#include "vocab/venues.h"

namespace mirtote::vocab {
namespace {

TEST(Venues, EveryCodeFindsTheSameVenue) {
  ASSERT_EQ(AllVenues().size(), 10u);
  std::set<std::string_view> names;
  for (const Venue& v : AllVenues()) {
    EXPECT_EQ(VenueByNumber(v.number), &v);
    EXPECT_EQ(VenueByChar(v.code_char), &v);
    EXPECT_EQ(VenueByCode2(v.code2), &v);
    EXPECT_EQ(VenueByName(v.name), &v);
    names.insert(v.name);
  }
  EXPECT_EQ(names.size(), 10u);
  ASSERT_NE(VenueByChar('A'), nullptr);
  EXPECT_EQ(VenueByChar('A')->name, "小倉");
  EXPECT_EQ(VenueByChar('A')->code2, "10");
  EXPECT_EQ(VenueByCode2("05")->name, "東京");
  EXPECT_EQ(VenueByNumber(9)->code_char, '9');
}

TEST(Venues, UnknownCodesFindNothing) {
  EXPECT_EQ(VenueByNumber(11), nullptr);
  EXPECT_EQ(VenueByChar('a'), nullptr);
  EXPECT_EQ(VenueByChar('B'), nullptr);
  EXPECT_EQ(VenueByCode2("5"), nullptr);
  EXPECT_EQ(VenueByName("大井"), nullptr);
}

TEST(MarginText, EveryCodeIsFiveColumnsWide) {
  const char* codes[] = {"A  ", "D  ", "H  ", "K  ", "T  ", "Z  ", "1  ", "112",
                         "114", "134", "2  ", "212", "3  ", "312", "4  ", "5  ",
                         "6  ", "7  ", "8  ", "9  ", " 12", " 34"};
  for (const char* code : codes) {
    const std::string text = MarginText(std::string("TYAKUSA") + code);
    EXPECT_EQ(text::DisplayWidth(text), 5) << code;
  }
}

TEST(MarginText, KeysMatchExactly) {
  EXPECT_EQ(MarginText("TYAKUSA 12"), "  1/2");
  EXPECT_EQ(MarginText("TYAKUSA12 "), "");
  EXPECT_EQ(MarginText("TYAKUSAK  "), "  ｸﾋﾞ");
  EXPECT_EQ(MarginText("TYAKUSAD  "), " 同着");
  EXPECT_EQ(MarginText("TYAKUSA134"), "1.3/4");
  EXPECT_EQ(MarginText("TYAKUSA1"), "");  // key not padded to ten characters
  EXPECT_EQ(MarginText("TYAKUSAk  "), "");
  EXPECT_EQ(MarginText(""), "");
}

TEST(DayWeatherGoingText, PrefixAndCode) {
  struct Case {
    const char* key;
    const char* text;
  } cases[] = {
      {"YOUBI1", "土"},    {"YOUBI2", "日"}, {"YOUBI3", "祝"},  {"YOUBI4", "月"},
      {"YOUBI8", "金"},    {"YOUBI9", ""},   {"YOUBI0", ""},    {"TENKOU4", "小雨"},
      {"TENKOU6", "小雪"}, {"TENKOU7", ""},  {"BABA2", "稍重"}, {"BABA4", "不良"},
      {"BABA5", ""},       {"BABA", ""},     {"baba1", ""},     {"BABA1 ", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(DayWeatherGoingText(c.key), c.text) << c.key;
}

TEST(RaceClassText, FixedCodesAndPrizeLimits) {
  EXPECT_EQ(RaceClassText("999"), "オープン");
  EXPECT_EQ(RaceClassText("701"), "新馬");
  EXPECT_EQ(RaceClassText("702"), "未出走");
  EXPECT_EQ(RaceClassText("703"), "未勝利");
  EXPECT_EQ(RaceClassText("100"), "１億円以下");
  EXPECT_EQ(RaceClassText("005"), "５００万下");
  EXPECT_EQ(RaceClassText("010"), "１０００万下");
  EXPECT_EQ(RaceClassText("016"), "１６００万下");
  EXPECT_EQ(RaceClassText("090"), "９０００万下");
  EXPECT_EQ(RaceClassText("0A5"), "５００万下");  // a non-digit flips to nothing
  EXPECT_EQ(RaceClassText(""), "００万下");
}

TEST(RaceTypeText, KnownAndUnknown) {
  EXPECT_EQ(RaceTypeText("11"), "サラ系３歳");
  EXPECT_EQ(RaceTypeText("18"), "サラ系障害４歳上");
  EXPECT_EQ(RaceTypeText("24"), "アラ系５歳上");
  EXPECT_EQ(RaceTypeText("15"), "（不明）");
  EXPECT_EQ(RaceTypeText(""), "（不明）");
}

TEST(FlipDigitWidth, BothWaysAndEverythingElseEmpty) {
  EXPECT_EQ(FlipDigitWidth("7"), "７");
  EXPECT_EQ(FlipDigitWidth("０"), "0");
  EXPECT_EQ(FlipDigitWidth("９"), "9");
  EXPECT_EQ(FlipDigitWidth(" "), "　");
  EXPECT_EQ(FlipDigitWidth("A"), "");
  EXPECT_EQ(FlipDigitWidth(""), "");
  EXPECT_EQ(FlipDigitWidth("　"), "");
  EXPECT_EQ(FlipDigitWidth("Ａ"), "");
  EXPECT_EQ(FlipDigitWidth("77"), "");
  EXPECT_EQ(FlipDigitWidth("７７"), "");
  EXPECT_EQ(FlipDigitWidth("\xEF"), "");  // a cut UTF-8 sequence
}

TEST(FullWidthDigits, JoinsEachCharacter) {
  EXPECT_EQ(FullWidthDigits("1998"), "１９９８");
  EXPECT_EQ(FullWidthDigits(" 5"), "　５");
  EXPECT_EQ(FullWidthDigits("１２"), "12");
  EXPECT_EQ(FullWidthDigits("5A6"), "５６");
  EXPECT_EQ(FullWidthDigits(""), "");
}

}  // namespace
}  // namespace mirtote::vocab
