#include "ui/s_data_select.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "results/results_report.h"
#include "results/results_selection.h"
#include "ui/kobetsu_text.h"
#include "ui/qt_support.h"
#include "ui/seiseki_text.h"
#include "ui/viewer_placement.h"

namespace mirtote::ui {

namespace {

constexpr int kRaceViewerWidth = 10400, kRaceViewerHeight = 6240;
constexpr int kDayViewerWidth = 10305, kDayViewerHeight = 6225;

QString IndexedName(const char* name, int index) {
  return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index);
}

// Unchecks option buttons even when one of them is the checked button of its group.
template <size_t N>
void ClearOptions(const std::array<QRadioButton*, N>& options) {
  for (QRadioButton* option : options) {
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
  }
}

template <typename Control, size_t N>
void SetAll(const std::array<Control*, N>& controls, bool visible, bool enabled, bool checked) {
  for (Control* control : controls) {
    control->setVisible(visible);
    control->setEnabled(enabled);
    control->setChecked(checked);
  }
}

template <typename Control, size_t N>
int CheckedIndex(const std::array<Control*, N>& controls) {
  for (size_t i = 0; i < N; ++i) {
    if (controls[i]->isChecked()) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

SDataSelect::SDataSelect(DialogContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
  setObjectName(QStringLiteral("SDataSelect"));
  setWindowTitle(ToQString("成績データ作成"));
  setModal(false);
  BuildControls();
  resize(TwipsToPixels(7305, 3765));
}

void SDataSelect::BuildControls() {
  option1_ = new QRadioButton(ToQString("競走結果(１レース毎)"), this);
  option1_->setObjectName(QStringLiteral("Option1"));
  option2_ = new QRadioButton(ToQString("払戻情報(開催日毎)"), this);
  option2_->setObjectName(QStringLiteral("Option2"));
  connect(option1_, &QRadioButton::clicked, this, [this] { Option1_Click(); });
  connect(option2_, &QRadioButton::clicked, this, [this] { Option2_Click(); });
  list1_ = new QListWidget(this);
  list1_->setObjectName(QStringLiteral("List1"));
  connect(list1_, &QListWidget::itemClicked, this, [this] { List1_Click(); });

  // The option and the box of a venue (or race) share one place; the mode shows one set.
  frame2_ = new QGroupBox(ToQString("開催場所選択"), this);
  frame2_->setObjectName(QStringLiteral("Frame2"));
  auto* venues = new QGridLayout(frame2_);
  for (int i = 0; i < results::kVenueCount; ++i) {
    const QString name = ToQString(results::VenueName(i));
    option3_[i] = new QRadioButton(name, frame2_);
    option3_[i]->setObjectName(IndexedName("Option3", i));
    check1_[i] = new QCheckBox(name, frame2_);
    check1_[i]->setObjectName(IndexedName("Check1", i));
    venues->addWidget(option3_[i], i / 5, i % 5);
    venues->addWidget(check1_[i], i / 5, i % 5);
    connect(option3_[i], &QRadioButton::clicked, this, [this, i] { Option3_Click(i); });
    connect(check1_[i], &QCheckBox::clicked, this, [this] { Check1_Click(); });
  }
  frame3_ = new QGroupBox(ToQString("レース番号選択"), this);
  frame3_->setObjectName(QStringLiteral("Frame3"));
  auto* races = new QGridLayout(frame3_);
  for (int i = 0; i < results::kRaceCount; ++i) {
    const QString caption = QString::number(i + 1) + ToQString("Ｒ");
    option4_[i] = new QRadioButton(caption, frame3_);
    option4_[i]->setObjectName(IndexedName("Option4", i));
    check2_[i] = new QCheckBox(caption, frame3_);
    check2_[i]->setObjectName(IndexedName("Check2", i));
    races->addWidget(option4_[i], i / 6, i % 6);
    races->addWidget(check2_[i], i / 6, i % 6);
  }

  command1_ = MakeButton(this, "Command1", "実　　行");
  QPushButton* command2 = MakeButton(this, "Command2", "閉じる");
  QPushButton* command3 = MakeButton(this, "Command3", "全終了");
  connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(command3, &QPushButton::clicked, this, [this] { Command3_Click(); });

  auto* left = new QVBoxLayout;
  left->addWidget(option1_);
  left->addWidget(option2_);
  left->addWidget(list1_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {command1_, command2, command3}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  auto* right = new QVBoxLayout;
  right->addWidget(frame2_);
  right->addWidget(frame3_);
  right->addLayout(buttons);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(right, 1);
}

void SDataSelect::Open() {
  list_built_ = false;
  list1_->clear();
  for (QWidget* control : std::initializer_list<QWidget*>{command1_, option1_, option2_}) {
    control->setEnabled(true);
  }
  option1_->setChecked(true);
  Option1_Click();
}

bool SDataSelect::FillDateList(bool report_none) {
  if (list_built_) return true;
  list1_->clear();
  const auto dates = results::ListResultsDates({.report_none = report_none}, context_.session);
  for (const std::string& entry : dates.entries) list1_->addItem(ToQString(entry));
  if (dates.files_found == 0) return false;
  list_built_ = true;
  return true;
}

std::string SDataSelect::SelectedStem() const {
  const QListWidgetItem* item = list1_->currentItem();
  if (item == nullptr || !item->isSelected()) return {};
  return results::DateStem(ToUtf8(item->text()));
}

void SDataSelect::Option1_Click() {
  SetAll(check1_, false, true, false);
  ClearOptions(option3_);
  SetAll(option3_, true, true, false);
  SetAll(check2_, false, true, false);
  ClearOptions(option4_);
  SetAll(option4_, true, false, false);
  if (!FillDateList(/*report_none=*/true)) {
    // Nothing to report on: the form stays open with its controls disabled.
    for (QWidget* control : std::initializer_list<QWidget*>{command1_, option1_, option2_}) {
      control->setEnabled(false);
    }
    SetAll(option3_, true, false, false);
    return;
  }
  SetAll(option3_, true, false, false);
  List1_Click();
}

void SDataSelect::Option2_Click() {
  SetAll(check1_, true, true, false);
  ClearOptions(option3_);
  SetAll(option3_, false, true, false);
  SetAll(check2_, true, true, true);
  ClearOptions(option4_);
  SetAll(option4_, false, true, false);
  FillDateList(/*report_none=*/false);
  List1_Click();
}

void SDataSelect::List1_Click() {
  const bool one_race = option1_->isChecked();
  ClearOptions(option3_);
  SetAll(option3_, one_race, false, false);
  SetAll(check1_, !one_race, false, false);
  ClearOptions(option4_);
  SetAll(option4_, one_race, false, false);
  SetAll(check2_, !one_race, !one_race, !one_race);

  const std::string stem = SelectedStem();
  if (stem.empty()) return;
  const auto venues = results::FindResultsVenues({stem}, context_.session);
  for (int i = 0; i < results::kVenueCount; ++i) {
    if (!venues.present[i]) continue;
    option3_[i]->setEnabled(true);
    check1_[i]->setEnabled(true);
    check1_[i]->setChecked(true);
  }
}

void SDataSelect::Option3_Click(int i) {
  ClearOptions(option4_);
  SetAll(option4_, true, false, false);
  for (QCheckBox* box : check2_) box->hide();
  const auto races = results::FindResultsRaces({SelectedStem(), i}, context_.session);
  for (int r = 0; r < results::kRaceCount; ++r) option4_[r]->setEnabled(races.available[r]);
}

void SDataSelect::Check1_Click() {
  const bool any = CheckedIndex(check1_) >= 0;
  for (QCheckBox* box : check2_) {
    box->setEnabled(any);
    box->setChecked(any);
  }
}

void SDataSelect::Command1_Click() {
  context_.run_command([this] {
    Host& host = context_.session.host;
    host.SetBusy(true);
    if (option2_->isChecked()) {
      RunDayReport();
    } else {
      RunRaceReport();
    }
    host.SetBusy(false);
  });
}

void SDataSelect::RunRaceReport() {
  const int race = CheckedIndex(option4_);
  const results::ResultsRaceRequest request{SelectedStem(), CheckedIndex(option3_),
                                            race < 0 ? 0 : race + 1};
  const auto result = results::RunResultsRaceReport(request, context_.session);
  if (!result.shown) return;
  auto* viewer = new KobetsuText(context_.session, context_.confirm_exit, parentWidget());
  viewer->SetSizeTwips(kRaceViewerWidth, kRaceViewerHeight);
  viewer->SetText(result.text);
  viewer->SetLabel(result.label);
  PlaceViewer(*viewer, *this);
  viewer->show();
}

void SDataSelect::RunDayReport() {
  results::ResultsDayRequest request;
  request.date_stem = SelectedStem();
  if (const QListWidgetItem* item = list1_->currentItem())
    request.date_entry = ToUtf8(item->text());
  for (int i = 0; i < results::kVenueCount; ++i) request.venues[i] = check1_[i]->isChecked();
  for (int r = 0; r < results::kRaceCount; ++r) request.races[r] = check2_[r]->isChecked();
  // The day viewer has a tab for at most four venues.
  const auto ticked = std::count(request.venues.begin(), request.venues.end(), true);
  if (ticked > SeisekiText::kVenueCount) {
    context_.session.host.ShowMessage("開催場所は４場まで選択してください", "確認",
                                      MessageIcon::kInformation);
    return;
  }
  const auto result = results::RunResultsDayReport(request, context_.session);
  if (!result.shown) return;
  auto* viewer = new SeisekiText(context_.session, context_.confirm_exit, parentWidget());
  for (size_t c = 0; c < result.venues.size(); ++c) {
    viewer->SetVenue(static_cast<int>(c), result.venues[c].venue, result.venues[c].text);
  }
  viewer->SetSizeTwips(kDayViewerWidth, kDayViewerHeight);
  viewer->SetCaption(result.caption);
  PlaceViewer(*viewer, *this);
  viewer->show();
}

void SDataSelect::Command2_Click() {
  close();
}

void SDataSelect::Command3_Click() {
  if (context_.confirm_exit) context_.confirm_exit();
}

}  // namespace mirtote::ui
