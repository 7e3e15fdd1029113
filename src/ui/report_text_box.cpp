#include "ui/report_text_box.h"

#include <QTextDocument>

#include "ui/qt_support.h"
#include "ui/report_font.h"

namespace mirtote::ui {

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
  return ToUtf8(text);
}

}  // namespace mirtote::ui
