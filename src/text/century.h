#pragma once
// Two-digit years of the race data: 50-99 are the 1900s, 00-49 the 2000s.

#include <string>
#include <string_view>

namespace mirtote::text {

// Four-digit year of a two-digit year.
int FullYear(int two_digit_year);
// "19" or "20" for a two-digit year text (its lenient numeric value).
std::string CenturyText(std::string_view two_digit_year);
// Age in the race year: (race yy - birth yy + 100) mod 100 + 1.
int AgeInRaceYear(int race_two_digit_year, int birth_two_digit_year);

}  // namespace mirtote::text
