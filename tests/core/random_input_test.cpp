// Random bytes through the CP932 decoder: the text it gives is always well-formed UTF-8,
// and encoding it again gives no more bytes than came in (a character for each good one,
// "?" for each bad one).

#include <gtest/gtest.h>

#include <random>

#include "text/chars.h"
#include "text/cp932.h"

namespace mirtote {
namespace {

// Bytes of any length up to `max_size`, half of them from the bytes that trouble readers:
// CP932 lead bytes, bytes CP932 leaves undefined, digits, signs, blanks.
std::string RandomBytes(std::mt19937& rng, size_t max_size) {
  static const std::string kTricky = "\x81\x82\x9f\xe0\xfc\xa0\x80\xfd\xff\x40\x7f 0123456789.-+";
  std::string s(std::uniform_int_distribution<size_t>(0, max_size)(rng), '\0');
  for (char& c : s) {
    c = rng() % 2 ? kTricky[rng() % kTricky.size()] : static_cast<char>(rng() % 256);
  }
  return s;
}

// True when `s` is well-formed UTF-8 (every character re-encodes to the same bytes).
bool IsUtf8(std::string_view s) {
  std::string again;
  for (size_t i = 0; i < s.size();) text::AppendChar(again, text::NextChar(s, i));
  return again == s;
}

TEST(RandomInput, DecodedTextIsUtf8AndEncodesBackNoLonger) {
  std::mt19937 rng(1998);
  for (int round = 0; round < 3000; ++round) {
    const std::string bytes = RandomBytes(rng, 40);
    const std::string decoded = text::DecodeCp932(bytes);
    ASSERT_TRUE(IsUtf8(decoded));
    EXPECT_LE(text::EncodeCp932(decoded).size(), bytes.size());
    EXPECT_TRUE(IsUtf8(text::ReadChars(bytes, rng() % 50, rng() % 50)));
  }
}

}  // namespace
}  // namespace mirtote
