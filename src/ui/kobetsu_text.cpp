#include "ui/kobetsu_text.h"

#include <QLabel>

#include "shell/viewer_texts.h"
#include "ui/qt_support.h"

namespace mirtote::ui {

KobetsuText::KobetsuText(const Session& session, std::function<void()> confirm_exit,
                         QWidget* parent)
    : SingleReportViewer(session, std::move(confirm_exit), parent, "個別レース結果",
                         {"保　　存", "コ ピ ー", "閉 じ る", "終　　了"}),
      label1_(new QLabel(this)) {
  label1_->setObjectName(QStringLiteral("Label1"));
  label1_->hide();
}

void KobetsuText::SetLabel(std::string_view utf8) {
  label1_->setText(ToQString(utf8));
}

void KobetsuText::Command1_Click() {
  std::string default_name = ToUtf8(label1_->text()) + ".TXT";
  SaveReportText(session(),
                 ViewerSaveRequest(ViewerKind::kKobetsuText, session().start_folder, default_name),
                 Text());
}

}  // namespace mirtote::ui
