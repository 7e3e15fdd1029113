#include "text/chars.h"

namespace mirtote::text {

char32_t NextChar(std::string_view s, size_t& i) {
  unsigned char c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) {
    ++i;
    return c;
  }
  int extra = c >= 0xF8 ? -1 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
  if (extra < 0 || i + static_cast<size_t>(extra) >= s.size()) {
    ++i;
    return U'\uFFFD';
  }
  char32_t value = c & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    unsigned char next = static_cast<unsigned char>(s[i + k]);
    if ((next & 0xC0) != 0x80) {
      ++i;
      return U'\uFFFD';
    }
    value = (value << 6) | (next & 0x3F);
  }
  i += static_cast<size_t>(extra) + 1;
  return value;
}

namespace {

// Length of the well-formed UTF-8 character at `s[i]`; 0 when the bytes there are not one.
size_t Utf8Length(std::string_view s, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = byte(i);
  if (c < 0x80) return 1;
  size_t length = 0;
  unsigned char low = 0x80, high = 0xbf;  // range of the second byte
  if (c >= 0xc2 && c <= 0xdf) {
    length = 2;
  } else if (c >= 0xe0 && c <= 0xef) {
    length = 3;
    if (c == 0xe0) low = 0xa0;
    if (c == 0xed) high = 0x9f;  // no surrogates
  } else if (c >= 0xf0 && c <= 0xf4) {
    length = 4;
    if (c == 0xf0) low = 0x90;
    if (c == 0xf4) high = 0x8f;
  } else {
    return 0;
  }
  if (i + length > s.size() || byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (size_t k = 2; k < length; ++k) {
    if (byte(i + k) < 0x80 || byte(i + k) > 0xbf) return 0;
  }
  return length;
}

}  // namespace

bool IsValidUtf8(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    const size_t length = Utf8Length(s, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

void AppendChar(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

namespace {
// Byte index of the 0-based character position `chars` (the end when beyond).
size_t ByteIndexOf(std::string_view s, size_t chars) {
  size_t i = 0;
  for (size_t n = 0; n < chars && i < s.size(); ++n) NextChar(s, i);
  return i;
}
}  // namespace

size_t CharCount(std::string_view s) {
  size_t count = 0;
  for (size_t i = 0; i < s.size(); ++count) NextChar(s, i);
  return count;
}

std::string Left(std::string_view s, size_t n) {
  return std::string(s.substr(0, ByteIndexOf(s, n)));
}

std::string Mid(std::string_view s, size_t start, size_t n) {
  if (start == 0) start = 1;
  size_t from = ByteIndexOf(s, start - 1);
  std::string_view rest = s.substr(from);
  if (n == std::string_view::npos) return std::string(rest);
  return std::string(rest.substr(0, ByteIndexOf(rest, n)));
}

std::string Right(std::string_view s, size_t n) {
  size_t count = CharCount(s);
  if (n >= count) return std::string(s);
  return std::string(s.substr(ByteIndexOf(s, count - n)));
}

int CharWidth(char32_t c) {
  if (c < 0x80) return 1;
  if (c >= 0xFF61 && c <= 0xFF9F) return 1;  // half-width katakana
  return 2;
}

int DisplayWidth(std::string_view s) {
  int width = 0;
  for (size_t i = 0; i < s.size();) width += CharWidth(NextChar(s, i));
  return width;
}

std::string Repeat(std::string_view s, size_t n) {
  std::string out;
  out.reserve(s.size() * n);
  for (size_t k = 0; k < n; ++k) out += s;
  return out;
}

std::string AsciiUpper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = AsciiUpper(c);
  return out;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  return true;
}

}  // namespace mirtote::text
