#include "pat/race_card_lookup.h"

#include "shell/settings_keys.h"
#include "text/chars.h"
#include "text/number.h"

namespace mirtote::pat {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDataFolder = "DATA";
constexpr std::string_view kRaceCardSuffix = "DEN";
constexpr std::string_view kHorseFileExtension = ".UMA";
constexpr size_t kDayStemChars = 10;
constexpr std::string_view kDefaultStartTime = "0900";
constexpr std::string_view kDefaultEndTime = "1700";

}  // namespace

fs::path DataFolder(const fs::path& start_folder) {
  return text::FindIgnoringCase(start_folder, kDataFolder).value_or(start_folder / kDataFolder);
}

std::optional<FoundCard> FindRaceCard(const fs::path& data, std::string_view key) {
  if (key.size() != 8) return std::nullopt;
  for (const std::string& name : text::ListPlainFiles(data)) {
    if (!text::AsciiUpper(name).ends_with(kRaceCardSuffix)) continue;
    auto file = text::RecordFile::Open(data / name, jravan::kRaceCardLength);
    if (!file) continue;
    for (size_t k = 1; k <= file->count(); ++k) {
      const std::string_view record = file->Record(k);
      if (jravan::RaceCardRecord::KeyOf(record) == key) {
        return FoundCard{jravan::RaceCardRecord::Parse(record), name};
      }
    }
  }
  return std::nullopt;
}

std::string HorseFileOf(std::string_view race_card_file) {
  return text::Left(race_card_file, kDayStemChars) + std::string(kHorseFileExtension);
}

text::RecordFile OpenRecords(const fs::path& data, std::string_view name, size_t length) {
  auto path = text::FindIgnoringCase(data, name);
  if (!path) return {};
  auto file = text::RecordFile::Open(*path, length);
  return file ? std::move(*file) : text::RecordFile{};
}

bool InsideProcessingWindow(std::string_view post_time, const SettingsStore& settings) {
  const double t = text::Val(post_time);
  const double start =
      text::Val(settings.GetOr(keys::kStartup, keys::kStartTime, kDefaultStartTime));
  const double end = text::Val(settings.GetOr(keys::kStartup, keys::kEndTime, kDefaultEndTime));
  return t >= start && t <= end;
}

}  // namespace mirtote::pat
