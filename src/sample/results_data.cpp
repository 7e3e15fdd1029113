#include "sample/results_data.h"

#include <algorithm>

#include "sample/race_data.h"
#include "text/chars.h"
#include "text/cp932.h"

namespace mirtote::sample {

namespace {

namespace fs = std::filesystem;

// `utf8` as CP932 bytes padded with spaces or cut to `bytes` bytes.
std::string SjisField(const std::string& utf8, size_t bytes) {
  std::string out = text::EncodeCp932(utf8);
  out.resize(bytes, ' ');
  return out;
}

// Overwrites `bytes` into `record` at `offset`, cut at the record's end.
void Put(std::string& record, size_t offset, const std::string& bytes) {
  if (offset < record.size())
    record.replace(offset, std::min(bytes.size(), record.size() - offset), bytes, 0,
                   std::min(bytes.size(), record.size() - offset));
}

// Right-aligned digits with leading zeros: Digits("250", 7) = "0000250".
std::string Digits(const std::string& value, size_t width) {
  return std::string(width > value.size() ? width - value.size() : 0, '0') + value;
}

std::string Slot(const SlotFields& s, int number) {
  std::string slot(52, '0');
  Put(slot, 0,
      " " + SjisField(s.demotion, 2) + SjisField(s.position, 2) + SjisField(s.abnormal, 1) +
          SjisField(s.margin, 3) + SjisField(s.time, 4) + SjisField(s.weight, 3) +
          SjisField(s.body_weight, 3));
  Put(slot, 33, SjisField(s.horse_id.empty() ? "950000" + TwoDigits(number) : s.horse_id, 8));
  Put(slot, 42, SjisField(s.jockey.empty() ? "J0" + TwoDigits(number) : s.jockey, 4));
  Put(slot, 50, SjisField(s.popularity, 2));
  return slot;
}

template <size_t N>
void PutPairs(std::string& r, size_t start, size_t number_width, size_t amount_width,
              const std::array<std::string, N>& entries) {
  for (size_t i = 0; i < N; ++i) {
    const size_t colon = entries[i].find(':');
    const std::string number = entries[i].substr(0, colon);
    const std::string amount = colon == std::string::npos ? "" : entries[i].substr(colon + 1);
    Put(r, start + (number_width + amount_width) * i,
        Digits(number, number_width) + Digits(amount, amount_width));
  }
}

}  // namespace

std::string ResultsRecordBytes(const ResultsFields& s) {
  std::string r(1323, '0');
  std::string name = s.race_name.empty() ? "　" : s.race_name;
  while (text::CharCount(name) < 30) name += "　";
  Put(r, 0,
      s.venue_code + s.year + s.meeting + s.day + s.race + s.month_day + s.weekday + s.race_type +
          "000" + s.class_code + s.weight_rule + s.distance + s.track);
  Put(r, 28, SjisField(name, 60));
  const std::string horses =
      s.horse_count.empty() ? TwoDigits(static_cast<int>(s.horse_results.size())) : s.horse_count;
  Put(r, 88, s.edition + s.grade + s.weather + s.going + horses);
  for (size_t i = 0; i < 7; ++i) Put(r, 96 + 7 * i, Digits(s.prize[i], 7));
  for (size_t i = 0; i < 5; ++i) Put(r, 145 + 6 * i, Digits(s.added[i], 6));
  PutPairs(r, 175, 2, 7, s.win);
  PutPairs(r, 202, 2, 7, s.place);
  PutPairs(r, 247, 2, 7, s.bracket);
  PutPairs(r, 274, 4, 8, s.quinella);
  for (size_t n = 0; n < s.horse_results.size() && n < 18; ++n) {
    Put(r, 385 + 52 * n, Slot(s.horse_results[n], static_cast<int>(n + 1)));
  }
  Put(r, 1321, "\r\n");
  return r;
}

void WriteResultsFile(const fs::path& start_folder, const std::string& name,
                      const std::vector<ResultsFields>& races) {
  std::string bytes;
  for (const ResultsFields& race : races) bytes += ResultsRecordBytes(race);
  WriteBytes(start_folder / "SEISEKI" / name, bytes);
}

}  // namespace mirtote::sample
