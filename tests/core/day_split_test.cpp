#include "jravan/day_split.h"

#include <gtest/gtest.h>

#include "support/race_fixtures.h"
#include "support/test_support.h"
#include "text/cp932.h"

namespace mirtote::jravan {
namespace {

using namespace mirtote::testing;

std::string Card(const std::string& venue, std::vector<std::string> ids) {
  RaceCardFields card;
  card.venue_code = venue;
  for (const std::string& id : ids) {
    card.entries.push_back({.bracket = id.empty() ? "" : "1", .horse_id = id, .jockey_code = {}});
  }
  return RaceCardBytes(card);
}

// Per file its name and each record's first 8 bytes; for a horse also the first character of
// its name, which tells records of one id apart.
std::string Summary(const SplitFiles& split) {
  std::string out;
  for (const DayFile& f : split.files) {
    const bool horses = f.name.ends_with(".UMA");
    out += f.name + ":";
    for (size_t at = 0; at < f.bytes.size(); at += horses ? 1825 : 584) {
      out += " " + f.bytes.substr(at, 8) + (horses ? text::DecodeField(f.bytes, at + 9, 2) : "");
    }
    out += "\n";
  }
  return out + "skipped " + std::to_string(split.skipped_records);
}

TEST(SplitRaceCards, HorseSearchGoesOnAfterThePreviousMatchAndRoundsTheEnd) {
  // Horse A is in the file twice; X is missing; an entry without a horse is passed over.
  const std::string horses = HorseBytes({"AAAAAAAA", "Ａ"}) + HorseBytes({"BBBBBBBB", "Ｂ"}) +
                             HorseBytes({"AAAAAAAA", "ａ"}) + HorseBytes({"CCCCCCCC", "Ｃ"});
  const std::string cards = Card("05", {"BBBBBBBB", "", "AAAAAAAA", "XXXXXXXX", "AAAAAAAA"}) +
                            Card("99", {"CCCCCCCC"}) + Card("08", {"CCCCCCCC", "BBBBBBBB"});
  const SplitFiles split =
      SplitRaceCards(text::RecordFile(cards, 584), text::RecordFile(horses, 1825));
  EXPECT_EQ(Summary(split),
            "東京19980510.DEN: 05983811\n"
            "東京19980510.UMA: BBBBBBBBＢ AAAAAAAAａ AAAAAAAAＡ\n"
            "京都19980510.DEN: 08983811\n"
            "京都19980510.UMA: CCCCCCCCＣ BBBBBBBBＢ\n"
            "skipped 1");
  // Without a horse file the horse files are empty.
  EXPECT_EQ(SplitRaceCards(text::RecordFile(cards, 584), {}).files[1].bytes, "");
}

}  // namespace
}  // namespace mirtote::jravan
