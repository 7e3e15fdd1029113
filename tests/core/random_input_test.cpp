// Random bytes through the CP932 decoder: the text it gives is always well-formed UTF-8,
// and encoding it again gives no more bytes than came in (a character for each good one,
// "?" for each bad one).

#include <gtest/gtest.h>

#include <random>

#include "convert/forum_log.h"
#include "convert/odds_csv.h"
#include "jravan/race_card_record.h"
#include "pat/pat_file.h"
#include "results/day_payout_table.h"
#include "results/pat_result_text.h"
#include "results/race_report.h"
#include "results/results_record.h"
#include "shell/settings_keys.h"
#include "support/test_support.h"
#include "text/chars.h"
#include "text/cp932.h"

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

TEST(RandomInput, DecodedTextIsUtf8AndEncodesBackNoLonger) {
  std::mt19937 rng(1998);
  for (int round = 0; round < 3000; ++round) {
    const std::string bytes = RandomBytes(rng, 40);
    const std::string decoded = text::DecodeCp932(bytes);
    ASSERT_TRUE(IsUtf8(decoded));
    EXPECT_LE(text::EncodeCp932(decoded).size(), bytes.size());
    EXPECT_TRUE(IsUtf8(text::ReadChars(bytes, rng() % 50, rng() % 50)));
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
