#include "convert/source_lines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "text/chars.h"
#include "text/cp932.h"
#include "text/file_descriptor.h"
#include "text/files.h"

namespace mirtote::convert {

namespace {

constexpr size_t kChunk = size_t{1} << 16;

// The first CR or LF of `text` from `from`; npos when there is none.
size_t FindLineEnd(std::string_view text, size_t from) {
  for (size_t i = from; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') return i;
  }
  return std::string_view::npos;
}

}  // namespace

SourceLine::SourceLine(std::string_view utf8) {
  for (size_t i = 0; i < utf8.size();) chars_ += text::NextChar(utf8, i);
}

bool SourceLine::IsBlank() const {
  return chars_.find_first_not_of(U' ') == std::u32string::npos;
}

char32_t SourceLine::At(size_t pos) const {
  return pos >= 1 && pos <= chars_.size() ? chars_[pos - 1] : U' ';
}

std::string SourceLine::Get(size_t pos, size_t count) const {
  std::string out;
  for (size_t i = 0; i < count; ++i) text::AppendChar(out, At(pos + i));
  return out;
}

bool SourceLine::StartsWith(std::u32string_view prefix) const {
  return std::u32string_view(chars_).starts_with(prefix);
}

SourceReader::~SourceReader() {
  if (fd_ >= 0) ::close(fd_);
}

bool SourceReader::Open(const std::filesystem::path& path, std::string& error) {
  path_text_ = text::PathText(path);
  // O_NONBLOCK: opening a pipe with no writer would otherwise wait for ever.
  text::FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  struct stat status {};
  if (!fd.valid()) {
    error = path_text_ + " を開けません: " + std::strerror(errno);
  } else if (::fstat(fd.get(), &status) != 0) {
    error = path_text_ + " を読めません: " + std::strerror(errno);
  } else if (!S_ISREG(status.st_mode)) {
    error = path_text_ + " を読めません: 通常のファイルではありません（" +
            std::string(text::FileKindText(status.st_mode)) + "）";
  } else if (static_cast<unsigned long long>(status.st_size) > kMaxSourceSize) {
    error = path_text_ + " を読めません: ファイルが大きすぎます（" +
            std::to_string(status.st_size) + " バイト、上限 " + std::to_string(kMaxSourceSize) +
            " バイト）";
  } else {
    fd_ = fd.Release();
    return true;
  }
  return false;
}

// Reads the next chunk behind the bytes not yet taken.
bool SourceReader::Fill(std::string& error) {
  buffer_.erase(0, start_);
  start_ = 0;
  const size_t old = buffer_.size();
  buffer_.resize(old + kChunk);
  ssize_t n;
  do {
    n = ::read(fd_, buffer_.data() + old, kChunk);
  } while (n < 0 && errno == EINTR);
  if (n < 0) {
    error = path_text_ + " を読めません: " + std::strerror(errno);
    buffer_.resize(old);
    return false;
  }
  buffer_.resize(old + static_cast<size_t>(n));
  end_ = n == 0;
  return true;
}

bool SourceReader::NextBytes(std::string_view& bytes, std::string& error) {
  if (fd_ < 0) return false;
  size_t searched = start_;
  for (;;) {
    const size_t end = FindLineEnd(buffer_, searched);
    // A CR at the end of the chunk may be followed by the LF of its line end.
    if (end != std::string::npos && (end + 1 < buffer_.size() || buffer_[end] == '\n' || end_)) {
      size_t next = end + 1;
      if (buffer_[end] == '\r' && next < buffer_.size() && buffer_[next] == '\n') ++next;
      bytes = std::string_view(buffer_).substr(start_, end - start_);
      start_ = next;
      ++number_;
      return true;
    }
    if (end_) {
      if (start_ >= buffer_.size()) return false;
      bytes = std::string_view(buffer_).substr(start_);
      start_ = buffer_.size();
      ++number_;
      return true;
    }
    const size_t taken = start_;
    searched = (end != std::string::npos ? end : buffer_.size()) - taken;
    if (!Fill(error)) return false;
  }
}

const SourceLine* LineReader::Next() {
  std::string_view bytes;
  if (!source_.NextBytes(bytes, error_)) return nullptr;
  line_ = SourceLine(text::DecodeCp932(bytes));
  return &line_;
}

}  // namespace mirtote::convert
