#include "ui/kobetsu_text.h"

#include <QLabel>
#include <QVBoxLayout>

#include "shell/viewer_texts.h"
#include "ui/report_text_box.h"
#include "ui/qt_support.h"

namespace mirtote::ui {

KobetsuText::KobetsuText(const Session& session, std::function<void()> confirm_exit,
                         QWidget* parent)
    : ReportViewer(session, std::move(confirm_exit), parent),
      text1_(new ReportTextBox(this)),
      label1_(new QLabel(this)) {
  setWindowTitle(ToQString("個別レース結果"));
  text1_->setObjectName(QStringLiteral("Text1"));
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->hide();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text1_, 1);
  layout->addLayout(MakeButtonRow({"保　　存", "コ ピ ー", "閉 じ る", "終　　了"}));
}

void KobetsuText::SetText(std::string_view utf8) {
  text1_->SetReportText(utf8);
}

std::string KobetsuText::Text() const {
  return text1_->ReportText();
}

void KobetsuText::SetLabel(std::string_view utf8) {
  label1_->setText(ToQString(utf8));
}

void KobetsuText::Command1_Click() {
  std::string default_name = label1_->text().toStdString() + ".TXT";
  SaveReportText(session(),
                 ViewerSaveRequest(ViewerKind::kKobetsuText, session().start_folder, default_name),
                 Text());
}

void KobetsuText::Command2_Click() {
  CopyReportText(session().host, Text(), kShownResultCopied);
}

}  // namespace mirtote::ui
