#include "ui/print_text.h"

#include <QVBoxLayout>

#include "shell/viewer_texts.h"
#include "ui/report_text_box.h"
#include "ui/qt_support.h"

namespace mirtote::ui {

PrintText::PrintText(const Session& session, std::function<void()> confirm_exit, QWidget* parent)
    : ReportViewer(session, std::move(confirm_exit), parent), text1_(new ReportTextBox(this)) {
  setWindowTitle(ToQString("オッズ表示"));
  text1_->setObjectName(QStringLiteral("Text1"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text1_, 1);
  layout->addLayout(MakeButtonRow({"ファイル保存", "コ ピ ー", "閉 じ る", "全 終 了"}));
}

void PrintText::SetText(std::string_view utf8) {
  text1_->SetReportText(utf8);
}

std::string PrintText::Text() const {
  return text1_->ReportText();
}

void PrintText::Command1_Click() {
  SaveReportText(session(),
                 ViewerSaveRequest(ViewerKind::kPrintText, session().start_folder, "PATODDS.TXT"),
                 Text());
}

void PrintText::Command2_Click() {
  CopyReportText(session().host, Text(), kShownResultCopied);
}

}  // namespace mirtote::ui
