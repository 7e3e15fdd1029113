#include "jravan/day_split.h"

#include <algorithm>
#include <unordered_map>

#include "jravan/race_card_record.h"
#include "text/century.h"
#include "text/cp932.h"
#include "vocab/venues.h"

namespace mirtote::jravan {

namespace {

constexpr size_t kDayKeyLength = 6;
constexpr size_t kEntryStart = 168;
constexpr size_t kEntrySize = 23;
constexpr std::string_view kNoHorse = "        ";

struct Day {
  std::string stem;
  std::vector<std::string_view> records;
};

struct Days {
  std::vector<Day> days;
  int skipped = 0;
};

bool AllDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Records grouped by day, days in the order they first appear and each day's records in file
// order, so records of days that alternate all reach their day. A day whose key is new but
// whose stem an earlier day already has (a damaged key) joins that day: one file per name.
// A record that cannot name its day's file is skipped.
Days GroupByDay(const text::RecordFile& file) {
  Days out;
  std::unordered_map<std::string_view, size_t> day_of_key;
  std::unordered_map<std::string, size_t> day_of_stem;
  for (size_t k = 1; k <= file.count(); ++k) {
    std::string_view record = file.Record(k);
    std::string_view key = record.substr(0, kDayKeyLength);
    auto known = day_of_key.find(key);
    if (known != day_of_key.end()) {
      out.days[known->second].records.push_back(record);
      continue;
    }
    std::string stem = DayStem(record);
    if (stem.empty()) {
      ++out.skipped;
      continue;
    }
    auto [at, added] = day_of_stem.try_emplace(stem, out.days.size());
    if (added) out.days.push_back({std::move(stem), {}});
    day_of_key.emplace(key, at->second);
    out.days[at->second].records.push_back(record);
  }
  return out;
}

// The horse file's records by id, answering the search that starts after the previous match
// and goes round to the first record: the first match at or after the start, else the first
// match of the file.
class HorseIndex {
 public:
  explicit HorseIndex(const text::RecordFile& horses) : horses_(horses) {
    for (size_t k = 1; k <= horses.count(); ++k) {
      by_id_[HorseRecord::IdOf(horses.Record(k))].push_back(k);
    }
  }
  // The record of `id`, or an empty view when the file has none.
  std::string_view Find(std::string_view id) {
    auto it = by_id_.find(id);
    if (it == by_id_.end()) return {};
    const std::vector<size_t>& ks = it->second;
    auto at = std::lower_bound(ks.begin(), ks.end(), next_);
    size_t k = at == ks.end() ? ks.front() : *at;
    next_ = k + 1;
    return horses_.Record(k);
  }

 private:
  const text::RecordFile& horses_;
  std::unordered_map<std::string_view, std::vector<size_t>> by_id_;
  size_t next_ = 1;  // the record the next search starts at
};

std::string Joined(const std::vector<std::string_view>& records) {
  std::string bytes;
  for (std::string_view r : records) bytes += r;
  return bytes;
}

}  // namespace

std::string DayStem(std::string_view record) {
  const vocab::Venue* venue = vocab::VenueByCode2(text::ByteField(record, 0, 2));
  std::string_view year = text::ByteField(record, 2, 2);
  std::string_view month_day = text::ByteField(record, 8, 4);
  if (!venue || year.size() != 2 || month_day.size() != 4 || !AllDigits(year) ||
      !AllDigits(month_day)) {
    return {};
  }
  return std::string(venue->name) + text::CenturyText(year) + std::string(year) +
         std::string(month_day);
}

SplitFiles SplitRaceCards(const text::RecordFile& cards, const text::RecordFile& horses) {
  Days grouped = GroupByDay(cards);
  HorseIndex index(horses);
  SplitFiles out;
  out.skipped_records = grouped.skipped;
  for (const Day& day : grouped.days) {
    std::string uma;
    for (std::string_view card : day.records) {
      for (int i = 0; i < kEntries; ++i) {
        std::string_view id = text::ByteField(card, kEntryStart + kEntrySize * i + 1, 8);
        if (id == kNoHorse) continue;
        uma += index.Find(id);
      }
    }
    out.files.push_back({day.stem + ".DEN", Joined(day.records)});
    out.files.push_back({day.stem + ".UMA", std::move(uma)});
  }
  return out;
}

SplitFiles SplitResults(const text::RecordFile& results) {
  Days grouped = GroupByDay(results);
  SplitFiles out;
  out.skipped_records = grouped.skipped;
  for (const Day& day : grouped.days) out.files.push_back({day.stem + ".SEI", Joined(day.records)});
  return out;
}

}  // namespace mirtote::jravan
