#pragma once
// The odds viewer: shows the newspaper-style odds text, copies and saves it.

#include <string>
#include <string_view>

#include "ui/report_viewer.h"

namespace mirtote::ui {

class ReportTextBox;

class PrintText : public ReportViewer {
  Q_OBJECT

 public:
  PrintText(const Session& session, std::function<void()> confirm_exit, QWidget* parent = nullptr);

  void SetText(std::string_view utf8);
  std::string Text() const;

  void Command1_Click() override;  // "ファイル保存"
  void Command2_Click() override;  // "コ ピ ー"

 private:
  ReportTextBox* text1_;
};

}  // namespace mirtote::ui
