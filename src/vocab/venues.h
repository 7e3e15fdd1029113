#pragma once
// The ten JRA venues: number, one-character code (PAT file names), two-digit code
// (JRA-VAN records) and two-kanji name (per-day file names).

#include <span>
#include <string_view>

namespace mirtote::vocab {

struct Venue {
  int number;              // 1 to 10
  char code_char;          // '1'-'9', 'A'
  std::string_view code2;  // "01"-"10"
  std::string_view name;   // "札幌" ... "小倉"
};

std::span<const Venue> AllVenues();

// Look-ups by each code; nullptr ("no venue") for a code not in the table.
const Venue* VenueByNumber(int number);
const Venue* VenueByChar(char code_char);  // upper-case 'A' only, as PAT writes it
const Venue* VenueByCode2(std::string_view code2);
const Venue* VenueByName(std::string_view name);

}  // namespace mirtote::vocab
