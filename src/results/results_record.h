#pragma once
// The results record (1323 bytes): the confirmed result of one race, as written into the
// per-day ".SEI" files. Each field is cut by byte offset and decoded from CP932 by itself;
// a short record gives empty text for the missing bytes.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "text/files.h"

namespace mirtote::results {

inline constexpr size_t kResultsLength = 1323;
inline constexpr int kResultHorseSlots = 18;

// Win, place and bracket quinella payout pair (9 bytes).
struct Payout {
  std::string number;  // 2: horse number, or the two bracket digits ("36")
  std::string amount;  // 7: yen; "0000000" when the entry is empty
  // False for the all-zero amount (and for a blank or missing one).
  bool IsPresent() const;
};

// Quinella payout pair (12 bytes).
struct QuinellaPayout {
  std::string pair;    // 4: two two-digit horse numbers, "0712"
  std::string amount;  // 8: yen; "00000000" when the entry is empty
  bool IsPresent() const;
};

// Abnormal-result codes of a horse result slot.
inline constexpr char kScratched = '1';         // 出走取消
inline constexpr char kExcludedAtStart = '2';   // 発走除外
inline constexpr char kExcludedFromRace = '3';  // 競走除外
inline constexpr char kDidNotFinish = '4';      // 競走中止
inline constexpr char kDisqualified = '5';      // 失格
inline constexpr char kDemoted = '7';           // 降着

// Horse result slot (52 bytes); slot n is horse number n.
struct HorseResult {
  std::string demotion;       // 2: printed after "降着" for a demoted horse
  std::string position;       // 2: finishing position
  std::string abnormal;       // 1: abnormal-result code, see above
  std::string margin;         // 3: margin code, MarginText("TYAKUSA" + margin)
  std::string time_minutes;   // 1
  std::string time_seconds;   // 2
  std::string time_tenths;    // 1
  std::string weight_kg;      // 2: weight carried, whole kilograms
  std::string weight_tenths;  // 1
  std::string body_weight;    // 3: "000" or "999" when not weighed
  std::string horse_id;       // 8: key into the horse file
  std::string jockey_code;    // 4: key into the jockey file
  std::string popularity;     // 2
  // Codes "1" to "5": the horse has no finishing position.
  bool HasNoPlacing() const;
};

struct ResultsRecord {
  std::string key;                         // first 8 bytes: venue, year, meeting, day, race number
  std::string venue_code;                  // 2, "01"-"10"
  std::string year;                        // 2
  std::string meeting;                     // 1
  std::string day;                         // 1
  std::string race_number;                 // 2
  std::string month_day;                   // 4, mmdd
  std::string weekday;                     // 1, DayWeatherGoingText("YOUBI" + code)
  std::string race_type;                   // 2, RaceTypeText
  std::string class_code;                  // 3
  std::string weight_rule;                 // 1
  std::string distance;                    // 4, metres
  std::string track;                       // 2
  std::string race_name;                   // 60 bytes decoded
  std::string edition;                     // 3, "000" when none
  std::string grade;                       // 1
  std::string weather;                     // 1, DayWeatherGoingText("TENKOU" + code)
  std::string going;                       // 1, DayWeatherGoingText("BABA" + code)
  std::string horse_count;                 // 2
  std::array<std::string, 7> prize_money;  // thousands of yen: 1st-5th, two dead-heat columns
  std::array<std::string, 5> added_money;  // thousands of yen, same column order
  std::array<Payout, 3> win;               // winner, then up to two dead-heat winners
  std::array<Payout, 5> place;             // places 1-3, then up to two extra places
  std::array<Payout, 3> bracket_quinella;
  std::array<QuinellaPayout, 3> quinella;
  std::array<HorseResult, kResultHorseSlots> horses;  // index n-1 for horse number n

  static ResultsRecord Parse(std::string_view record);

  // A race name field starting with the full-width space "　" means the race has no name.
  bool HasRaceName() const;
  // Numeric value of the race number field.
  int RaceNumber() const;
  // Slots in use: the number of horses, kept within 0..18.
  int HorsesInUse() const;
};

// The 1-based number of the first record whose race number has the value `race`; nothing
// when no record has it or the file's record length is not a results record's.
std::optional<size_t> FindRaceRecord(const text::RecordFile& file, int race);
// The parsed record of that race.
std::optional<ResultsRecord> FindRace(const text::RecordFile& file, int race);

}  // namespace mirtote::results
