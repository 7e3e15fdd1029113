#include "ui/report_text_box.h"

#include <QTextDocument>

#include "ui/report_font.h"

namespace mirtote::ui {

namespace {

// CR LF and a lone CR become one line break for display.
QString DisplayText(std::string_view utf8) {
  QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace

ReportTextBox::ReportTextBox(QWidget* parent) : QPlainTextEdit(parent) {
  setFont(ReportFont());
  setLineWrapMode(QPlainTextEdit::NoWrap);  // a wrapped line would break the columns
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void ReportTextBox::SetReportText(std::string_view utf8) {
  text_ = std::string(utf8);
  setPlainText(DisplayText(utf8));
  document()->setModified(false);
}

std::string ReportTextBox::ReportText() const {
  if (!document()->isModified()) return text_;
  QString text = toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text.toStdString();
}

}  // namespace mirtote::ui
