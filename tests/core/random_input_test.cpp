// Random bytes through every reader of outside data: nothing may crash, loop or read outside
// its buffer (the sanitizer build checks the last), and results keep their bounds.

#include <gtest/gtest.h>

#include <random>

#include "jravan/race_card_record.h"
#include "pat/newspaper_sheet.h"
#include "pat/pat_file.h"
#include "results/day_payout_table.h"
#include "results/pat_result_text.h"
#include "results/race_report.h"
#include "results/results_record.h"
#include "support/test_support.h"
#include "text/chars.h"
#include "text/cp932.h"
#include "text/files.h"
#include "text/number.h"
#include "vocab/code_tables.h"

namespace mirtote {
namespace {

// Bytes of any length up to `max_size`, half of them from the bytes that trouble readers:
// CP932 lead bytes, bytes CP932 leaves undefined, digits, signs, blanks.
std::string RandomBytes(std::mt19937& rng, size_t max_size) {
  static const std::string kTricky = "\x81\x82\x9f\xe0\xfc\xa0\x80\xfd\xff\x40\x7f 0123456789.-+";
  std::string s(std::uniform_int_distribution<size_t>(0, max_size)(rng), '\0');
  for (char& c : s) {
    c = rng() % 2 ? kTricky[rng() % kTricky.size()] : static_cast<char>(rng() % 256);
  }
  return s;
}

// True when `s` is well-formed UTF-8 (every character re-encodes to the same bytes).
bool IsUtf8(std::string_view s) {
  std::string again;
  for (size_t i = 0; i < s.size();) text::AppendChar(again, text::NextChar(s, i));
  return again == s;
}

TEST(RandomInput, TextLayer) {
  std::mt19937 rng(1998);
  for (int round = 0; round < 3000; ++round) {
    const std::string bytes = RandomBytes(rng, 40);
    const std::string decoded = text::DecodeCp932(bytes);
    ASSERT_TRUE(IsUtf8(decoded));
    EXPECT_LE(text::EncodeCp932(decoded).size(), bytes.size());
    EXPECT_TRUE(IsUtf8(text::ReadChars(bytes, rng() % 50, rng() % 50)));
    // The same bytes taken as (invalid) UTF-8 text.
    const size_t n = rng() % 50;
    EXPECT_LE(text::Left(bytes, n).size() + text::Mid(bytes, n, n).size(), 2 * bytes.size());
    EXPECT_LE(text::Right(bytes, n).size(), bytes.size());
    EXPECT_LE(text::CharCount(bytes), static_cast<size_t>(text::DisplayWidth(bytes)));
    text::EncodeCp932(bytes);
    text::ValInt(bytes);
    text::NameMatches(RandomBytes(rng, 8) + "*?", bytes);
    vocab::FullWidthDigits(bytes);
    vocab::RaceClassText(bytes.substr(0, 3));
  }
  EXPECT_EQ(text::ValInt(std::string(400, '9')), 9000000000000000000LL);
  EXPECT_EQ(text::ValInt("-" + std::string(400, '9')), -9000000000000000000LL);
  EXPECT_EQ(text::ValInt("0." + std::string(400, '0') + "1"), 0);
}

TEST(RandomInput, PatFileReaders) {
  std::mt19937 rng(31);
  for (int round = 0; round < 2000; ++round) {
    const std::string bytes = RandomBytes(rng, pat::kUoSizePat31 + 10);
    const pat::ZoReader zo(bytes);
    const pat::UoReader uo(bytes);
    EXPECT_LE(zo.RaceKey("05").size(), 8u);
    const int runners = zo.RunnerCount();
    EXPECT_TRUE(runners >= 0 && runners <= 99);
    for (int i = -1; i <= pat::kMaxHorses + 1; ++i) {
      EXPECT_LE(zo.WinOdds(i).size(), 5u);
      EXPECT_LE(zo.PlaceLow(i).size() + zo.PlaceHigh(i).size() + zo.HorseState(i).size(), 11u);
    }
    for (int k = -1; k <= pat::kBracketPairs + 1; ++k) {
      EXPECT_LE(zo.BracketOdds(k).size() + zo.BracketState(k).size(), 6u);
    }
    for (int k = -1; k <= pat::kQuinellaPairs + 1; ++k) {
      EXPECT_LE(uo.QuinellaOdds(k).size() + uo.QuinellaState(k).size(), 7u);
    }
    EXPECT_TRUE(IsUtf8(zo.Text(rng() % 2000, rng() % 100)));
    pat::VenueOfFileName(bytes.substr(0, rng() % 8));
    const pat::SheetFile sheet(bytes);
    for (auto kind : {pat::OddsSheetKind::kWinPlaceBracket, pat::OddsSheetKind::kQuinella}) {
      EXPECT_TRUE(IsUtf8(pat::RaceSheetBlock(sheet, round % 12 + 1, kind)));
    }
  }
}

TEST(RandomInput, RecordReaders) {
  std::mt19937 rng(584);
  for (int round = 0; round < 300; ++round) {
    const std::string bytes = RandomBytes(rng, 2 * results::kResultsLength);
    const jravan::RaceCardRecord card = jravan::RaceCardRecord::Parse(bytes);
    EXPECT_TRUE(IsUtf8(card.race_name));
    for (const jravan::HorseEntry& entry : card.entries) entry.HasHorse();
    EXPECT_TRUE(IsUtf8(jravan::HorseRecord::Parse(bytes).name));
    EXPECT_TRUE(IsUtf8(jravan::JockeyRecord::Parse(bytes).family_name));

    const results::ResultsRecord r = results::ResultsRecord::Parse(bytes);
    EXPECT_TRUE(r.HorsesInUse() >= 0 && r.HorsesInUse() <= results::kResultHorseSlots);
    r.HasRaceName();
    r.RaceNumber();
    for (const results::Payout& p : r.place) p.IsPresent();
    for (const results::HorseResult& h : r.horses) h.HasNoPlacing();
    vocab::MarginText("TYAKUSA" + r.horses[0].margin);

    const text::RecordFile file(bytes + bytes, results::kResultsLength);
    results::FindRace(file, static_cast<int>(rng() % 14));
  }
}

// The results texts over random results, horse, jockey, race-card and PAT result bytes.
TEST(RandomInput, ResultsTexts) {
  std::mt19937 rng(1323);
  testing::ScriptedHost host;
  std::array<bool, results::kRaceCount> races;
  races.fill(true);
  for (int round = 0; round < 200; ++round) {
    const std::string bytes = RandomBytes(rng, 2 * results::kResultsLength);
    const text::RecordFile records(bytes, results::kResultsLength);
    const text::RecordFile horses(bytes, jravan::kHorseLength);
    const text::RecordFile jockeys(bytes, jravan::kJockeyLength);
    const results::ResultsRecord r = results::ResultsRecord::Parse(bytes);
    EXPECT_TRUE(IsUtf8(results::RaceReport(r, "東京", {horses, jockeys}, host)));
    EXPECT_TRUE(IsUtf8(results::DayPayoutTable(records, "東京", races)));
    const results::KsFile ks(bytes);
    const jravan::RaceCardRecord card = jravan::RaceCardRecord::Parse(RandomBytes(rng, 600));
    bool jockey_missing = false;
    EXPECT_TRUE(IsUtf8(
        results::PatResultText({ks, card, "東京", "05", horses, jockeys}, host, jockey_missing)));
    host.messages.clear();
  }
}

}  // namespace
}  // namespace mirtote
