#include "pat/jockey_name.h"

#include <vector>

#include "text/chars.h"

namespace mirtote::pat {

namespace {

constexpr std::string_view kBlank = "　";
constexpr std::string_view kInitialDot = "．";
constexpr size_t kFieldChars = 8;

// The characters of a name field, padded with "　" to the field's 8 characters so that
// every position below can be read.
std::vector<std::string> Chars(std::string_view field) {
  std::vector<std::string> out;
  for (size_t i = 0; i < field.size();) {
    std::string c;
    text::AppendChar(c, text::NextChar(field, i));
    out.push_back(std::move(c));
  }
  while (out.size() < kFieldChars) out.emplace_back(kBlank);
  return out;
}

// Characters `from` (1-based) to `from + count - 1` joined.
std::string Join(const std::vector<std::string>& chars, size_t from, size_t count) {
  std::string out;
  for (size_t i = from; i < from + count && i <= chars.size(); ++i) out += chars[i - 1];
  return out;
}

}  // namespace

std::string JockeyShortName(std::string_view family_name, std::string_view given_name) {
  const auto f = Chars(family_name);
  const auto g = Chars(given_name);
  std::string name;
  if (f[2] != kBlank) {  // three or more characters of family name
    name = Join(f, 1, 3) + g[0];
  } else if (f[1] != kBlank) {  // two
    name =
        g[1] == kBlank ? Join(f, 1, 2) + std::string(kBlank) + g[0] : Join(f, 1, 2) + Join(g, 1, 2);
  } else if (g[1] == kBlank) {  // one, with a one-character given name
    name = Join(f, 1, 2) + std::string(kBlank) + g[0];
  } else if (g[2] != kBlank) {
    name = f[0] + Join(g, 1, 3);
  } else {
    name = Join(f, 1, 2) + Join(g, 1, 2);
  }
  if (f[1] == kInitialDot) name = Join(f, 3, 4);
  if (f[3] == kInitialDot) name = Join(f, 5, 4);
  return name;
}

}  // namespace mirtote::pat
