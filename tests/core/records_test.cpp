#include <gtest/gtest.h>

#include "jravan/race_card_record.h"
#include "support/test_support.h"

namespace mirtote::jravan {
namespace {

using mirtote::testing::Sjis;
using mirtote::testing::SjisField;

using mirtote::testing::Join;
using mirtote::testing::Put;

// Race-card fields by offset, in the order of Fields() below.
const std::pair<size_t, const char*> kRaceCard[] = {
    {0, "05"},    {2, "98"},    {4, "3"},    {5, "8"},   {6, "11"},   {8, "1101"}, {12, "2"},
    {13, "1540"}, {77, "118"},  {80, "13"},  {85, "4"},  {86, "000"}, {89, "999"}, {92, "016"},
    {95, "005"},  {98, "2000"}, {102, "11"}, {104, "A"}, {105, "12"},
};

std::vector<std::string> Fields(const RaceCardRecord& r) {
  return {r.venue_code,     r.year,           r.meeting,        r.day,
          r.race_number,    r.month_day,      r.weekday,        r.post_time,
          r.edition,        r.race_type,      r.weight_rule,    r.class_codes[0],
          r.class_codes[1], r.class_codes[2], r.class_codes[3], r.distance,
          r.course,         r.grade,          r.runners};
}

std::string SampleRaceCard() {
  std::string record(kRaceCardLength, ' ');
  for (const auto& [offset, bytes] : kRaceCard) Put(record, offset, bytes);
  Put(record, 17, SjisField("天皇賞（秋）", 60));
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
  const std::vector<std::string> fields = Fields(r);
  ASSERT_EQ(fields.size(), std::size(kRaceCard));
  for (size_t i = 0; i < fields.size(); ++i) {
    EXPECT_EQ(fields[i], kRaceCard[i].second) << kRaceCard[i].first;
  }
  EXPECT_EQ(r.race_name, "天皇賞（秋）" + std::string(48, ' '));
  EXPECT_EQ(r.key, "05983811");
  EXPECT_EQ(r.day_key, "059838");
  EXPECT_EQ(RaceCardRecord::KeyOf(record), "05983811");

  const HorseEntry& first = r.entries[0];
  EXPECT_EQ(Join({first.horse_id, first.sex, first.carried_weight, first.jockey_code}),
            "98100123|2|550|0456");
  EXPECT_TRUE(first.HasHorse());
  EXPECT_FALSE(r.entries[1].HasHorse());  // bracket "0"
  EXPECT_EQ(Join({r.entries[11].horse_id, r.entries[11].jockey_code}), "98100135|0999");
  EXPECT_FALSE(r.entries[12].HasHorse());
  EXPECT_EQ(r.entries[17].horse_id, "        ");

  // A short record gives short or empty fields.
  const RaceCardRecord cut = RaceCardRecord::Parse(std::string_view(record).substr(0, 100));
  EXPECT_EQ(cut.distance, "20");
  EXPECT_EQ(cut.course + cut.entries[0].horse_id, "");
  EXPECT_FALSE(cut.entries[0].HasHorse());
}

TEST(HorseRecord, FieldsAndBodyWeights) {
  std::string record(kHorseLength, ' ');
  Put(record, 0, "98100123");
  Put(record, 9, SjisField("サイレンススズカ", 36));
  Put(record, 89, Sjis("ジョイ"));
  Put(record, 130, "1");
  Put(record, 133, "940501");
  const char* weights[] = {"448", "000", "999", "   ", "452"};
  for (size_t k = 0; k < 5; ++k) Put(record, 724 + 136 * k, weights[k]);

  const HorseRecord h = HorseRecord::Parse(record);
  EXPECT_EQ(HorseRecord::IdOf(record), "98100123");
  EXPECT_EQ(Join({h.horse_id, h.sex, h.birth_date}), "98100123|1|940501");
  EXPECT_EQ(h.name, "サイレンススズカ" + std::string(20, ' '));
  EXPECT_EQ(h.second_name, "ジョイ" + std::string(34, ' '));
  EXPECT_EQ(h.body_weights, (std::array<std::string, 5>{"448", "000", "999", "   ", "452"}));

  // Cut inside the fourth body weight: the fifth is empty, the fourth partial.
  const HorseRecord cut = HorseRecord::Parse(std::string_view(record).substr(0, 1133));
  EXPECT_EQ(cut.body_weights[3], " ");
  EXPECT_EQ(cut.body_weights[4], "");
}

TEST(JockeyRecord, CodeAndNames) {
  std::string record(kJockeyLength, ' ');
  Put(record, 0, "0456");
  Put(record, 11, Sjis("Ｍ．デムーロ"));
  Put(record, 27, Sjis("武　　　　　　　"));
  const JockeyRecord j = JockeyRecord::Parse(record);
  EXPECT_EQ(JockeyRecord::CodeOf(record), "0456");
  EXPECT_EQ(j.code, "0456");
  EXPECT_EQ(j.family_name, "Ｍ．デムーロ    ");
  EXPECT_EQ(j.given_name, "武　　　　　　　");
  EXPECT_EQ(JockeyRecord::Parse("04").given_name, "");
}

}  // namespace
}  // namespace mirtote::jravan
