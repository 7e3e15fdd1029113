#include "ui/seiseki_text.h"

#include <QHBoxLayout>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>

#include "shell/viewer_texts.h"
#include "ui/qt_support.h"
#include "ui/report_text_box.h"

namespace mirtote::ui {

SeisekiText::SeisekiText(const Session& session, std::function<void()> confirm_exit,
                         QWidget* parent)
    : ReportViewer(session, std::move(confirm_exit), parent),
      tab_strip1_(new QTabBar(this)),
      text2_(new ReportTextBox(this)),
      option1_(new QRadioButton(ToQString("全結果"), this)),
      option2_(new QRadioButton(ToQString("表示分のみ"), this)) {
  setWindowTitle(ToQString("成績データテキスト表示"));
  for (int i = 0; i < kVenueCount; ++i) {
    text1_[i] = new ReportTextBox(this);
    text1_[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
    text1_[i]->hide();
  }
  tab_strip1_->setObjectName(QStringLiteral("TabStrip1"));
  tab_strip1_->addTab(QString());  // the first tab exists from the start
  text2_->setObjectName(QStringLiteral("Text2"));
  option1_->setObjectName(QStringLiteral("Option1"));
  option2_->setObjectName(QStringLiteral("Option2"));
  option1_->setChecked(true);

  auto* options = new QHBoxLayout;
  options->addWidget(option1_);
  options->addWidget(option2_);
  options->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tab_strip1_);
  layout->addWidget(text2_, 1);
  layout->addLayout(options);
  layout->addLayout(MakeButtonRow({"保　　存", "コ ピ ー", "閉 じ る", "終　　了"}));

  connect(tab_strip1_, &QTabBar::currentChanged, this, [this] { TabStrip1_Click(); });
}

void SeisekiText::SetVenue(int index, std::string_view venue, std::string_view text) {
  if (index < 0 || index >= kVenueCount) return;
  while (tab_strip1_->count() <= index) tab_strip1_->addTab(QString());
  tab_strip1_->setTabText(index, ToQString(venue));
  text1_[index]->SetReportText(text);
  if (index == tab_strip1_->currentIndex()) TabStrip1_Click();
}

void SeisekiText::SetCaption(std::string_view utf8) {
  setWindowTitle(ToQString(utf8));
}

void SeisekiText::TabStrip1_Click() {
  int index = tab_strip1_->currentIndex();
  if (index < 0 || index >= kVenueCount) return;
  text2_->SetReportText(text1_[index]->ReportText());
}

bool SeisekiText::AllResults() const {
  return option1_->isChecked();
}

std::string SeisekiText::SelectedTabCaption() const {
  return tab_strip1_->tabText(tab_strip1_->currentIndex()).toStdString();
}

std::string SeisekiText::ChosenText() const {
  if (!AllResults()) return SeisekiShownText(text2_->ReportText());
  std::array<std::string, kVenueCount> venues;
  for (int i = 0; i < kVenueCount; ++i) venues[i] = text1_[i]->ReportText();
  return SeisekiAllText(venues);
}

void SeisekiText::Command1_Click() {
  std::string default_name =
      SeisekiDefaultFileName(AllResults(), SelectedTabCaption(), windowTitle().toStdString());
  SaveReportText(session(),
                 ViewerSaveRequest(ViewerKind::kSeisekiText, session().start_folder, default_name),
                 ChosenText());
}

void SeisekiText::Command2_Click() {
  CopyReportText(session().host, ChosenText(),
                 SeisekiCopyConfirmation(AllResults(), SelectedTabCaption()));
}

}  // namespace mirtote::ui
