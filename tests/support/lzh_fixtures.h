#pragma once
// Stored (-lh0-) LZH archives and folder listings for the extraction tests.

#include <filesystem>
#include <string>
#include <vector>

#include "sample/lzh_writer.h"

namespace mirtote::testing {

using sample::LzhEntry;
using sample::StoredLzh;

// Every file below `root`, one line each in path order: the relative path, then for a file of
// per-day or jockey records the first 8 bytes of each record (race keys, horse ids, codes),
// otherwise the file's size in bytes.
std::string FolderManifest(const std::filesystem::path& root);

}  // namespace mirtote::testing
