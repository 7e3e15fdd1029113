#pragma once
// The single-race results viewer: shows one race's results report, copies and saves it.
// The hidden label holds the stem of the default file name.

#include <string_view>

#include "ui/report_viewer.h"

class QLabel;

namespace mirtote::ui {

class KobetsuText : public SingleReportViewer {
  Q_OBJECT

 public:
  KobetsuText(const Session& session, std::function<void()> confirm_exit,
              QWidget* parent = nullptr);

  // The stem of the default file name (the race date of the results file).
  void SetLabel(std::string_view utf8);

  void Command1_Click() override;  // "保　　存"

 private:
  QLabel* label1_;
};

}  // namespace mirtote::ui
