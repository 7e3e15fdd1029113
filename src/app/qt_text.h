#pragma once
// Between the core's UTF-8 texts and Qt's strings.

#include <QString>
#include <string>
#include <string_view>

namespace mirtote::app {

inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToUtf8(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// A message text as shown on screen: each CR LF or lone CR becomes a line break.
inline QString DisplayText(std::string_view utf8) {
  QString text = ToQString(utf8);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace mirtote::app
