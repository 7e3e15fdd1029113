#include "ui/select_data.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/print_text.h"
#include "ui/qt_support.h"
#include "ui/viewer_placement.h"
#include "vocab/code_tables.h"
#include "vocab/venues.h"

namespace mirtote::ui {

namespace {

constexpr int kViewerWidthTwips = 9735;
constexpr int kViewerHeightTwips = 6240;

QString IndexedName(const char* name, int index) {
  return QString::fromLatin1(name) + QLatin1Char('_') + QString::number(index);
}

// Venue names in the order of the choices: 小倉 first, then 札幌 to 阪神.
std::string VenueCaption(int index) {
  const vocab::Venue* venue = vocab::VenueByChar(pat::VenueChoiceChar(index));
  return venue ? std::string(venue->name) : std::string();
}

// "１日" ... "８日".
std::string DayCaption(int index) {
  return vocab::FlipDigitWidth(std::string(1, pat::DayChoiceChar(index))) + "日";
}

// "１Ｒ" ... "９Ｒ", then "10Ｒ", "11Ｒ", "12Ｒ".
std::string RaceCaption(int index) {
  const int race = index + 1;
  return (race < 10 ? vocab::FlipDigitWidth(std::to_string(race)) : std::to_string(race)) + "Ｒ";
}

// Unchecks a radio button, which its group would otherwise keep checked.
void Uncheck(QRadioButton* button) {
  button->setAutoExclusive(false);
  button->setChecked(false);
  button->setAutoExclusive(true);
}

// A frame without caption holding `boxes` in rows of `columns`; box i takes place
// (i + shift) mod N.
template <typename Box, size_t N>
QGroupBox* Frame(QWidget* parent, const char* name, std::array<Box*, N>& boxes, int columns,
                 int shift, const char* box_name, std::string (*caption)(int)) {
  auto* frame = new QGroupBox(parent);
  frame->setObjectName(QString::fromLatin1(name));
  auto* grid = new QGridLayout(frame);
  for (int i = 0; i < static_cast<int>(N); ++i) {
    boxes[i] = new Box(ToQString(caption(i)), frame);
    boxes[i]->setObjectName(IndexedName(box_name, i));
    const int place = (i + shift) % static_cast<int>(N);
    grid->addWidget(boxes[i], place / columns, place % columns);
  }
  return frame;
}

}  // namespace

SelectData::SelectData(DialogContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
  setObjectName(QStringLiteral("SelectData"));
  setWindowTitle(ToQString("表示情報選択"));
  UseDialogFrame(*this);
  setModal(false);
  BuildControls();
  OddsDataCheck();
}

void SelectData::BuildControls() {
  // Venues in the order of the table, 札幌 to 小倉 (index 0 last).
  auto* frame1 =
      Frame(this, "Frame1", option1_, 5, pat::kVenueChoices - 1, "Option1", VenueCaption);
  for (int i = 0; i < pat::kVenueChoices; ++i) {
    connect(option1_[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
  }
  auto* frame2 = Frame(this, "Frame2", option2_, 4, 0, "Option2", DayCaption);
  for (int i = 0; i < pat::kDayChoices; ++i) {
    connect(option2_[i], &QRadioButton::clicked, this, [this, i] { Option2_Click(i); });
  }
  auto* frame3 = Frame(this, "Frame3", check1_, 6, 0, "Check1", RaceCaption);
  for (int i = 0; i < pat::kRaceChoices; ++i) {
    connect(check1_[i], &QCheckBox::clicked, this, [this, i] { Check1_Click(i); });
  }

  command1_ = MakeButton(this, "Command1", "単複・枠連");
  command2_ = MakeButton(this, "Command2", "馬　連");
  QPushButton* command3 = MakeButton(this, "Command3", "閉じる");
  QPushButton* command4 = MakeButton(this, "Command4", "全終了");
  connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(command2_, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
  connect(command4, &QPushButton::clicked, this, [this] { Command4_Click(); });

  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {command1_, command2_, command3, command4}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame1);
  layout->addWidget(frame2);
  layout->addWidget(frame3);
  layout->addLayout(buttons);
}

pat::OddsFolderIndex SelectData::ReadFolder() const {
  return pat::OddsFolderIndex::Read(pat::OddsViewFolder(context_.session));
}

void SelectData::SetButtons(pat::OutputButtons buttons) {
  command1_->setEnabled(buttons.win);
  command2_->setEnabled(buttons.quinella);
}

void SelectData::OddsDataCheck() {
  for (QRadioButton* option : option1_) {
    option->setEnabled(false);
    Uncheck(option);
  }
  for (QRadioButton* option : option2_) {
    option->setEnabled(false);
    Uncheck(option);
  }
  for (QCheckBox* check : check1_) {
    check->setEnabled(false);
    check->setChecked(false);
  }
  SetButtons({});
  const auto venues = ReadFolder().Venues();
  for (int i = 0; i < pat::kVenueChoices; ++i) option1_[i]->setEnabled(venues[i]);
}

void SelectData::Option1_Click(int index) {
  venue_ = pat::VenueChoiceChar(index);
  for (QRadioButton* option : option2_) {
    option->setEnabled(false);
    Uncheck(option);
  }
  for (QCheckBox* check : check1_) {
    check->setEnabled(false);
    check->setChecked(false);
  }
  SetButtons({});
  const auto days = ReadFolder().Days(venue_);
  for (int i = 0; i < pat::kDayChoices; ++i) option2_[i]->setEnabled(days[i]);
}

void SelectData::Option2_Click(int index) {
  day_ = pat::DayChoiceChar(index);
  for (QCheckBox* check : check1_) {
    check->setEnabled(false);
    check->setChecked(false);
  }
  const auto races = ReadFolder().Races(venue_, day_);
  for (int i = 0; i < pat::kRaceChoices; ++i) check1_[i]->setEnabled(races[i]);
}

void SelectData::Check1_Click(int index) {
  const pat::OutputButtons shown{command1_->isEnabled(), command2_->isEnabled()};
  if (shown.win && shown.quinella) return;
  race_ = pat::RaceChoiceChar(index);
  SetButtons(pat::AfterRaceClick(shown, ReadFolder(), venue_, day_, race_));
}

void SelectData::ShowOdds(pat::OddsSheetKind sheet) {
  pat::OddsViewRequest request{sheet, venue_, day_, {}};
  for (int i = 0; i < pat::kRaceChoices; ++i) request.races[i] = check1_[i]->isChecked();
  context_.run_command([this, &request] {
    const pat::OddsViewResult result = pat::BuildOddsView(request, context_.session);
    // The viewer belongs to the main window, so it stays when this window closes.
    auto* viewer = new PrintText(context_.session, context_.confirm_exit, parentWidget());
    viewer->SetSizeTwips(kViewerWidthTwips, kViewerHeightTwips);
    viewer->SetText(result.text);
    PlaceViewer(*viewer, *this);
    viewer->show();
  });
}

void SelectData::Command1_Click() {
  ShowOdds(pat::OddsSheetKind::kWinPlaceBracket);
}

void SelectData::Command2_Click() {
  ShowOdds(pat::OddsSheetKind::kQuinella);
}

void SelectData::Command3_Click() {
  close();
}

void SelectData::Command4_Click() {
  if (context_.confirm_exit) context_.confirm_exit();
}

}  // namespace mirtote::ui
