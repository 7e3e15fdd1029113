#pragma once
// The odds viewer: shows the newspaper-style odds text, copies and saves it.

#include "ui/report_viewer.h"

namespace mirtote::ui {

class PrintText : public SingleReportViewer {
  Q_OBJECT

 public:
  PrintText(const Session& session, std::function<void()> confirm_exit, QWidget* parent = nullptr);

  void Command1_Click() override;  // "ファイル保存"
};

}  // namespace mirtote::ui
