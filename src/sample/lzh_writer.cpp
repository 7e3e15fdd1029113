#include "sample/lzh_writer.h"

#include <cstdint>

namespace mirtote::sample {

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

}  // namespace mirtote::sample
