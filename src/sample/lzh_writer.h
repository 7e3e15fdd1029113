#pragma once
// Writer of stored (-lh0-) LZH archives, the data service's archive format without
// compression: what the sample generator and the tests extract.

#include <optional>
#include <string>
#include <vector>

namespace mirtote::sample {

struct LzhEntry {
  std::string name;  // raw header bytes (CP932 for Japanese names)
  std::string data;
  // A Unix mode (file type and permission bits) makes the entry's header a level-2 one that
  // carries it, as archivers on Unix write them: "name|target" with a link's mode is a
  // symbolic link.
  std::optional<unsigned> unix_mode = std::nullopt;
};

// An archive with a header per entry (level 0, or level 2 with a Unix mode), the data stored
// as is, and its CRC-16.
std::string StoredLzh(const std::vector<LzhEntry>& entries);

}  // namespace mirtote::sample
