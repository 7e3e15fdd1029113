#pragma once
// Stored (-lh0-) LZH archives and folder listings for the extraction tests.

#include <filesystem>
#include <string>
#include <vector>

namespace mirtote::testing {

struct LzhEntry {
  std::string name;  // raw header bytes (CP932 for Japanese names)
  std::string data;
};

// An archive with a level-0 header per entry, the data stored as is, and its CRC-16.
std::string StoredLzh(const std::vector<LzhEntry>& entries);

// Every file below `root`, one line each in path order: the relative path, then for a file of
// per-day or jockey records the first 8 bytes of each record (race keys, horse ids, codes),
// otherwise the file's size in bytes.
std::string FolderManifest(const std::filesystem::path& root);

}  // namespace mirtote::testing
