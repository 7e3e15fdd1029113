#pragma once
// The help of the program: the help file "MIR_TOTE.HLP" (see shell/help_file.h for where it is
// found), an HTML page (UTF-8) with one anchor per keyword (<a name="目次">), shown in a help
// window of our own at the keyword's section.

#include <QWidget>
#include <filesystem>
#include <string>
#include <string_view>

class QTextBrowser;

namespace mirtote::app {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Loads the help file; false with the reason when it cannot be read.
  bool Open(const std::filesystem::path& file, std::string* error);
  // Scrolls to the section of the keyword (stays where it is for an unknown keyword).
  void ShowKeyword(std::string_view keyword);

  QTextBrowser* HelpText() const { return help_text_; }

 private:
  QTextBrowser* help_text_;
  std::filesystem::path file_;
};

}  // namespace mirtote::app
