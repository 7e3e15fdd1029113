#include "runtime/ini_values.h"

#include <QString>
#include <QStringList>

#include "runtime/ini_line.h"

namespace mirtote::runtime {

namespace {

QChar SimpleEscape(char c) {
  switch (c) {
    case 'a':
      return u'\a';
    case 'b':
      return u'\b';
    case 'f':
      return u'\f';
    case 'n':
      return u'\n';
    case 'r':
      return u'\r';
    case 't':
      return u'\t';
    case 'v':
      return u'\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
      return QChar(static_cast<ushort>(c));
    default:
      return QChar();
  }
}

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9') value = c - '0';
  if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
  return value < base ? value : -1;
}

// Spaces and tabs at the end of `text` from `limit` on are dropped.
void ChopTrailingSpaces(QString& text, qsizetype limit) {
  while (text.size() > limit && (text.back() == u' ' || text.back() == u'\t')) text.chop(1);
}

// The parts of a value: one unless an unquoted "," splits it. Quoted text keeps its spaces
// and commas; an escaped character is never trimmed; "\x" and octal escapes take as many
// digits as follow and stand for one UTF-16 unit.
QStringList ValueParts(std::string_view text) {
  QStringList parts;
  QString part;
  bool in_quotes = false;
  bool part_quoted = false;
  size_t i = 0;
  const auto skip_spaces = [&] {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  };
  skip_spaces();
  qsizetype chop_limit = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\\') {
      ++i;
      if (i >= text.size()) break;
      const char code = text[i++];
      const QChar simple = SimpleEscape(code);
      if (!simple.isNull()) {
        part += simple;
      } else if (code == 'x' || DigitValue(code, 8) >= 0) {
        const int base = code == 'x' ? 16 : 8;
        if (code == 'x' && (i >= text.size() || DigitValue(text[i], 16) < 0)) {
          chop_limit = part.size();
          continue;  // "\x" without a digit stands for nothing
        }
        ushort unit = code == 'x' ? 0 : static_cast<ushort>(code - '0');
        while (i < text.size() && DigitValue(text[i], base) >= 0) {
          unit = static_cast<ushort>(unit * base + DigitValue(text[i++], base));
        }
        part += QChar(unit);
      }
      chop_limit = part.size();
    } else if (c == '"') {
      ++i;
      part_quoted = true;
      in_quotes = !in_quotes;
      if (!in_quotes) {
        skip_spaces();
        chop_limit = part.size();
      }
    } else if (c == ',' && !in_quotes) {
      if (!part_quoted) ChopTrailingSpaces(part, chop_limit);
      parts.append(part);
      part.clear();
      part_quoted = false;
      ++i;
      skip_spaces();
      chop_limit = 0;
    } else {
      size_t j = i + 1;
      while (j < text.size() && text[j] != '\\' && text[j] != '"' && text[j] != ',') ++j;
      part += QString::fromUtf8(text.data() + i, static_cast<qsizetype>(j - i));
      i = j;
    }
  }
  if (!part_quoted) ChopTrailingSpaces(part, chop_limit);
  parts.append(part);
  return parts;
}

}  // namespace

std::string UnescapedIniValue(std::string_view text) {
  QStringList parts = ValueParts(text);
  // "@@" stands for a leading "@" ("@" alone would name a type).
  for (QString& part : parts) {
    if (part.startsWith(QStringLiteral("@@"))) part.remove(0, 1);
  }
  return parts.join(QStringLiteral(", ")).toUtf8().toStdString();
}

IniValues ReadIniValues(std::string_view bytes) {
  IniValues values;
  std::string section;
  for (const IniLine& line : SplitIniLines(bytes)) {
    const IniLineParts parts = SplitIniLine(line.text);
    if (parts.kind == IniLineParts::Kind::kSection) {
      section = UnescapedIniName(parts.name);
    } else if (parts.kind == IniLineParts::Kind::kEntry) {
      values[{section, UnescapedIniName(parts.name)}] = UnescapedIniValue(parts.value);
    }
  }
  return values;
}

}  // namespace mirtote::runtime
