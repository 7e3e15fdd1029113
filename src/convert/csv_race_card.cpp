#include "convert/csv_race_card.h"

#include <array>
#include <system_error>

#include "jravan/race_card_record.h"
#include "shell/settings_keys.h"
#include "text/century.h"
#include "text/chars.h"
#include "text/cp932.h"
#include "vocab/code_tables.h"

namespace mirtote::convert {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTarget = "TARGET";
constexpr std::string_view kDataFolder = "DATA";
constexpr std::string_view kTargetDataFolder = "DDATA";
constexpr std::string_view kAllVenues = "全";
constexpr std::string_view kExtension = ".DEN";
constexpr size_t kRaceNameChars = 14;
// TARGET's one-character venue names, by venue number.
constexpr std::array<std::string_view, 10> kShortNames = {"札", "函", "福", "新", "東",
                                                          "中", "名", "京", "阪", "小"};

// A plain file of `folder` named `name` ignoring ASCII case.
std::optional<fs::path> FindFile(const fs::path& folder, std::string_view name) {
  auto path = text::FindIgnoringCase(folder, name);
  std::error_code error;
  if (!path || !fs::is_regular_file(*path, error)) return std::nullopt;
  return path;
}

fs::path SubFolder(const fs::path& folder, std::string_view name) {
  return text::FindIgnoringCase(folder, name).value_or(folder / name);
}

CardTexts TextsOf(const jravan::RaceCardRecord& card) {
  CardTexts texts;
  if (!card.race_name.starts_with("　"))
    texts.race_name = text::Left(card.race_name, kRaceNameChars);
  // The first age group that runs; the oldest group when the three younger ones do not.
  size_t group = 0;
  while (group < 3 && card.class_codes[group] == "000") ++group;
  texts.conditions =
      vocab::RaceTypeText(card.race_type) + vocab::RaceClassText(card.class_codes[group]);
  return texts;
}

}  // namespace

CsvRaceCards::CsvRaceCards(const Session& session) {
  target_ = session.settings.GetOr(keys::kStartup, keys::kEnvironment, "ORIGINAL") == kTarget;
  if (target_) {
    const fs::path base = text::ResolveFolder(
        session.start_folder, session.settings.GetOr(keys::kStartup, keys::kTargetFolder, "FILE"));
    folder_ = SubFolder(base, kTargetDataFolder);
  } else {
    folder_ = SubFolder(session.start_folder, kDataFolder);
  }
}

std::optional<fs::path> CsvRaceCards::CardFile(std::string_view date6,
                                               const vocab::Venue& venue) const {
  const std::string date(date6);
  if (!target_) {
    return FindFile(folder_, std::string(venue.name) + text::CenturyText(date.substr(0, 2)) + date +
                                 std::string(kExtension));
  }
  if (auto all = FindFile(folder_, date + std::string(kAllVenues) + std::string(kExtension))) {
    return all;
  }
  return FindFile(folder_, date + std::string(kShortNames[static_cast<size_t>(venue.number - 1)]) +
                               std::string(kExtension));
}

const text::RecordFile* CsvRaceCards::Records(const fs::path& path) {
  auto it = files_.find(path);
  if (it == files_.end()) {
    it = files_.emplace(path, text::RecordFile::Open(path, jravan::kRaceCardLength)).first;
  }
  return it->second ? &*it->second : nullptr;
}

CardLookup CsvRaceCards::Find(std::string_view key, std::string_view date6,
                              const vocab::Venue& venue, CardTexts& texts) {
  texts = {};
  const auto path = CardFile(date6, venue);
  const text::RecordFile* records = path ? Records(*path) : nullptr;
  if (records == nullptr) return CardLookup::kNoFile;
  const std::string key_bytes = text::EncodeCp932(key);
  for (size_t k = 1; k <= records->count(); ++k) {
    const std::string_view record = records->Record(k);
    if (jravan::RaceCardRecord::KeyOf(record) == key_bytes) {
      texts = TextsOf(jravan::RaceCardRecord::Parse(record));
      return CardLookup::kFound;
    }
  }
  return CardLookup::kNoRecord;
}

std::string_view CardLookupMessage(CardLookup lookup) {
  switch (lookup) {
    case CardLookup::kNoFile:
      return "該当する出馬表ファイルが見つかりません。\r\nタイトルなどが空白になります。";
    case CardLookup::kNoRecord:
      return "該当する出馬表レコードが見つかりません。\r\nタイトルなどが空白になります。";
    case CardLookup::kFound:
      break;
  }
  return {};
}

}  // namespace mirtote::convert
