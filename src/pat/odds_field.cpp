#include "pat/odds_field.h"

#include "text/chars.h"
#include "text/cp932.h"

namespace mirtote::pat {

std::string OddsFieldText(std::string_view bytes, size_t width) {
  std::string padded(bytes.substr(0, width));
  padded.append(width - padded.size(), ' ');
  std::string decoded = text::DecodeCp932(padded);
  if (text::DisplayWidth(decoded) != static_cast<int>(width)) return std::string(width, ' ');
  return decoded;
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

}  // namespace mirtote::pat
