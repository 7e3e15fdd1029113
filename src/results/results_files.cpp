#include "results/results_files.h"

#include "text/chars.h"
#include "text/files.h"
#include "vocab/venues.h"

namespace mirtote::results {

namespace {

constexpr size_t kStemChars = 8;

bool AllDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// "04" -> " 4"; any other pair stays.
std::string BlankLeadingZero(std::string pair) {
  if (!pair.empty() && pair[0] == '0') pair[0] = ' ';
  return pair;
}

std::string ZeroForBlank(std::string pair) {
  for (char& c : pair)
    if (c == ' ') c = '0';
  return pair;
}

}  // namespace

std::string_view VenueName(int venue_index) {
  const vocab::Venue* venue = vocab::VenueByNumber(venue_index + 1);
  return venue ? venue->name : std::string_view{};
}

std::optional<ResultsFileKey> ParseResultsFileName(std::string_view name) {
  if (!text::AsciiUpper(name).ends_with("SEI")) return std::nullopt;
  const vocab::Venue* venue = vocab::VenueByName(text::Left(name, 2));
  const std::string stem = text::Mid(name, 3, kStemChars);
  if (venue == nullptr || stem.size() != kStemChars || !AllDigits(stem)) return std::nullopt;
  return ResultsFileKey{venue->number - 1, stem};
}

std::string ResultsFileName(int venue_index, std::string_view stem) {
  return std::string(VenueName(venue_index)) + std::string(stem) + ".SEI";
}

std::string DateEntry(std::string_view stem) {
  return text::Left(stem, 4) + "年" + BlankLeadingZero(text::Mid(stem, 5, 2)) + "月" +
         BlankLeadingZero(text::Mid(stem, 7, 2)) + "日";
}

std::string DateStem(std::string_view entry) {
  return text::Left(entry, 4) + ZeroForBlank(text::Mid(entry, 6, 2)) +
         ZeroForBlank(text::Mid(entry, 9, 2));
}

std::filesystem::path WorkFolder(const std::filesystem::path& start_folder, std::string_view name) {
  return text::FindIgnoringCase(start_folder, name).value_or(start_folder / std::string(name));
}

}  // namespace mirtote::results
