#include "runtime/ini_edit.h"

#include <optional>
#include <vector>

#include "runtime/ini_line.h"
#include "runtime/ini_values.h"

namespace mirtote::runtime {

namespace {

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::string HexEscape(unsigned char c) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text = "\\x";
  if (c >= 16) text += kDigits[c / 16];
  return text + kDigits[c % 16];
}

}  // namespace

bool IsPlainIniName(std::string_view name) {
  if (name.empty()) return false;
  for (char c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '_' || c == '-' || c == '.';
    if (!plain) return false;
  }
  return true;
}

std::string EscapedIniValue(std::string_view value) {
  std::string text = value.starts_with('@') ? "@" : "";
  bool needs_quotes = false;
  // After a numeric escape a hex digit would be read as part of it, so it is escaped too.
  bool escape_hex_digit = false;
  for (char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == ';' || c == ',' || c == '=') needs_quotes = true;
    if (escape_hex_digit && IsHexDigit(c)) {
      text += HexEscape(byte);
      continue;
    }
    escape_hex_digit = false;
    switch (c) {
      case '\0':
        text += "\\0", escape_hex_digit = true;
        break;
      case '\a':
        text += "\\a";
        break;
      case '\b':
        text += "\\b";
        break;
      case '\f':
        text += "\\f";
        break;
      case '\n':
        text += "\\n";
        break;
      case '\r':
        text += "\\r";
        break;
      case '\t':
        text += "\\t";
        break;
      case '\v':
        text += "\\v";
        break;
      case '"':
      case '\\':
        text += '\\', text += c;
        break;
      default:
        // DEL too: the file checker refuses a raw one.
        if (byte <= 0x1f || byte == 0x7f) {
          text += HexEscape(byte);
          escape_hex_digit = true;
        } else {
          text += c;
        }
    }
  }
  if (needs_quotes || text.starts_with(' ') || text.ends_with(' ')) text = '"' + text + '"';
  return text;
}

std::string WithIniValue(std::string_view bytes, std::string_view section, std::string_view key,
                         std::string_view value) {
  const std::vector<IniLine> lines = SplitIniLines(bytes);
  const std::string line_end = lines.empty() || lines.front().end.empty()
                                   ? std::string("\n")
                                   : std::string(lines.front().end);
  const std::string entry = std::string(key) + "=" + EscapedIniValue(value);

  // The key's line anywhere in the section; new keys go after the last line of the section's
  // first block.
  std::optional<size_t> insert_after;
  bool in_section = false;
  bool first_block_over = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const IniLine& line = lines[i];
    const IniLineParts parts = SplitIniLine(line.text);
    if (parts.kind == IniLineParts::Kind::kSection) {
      first_block_over = first_block_over || insert_after.has_value();
      in_section = UnescapedIniName(parts.name) == section;
      if (in_section && !first_block_over) insert_after = i;
      continue;
    }
    if (!in_section) continue;
    if (parts.kind == IniLineParts::Kind::kEntry && UnescapedIniName(parts.name) == key) {
      if (UnescapedIniValue(parts.value) == value) return std::string(bytes);
      return std::string(bytes.substr(0, line.offset)) + entry +
             std::string(bytes.substr(line.offset + line.text.size()));
    }
    if (parts.kind != IniLineParts::Kind::kBlank && !first_block_over) insert_after = i;
  }

  if (insert_after) {
    const IniLine& line = lines[*insert_after];
    const size_t at = line.offset + line.text.size() + line.end.size();
    return std::string(bytes.substr(0, at)) + (line.end.empty() ? line_end : "") + entry +
           line_end + std::string(bytes.substr(at));
  }
  // A new section, after a blank line as QSettings separates them.
  std::string text(bytes);
  if (!lines.empty()) {
    if (lines.back().end.empty()) text += line_end;
    if (SplitIniLine(lines.back().text).kind != IniLineParts::Kind::kBlank) text += line_end;
  }
  return text + "[" + std::string(section) + "]" + line_end + entry + line_end;
}

}  // namespace mirtote::runtime
