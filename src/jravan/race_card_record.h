#pragma once
// Records of the JRA-VAN race-card (584 bytes), horse (1825 bytes) and jockey (1065 bytes)
// files. Each field is cut by byte offset and decoded from CP932 by itself.

#include <array>
#include <string>
#include <string_view>

namespace mirtote::jravan {

inline constexpr size_t kRaceCardLength = 584;
inline constexpr size_t kHorseLength = 1825;
inline constexpr size_t kJockeyLength = 1065;
inline constexpr int kEntries = 18;

struct HorseEntry {
  std::string bracket;         // "1"-"8"; "0" or " " when no horse
  std::string horse_id;        // 8
  std::string sex;             // "1" male, "2" female, "3" gelding
  std::string carried_weight;  // 3 digits, tenths of a kilogram
  std::string jockey_code;     // 4
  bool HasHorse() const;       // bracket's numeric value above 0
};

struct RaceCardRecord {
  std::string key;                         // first 8 bytes: venue, year, meeting, day, race number
  std::string day_key;                     // first 6 bytes
  std::string venue_code;                  // "01"-"10"
  std::string year;                        // 2
  std::string meeting;                     // 1
  std::string day;                         // 1
  std::string race_number;                 // 2
  std::string month_day;                   // 4
  std::string weekday;                     // 1
  std::string post_time;                   // 4, HHMM
  std::string race_name;                   // 60 bytes decoded
  std::string edition;                     // 3, "000" when none
  std::string race_type;                   // 2
  std::string weight_rule;                 // 1
  std::array<std::string, 4> class_codes;  // 3-year-olds, 4, 5, 6 and older
  std::string distance;                    // 4
  std::string course;                      // 2
  std::string grade;                       // 1
  std::string runners;                     // 2
  std::array<HorseEntry, kEntries> entries;  // entry i-1 for horse number i

  // Parses a record; a short record gives empty fields for the missing bytes.
  static RaceCardRecord Parse(std::string_view record);
  // The 8-byte race key of raw record bytes, without decoding the rest.
  static std::string_view KeyOf(std::string_view record);
};

struct HorseRecord {
  std::string horse_id;                     // 8
  std::string name;                         // 36 bytes decoded
  std::string second_name;                  // 40 bytes decoded
  std::string sex;                          // 1
  std::string birth_date;                   // 6, yymmdd
  std::array<std::string, 5> body_weights;  // latest first; "000", "999" or blanks unknown

  static HorseRecord Parse(std::string_view record);
  static std::string_view IdOf(std::string_view record);
};

struct JockeyRecord {
  std::string code;         // 4
  std::string family_name;  // 16 bytes decoded (8 full-width characters)
  std::string given_name;   // 16 bytes decoded

  static JockeyRecord Parse(std::string_view record);
  static std::string_view CodeOf(std::string_view record);
};

}  // namespace mirtote::jravan
