#include "convert/source_lines.h"

#include "text/chars.h"
#include "text/cp932.h"

namespace mirtote::convert {

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

std::vector<SourceLine> DecodeLines(std::string_view bytes) {
  std::vector<SourceLine> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    lines.emplace_back(text::DecodeCp932(bytes.substr(start, end - start)));
    start = end;
    if (start < bytes.size() && bytes[start] == '\r') ++start;
    if (start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

}  // namespace mirtote::convert
