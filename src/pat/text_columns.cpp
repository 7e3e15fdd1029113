#include "pat/text_columns.h"

#include "text/chars.h"
#include "vocab/code_tables.h"

namespace mirtote::pat {

void AddLine(std::string& out, std::string_view line) {
  out += line;
  out += "\r\n";
}

std::string Rule(char c) {
  return std::string(kOddsLineColumns, c);
}

std::string FitColumns(std::string_view s, int columns) {
  std::string out;
  int used = 0;
  for (size_t i = 0; i < s.size();) {
    const char32_t c = text::NextChar(s, i);
    const int w = text::CharWidth(c);
    if (used + w > columns) break;
    text::AppendChar(out, c);
    used += w;
  }
  out.append(static_cast<size_t>(columns - used), ' ');
  return out;
}

std::string SmallNumberText(int n) {
  const std::string digits = std::to_string(n);
  return n < 10 ? vocab::FullWidthDigits(digits) : digits;
}

std::string BlankTensFullWidth(std::string_view two_digits) {
  const std::string tens = text::Left(two_digits, 1);
  return (tens == "0" ? std::string("　") : vocab::FlipDigitWidth(tens)) +
         vocab::FlipDigitWidth(text::Mid(two_digits, 2, 1));
}

}  // namespace mirtote::pat
