#include <gtest/gtest.h>

#include <functional>

#include "jravan/race_card_record.h"
#include "support/test_support.h"

namespace mirtote::jravan {
namespace {

using mirtote::testing::Sjis;
using mirtote::testing::SjisField;

void Put(std::string& record, size_t offset, std::string_view bytes) {
  record.replace(offset, bytes.size(), bytes);
}

struct FieldCase {
  size_t offset;
  std::string bytes;
  std::function<std::string(const RaceCardRecord&)> field;
  std::string expected;
};

std::vector<FieldCase> RaceCardCases() {
  return {
      {0, "05", [](const RaceCardRecord& r) { return r.venue_code; }, "05"},
      {2, "98", [](const RaceCardRecord& r) { return r.year; }, "98"},
      {4, "3", [](const RaceCardRecord& r) { return r.meeting; }, "3"},
      {5, "8", [](const RaceCardRecord& r) { return r.day; }, "8"},
      {6, "11", [](const RaceCardRecord& r) { return r.race_number; }, "11"},
      {8, "1101", [](const RaceCardRecord& r) { return r.month_day; }, "1101"},
      {12, "2", [](const RaceCardRecord& r) { return r.weekday; }, "2"},
      {13, "1540", [](const RaceCardRecord& r) { return r.post_time; }, "1540"},
      {17, SjisField("天皇賞（秋）", 60), [](const RaceCardRecord& r) { return r.race_name; },
       "天皇賞（秋）" + std::string(48, ' ')},
      {77, "118", [](const RaceCardRecord& r) { return r.edition; }, "118"},
      {80, "13", [](const RaceCardRecord& r) { return r.race_type; }, "13"},
      {85, "4", [](const RaceCardRecord& r) { return r.weight_rule; }, "4"},
      {86, "000", [](const RaceCardRecord& r) { return r.class_codes[0]; }, "000"},
      {89, "999", [](const RaceCardRecord& r) { return r.class_codes[1]; }, "999"},
      {92, "016", [](const RaceCardRecord& r) { return r.class_codes[2]; }, "016"},
      {95, "005", [](const RaceCardRecord& r) { return r.class_codes[3]; }, "005"},
      {98, "2000", [](const RaceCardRecord& r) { return r.distance; }, "2000"},
      {102, "11", [](const RaceCardRecord& r) { return r.course; }, "11"},
      {104, "A", [](const RaceCardRecord& r) { return r.grade; }, "A"},
      {105, "12", [](const RaceCardRecord& r) { return r.runners; }, "12"},
  };
}

std::string SampleRaceCard() {
  std::string record(kRaceCardLength, ' ');
  for (const FieldCase& c : RaceCardCases()) Put(record, c.offset, c.bytes);
  // Entry 1: bracket 1, a mare carrying 55.0 kg; entry 2 with bracket "0"; 13 to 18 blank.
  Put(record, 168, "1981001232 5500456     ");
  Put(record, 168 + 23, "0981001241 5700457");
  Put(record, 168 + 23 * 11, "8981001353 5800999");
  Put(record, 582, "\r\n");
  return record;
}

TEST(RaceCardRecord, EveryFieldByOffset) {
  const std::string record = SampleRaceCard();
  const RaceCardRecord r = RaceCardRecord::Parse(record);
  for (const FieldCase& c : RaceCardCases()) EXPECT_EQ(c.field(r), c.expected) << c.offset;
  EXPECT_EQ(r.key, "05983811");
  EXPECT_EQ(r.day_key, "059838");
  EXPECT_EQ(RaceCardRecord::KeyOf(record), "05983811");

  const HorseEntry& first = r.entries[0];
  EXPECT_EQ(first.bracket, "1");
  EXPECT_EQ(first.horse_id, "98100123");
  EXPECT_EQ(first.sex, "2");
  EXPECT_EQ(first.carried_weight, "550");
  EXPECT_EQ(first.jockey_code, "0456");
  EXPECT_TRUE(first.HasHorse());
  EXPECT_FALSE(r.entries[1].HasHorse());  // bracket "0"
  EXPECT_EQ(r.entries[11].horse_id, "98100135");
  EXPECT_EQ(r.entries[11].jockey_code, "0999");
  EXPECT_TRUE(r.entries[11].HasHorse());
  EXPECT_FALSE(r.entries[12].HasHorse());
  EXPECT_EQ(r.entries[17].horse_id, "        ");
}

TEST(RaceCardRecord, ShortRecordGivesEmptyFields) {
  const std::string record = SampleRaceCard().substr(0, 100);
  const RaceCardRecord r = RaceCardRecord::Parse(record);
  EXPECT_EQ(r.key, "05983811");
  EXPECT_EQ(r.class_codes[3], "005");
  EXPECT_EQ(r.distance, "20");  // cut at the end of the record
  EXPECT_EQ(r.course, "");
  EXPECT_EQ(r.runners, "");
  for (const HorseEntry& e : r.entries) {
    EXPECT_EQ(e.horse_id, "");
    EXPECT_FALSE(e.HasHorse());
  }
  EXPECT_EQ(RaceCardRecord::Parse("").key, "");
  EXPECT_EQ(RaceCardRecord::KeyOf("0598"), "0598");
}

std::string SampleHorse() {
  std::string record(kHorseLength, ' ');
  Put(record, 0, "98100123");
  Put(record, 9, SjisField("サイレンススズカ", 36));
  Put(record, 89, SjisField("ジョイ", 40));
  Put(record, 130, "1");
  Put(record, 133, "940501");
  const char* weights[] = {"448", "000", "999", "   ", "452"};
  for (size_t k = 0; k < 5; ++k) Put(record, 724 + 136 * k, weights[k]);
  return record;
}

TEST(HorseRecord, FieldsAndBodyWeights) {
  const std::string record = SampleHorse();
  const HorseRecord h = HorseRecord::Parse(record);
  EXPECT_EQ(h.horse_id, "98100123");
  EXPECT_EQ(HorseRecord::IdOf(record), "98100123");
  EXPECT_EQ(h.name, "サイレンススズカ" + std::string(20, ' '));
  EXPECT_EQ(h.second_name.substr(0, 9), "ジョイ");
  EXPECT_EQ(h.sex, "1");
  EXPECT_EQ(h.birth_date, "940501");
  EXPECT_EQ(h.body_weights, (std::array<std::string, 5>{"448", "000", "999", "   ", "452"}));

  // Cut inside the fourth body weight: the fifth is empty, the fourth partial.
  const HorseRecord cut = HorseRecord::Parse(std::string_view(record).substr(0, 1133));
  EXPECT_EQ(cut.body_weights[2], "999");
  EXPECT_EQ(cut.body_weights[3], " ");
  EXPECT_EQ(cut.body_weights[4], "");
}

TEST(JockeyRecord, CodeAndNames) {
  std::string record(kJockeyLength, ' ');
  Put(record, 0, "0456");
  Put(record, 11, Sjis("Ｍ．デムーロ"));
  Put(record, 27, Sjis("武　　　　　　　"));
  const JockeyRecord j = JockeyRecord::Parse(record);
  EXPECT_EQ(j.code, "0456");
  EXPECT_EQ(JockeyRecord::CodeOf(record), "0456");
  EXPECT_EQ(j.family_name, "Ｍ．デムーロ    ");
  EXPECT_EQ(j.given_name, "武　　　　　　　");
  const JockeyRecord short_one = JockeyRecord::Parse("04");
  EXPECT_EQ(short_one.code, "04");
  EXPECT_EQ(short_one.family_name, "");
  EXPECT_EQ(short_one.given_name, "");
}

}  // namespace
}  // namespace mirtote::jravan
