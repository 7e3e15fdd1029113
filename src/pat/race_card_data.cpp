#include "pat/race_card_data.h"

#include <algorithm>

#include "text/chars.h"

namespace mirtote::pat {

namespace {

constexpr std::string_view kRaceCardSuffix = "DEN";

}  // namespace

void RaceCardData::ListFolder() {
  if (listed_) return;
  listed_ = true;
  names_ = text::ListPlainFiles(data_);
  for (const std::string& name : names_) upper_to_actual_.try_emplace(text::AsciiUpper(name), name);
}

std::optional<std::string> RaceCardData::ActualName(const std::string& name) {
  ListFolder();
  if (std::binary_search(names_.begin(), names_.end(), name)) return name;
  auto it = upper_to_actual_.find(text::AsciiUpper(name));
  if (it == upper_to_actual_.end()) return std::nullopt;
  return it->second;
}

void RaceCardData::IndexRaceCards() {
  if (indexed_) return;
  indexed_ = true;
  ListFolder();
  for (const std::string& name : names_) {
    if (!text::AsciiUpper(name).ends_with(kRaceCardSuffix)) continue;
    auto file = text::RecordFile::Open(data_ / name, jravan::kRaceCardLength);
    if (!file) continue;
    const size_t index = card_files_.size();
    card_files_.push_back(name);
    for (size_t k = 1; k <= file->count(); ++k) {
      first_record_.try_emplace(std::string(jravan::RaceCardRecord::KeyOf(file->Record(k))),
                                Where{index, k});
    }
  }
}

std::optional<FoundCard> RaceCardData::FindCard(std::string_view key) {
  if (key.size() != 8) return std::nullopt;
  IndexRaceCards();
  auto it = first_record_.find(std::string(key));
  if (it == first_record_.end()) return std::nullopt;
  const std::string& name = card_files_[it->second.file];
  const text::RecordFile& file = Records(name, jravan::kRaceCardLength);
  const std::string_view record = file.Record(it->second.record);
  if (record.empty()) return std::nullopt;
  return FoundCard{jravan::RaceCardRecord::Parse(record), name};
}

const text::RecordFile& RaceCardData::Records(const std::string& name, size_t record_length) {
  auto cached = record_files_.find(name);
  if (cached != record_files_.end()) return cached->second;
  text::RecordFile records;
  if (auto actual = ActualName(name)) {
    if (auto file = text::RecordFile::Open(data_ / *actual, record_length))
      records = std::move(*file);
  }
  return record_files_.emplace(name, std::move(records)).first->second;
}

}  // namespace mirtote::pat
