#include "support/lzh_fixtures.h"

#include <algorithm>
#include <cstdint>

#include "support/test_support.h"

namespace mirtote::testing {

std::string FolderManifest(const std::filesystem::path& root) {
  std::vector<std::string> lines;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().filename().string();
    const std::string bytes = ReadFile(entry.path());
    const size_t length = name.ends_with(".DEN")   ? 584
                          : name.ends_with(".UMA") ? 1825
                          : name.ends_with(".SEI") ? 1323
                          : name == "騎手.DAT"     ? 1065
                                                   : 0;
    std::string line = fs::relative(entry.path(), root).string() + ":";
    if (length == 0) line += " " + std::to_string(bytes.size()) + " bytes";
    for (size_t at = 0; length != 0 && at < bytes.size(); at += length)
      line += " " + bytes.substr(at, 8);
    lines.push_back(line + "\n");
  }
  std::sort(lines.begin(), lines.end());
  std::string out;
  for (const std::string& line : lines) out += line;
  return out;
}

}  // namespace mirtote::testing
