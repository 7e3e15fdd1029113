#pragma once
// The single-race results viewer: shows one race's results report, copies and saves it.
// The hidden label holds the stem of the default file name.

#include <string>
#include <string_view>

#include "ui/report_viewer.h"

class QLabel;

namespace mirtote::ui {

class ReportTextBox;

class KobetsuText : public ReportViewer {
  Q_OBJECT

 public:
  KobetsuText(const Session& session, std::function<void()> confirm_exit,
              QWidget* parent = nullptr);

  void SetText(std::string_view utf8);
  std::string Text() const;
  // The stem of the default file name (the race date of the results file).
  void SetLabel(std::string_view utf8);

  void Command1_Click() override;  // "保　　存"
  void Command2_Click() override;  // "コ ピ ー"

 private:
  ReportTextBox* text1_;
  QLabel* label1_;
};

}  // namespace mirtote::ui
