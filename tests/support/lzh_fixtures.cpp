#include "support/lzh_fixtures.h"

#include <algorithm>
#include <cstdint>

#include "support/test_support.h"

namespace mirtote::testing {

namespace {

uint16_t Crc16(const std::string& data) {
  uint16_t crc = 0;
  for (unsigned char byte : data) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
  }
  return crc;
}

void PutLittle(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string StoredLzh(const std::vector<LzhEntry>& entries) {
  std::string archive;
  for (const LzhEntry& e : entries) {
    std::string h = "-lh0-";
    PutLittle(h, static_cast<uint32_t>(e.data.size()), 4);  // packed size
    PutLittle(h, static_cast<uint32_t>(e.data.size()), 4);  // original size
    PutLittle(h, 0x24A96000, 4);                            // DOS time: 1998-05-09 12:00
    h += '\x20';                                            // attribute: archive
    h += '\0';                                              // header level
    h += static_cast<char>(e.name.size());
    h += e.name;
    PutLittle(h, Crc16(e.data), 2);
    unsigned sum = 0;
    for (unsigned char c : h) sum += c;
    archive += static_cast<char>(h.size());
    archive += static_cast<char>(sum & 0xFF);
    archive += h + e.data;
  }
  return archive + '\0';
}

std::string FolderManifest(const std::filesystem::path& root) {
  std::vector<std::string> lines;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().filename().string();
    const std::string bytes = ReadFile(entry.path());
    size_t length = name.ends_with(".DEN")   ? 584
                    : name.ends_with(".UMA") ? 1825
                    : name.ends_with(".SEI") ? 1323
                    : name == "騎手.DAT"     ? 1065
                                             : 0;
    std::string line = fs::relative(entry.path(), root).string() + ":";
    if (length == 0) line += " " + std::to_string(bytes.size()) + " bytes";
    for (size_t at = 0; length != 0 && at + length <= bytes.size(); at += length) {
      line += " " + bytes.substr(at, 8);
    }
    lines.push_back(line);
  }
  std::sort(lines.begin(), lines.end());
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

}  // namespace mirtote::testing
