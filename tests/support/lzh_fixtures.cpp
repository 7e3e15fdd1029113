#include "support/lzh_fixtures.h"

#include <algorithm>
#include <cstdint>

#include "support/test_support.h"

namespace mirtote::testing {

std::string StoredLzh(const std::vector<LzhEntry>& entries) {
  const auto little = [](uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
    return out;
  };
  std::string archive;
  for (const LzhEntry& e : entries) {
    uint16_t crc = 0;  // CRC-16/ARC
    for (unsigned char byte : e.data) {
      crc ^= byte;
      for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    // Method, packed and original size, DOS time, attribute, level 0, name, CRC.
    const std::string size = little(static_cast<uint32_t>(e.data.size()), 4);
    const std::string h = "-lh0-" + size + size + little(0x24A96000, 4) + "\x20" + '\0' +
                          static_cast<char>(e.name.size()) + e.name + little(crc, 2);
    unsigned sum = 0;
    for (unsigned char c : h) sum += c;
    archive += static_cast<char>(h.size()) + std::string(1, static_cast<char>(sum)) + h + e.data;
  }
  return archive + '\0';
}

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
