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

}  // namespace mirtote::pat
