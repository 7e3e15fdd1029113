#pragma once
// Writers of made-up race data in the program's file layouts: per-day race-card and horse
// files, the jockey file and PAT odds files. The tests, the benchmarks and the sample
// generator all build their data with these, so each layout is written in one place.
// Texts are UTF-8; the files are CP932.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "pat/pat_file.h"

namespace mirtote::sample {

namespace fs = std::filesystem;

// One horse entry of a race card; an empty bracket leaves the entry blank (no horse).
struct EntryFields {
  std::string bracket;   // "1"-"8"
  std::string horse_id;  // 8 characters
  std::string sex = "1";
  std::string carried_weight = "550";
  std::string jockey_code;  // 4 characters
};

// A race card. The defaults describe race 11 of 東京 on 10 May 1998 (key "05983811").
struct RaceCardFields {
  std::string venue_code = "05";
  std::string year = "98";
  std::string meeting = "3";
  std::string day = "8";
  std::string race_number = "11";
  std::string month_day = "0510";
  std::string weekday = "2";
  std::string post_time = "1540";
  std::string race_name = "ＮＨＫマイルカップ";  // padded with "　" to 30 characters
  std::string edition = "000";
  std::string race_type = "12";
  std::string weight_rule = "4";
  std::array<std::string, 4> class_codes{"000", "999", "000", "000"};
  std::string distance = "1600";
  std::string course = "11";
  std::string grade = "A";
  std::vector<EntryFields> entries;  // entry i-1 for horse number i (at most 18)
};

struct HorseFields {
  std::string id;    // 8 characters
  std::string name;  // padded with "　" to 18 characters
  std::string sex = "1";
  std::string birth_date = "950415";  // yymmdd
  std::string body_weight = "480";    // the latest previous race's weight
  std::string second_name = "";       // the 40-byte name field at offset 89
};

struct JockeyFields {
  std::string code;  // 4 characters
  std::string family;
  std::string given;
};

// `count` running entries: horse i in bracket `brackets[i-1]` (or the usual bracket split
// of `count` runners when empty), id "950000ii", jockey "J0ii".
std::vector<EntryFields> MakeEntries(int count, std::vector<std::string> brackets = {});
// A horse for each entry with a bracket: name "ウマ" + number in full width, born 95.
std::vector<HorseFields> HorsesFor(const RaceCardFields& card);

// Record bytes of each layout (584, 1825 and 1065 bytes).
std::string RaceCardRecord(const RaceCardFields& card);
std::string HorseRecord(const HorseFields& horse);
std::string JockeyRecord(const JockeyFields& jockey);

// Writes `bytes` to `path`, creating its folder; false when it cannot.
bool WriteBytes(const fs::path& path, const std::string& bytes);
// Writes <stem>.DEN with the cards and <stem>.UMA with the horses into `data`; the stem is
// 10 characters such as "東京19980510".
void WriteMeeting(const fs::path& data, const std::string& stem,
                  const std::vector<RaceCardFields>& cards, const std::vector<HorseFields>& horses,
                  const std::string& den_extension = ".DEN",
                  const std::string& uma_extension = ".UMA");
// Writes 騎手.DAT into `data`.
void WriteJockeys(const fs::path& data, const std::vector<JockeyFields>& jockeys);

// A ZO content whose header gives the card's race key and runner count; horse i has win
// odds 1.3 + i and place odds 1.i-2.i, the brackets no odds.
pat::ZoContent ZoFor(const RaceCardFields& card, int runners);
// A UO content for `runners` runners with no odds in any pair (blank slots).
pat::UoContent UoFor(const pat::ZoContent& zo, int runners);
// Sets a quinella or bracket pair: sold at `odds`, or not sold when empty.
void SetQuinella(pat::UoContent& uo, int runners, int a, int b, const std::string& odds);
void SetBracket(pat::ZoContent& zo, int a, int b, const std::string& odds);

// The card's PAT file names ("ZO-58B.JRA", "UO-58B.JRA").
std::string ZoName(const RaceCardFields& card);
std::string UoName(const RaceCardFields& card);
// Writes the PAT95 files into `folder` and returns the ZO file's path.
fs::path WritePatFiles(const fs::path& folder, const std::string& zo_name, const pat::ZoContent& zo,
                       const std::string& uo_name = {},
                       const std::optional<pat::UoContent>& uo = std::nullopt);

// "05" for 5, "12" for 12.
std::string TwoDigits(int n);
// `text` right-aligned in `width` characters with spaces before it.
std::string RightAligned(const std::string& text, size_t width);
// UTF-8 `utf8` as CP932 bytes, padded with spaces or cut to exactly `bytes` bytes.
std::string Cp932Field(const std::string& utf8, size_t bytes);
// Overwrites `bytes` into `record` at `offset`, cut at the record's end.
void PutField(std::string& record, size_t offset, const std::string& bytes);

}  // namespace mirtote::sample
