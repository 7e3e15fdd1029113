#include "text/number.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace mirtote::text {

double Val(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
    negative = s[i] == '-';
    ++i;
  }
  // The number's own characters: digits, then a point and digits.
  const size_t start = i;
  auto skip_digits = [&] {
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
  };
  skip_digits();
  const std::string_view whole = s.substr(start, i - start);
  if (i < s.size() && s[i] == '.') {
    ++i;
    skip_digits();
  }
  // Converted in one step, so that "0.3" is the double nearest to 0.3 and not a sum of
  // rounded tenths and hundredths.
  double value = 0;
  const std::errc ec = std::from_chars(s.data() + start, s.data() + i, value).ec;
  if (ec == std::errc::result_out_of_range) {
    // Too large for a double, or a fraction too small for one.
    value = whole.find_first_not_of('0') != std::string_view::npos ? HUGE_VAL : 0;
  } else if (ec != std::errc()) {
    value = 0;  // no digits at all: " ﾄﾘｹｼ", "", "."
  }
  return negative && value != 0 ? -value : value;
}

long long ValInt(std::string_view s) {
  double v = Val(s);
  if (v > 9e18) return static_cast<long long>(9e18);
  if (v < -9e18) return static_cast<long long>(-9e18);
  return static_cast<long long>(v);
}

std::string DecimalText(long long value) {
  return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string Picture(long long value, int width) {
  std::string digits = std::to_string(value);
  if (static_cast<int>(digits.size()) >= width) return digits;
  return std::string(static_cast<size_t>(width) - digits.size(), ' ') + digits;
}

bool IsBlank(std::string_view s) {
  for (char c : s)
    if (c != ' ') return false;
  return true;
}

}  // namespace mirtote::text
