#include "results/results_record.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace mirtote::results {
namespace {

using mirtote::testing::SjisField;

using mirtote::testing::Join;
using mirtote::testing::Put;

// Scalar fields by offset, in the order of Fields() below.
const std::pair<size_t, const char*> kScalars[] = {
    {0, "05"},       {2, "98"},       {4, "4"},  {5, "2"},     {8, "1004"},     {12, "2"},
    {13, "13"},      {18, "999"},     {21, "2"}, {22, "1800"}, {26, "11"},      {88, "049"},
    {91, "B"},       {92, "1"},       {93, "3"}, {94, "12"},   {96, "0065000"}, {138, "0000007"},
    {145, "001000"}, {169, "000050"},  // prize money 1 and 7, added money 1 and 5
};

std::vector<std::string> Fields(const ResultsRecord& r) {
  return {r.venue_code,     r.year,           r.meeting,        r.day,
          r.month_day,      r.weekday,        r.race_type,      r.class_code,
          r.weight_rule,    r.distance,       r.track,          r.edition,
          r.grade,          r.weather,        r.going,          r.horse_count,
          r.prize_money[0], r.prize_money[6], r.added_money[0], r.added_money[4]};
}

// Race number `race`, 12 horses; horse 12 is demoted, horse 13's slot holds junk.
std::string SampleRecord(std::string_view race = "11") {
  std::string r(kResultsLength, '0');
  for (const auto& [offset, bytes] : kScalars) Put(r, offset, bytes);
  Put(r, 6, race);
  Put(r, 28, SjisField("毎日王冠", 60));
  Put(r, 175, "070000250");              // win: horse 7, 250 yen
  Put(r, 202 + 9 * 2, "030000001");      // third place: a single non-zero digit
  Put(r, 247, "360001230");              // bracket quinella 3-6
  Put(r, 274 + 12 * 2, "071200012340");  // third quinella entry
  const size_t slot12 = 385 + 52 * 11;
  Put(r, slot12, " 03127 341583550420");  // demoted, margin 3/4, 1:58.3, 55.0 kg, 420 kg
  Put(r, slot12 + 33, "98100123 0456    05");
  Put(r, 385 + 52 * 12, std::string(52, 'X'));
  Put(r, 1321, "\r\n");
  return r;
}

TEST(ResultsRecord, EveryFieldByOffset) {
  const ResultsRecord r = ResultsRecord::Parse(SampleRecord());
  const std::vector<std::string> fields = Fields(r);
  ASSERT_EQ(fields.size(), std::size(kScalars));
  for (size_t i = 0; i < fields.size(); ++i) {
    EXPECT_EQ(fields[i], kScalars[i].second) << kScalars[i].first;
  }
  EXPECT_EQ(r.key, "05984211");
  EXPECT_EQ(r.RaceNumber(), 11);
  EXPECT_EQ(r.HorsesInUse(), 12);
  EXPECT_EQ(r.race_name, "毎日王冠" + std::string(52, ' '));
  EXPECT_TRUE(r.HasRaceName());

  EXPECT_EQ(Join({r.win[0].number, r.win[0].amount}), "07|0000250");
  EXPECT_EQ(Join({r.bracket_quinella[0].number, r.bracket_quinella[0].amount}), "36|0001230");
  EXPECT_EQ(Join({r.quinella[2].pair, r.quinella[2].amount}), "0712|00012340");
  // An amount of zeros marks an empty entry; a single non-zero digit is a payout.
  EXPECT_TRUE(r.win[0].IsPresent());
  EXPECT_FALSE(r.win[1].IsPresent());
  EXPECT_TRUE(r.place[2].IsPresent());
  EXPECT_FALSE(r.place[4].IsPresent());
  EXPECT_TRUE(r.quinella[2].IsPresent());
  EXPECT_FALSE(r.quinella[0].IsPresent());

  const HorseResult& h = r.horses[11];
  EXPECT_EQ(Join({h.demotion, h.position, h.abnormal, h.margin}), "03|12|7| 34");
  EXPECT_EQ(Join({h.time_minutes, h.time_seconds, h.time_tenths}), "1|58|3");
  EXPECT_EQ(Join({h.weight_kg, h.weight_tenths, h.body_weight}), "55|0|420");
  EXPECT_EQ(Join({h.horse_id, h.jockey_code, h.popularity}), "98100123|0456|05");
  EXPECT_FALSE(h.HasNoPlacing());  // demoted horses keep a position
}

TEST(ResultsRecord, NamesCountsPlacingsAndShortRecords) {
  std::string record = SampleRecord();
  Put(record, 28, SjisField("　天皇賞", 60));
  Put(record, 94, "25");
  Put(record, 385 + 5, "1");
  Put(record, 385 + 52 + 5, "5");
  Put(record, 385 + 104 + 5, "6");
  ResultsRecord r = ResultsRecord::Parse(record);
  EXPECT_FALSE(r.HasRaceName());  // a leading full-width space means no name
  EXPECT_EQ(r.HorsesInUse(), 18);
  EXPECT_TRUE(r.horses[0].HasNoPlacing());
  EXPECT_TRUE(r.horses[1].HasNoPlacing());
  EXPECT_FALSE(r.horses[2].HasNoPlacing());
  Put(record, 94, "  ");
  EXPECT_EQ(ResultsRecord::Parse(record).HorsesInUse(), 0);

  r = ResultsRecord::Parse(std::string_view(record).substr(0, 180));
  EXPECT_EQ(r.win[0].amount, "000");  // cut at the end of the record
  EXPECT_EQ(r.win[1].amount + r.quinella[0].pair + r.horses[17].horse_id, "");
  EXPECT_FALSE(r.win[1].IsPresent());
}

TEST(ResultsFile, TailIgnoredAndRaceFoundByNumber) {
  std::string bytes;
  for (const char* race :
       {"03", "01", "02", "04", "05", "06", "07", "08", "09", "10", "12", "11"}) {
    bytes += SampleRecord(race);
  }
  bytes += "12345";
  const text::RecordFile file(bytes, kResultsLength);
  EXPECT_EQ(file.count(), 12u);
  EXPECT_EQ(FindRaceRecord(file, 1), 2u);
  EXPECT_EQ(FindRaceRecord(file, 11), 12u);
  EXPECT_EQ(FindRace(file, 12)->race_number, "12");
  EXPECT_EQ(FindRace(file, 13), std::nullopt);
  EXPECT_EQ(FindRace(file, 0), std::nullopt);

  // The first record with the wanted value wins.
  const text::RecordFile two(SampleRecord(" 5") + SampleRecord("05"), kResultsLength);
  EXPECT_EQ(FindRaceRecord(two, 5), 1u);
  // A file opened with another record length is not a results file.
  EXPECT_EQ(FindRaceRecord(text::RecordFile(bytes, 584), 1), std::nullopt);
}

}  // namespace
}  // namespace mirtote::results
