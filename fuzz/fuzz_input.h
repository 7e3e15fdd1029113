#pragma once
// What the fuzz targets share: one input cut into the files of one case, the quiet host,
// and the check that every text the program builds is well-formed UTF-8.

#include <cstdint>
#include <string_view>
#include <vector>

#include "shell/quiet_host.h"
#include "text/chars.h"

namespace mirtote::fuzz {

// The files of one input are joined with this line; scripts/fuzz.sh builds the seeds so.
inline constexpr std::string_view kFileSeparator = "\n--MIRTOTE-FILE--\n";

// The first `count` files of the input; the missing ones are empty, the last takes the rest.
inline std::vector<std::string_view> SplitFiles(const uint8_t* data, size_t size, size_t count) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> files;
  while (files.size() + 1 < count) {
    const size_t cut = rest.find(kFileSeparator);
    if (cut == std::string_view::npos) break;
    files.push_back(rest.substr(0, cut));
    rest.remove_prefix(cut + kFileSeparator.size());
  }
  files.push_back(rest);
  files.resize(count);
  return files;
}

// Text built from any bytes is UTF-8 all the same (bad bytes become U+FFFD); anything else
// is a fault the fuzzer reports as a crash.
inline void CheckText(std::string_view text) {
  if (!text::IsValidUtf8(text)) __builtin_trap();
}

}  // namespace mirtote::fuzz
