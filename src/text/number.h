#pragma once
// Lenient number reading and the number texts used in reports and captions.

#include <string>
#include <string_view>

namespace mirtote::text {

// Reads a number the lenient way: leading blanks (ASCII spaces and tabs) are skipped,
// then an optional sign, digits and an optional decimal part; reading stops at the first
// character that is not part of a number. An empty or blank text, or a marker such as
// " ﾄﾘｹｼ", reads as 0.
double Val(std::string_view s);
// The same, truncated to an integer.
long long ValInt(std::string_view s);

// Decimal text with the sign position: " 5", "-5", " 0".
std::string DecimalText(long long value);

// The decimal text of `value` right-aligned in `width` columns with spaces; never cut,
// so a wider number takes more columns.
std::string Picture(long long value, int width);

// True when every byte of `s` is an ASCII space (also for the empty text).
bool IsBlank(std::string_view s);

}  // namespace mirtote::text
