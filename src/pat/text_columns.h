#pragma once
// Pieces shared by the lines of the forum odds text: line ends, the 79-column rules,
// fixed-width columns and the digit forms of small numbers.

#include <string>
#include <string_view>

namespace mirtote::pat {

// The widest line of the odds text, in display columns.
inline constexpr int kOddsLineColumns = 79;

// Appends `line` and CR LF.
void AddLine(std::string& out, std::string_view line);
// A rule of 79 `c` (no line end).
std::string Rule(char c);
// `text` cut or padded with spaces to exactly `columns` display columns.
std::string FitColumns(std::string_view text, int columns);
// 1-9 as one full-width digit, 10 and more as half-width digits: "５", "12".
std::string SmallNumberText(int n);
// A two-digit number in full width with blank tens: "05" -> "　５", "11" -> "１１".
std::string BlankTensFullWidth(std::string_view two_digits);

}  // namespace mirtote::pat
