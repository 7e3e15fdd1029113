#include "jravan/race_card_record.h"

#include "text/cp932.h"
#include "text/number.h"
#include "text/record_fields.h"

namespace mirtote::jravan {

namespace {

using text::ByteField;
using text::DecodeField;

constexpr size_t kEntryStart = 168;
constexpr size_t kEntrySize = 23;
constexpr size_t kBodyWeightStart = 724;
constexpr size_t kPastRaceBlock = 136;

HorseEntry ParseEntry(std::string_view entry) {
  HorseEntry e;
  e.bracket = DecodeField(entry, 0, 1);
  e.horse_id = DecodeField(entry, 1, 8);
  e.sex = DecodeField(entry, 9, 1);
  e.carried_weight = DecodeField(entry, 11, 3);
  e.jockey_code = DecodeField(entry, 14, 4);
  return e;
}

}  // namespace

bool HorseEntry::HasHorse() const {
  return text::ValInt(bracket) > 0;
}

RaceCardRecord RaceCardRecord::Parse(std::string_view record) {
  RaceCardRecord r;
  r.key = DecodeField(record, 0, 8);
  r.day_key = DecodeField(record, 0, 6);
  r.venue_code = DecodeField(record, 0, 2);
  r.year = DecodeField(record, 2, 2);
  r.meeting = DecodeField(record, 4, 1);
  r.day = DecodeField(record, 5, 1);
  r.race_number = DecodeField(record, 6, 2);
  r.month_day = DecodeField(record, 8, 4);
  r.weekday = DecodeField(record, 12, 1);
  r.post_time = DecodeField(record, 13, 4);
  r.race_name = DecodeField(record, 17, 60);
  r.edition = DecodeField(record, 77, 3);
  r.race_type = DecodeField(record, 80, 2);
  r.weight_rule = DecodeField(record, 85, 1);
  text::DecodeFields(r.class_codes, record, 86, 3);
  r.distance = DecodeField(record, 98, 4);
  r.course = DecodeField(record, 102, 2);
  r.grade = DecodeField(record, 104, 1);
  r.runners = DecodeField(record, 105, 2);
  text::ParseSlots(r.entries, record, kEntryStart, kEntrySize, ParseEntry);
  return r;
}

std::string_view RaceCardRecord::KeyOf(std::string_view record) {
  return ByteField(record, 0, 8);
}

HorseRecord HorseRecord::Parse(std::string_view record) {
  HorseRecord h;
  h.horse_id = DecodeField(record, 0, 8);
  h.name = DecodeField(record, 9, 36);
  h.second_name = DecodeField(record, 89, 40);
  h.sex = DecodeField(record, 130, 1);
  h.birth_date = DecodeField(record, 133, 6);
  text::DecodeFields(h.body_weights, record, kBodyWeightStart, 3, kPastRaceBlock);
  return h;
}

std::string_view HorseRecord::IdOf(std::string_view record) {
  return ByteField(record, 0, 8);
}

JockeyRecord JockeyRecord::Parse(std::string_view record) {
  JockeyRecord j;
  j.code = DecodeField(record, 0, 4);
  j.family_name = DecodeField(record, 11, 16);
  j.given_name = DecodeField(record, 27, 16);
  return j;
}

std::string_view JockeyRecord::CodeOf(std::string_view record) {
  return ByteField(record, 0, 4);
}

}  // namespace mirtote::jravan
