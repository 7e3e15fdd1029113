#pragma once
// The lines of a text source (forum log, odds CSV) decoded from CP932, read by character
// position. A position past the end of a line reads as a blank, so a short line never
// fails a read.

#include <string>
#include <string_view>
#include <vector>

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

// Splits CP932 bytes at CR LF, LF or a lone CR and decodes each line by itself. Text after
// the last line end is a line of its own.
std::vector<SourceLine> DecodeLines(std::string_view bytes);

}  // namespace mirtote::convert
