#include "text/century.h"

#include "text/number.h"

namespace mirtote::text {

int FullYear(int two_digit_year) {
  int yy = ((two_digit_year % 100) + 100) % 100;
  return yy >= 50 ? 1900 + yy : 2000 + yy;
}

std::string CenturyText(std::string_view two_digit_year) {
  return FullYear(static_cast<int>(ValInt(two_digit_year))) < 2000 ? "19" : "20";
}

int AgeInRaceYear(int race_two_digit_year, int birth_two_digit_year) {
  return ((race_two_digit_year - birth_two_digit_year + 100) % 100 + 100) % 100 + 1;
}

}  // namespace mirtote::text
