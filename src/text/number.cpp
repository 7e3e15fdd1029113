#include "text/number.h"

#include <cmath>

namespace mirtote::text {

double Val(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
    negative = s[i] == '-';
    ++i;
  }
  double value = 0;
  bool any = false;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
    value = value * 10 + (s[i] - '0');
    any = true;
  }
  if (i < s.size() && s[i] == '.') {
    double scale = 0.1;
    for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
      value += (s[i] - '0') * scale;
      scale /= 10;
      any = true;
    }
  }
  if (!any) return 0;
  return negative ? -value : value;
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
