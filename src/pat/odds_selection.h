#pragma once
// Which venues, meeting days and races the odds display selection offers, from the names of
// the PAT odds files in the pseudo-PAT folder. A name counts when it is written all in upper
// case (as the writers build it) or all in lower case; names that mix the two are ignored.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "pat/pat_file.h"

namespace mirtote::pat {

inline constexpr int kVenueChoices = 10;  // Option1(0) 小倉, Option1(1)-(9) 札幌-阪神
inline constexpr int kDayChoices = 8;     // Option2(0)-(7): days 1-8
inline constexpr int kRaceChoices = 12;   // Check1(0)-(11): races 1-12

// The file-name characters of each choice: venue 'A' for index 0 and the digit i otherwise;
// day i + 1; race character of race i + 1.
char VenueChoiceChar(int index);
char DayChoiceChar(int index);
char RaceChoiceChar(int index);

class OddsFolderIndex {
 public:
  OddsFolderIndex() = default;
  // `names`: the plain files of the folder.
  explicit OddsFolderIndex(const std::vector<std::string>& names);
  static OddsFolderIndex Read(const std::filesystem::path& folder);

  // A venue is offered when some name ends in "JRA", has "O" as second and the venue's
  // character as fourth character.
  std::array<bool, kVenueChoices> Venues() const;
  // Days whose character is the fifth of a ZO or UO file name of the venue.
  std::array<bool, kDayChoices> Days(char venue) const;
  // Races whose character is the sixth of a ZO or UO file name of the venue and day.
  std::array<bool, kRaceChoices> Races(char venue, char day) const;
  // The folder's entry for the race's file (the upper-case name first); nothing if missing.
  std::optional<std::string> EntryOf(PatKind kind, char venue, char day, char race) const;

 private:
  struct Name {
    std::string upper;  // the name in upper case
    std::string entry;  // as found in the folder
  };
  std::vector<Name> names_;
};

// The output buttons: Command1 (win, place, bracket quinella) and Command2 (quinella).
struct OutputButtons {
  bool win = false;
  bool quinella = false;
  bool operator==(const OutputButtons&) const = default;
};

// A click on a race box, checked or not: with both buttons on nothing changes; otherwise a
// button is switched on when the race has its file. Buttons are never switched off here.
OutputButtons AfterRaceClick(OutputButtons buttons, const OddsFolderIndex& index, char venue,
                             char day, char race);

}  // namespace mirtote::pat
