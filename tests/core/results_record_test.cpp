#include "results/results_record.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/test_support.h"

namespace mirtote::results {
namespace {

using mirtote::testing::SjisField;

void Put(std::string& record, size_t offset, std::string_view bytes) {
  record.replace(offset, bytes.size(), bytes);
}

struct FieldCase {
  size_t offset;
  std::string bytes;
  std::function<std::string(const ResultsRecord&)> field;
};

std::vector<FieldCase> ScalarCases() {
  using R = ResultsRecord;
  return {
      {0, "05", [](const R& r) { return r.venue_code; }},
      {2, "98", [](const R& r) { return r.year; }},
      {4, "4", [](const R& r) { return r.meeting; }},
      {5, "2", [](const R& r) { return r.day; }},
      {6, "11", [](const R& r) { return r.race_number; }},
      {8, "1004", [](const R& r) { return r.month_day; }},
      {12, "2", [](const R& r) { return r.weekday; }},
      {13, "13", [](const R& r) { return r.race_type; }},
      {18, "999", [](const R& r) { return r.class_code; }},
      {21, "2", [](const R& r) { return r.weight_rule; }},
      {22, "1800", [](const R& r) { return r.distance; }},
      {26, "11", [](const R& r) { return r.track; }},
      {88, "049", [](const R& r) { return r.edition; }},
      {91, "B", [](const R& r) { return r.grade; }},
      {92, "1", [](const R& r) { return r.weather; }},
      {93, "3", [](const R& r) { return r.going; }},
      {94, "12", [](const R& r) { return r.horse_count; }},
      {96, "0065000", [](const R& r) { return r.prize_money[0]; }},
      {96 + 7 * 6, "0000007", [](const R& r) { return r.prize_money[6]; }},
      {145, "001000", [](const R& r) { return r.added_money[0]; }},
      {145 + 6 * 4, "000050", [](const R& r) { return r.added_money[4]; }},
  };
}

// A race with race number `race`, 12 horses; horse 12 is demoted, horse 13's slot holds junk.
std::string SampleRecord(std::string_view race = "11") {
  std::string r(kResultsLength, '0');
  for (const FieldCase& c : ScalarCases()) Put(r, c.offset, c.bytes);
  Put(r, 6, race);
  Put(r, 28, SjisField("毎日王冠", 60));
  Put(r, 175, "070000250");              // win: horse 7, 250 yen
  Put(r, 202 + 9 * 2, "030000001");      // third place: a single non-zero digit
  Put(r, 247, "360001230");              // bracket quinella 3-6
  Put(r, 274 + 12 * 2, "071200012340");  // third quinella entry
  Put(r, 310, std::string(75, ' '));
  const size_t slot12 = 385 + 52 * 11;
  Put(r, slot12, " 03127 341583550420");  // demoted, margin 3/4, 1:58.3, 55.0 kg, 420 kg
  Put(r, slot12 + 33, "98100123 0456    05");
  Put(r, 385 + 52 * 12, std::string(52, 'X'));
  Put(r, 1321, "\r\n");
  return r;
}

TEST(ResultsRecord, EveryFieldByOffset) {
  const ResultsRecord r = ResultsRecord::Parse(SampleRecord());
  for (const FieldCase& c : ScalarCases()) EXPECT_EQ(c.field(r), c.bytes) << c.offset;
  EXPECT_EQ(r.key, "05984211");
  EXPECT_EQ(r.RaceNumber(), 11);
  EXPECT_EQ(r.HorsesInUse(), 12);
  EXPECT_EQ(r.race_name, "毎日王冠" + std::string(52, ' '));
  EXPECT_TRUE(r.HasRaceName());

  EXPECT_EQ(r.win[0].number, "07");
  EXPECT_EQ(r.win[0].amount, "0000250");
  EXPECT_TRUE(r.win[0].IsPresent());
  EXPECT_FALSE(r.win[1].IsPresent());  // "0000000"
  EXPECT_EQ(r.place[2].amount, "0000001");
  EXPECT_TRUE(r.place[2].IsPresent());
  EXPECT_FALSE(r.place[4].IsPresent());
  EXPECT_EQ(r.bracket_quinella[0].number, "36");
  EXPECT_EQ(r.bracket_quinella[0].amount, "0001230");
  EXPECT_EQ(r.quinella[2].pair, "0712");
  EXPECT_EQ(r.quinella[2].amount, "00012340");
  EXPECT_TRUE(r.quinella[2].IsPresent());
  EXPECT_FALSE(r.quinella[0].IsPresent());  // "00000000"

  const HorseResult& h = r.horses[11];
  EXPECT_EQ(h.demotion, "03");
  EXPECT_EQ(h.position, "12");
  EXPECT_EQ(h.abnormal, "7");
  EXPECT_EQ(h.margin, " 34");
  EXPECT_EQ(h.time_minutes, "1");
  EXPECT_EQ(h.time_seconds, "58");
  EXPECT_EQ(h.time_tenths, "3");
  EXPECT_EQ(h.weight_kg, "55");
  EXPECT_EQ(h.weight_tenths, "0");
  EXPECT_EQ(h.body_weight, "420");
  EXPECT_EQ(h.horse_id, "98100123");
  EXPECT_EQ(h.jockey_code, "0456");
  EXPECT_EQ(h.popularity, "05");
  EXPECT_FALSE(h.HasNoPlacing());  // demoted horses keep a position
}

TEST(ResultsRecord, NamesCountsAndPlacings) {
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
}

TEST(ResultsRecord, ShortRecordGivesEmptyFields) {
  const ResultsRecord r = ResultsRecord::Parse(std::string_view(SampleRecord()).substr(0, 180));
  EXPECT_EQ(r.key, "05984211");
  EXPECT_EQ(r.win[0].number, "07");
  EXPECT_EQ(r.win[0].amount, "000");
  EXPECT_EQ(r.win[1].amount, "");
  EXPECT_FALSE(r.win[1].IsPresent());
  EXPECT_EQ(r.quinella[0].pair, "");
  EXPECT_EQ(r.horses[17].horse_id, "");
  EXPECT_EQ(r.HorsesInUse(), 12);
  EXPECT_EQ(ResultsRecord::Parse("").RaceNumber(), 0);
}

TEST(ResultsFile, TailIgnoredAndRaceFoundByNumber) {
  std::string bytes;
  const char* order[] = {"03", "01", "02", "04", "05", "06", "07", "08", "09", "10", "12", "11"};
  for (const char* race : order) bytes += SampleRecord(race);
  bytes += "12345";
  ASSERT_EQ(bytes.size(), kResultsLength * 12 + 5);
  const text::RecordFile file(bytes, kResultsLength);
  EXPECT_EQ(file.count(), 12u);

  EXPECT_EQ(FindRaceRecord(file, 1), 2u);
  EXPECT_EQ(FindRaceRecord(file, 11), 12u);
  const std::optional<ResultsRecord> race12 = FindRace(file, 12);
  ASSERT_TRUE(race12.has_value());
  EXPECT_EQ(race12->race_number, "12");
  EXPECT_EQ(FindRace(file, 13), std::nullopt);
  EXPECT_EQ(FindRace(file, 0), std::nullopt);

  // The first record with the wanted value wins.
  std::string twice = SampleRecord(" 5") + SampleRecord("05");
  Put(twice, kResultsLength + 94, "09");
  const text::RecordFile two(twice, kResultsLength);
  EXPECT_EQ(FindRaceRecord(two, 5), 1u);

  // A file opened with another record length is not a results file.
  const text::RecordFile other(bytes, 584);
  EXPECT_EQ(FindRaceRecord(other, 1), std::nullopt);
  EXPECT_EQ(FindRaceRecord(text::RecordFile(), 1), std::nullopt);
}

}  // namespace
}  // namespace mirtote::results
