#include "jravan/day_split.h"

#include <gtest/gtest.h>

#include "support/race_fixtures.h"
#include "support/results_fixtures.h"
#include "support/test_support.h"
#include "text/cp932.h"

namespace mirtote::jravan {
namespace {

using namespace mirtote::testing;

std::string Card(const std::string& venue, std::vector<std::string> ids,
                 const std::string& day_key_tail = "9838", const std::string& date = "0510",
                 const std::string& race = "11") {
  RaceCardFields card;
  card.venue_code = venue;
  card.year = day_key_tail.substr(0, 2);
  card.meeting = day_key_tail.substr(2, 1);
  card.day = day_key_tail.substr(3, 1);
  card.month_day = date;
  card.race_number = race;
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
    const size_t length = horses ? 1825 : f.name.ends_with(".SEI") ? 1323 : 584;
    for (size_t at = 0; at < f.bytes.size(); at += length) {
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

// Days whose records alternate each get all theirs, in file order (the race number tells
// them apart); a 2000s day is named with its century, a 1990s one as before.
TEST(SplitDays, AlternatingDaysKeepEveryRecordAndYearsTakeTheirCentury) {
  std::string cards, results;
  for (const auto& [key_tail, date] : {std::pair{"0111", "0106"},
                                       {"9838", "0510"},
                                       {"0111", "0106"},
                                       {"9838", "0510"},
                                       {"0112", "0107"}}) {
    const std::string race = TwoDigits(static_cast<int>(results.size() / 1323 + 1));
    cards += Card("06", {"AAAAAAAA"}, key_tail, date, race);
    results += ResultsRecordBytes({.venue_code = "06",
                                   .year = std::string(key_tail, 2),
                                   .meeting = std::string(1, key_tail[2]),
                                   .day = std::string(1, key_tail[3]),
                                   .race = race,
                                   .month_day = date});
  }
  const SplitFiles split = SplitRaceCards(text::RecordFile(cards, 584),
                                          text::RecordFile(HorseBytes({"AAAAAAAA", "Ａ"}), 1825));
  EXPECT_EQ(Summary(split),
            "中山20010106.DEN: 06011101 06011103\n中山20010106.UMA: AAAAAAAAＡ AAAAAAAAＡ\n"
            "中山19980510.DEN: 06983802 06983804\n中山19980510.UMA: AAAAAAAAＡ AAAAAAAAＡ\n"
            "中山20010107.DEN: 06011205\n中山20010107.UMA: AAAAAAAAＡ\nskipped 0");
  EXPECT_EQ(Summary(SplitResults(text::RecordFile(results, 1323))),
            "中山20010106.SEI: 06011101 06011103\n中山19980510.SEI: 06983802 06983804\n"
            "中山20010107.SEI: 06011205\nskipped 0");
}

}  // namespace
}  // namespace mirtote::jravan
