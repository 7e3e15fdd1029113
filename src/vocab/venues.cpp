#include "vocab/venues.h"

#include <array>

namespace mirtote::vocab {

namespace {

constexpr std::array<Venue, 10> kVenues = {{
    {1, '1', "01", "札幌"},
    {2, '2', "02", "函館"},
    {3, '3', "03", "福島"},
    {4, '4', "04", "新潟"},
    {5, '5', "05", "東京"},
    {6, '6', "06", "中山"},
    {7, '7', "07", "中京"},
    {8, '8', "08", "京都"},
    {9, '9', "09", "阪神"},
    {10, 'A', "10", "小倉"},
}};

template <typename Match>
const Venue* FindVenue(Match match) {
  for (const Venue& venue : kVenues) {
    if (match(venue)) return &venue;
  }
  return nullptr;
}

}  // namespace

std::span<const Venue> AllVenues() {
  return kVenues;
}

const Venue* VenueByNumber(int number) {
  return FindVenue([number](const Venue& v) { return v.number == number; });
}

const Venue* VenueByChar(char code_char) {
  return FindVenue([code_char](const Venue& v) { return v.code_char == code_char; });
}

const Venue* VenueByCode2(std::string_view code2) {
  return FindVenue([code2](const Venue& v) { return v.code2 == code2; });
}

const Venue* VenueByName(std::string_view name) {
  return FindVenue([name](const Venue& v) { return v.name == name; });
}

}  // namespace mirtote::vocab
