#pragma once
// A multi-line text box for report text in the fixed-width report font. It keeps the text
// exactly as given (CR LF line ends included) until the user edits it; edited text comes
// back with CR LF line ends.

#include <QPlainTextEdit>
#include <string>
#include <string_view>

namespace mirtote::ui {

class ReportTextBox : public QPlainTextEdit {
 public:
  explicit ReportTextBox(QWidget* parent = nullptr);

  void SetReportText(std::string_view utf8);
  std::string ReportText() const;

 private:
  std::string text_;
};

}  // namespace mirtote::ui
