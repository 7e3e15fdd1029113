#pragma once
// Writer of stored (-lh0-) LZH archives, the data service's archive format without
// compression: what the sample generator and the tests extract.

#include <string>
#include <vector>

namespace mirtote::sample {

struct LzhEntry {
  std::string name;  // raw header bytes (CP932 for Japanese names)
  std::string data;
};

// An archive with a level-0 header per entry, the data stored as is, and its CRC-16.
std::string StoredLzh(const std::vector<LzhEntry>& entries);

}  // namespace mirtote::sample
