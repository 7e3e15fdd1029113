#include <gtest/gtest.h>

#include "support/test_support.h"
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

// Keys match exactly (case, length, blanks); unknown keys and other characters give "".
TEST(CodeTables, EveryCaseOfTheTable) {
  const auto lookup = [](const std::string& name, const std::string& in) -> std::string {
    if (name == "MarginText") return MarginText(in);
    if (name == "DayWeatherGoingText") return DayWeatherGoingText(in);
    if (name == "RaceClassText") return RaceClassText(in);
    if (name == "RaceTypeText") return RaceTypeText(in);
    if (name == "FlipDigitWidth") return FlipDigitWidth(in);
    if (name == "FullWidthDigits") return FullWidthDigits(in);
    return "unknown table " + name;
  };
  EXPECT_EQ(testing::TableDiff("vocab/code_texts.txt", lookup), "");
  EXPECT_EQ(FlipDigitWidth("\xEF"), "");  // a broken character
}

}  // namespace
}  // namespace mirtote::vocab
