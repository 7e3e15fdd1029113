#pragma once
// Character-position helpers on UTF-8 text. Positions and counts are characters
// (code points), not bytes; display widths are columns of a fixed-width font in
// which a full-width character takes two columns.

#include <string>
#include <string_view>

namespace mirtote::text {

size_t CharCount(std::string_view s);

// The first `n` characters (all of `s` when shorter).
std::string Left(std::string_view s, size_t n);
// `n` characters from the 1-based character position `start`; to the end when n is npos.
std::string Mid(std::string_view s, size_t start, size_t n = std::string_view::npos);
// The last `n` characters.
std::string Right(std::string_view s, size_t n);

// Columns one character takes: 1 for ASCII and half-width katakana, 2 otherwise.
int CharWidth(char32_t c);
// Columns of a whole text.
int DisplayWidth(std::string_view s);

// `s` repeated `n` times.
std::string Repeat(std::string_view s, size_t n);

// Decodes the UTF-8 character at byte index `i`, advancing `i`. Invalid bytes give U+FFFD.
char32_t NextChar(std::string_view s, size_t& i);
// Appends the UTF-8 form of `c`.
void AppendChar(std::string& out, char32_t c);
// True when `s` is well-formed UTF-8 (no stray, overlong or surrogate sequences).
bool IsValidUtf8(std::string_view s);

// Characters 'a'-'z' upper-cased; everything else unchanged.
constexpr char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
std::string AsciiUpper(std::string_view s);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace mirtote::text
