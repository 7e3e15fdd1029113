#include "ui/print_text.h"

#include "shell/viewer_texts.h"

namespace mirtote::ui {

PrintText::PrintText(const Session& session, std::function<void()> confirm_exit, QWidget* parent)
    : SingleReportViewer(session, std::move(confirm_exit), parent, "オッズ表示",
                         {"ファイル保存", "コ ピ ー", "閉 じ る", "全 終 了"}) {}

void PrintText::Command1_Click() {
  SaveReportText(session(),
                 ViewerSaveRequest(ViewerKind::kPrintText, session().start_folder, "PATODDS.TXT"),
                 Text());
}

}  // namespace mirtote::ui
