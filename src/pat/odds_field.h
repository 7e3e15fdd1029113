#pragma once
// Odds fields of a PAT odds file as text of the odds text's columns.

#include <string>
#include <string_view>

namespace mirtote::pat {

// The bytes of an odds field decoded, padded with spaces to `width` bytes first (a short
// file). A field that does not decode to exactly `width` columns (bytes that are not
// CP932 text) reads as `width` spaces, so that it never breaks the columns.
std::string OddsFieldText(std::string_view bytes, size_t width);

// The marker of scratched horses and unsold pairs, right-aligned in 5 or 6 columns.
inline constexpr std::string_view kScratched5 = " ﾄﾘｹｼ";
inline constexpr std::string_view kScratched6 = "  ﾄﾘｹｼ";

}  // namespace mirtote::pat
