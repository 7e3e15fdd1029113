#pragma once
// Where the results report finds its files: the per-day results files of SEISEKI (venue name
// + race date stem + ".SEI"), the day's horse file and the jockey file of DATA; and the date
// entries the results selection lists ("1998年10月 4日" for the stem "19981004").

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mirtote::results {

inline constexpr int kVenueCount = 10;  // venue index 0 "札幌" ... 9 "小倉"
inline constexpr int kRaceCount = 12;   // race index r is race number r + 1

// The two-kanji name of venue index 0-9; empty for any other index.
std::string_view VenueName(int venue_index);

// A results file name split: venue index and race date stem ("19981004").
struct ResultsFileKey {
  int venue_index = -1;
  std::string stem;
};

// Names of the form venue name + eight digits + an ending "SEI" (ASCII case ignored);
// nothing for any other name.
std::optional<ResultsFileKey> ParseResultsFileName(std::string_view name);
// Venue name + stem + ".SEI".
std::string ResultsFileName(int venue_index, std::string_view stem);

// Date entry of a stem: year + "年" + month + "月" + day + "日", a leading zero of the month
// or the day written as a blank.
std::string DateEntry(std::string_view stem);
// The stem back from a date entry: characters 1-4, 6-7 and 9-10, blanks read as "0".
std::string DateStem(std::string_view entry);

// The working folder `name` ("SEISEKI", "DATA") below the start folder, found ignoring case.
std::filesystem::path WorkFolder(const std::filesystem::path& start_folder, std::string_view name);
inline constexpr std::string_view kResultsFolder = "SEISEKI";
inline constexpr std::string_view kDataFolder = "DATA";

}  // namespace mirtote::results
