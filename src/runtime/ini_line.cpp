#include "runtime/ini_line.h"

#include <QString>

namespace mirtote::runtime {

std::vector<IniLine> SplitIniLines(std::string_view bytes) {
  std::vector<IniLine> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = start;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    size_t next = end;
    if (next < bytes.size()) {
      next += bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n' ? 2 : 1;
    }
    lines.push_back({bytes.substr(start, end - start), bytes.substr(end, next - end), start});
    start = next;
  }
  return lines;
}

std::string_view TrimIniSpaces(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

IniLineParts SplitIniLine(std::string_view line) {
  const std::string_view text = TrimIniSpaces(line);
  if (text.empty()) return {IniLineParts::Kind::kBlank, {}, {}};
  if (text.front() == '[') {
    // The name ends at the first "]"; what follows it is not read.
    const size_t close = text.find(']');
    if (close == std::string_view::npos) return {};
    return {IniLineParts::Kind::kSection, TrimIniSpaces(text.substr(1, close - 1)), {}};
  }
  if (text.front() == ';') return {};
  const size_t equals = FindOutsideQuotes(text, '=');
  if (equals == std::string_view::npos) return {};
  return {IniLineParts::Kind::kEntry, TrimIniSpaces(text.substr(0, equals)),
          text.substr(equals + 1)};
}

size_t FindOutsideQuotes(std::string_view text, char wanted, bool* ends_quoted) {
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\') {
      ++i;
    } else if (text[i] == '"') {
      quoted = !quoted;
    } else if (text[i] == wanted && !quoted) {
      return i;
    }
  }
  if (ends_quoted) *ends_quoted = quoted;
  return std::string_view::npos;
}

std::string UnescapedIniName(std::string_view name) {
  const QString decoded = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  QString result;
  for (qsizetype i = 0; i < decoded.size();) {
    const QChar c = decoded[i];
    if (c == u'\\') {
      result += u'/';
      ++i;
      continue;
    }
    if (c == u'%' && i + 1 < decoded.size()) {
      const bool wide = decoded[i + 1] == u'U';
      const qsizetype first = i + (wide ? 2 : 1);
      const qsizetype digits = wide ? 4 : 2;
      bool ok = false;
      const ushort code =
          first + digits <= decoded.size() ? decoded.mid(first, digits).toUShort(&ok, 16) : 0;
      if (ok) {
        result += QChar(code);
        i = first + digits;
        continue;
      }
    }
    result += c;
    ++i;
  }
  return result.toUtf8().toStdString();
}

}  // namespace mirtote::runtime
