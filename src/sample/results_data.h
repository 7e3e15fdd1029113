#pragma once
// Writer of made-up results records (1323 bytes) and per-day results files.

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace mirtote::sample {

// One horse result slot; slot n is horse number n.
struct SlotFields {
  std::string position = "01";
  std::string abnormal = "0";  // "1"-"5" no placing, "7" demoted
  std::string margin = "   ";
  std::string time = "1583";   // m ss t
  std::string weight = "550";  // kg kg tenths
  std::string body_weight = "480";
  std::string horse_id = "";  // "950000" + horse number when empty
  std::string jockey = "";    // "J0" + horse number when empty
  std::string popularity = "01";
  std::string demotion = "  ";
};

// A results record. The defaults describe race 11 of 東京 on 4 October 1998.
struct ResultsFields {
  std::string venue_code = "05", year = "98", meeting = "4", day = "2", race = "11";
  std::string month_day = "1004", weekday = "2", race_type = "13", class_code = "999";
  std::string weight_rule = "2", distance = "1800", track = "11";
  std::string race_name = "毎日王冠";  // padded with "　"; empty for a race without a name
  std::string edition = "049", grade = "B", weather = "1", going = "1";
  std::array<std::string, 7> prize{"65000", "26000", "16000", "9800", "6500"};
  std::array<std::string, 5> added{"1000", "290"};
  // Payout entries "number:amount": horse number, bracket digits ("36") or horse pair
  // ("0307"), and yen; empty: no entry.
  std::array<std::string, 3> win{"07:250"};
  std::array<std::string, 5> place{"07:130", "03:210", "11:480"};
  std::array<std::string, 3> bracket{"36:1230"}, quinella{"0307:1890"};
  std::vector<SlotFields> horse_results = {};  // slot n-1 for horse number n
  std::string horse_count = "";                // the number of horses; the slots counted when empty
};

// The 1323 bytes of a results record.
std::string ResultsRecordBytes(const ResultsFields& fields);
// Writes SEISEKI/<name> below `start_folder`, one record per race.
void WriteResultsFile(const std::filesystem::path& start_folder, const std::string& name,
                      const std::vector<ResultsFields>& races);

}  // namespace mirtote::sample
