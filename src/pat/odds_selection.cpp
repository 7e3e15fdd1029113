#include "pat/odds_selection.h"

#include <algorithm>

#include "text/chars.h"
#include "text/files.h"

namespace mirtote::pat {

namespace {

std::string AsciiLower(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// "ZO-" or "UO-", three characters, ".JRA" (upper case).
bool IsOddsFileName(std::string_view upper) {
  return upper.size() == 10 && (upper.starts_with("ZO-") || upper.starts_with("UO-")) &&
         upper.ends_with(".JRA");
}

}  // namespace

char VenueChoiceChar(int index) {
  if (index == 0) return 'A';
  return index > 0 && index < kVenueChoices ? static_cast<char>('0' + index) : '\0';
}

char DayChoiceChar(int index) {
  return index >= 0 && index < kDayChoices ? static_cast<char>('1' + index) : '\0';
}

char RaceChoiceChar(int index) {
  return RaceChar(index + 1);
}

OddsFolderIndex::OddsFolderIndex(const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    std::string upper = text::AsciiUpper(name);
    if (name == upper || name == AsciiLower(name)) names_.push_back({std::move(upper), name});
  }
}

OddsFolderIndex OddsFolderIndex::Read(const std::filesystem::path& folder) {
  return OddsFolderIndex(text::ListPlainFiles(folder));
}

std::array<bool, kVenueChoices> OddsFolderIndex::Venues() const {
  std::array<bool, kVenueChoices> offered{};
  for (int i = 0; i < kVenueChoices; ++i) {
    offered[i] = std::any_of(names_.begin(), names_.end(), [&](const Name& n) {
      return n.upper.size() >= 4 && n.upper.ends_with("JRA") && n.upper[1] == 'O' &&
             n.upper[3] == VenueChoiceChar(i);
    });
  }
  return offered;
}

std::array<bool, kDayChoices> OddsFolderIndex::Days(char venue) const {
  std::array<bool, kDayChoices> offered{};
  for (const Name& n : names_) {
    if (!IsOddsFileName(n.upper) || n.upper[3] != text::AsciiUpper(venue)) continue;
    for (int i = 0; i < kDayChoices; ++i) offered[i] = offered[i] || n.upper[4] == DayChoiceChar(i);
  }
  return offered;
}

std::array<bool, kRaceChoices> OddsFolderIndex::Races(char venue, char day) const {
  std::array<bool, kRaceChoices> offered{};
  for (const Name& n : names_) {
    if (!IsOddsFileName(n.upper) || n.upper[3] != text::AsciiUpper(venue) || n.upper[4] != day) {
      continue;
    }
    for (int i = 0; i < kRaceChoices; ++i) {
      offered[i] = offered[i] || n.upper[5] == RaceChoiceChar(i);
    }
  }
  return offered;
}

std::optional<std::string> OddsFolderIndex::EntryOf(PatKind kind, char venue, char day,
                                                    char race) const {
  const std::string name = PatFileName(kind, venue, day, race);
  const Name* found = nullptr;
  for (const Name& n : names_) {
    if (n.upper != name) continue;
    if (n.entry == name) return n.entry;  // as built
    if (found == nullptr) found = &n;
  }
  if (found == nullptr) return std::nullopt;
  return found->entry;
}

OutputButtons AfterRaceClick(OutputButtons buttons, const OddsFolderIndex& index, char venue,
                             char day, char race) {
  if (buttons.win && buttons.quinella) return buttons;
  buttons.win = buttons.win || index.EntryOf(PatKind::kZo, venue, day, race).has_value();
  buttons.quinella = buttons.quinella || index.EntryOf(PatKind::kUo, venue, day, race).has_value();
  return buttons;
}

}  // namespace mirtote::pat
