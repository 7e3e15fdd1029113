#include "pat/pat_file.h"

#include <gtest/gtest.h>

#include "support/test_support.h"
#include "text/number.h"

namespace mirtote::pat {
namespace {

using mirtote::testing::Sjis;

const std::string kScratch = Sjis(" ﾄﾘｹｼ");

// clang-format off
PatHeader SampleHeader(int runners) {
  return {.date8 = "19980510", .venue_name = "東京", .century2 = "19", .year2 = "98",
          .meeting2 = "03", .day2 = "08", .race2 = " 5", .time_kind2 = "01", .time4 = "1540",
          .race_name = "天皇賞（秋）", .conditions = "サラ系４歳上オープン",
          .runners = runners, .runners_text = ""};
}
// clang-format on

// 12 runners, horse 3 scratched; bracket (2,2) not sold, (7,8) blank, (8,8) without odds.
ZoContent SampleZo() {
  ZoContent zo;
  zo.header = SampleHeader(12);
  for (int i = 1; i <= 12; ++i) {
    HorseOdds& h = zo.horses[i - 1];
    h.state = HorseOdds::State::kRunning;
    h.win = OddsText(10 * i + 5);
    h.place_low = OddsText(10 + i);
    h.place_high = OddsText(20 + i);
  }
  zo.horses[2].state = HorseOdds::State::kScratched;
  zo.horses[11].win = "123.4";
  for (int k = 1; k <= kBracketPairs; ++k) {
    zo.brackets[k - 1] = {PairOdds::State::kSold, OddsText(k * 11), 0, 0};
  }
  zo.brackets[BracketSlotOf(2, 2) - 1].state = PairOdds::State::kNotSold;
  zo.brackets[BracketSlotOf(7, 8) - 1].state = PairOdds::State::kBlank;
  zo.brackets[BracketSlotOf(8, 8) - 1].state = PairOdds::State::kNoOdds;
  return zo;
}

UoContent SampleUo() {
  UoContent uo;
  uo.header = SampleHeader(10);
  uo.pairs.resize(QuinellaPairCount(10));
  for (PairOdds& p : uo.pairs) p = {PairOdds::State::kSold, "12.3", 0, 0};
  uo.pairs[QuinellaSlotOf(1, 3, 10) - 1].state = PairOdds::State::kNotSold;
  uo.pairs[QuinellaSlotOf(9, 10, 10) - 1].odds = OddsText(12345);
  return uo;
}

TEST(PatNames, FileNameAndRaceCharacters) {
  EXPECT_EQ(PatFileName(PatKind::kZo, '5', '3', RaceChar(10)), "ZO-53A.JRA");
  EXPECT_EQ(PatFileName(PatKind::kUo, 'a', '1', 'b'), "UO-A1B.JRA");
  EXPECT_EQ(RaceChar(0), '\0');
  EXPECT_EQ(RaceChar(13), '\0');
  for (int race = 1; race <= 12; ++race) EXPECT_EQ(RaceOfChar(RaceChar(race)), race);
  EXPECT_EQ(RaceOfChar('a'), 10);
  EXPECT_EQ(RaceOfChar('0'), 0);
  EXPECT_EQ(RaceOfChar('D'), 0);
  EXPECT_EQ(VenueOfFileName("ZO-A3B.JRA")->code2, "10");
  EXPECT_EQ(VenueOfFileName("zo-53b.jra")->code2, "05");
  EXPECT_EQ(VenueOfFileName("ZO-B3B.JRA"), nullptr);
  EXPECT_EQ(VenueOfFileName("ZO-"), nullptr);
  EXPECT_EQ(ParsePatType("PAT31"), PatLayout::kPat31);
  EXPECT_EQ(ParsePatType("pat95"), std::nullopt);
}

TEST(PatPairs, BracketAndQuinellaOrders) {
  EXPECT_EQ(BracketPairOf(8), std::make_pair(1, 8));
  EXPECT_EQ(BracketPairOf(9), std::make_pair(2, 2));
  EXPECT_EQ(BracketPairOf(36), std::make_pair(8, 8));
  EXPECT_EQ(BracketPairOf(37), std::make_pair(0, 0));
  for (int k = 1; k <= kBracketPairs; ++k) {
    const auto [a, b] = BracketPairOf(k);
    EXPECT_EQ(BracketSlotOf(a, b), k);
  }
  EXPECT_EQ(BracketSlotOf(2, 1), 0);
  EXPECT_EQ(BracketSlotOf(8, 9), 0);

  EXPECT_EQ(QuinellaSlotOf(1, 10, 10), 9);
  EXPECT_EQ(QuinellaSlotOf(2, 3, 10), 10);
  EXPECT_EQ(QuinellaSlotOf(2, 3, 18), 18);
  EXPECT_EQ(QuinellaSlotOf(3, 3, 10), 0);
  EXPECT_EQ(QuinellaSlotOf(1, 11, 10), 0);
  EXPECT_EQ(QuinellaPairCount(18), kQuinellaPairs);
  for (int n : {2, 9, 13, 18}) {
    for (int k = 1; k <= QuinellaPairCount(n); ++k) {
      const auto [a, b] = QuinellaPairOf(k, n);
      EXPECT_EQ(QuinellaSlotOf(a, b, n), k) << n << " " << k;
    }
    EXPECT_EQ(QuinellaPairOf(QuinellaPairCount(n) + 1, n), std::make_pair(0, 0));
  }
}

TEST(PatOdds, OddsText) {
  EXPECT_EQ(OddsText(0), "0.0");
  EXPECT_EQ(OddsText(99999), "9999.9");
  EXPECT_EQ(OddsText(-5), "-0.5");
}

// The sample files whole, in both layouts (PAT31 pads the header and has 22 horse slots).
TEST(PatFiles, BothLayoutsByteExact) {
  for (const auto& [layout, zo_size, uo_size, name] :
       {std::tuple{PatLayout::kPat95, kZoSizePat95, kUoSizePat95, "PAT95"},
        std::tuple{PatLayout::kPat31, kZoSizePat31, kUoSizePat31, "PAT31"}}) {
    const std::string zo = BuildZoFile(SampleZo(), layout), uo = BuildUoFile(SampleUo(), layout);
    EXPECT_EQ(zo.size(), zo_size);
    EXPECT_EQ(uo.size(), uo_size);
    EXPECT_EQ(mirtote::testing::GoldenDiff(zo, "pat/ZO-" + std::string(name) + ".JRA", "\n"), "");
    EXPECT_EQ(mirtote::testing::GoldenDiff(uo, "pat/UO-" + std::string(name) + ".JRA", "\n"), "");
  }
}

TEST(PatZoFile, FieldsCutByBytesAndWideOdds) {
  PatHeader h = SampleHeader(9);
  h.race2 = "5";                                   // right-aligned: " 5"
  h.race_name = "Ａあいうえおかきくけこさしすせ";  // 15 full-width characters: cut to 14
  h.conditions = "x" + std::string(63, 'y') + "z";
  h.runners_text = "09";
  std::string bytes = BuildPatHeader(h, PatLayout::kPat95);
  ASSERT_EQ(bytes.size(), kHeaderSizePat95);
  EXPECT_EQ(bytes.substr(40, 2), " 5");
  EXPECT_EQ(bytes.substr(48, 28), Sjis("Ａあいうえおかきくけこさしす"));
  EXPECT_EQ(bytes.substr(76), "x" + std::string(63, 'y') + "09");
  // An odd byte count left: the two-byte character that does not fit becomes a space.
  h.race_name = "A" + std::string("あいうえおかきくけこさしすせ");
  EXPECT_EQ(BuildPatHeader(h, PatLayout::kPat95).substr(48, 28),
            "A" + Sjis("あいうえおかきくけこさしす") + " ");

  ZoContent zo;
  zo.header = SampleHeader(1);
  zo.horses[0] = {HorseOdds::State::kRunning, "1234.5", "", "12345678"};
  const std::string f = BuildZoFile(zo, PatLayout::kPat95);
  EXPECT_EQ(f.substr(142, 18), "0 1 1234     12345");
  EXPECT_EQ(f.substr(466, 10), "  1-1     ");  // default bracket slot: no odds
}

TEST(PatZoReader, ReadsWhatTheWriterWrote) {
  ZoContent zo = SampleZo();
  const std::string f = BuildZoFile(zo, PatLayout::kPat95);
  const ZoReader r(f);
  EXPECT_EQ(r.RaceKey("05"), "05983805");
  EXPECT_EQ(r.RunnerCount(), 12);
  EXPECT_EQ(r.WinOdds(1), "  1.5");
  EXPECT_EQ(r.PlaceLow(1), "  1.1");
  EXPECT_EQ(r.PlaceHigh(12), "  3.2");
  EXPECT_EQ(r.WinOdds(3), kScratch);
  EXPECT_EQ(text::Val(r.WinOdds(3)), 0.0);
  EXPECT_EQ(r.HorseState(3), "9");
  EXPECT_EQ(r.WinOdds(13), "     ");
  EXPECT_EQ(r.BracketOdds(9), kScratch);
  EXPECT_EQ(r.BracketState(36), " ");
  EXPECT_EQ(r.Text(kOffsetVenueName, 4), "東京");
  EXPECT_TRUE(r.WinOdds(0).empty() && r.WinOdds(19).empty() && r.BracketOdds(37).empty());

  // A race number written "05" gives the key of " 5"; the venue comes from the caller.
  zo.header.race2 = "05";
  EXPECT_EQ(ZoReader(BuildZoFile(zo, PatLayout::kPat95)).RaceKey("10"), "10983805");
  // A short file reads empty past its end.
  const ZoReader cut(std::string_view(f).substr(0, 146));
  EXPECT_EQ(cut.RunnerCount(), 12);
  EXPECT_EQ(cut.WinOdds(1), " ");
  EXPECT_TRUE(cut.WinOdds(2).empty() && cut.BracketOdds(1).empty());
  EXPECT_EQ(ZoReader("").RaceKey("05"), "05");
}

TEST(PatUoReader, ReadsWhatTheWriterWrote) {
  const std::string f = BuildUoFile(SampleUo(), PatLayout::kPat95);
  const UoReader r(f);
  EXPECT_EQ(r.QuinellaOdds(1), "  12.3");
  EXPECT_EQ(r.QuinellaState(2), "9");
  EXPECT_EQ(r.QuinellaOdds(45), "1234.5");
  EXPECT_EQ(r.QuinellaOdds(46), "      ");
  EXPECT_EQ(r.QuinellaOdds(154), "");
}

TEST(PatUoFile, SlotsBeyondTheRaceAndOwnNumbers) {
  UoContent uo;
  uo.header = SampleHeader(9);
  uo.pairs.resize(40, {PairOdds::State::kSold, "5.0", 0, 0});
  uo.pairs[0] = {PairOdds::State::kSold, "7.7", 2, 5};  // a slot carrying its own pair
  uo.pairs[1].state = PairOdds::State::kNoOdds;
  uo.pairs[37] = {PairOdds::State::kNotSold, "", 3, 12};
  const std::string f = BuildUoFile(uo, PatLayout::kPat95);
  ASSERT_EQ(f.size(), kUoSizePat95);
  EXPECT_EQ(f.substr(142, 12), "0 2- 5   7.7");
  EXPECT_EQ(f.substr(142 + 12, 12), std::string(12, ' '));
  EXPECT_EQ(f.substr(142 + 12 * 35, 12), "0 8- 9   5.0");  // last pair of 9 runners
  EXPECT_EQ(f.substr(142 + 12 * 36, 12), std::string(12, ' '));
  EXPECT_EQ(f.substr(142 + 12 * 37, 12), "9 3-12 " + kScratch);
}

}  // namespace
}  // namespace mirtote::pat
