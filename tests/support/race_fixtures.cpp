#include "support/race_fixtures.h"

#include <algorithm>

namespace mirtote::testing {

std::string Lines(std::initializer_list<std::string> lines) {
  std::string out;
  for (const auto& line : lines) out += line + "\r\n";
  return out;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t at = 0, end; at < text.size(); at = end + 2) {
    end = std::min(text.find("\r\n", at), text.size());
    lines.push_back(text.substr(at, end - at));
  }
  return lines;
}

}  // namespace mirtote::testing
