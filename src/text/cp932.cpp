#include "text/cp932.h"

#include <iconv.h>

#include <cerrno>

#include "text/chars.h"

namespace mirtote::text {
namespace {

// One converter per direction and thread: opening iconv is far dearer than converting a
// short field, and fields are converted one by one.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts `in`; on an invalid or unmappable sequence calls `on_bad(input, out)`, which
  // appends a replacement and returns how many input bytes to skip.
  template <typename OnBad>
  std::string Convert(std::string_view in, OnBad on_bad) {
    std::string out;
    out.reserve(in.size() * 2 + 4);
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    size_t pos = 0;
    char buffer[1024];
    while (pos < in.size()) {
      char* src = const_cast<char*>(in.data() + pos);
      size_t src_left = in.size() - pos;
      char* dst = buffer;
      size_t dst_left = sizeof buffer;
      size_t rc = iconv(cd_, &src, &src_left, &dst, &dst_left);
      int err = errno;
      out.append(buffer, static_cast<size_t>(dst - buffer));
      pos = in.size() - src_left;
      if (rc != static_cast<size_t>(-1)) continue;
      if (err == E2BIG) continue;
      // EILSEQ (invalid or unmappable) or EINVAL (cut off at the end)
      pos += on_bad(in.substr(pos), out);
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

bool IsAscii(std::string_view s) {
  for (unsigned char c : s)
    if (c >= 0x80) return false;
  return true;
}

}  // namespace

std::string DecodeCp932(std::string_view bytes) {
  if (IsAscii(bytes)) return std::string(bytes);
  thread_local Converter converter("UTF-8", "CP932");
  if (!converter.ok()) return std::string(bytes);
  return converter.Convert(bytes, [](std::string_view rest, std::string& out) -> size_t {
    AppendChar(out, U'\uFFFD');
    // A lead byte and a trail byte form one character even where CP932 assigns none, so
    // the text keeps the character positions of the bytes. A lead byte followed by a byte
    // that cannot trail is bad by itself.
    const bool pair = rest.size() >= 2 && IsCp932LeadByte(static_cast<unsigned char>(rest[0])) &&
                      IsCp932TrailByte(static_cast<unsigned char>(rest[1]));
    return pair ? 2 : 1;
  });
}

std::string EncodeCp932(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  thread_local Converter converter("CP932", "UTF-8");
  if (!converter.ok()) return std::string(utf8);
  return converter.Convert(utf8, [](std::string_view rest, std::string& out) -> size_t {
    out += '?';
    size_t i = 0;
    NextChar(rest, i);  // skip one whole character
    return i == 0 ? 1 : i;
  });
}

std::string_view ByteField(std::string_view bytes, size_t offset, size_t width) {
  if (offset >= bytes.size()) return {};
  return bytes.substr(offset, width);
}

std::string DecodeField(std::string_view bytes, size_t offset, size_t width) {
  return DecodeCp932(ByteField(bytes, offset, width));
}

std::string ReadChars(std::string_view bytes, size_t position, size_t count) {
  if (position == 0) position = 1;
  size_t start = position - 1;
  if (start >= bytes.size()) return {};
  size_t end = start;
  for (size_t n = 0; n < count && end < bytes.size(); ++n) {
    bool two_bytes = IsCp932LeadByte(static_cast<unsigned char>(bytes[end]));
    end += two_bytes ? 2 : 1;
  }
  if (end > bytes.size()) end = bytes.size();
  return DecodeCp932(bytes.substr(start, end - start));
}

}  // namespace mirtote::text
