#include "results/results_record.h"

#include <algorithm>

#include "text/cp932.h"
#include "text/number.h"
#include "text/record_fields.h"

namespace mirtote::results {

namespace {

using text::ByteField;
using text::DecodeField;

constexpr size_t kPrizeStart = 96;
constexpr size_t kPrizeWidth = 7;
constexpr size_t kAddedStart = 145;
constexpr size_t kAddedWidth = 6;
constexpr size_t kWinStart = 175;
constexpr size_t kPlaceStart = 202;
constexpr size_t kBracketStart = 247;
constexpr size_t kPayoutSize = 9;
constexpr size_t kQuinellaStart = 274;
constexpr size_t kQuinellaSize = 12;
constexpr size_t kHorseStart = 385;
constexpr size_t kHorseSize = 52;

constexpr std::string_view kFullWidthSpace = "　";

// An amount of zeros only, or blank, marks an empty payout entry.
bool AmountPresent(std::string_view amount) {
  if (text::IsBlank(amount)) return false;
  return !std::all_of(amount.begin(), amount.end(), [](char c) { return c == '0'; });
}

Payout ParsePayout(std::string_view pair) {
  return {DecodeField(pair, 0, 2), DecodeField(pair, 2, 7)};
}

QuinellaPayout ParseQuinellaPayout(std::string_view pair) {
  return {DecodeField(pair, 0, 4), DecodeField(pair, 4, 8)};
}

HorseResult ParseHorse(std::string_view slot) {
  HorseResult h;
  h.demotion = DecodeField(slot, 1, 2);
  h.position = DecodeField(slot, 3, 2);
  h.abnormal = DecodeField(slot, 5, 1);
  h.margin = DecodeField(slot, 6, 3);
  h.time_minutes = DecodeField(slot, 9, 1);
  h.time_seconds = DecodeField(slot, 10, 2);
  h.time_tenths = DecodeField(slot, 12, 1);
  h.weight_kg = DecodeField(slot, 13, 2);
  h.weight_tenths = DecodeField(slot, 15, 1);
  h.body_weight = DecodeField(slot, 16, 3);
  h.horse_id = DecodeField(slot, 33, 8);
  h.jockey_code = DecodeField(slot, 42, 4);
  h.popularity = DecodeField(slot, 50, 2);
  return h;
}

}  // namespace

bool Payout::IsPresent() const {
  return AmountPresent(amount);
}

bool QuinellaPayout::IsPresent() const {
  return AmountPresent(amount);
}

bool HorseResult::HasNoPlacing() const {
  return abnormal.size() == 1 && abnormal[0] >= kScratched && abnormal[0] <= kDisqualified;
}

ResultsRecord ResultsRecord::Parse(std::string_view record) {
  ResultsRecord r;
  r.key = DecodeField(record, 0, 8);
  r.venue_code = DecodeField(record, 0, 2);
  r.year = DecodeField(record, 2, 2);
  r.meeting = DecodeField(record, 4, 1);
  r.day = DecodeField(record, 5, 1);
  r.race_number = DecodeField(record, 6, 2);
  r.month_day = DecodeField(record, 8, 4);
  r.weekday = DecodeField(record, 12, 1);
  r.race_type = DecodeField(record, 13, 2);
  r.class_code = DecodeField(record, 18, 3);
  r.weight_rule = DecodeField(record, 21, 1);
  r.distance = DecodeField(record, 22, 4);
  r.track = DecodeField(record, 26, 2);
  r.race_name = DecodeField(record, 28, 60);
  r.edition = DecodeField(record, 88, 3);
  r.grade = DecodeField(record, 91, 1);
  r.weather = DecodeField(record, 92, 1);
  r.going = DecodeField(record, 93, 1);
  r.horse_count = DecodeField(record, 94, 2);
  text::DecodeFields(r.prize_money, record, kPrizeStart, kPrizeWidth);
  text::DecodeFields(r.added_money, record, kAddedStart, kAddedWidth);
  text::ParseSlots(r.win, record, kWinStart, kPayoutSize, ParsePayout);
  text::ParseSlots(r.place, record, kPlaceStart, kPayoutSize, ParsePayout);
  text::ParseSlots(r.bracket_quinella, record, kBracketStart, kPayoutSize, ParsePayout);
  text::ParseSlots(r.quinella, record, kQuinellaStart, kQuinellaSize, ParseQuinellaPayout);
  text::ParseSlots(r.horses, record, kHorseStart, kHorseSize, ParseHorse);
  return r;
}

bool ResultsRecord::HasRaceName() const {
  return !race_name.empty() && !race_name.starts_with(kFullWidthSpace);
}

int ResultsRecord::RaceNumber() const {
  return static_cast<int>(text::ValInt(race_number));
}

int ResultsRecord::HorsesInUse() const {
  return static_cast<int>(std::clamp<long long>(text::ValInt(horse_count), 0, kResultHorseSlots));
}

std::optional<size_t> FindRaceRecord(const text::RecordFile& file, int race) {
  if (file.record_length() != kResultsLength) return std::nullopt;
  for (size_t k = 1; k <= file.count(); ++k) {
    if (text::ValInt(ByteField(file.Record(k), 6, 2)) == race) return k;
  }
  return std::nullopt;
}

std::optional<ResultsRecord> FindRace(const text::RecordFile& file, int race) {
  const std::optional<size_t> k = FindRaceRecord(file, race);
  if (!k) return std::nullopt;
  return ResultsRecord::Parse(file.Record(*k));
}

}  // namespace mirtote::results
