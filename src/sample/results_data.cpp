#include "sample/results_data.h"

#include <algorithm>

#include "sample/race_data.h"
#include "text/chars.h"
#include "text/cp932.h"

namespace mirtote::sample {

namespace {

namespace fs = std::filesystem;

// Right-aligned digits with leading zeros: Digits("250", 7) = "0000250".
std::string Digits(const std::string& value, size_t width) {
  return std::string(width > value.size() ? width - value.size() : 0, '0') + value;
}

std::string Slot(const SlotFields& s, int number) {
  std::string slot(52, '0');
  PutField(slot, 0,
           " " + Cp932Field(s.demotion, 2) + Cp932Field(s.position, 2) + Cp932Field(s.abnormal, 1) +
               Cp932Field(s.margin, 3) + Cp932Field(s.time, 4) + Cp932Field(s.weight, 3) +
               Cp932Field(s.body_weight, 3));
  PutField(slot, 33, Cp932Field(s.horse_id.empty() ? "950000" + TwoDigits(number) : s.horse_id, 8));
  PutField(slot, 42, Cp932Field(s.jockey.empty() ? "J0" + TwoDigits(number) : s.jockey, 4));
  PutField(slot, 50, Cp932Field(s.popularity, 2));
  return slot;
}

template <size_t N>
void PutPairs(std::string& r, size_t start, size_t number_width, size_t amount_width,
              const std::array<std::string, N>& entries) {
  for (size_t i = 0; i < N; ++i) {
    const size_t colon = entries[i].find(':');
    const std::string number = entries[i].substr(0, colon);
    const std::string amount = colon == std::string::npos ? "" : entries[i].substr(colon + 1);
    PutField(r, start + (number_width + amount_width) * i,
             Digits(number, number_width) + Digits(amount, amount_width));
  }
}

}  // namespace

std::string ResultsRecordBytes(const ResultsFields& s) {
  std::string r(1323, '0');
  std::string name = s.race_name.empty() ? "　" : s.race_name;
  while (text::CharCount(name) < 30) name += "　";
  PutField(r, 0,
           s.venue_code + s.year + s.meeting + s.day + s.race + s.month_day + s.weekday +
               s.race_type + "000" + s.class_code + s.weight_rule + s.distance + s.track);
  PutField(r, 28, Cp932Field(name, 60));
  const std::string horses =
      s.horse_count.empty() ? TwoDigits(static_cast<int>(s.horse_results.size())) : s.horse_count;
  PutField(r, 88, s.edition + s.grade + s.weather + s.going + horses);
  for (size_t i = 0; i < 7; ++i) PutField(r, 96 + 7 * i, Digits(s.prize[i], 7));
  for (size_t i = 0; i < 5; ++i) PutField(r, 145 + 6 * i, Digits(s.added[i], 6));
  PutPairs(r, 175, 2, 7, s.win);
  PutPairs(r, 202, 2, 7, s.place);
  PutPairs(r, 247, 2, 7, s.bracket);
  PutPairs(r, 274, 4, 8, s.quinella);
  for (size_t n = 0; n < s.horse_results.size() && n < 18; ++n) {
    PutField(r, 385 + 52 * n, Slot(s.horse_results[n], static_cast<int>(n + 1)));
  }
  PutField(r, 1321, "\r\n");
  return r;
}

void WriteResultsFile(const fs::path& start_folder, const std::string& name,
                      const std::vector<ResultsFields>& races) {
  std::string bytes;
  for (const ResultsFields& race : races) bytes += ResultsRecordBytes(race);
  WriteBytes(start_folder / "SEISEKI" / name, bytes);
}

}  // namespace mirtote::sample
