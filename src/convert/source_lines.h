#pragma once
// The lines of a text source (forum log, odds CSV), read from the file in chunks and decoded
// from CP932 one line at a time, read by character position. A position past the end of a
// line reads as a blank, so a short line never fails a read.

#include <filesystem>
#include <string>
#include <string_view>

namespace mirtote::convert {

class SourceLine {
 public:
  SourceLine() = default;
  explicit SourceLine(std::string_view utf8);

  size_t size() const { return chars_.size(); }
  bool IsBlank() const;
  // The character at the 1-based position `pos`; ' ' outside the line.
  char32_t At(size_t pos) const;
  // `count` characters from `pos` as UTF-8, padded with blanks past the end.
  std::string Get(size_t pos, size_t count) const;
  // The last character; 0 for an empty line.
  char32_t Last() const { return chars_.empty() ? 0 : chars_.back(); }
  // True when the line begins with `prefix` (UTF-8).
  bool StartsWith(std::u32string_view prefix) const;

 private:
  std::u32string chars_;
};

// Largest source file read: far above a season of forum logs.
inline constexpr size_t kMaxSourceSize = size_t{1} << 30;

// A source file taken line by line: split at CR LF, LF or a lone CR; text after the last line
// end is a line of its own. Only one chunk of the file and one line are held at a time.
class SourceReader {
 public:
  SourceReader() = default;
  ~SourceReader();
  SourceReader(const SourceReader&) = delete;
  SourceReader& operator=(const SourceReader&) = delete;

  // Opens a regular file of at most kMaxSourceSize bytes, never waiting on a pipe; on
  // failure sets `error` (the file and the reason) and gives false.
  bool Open(const std::filesystem::path& path, std::string& error);
  // The next line's CP932 bytes without its line end, valid until the next call; false at
  // the end of the file or when a read fails (then `error` is set).
  bool NextBytes(std::string_view& bytes, std::string& error);
  // Number of the line taken last (0 before the first).
  size_t number() const { return number_; }

 private:
  bool Fill(std::string& error);

  int fd_ = -1;
  std::string path_text_;
  std::string buffer_;
  size_t start_ = 0;  // first byte of buffer_ not yet taken
  bool end_ = false;  // the file was read to its end
  size_t number_ = 0;
};

// The lines of a source decoded one at a time; the line given stays valid until the next.
class LineReader {
 public:
  explicit LineReader(SourceReader& source) : source_(source) {}
  // The next line; nothing at the end of the source or when a read fails (see error()).
  const SourceLine* Next();
  // Number of the line taken last (0 before the first).
  size_t number() const { return source_.number(); }
  // Why the source could not be read to its end; empty when it was.
  const std::string& error() const { return error_; }

 private:
  SourceReader& source_;
  SourceLine line_;
  std::string error_;
};

}  // namespace mirtote::convert
