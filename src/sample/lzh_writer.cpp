#include "sample/lzh_writer.h"

#include <cstdint>

namespace mirtote::sample {

namespace {

std::string Little(uint32_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
  return out;
}

uint16_t Crc16(const std::string& data) {  // CRC-16/ARC
  uint16_t crc = 0;
  for (unsigned char byte : data) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
  }
  return crc;
}

// Method, packed and original size, DOS time, attribute, level 0, name, CRC; the header's
// length and checksum before it.
std::string Level0Header(const LzhEntry& e) {
  const std::string size = Little(static_cast<uint32_t>(e.data.size()), 4);
  const std::string h = "-lh0-" + size + size + Little(0x24A96000, 4) + "\x20" + '\0' +
                        static_cast<char>(e.name.size()) + e.name + Little(Crc16(e.data), 2);
  unsigned sum = 0;
  for (unsigned char c : h) sum += c;
  return static_cast<char>(h.size()) + std::string(1, static_cast<char>(sum)) + h;
}

// Whole header length, method, sizes, Unix time, attribute, level 2, CRC, OS "U", then the
// extended headers (length, type, data): the header's CRC-16 (0), the name (1) and the Unix
// mode (0x50), and a length of 0 that ends them. The header's CRC is taken with its own
// field at zero.
std::string Level2Header(const LzhEntry& e, unsigned mode) {
  const std::string size = Little(static_cast<uint32_t>(e.data.size()), 4);
  const auto extended = [](char type, const std::string& data) {
    return Little(static_cast<uint32_t>(data.size() + 3), 2) + type + data;
  };
  const std::string fields = "-lh0-" + size + size + Little(898000000, 4) + "\x20" + '\x02' +
                             Little(Crc16(e.data), 2) + "U";
  const std::string rest =
      extended('\x01', e.name) + extended('\x50', Little(mode, 2)) + Little(0, 2);
  std::string header = Little(static_cast<uint32_t>(2 + fields.size() + 5 + rest.size()), 2) +
                       fields + extended('\0', Little(0, 2)) + rest;
  const std::string crc = Little(Crc16(header), 2);
  header.replace(2 + fields.size() + 3, 2, crc);
  return header;
}

}  // namespace

std::string StoredLzh(const std::vector<LzhEntry>& entries) {
  std::string archive;
  for (const LzhEntry& e : entries) {
    archive += (e.unix_mode ? Level2Header(e, *e.unix_mode) : Level0Header(e)) + e.data;
  }
  return archive + '\0';
}

}  // namespace mirtote::sample
