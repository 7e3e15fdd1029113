#pragma once
// Conversion between the program's UTF-8 text and code page 932 bytes (files, records).

#include <string>
#include <string_view>

namespace mirtote::text {

// CP932 bytes to UTF-8. A byte sequence that is not valid CP932 becomes U+FFFD: a lead and
// a trail byte without a character become one U+FFFD, any other bad byte one each.
std::string DecodeCp932(std::string_view bytes);

// UTF-8 to CP932 bytes. A character that CP932 cannot hold becomes "?".
std::string EncodeCp932(std::string_view utf8);

// True when `byte` starts a two-byte CP932 character.
constexpr bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
// True when `byte` can be the second byte of a two-byte CP932 character.
constexpr bool IsCp932TrailByte(unsigned char byte) {
  return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// Reads `count` characters of CP932 text starting at the 1-based byte position `position`
// (a two-byte character counts as one character) and returns them decoded. Reading stops
// quietly at the end of the buffer.
std::string ReadChars(std::string_view bytes, size_t position, size_t count);

// The raw bytes `[offset, offset + width)` clipped to the buffer.
std::string_view ByteField(std::string_view bytes, size_t offset, size_t width);

// The bytes `[offset, offset + width)` decoded by themselves.
std::string DecodeField(std::string_view bytes, size_t offset, size_t width);

}  // namespace mirtote::text
