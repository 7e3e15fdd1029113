#pragma once
// SelectData, the odds display selection: a venue, a meeting day and races of the
// pseudo-PAT folder, and the buttons that lay their odds out in the odds viewer.

#include <QDialog>
#include <array>

#include "pat/odds_selection.h"
#include "pat/odds_view.h"
#include "ui/dialog_context.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace mirtote::ui {

class SelectData : public QDialog {
  Q_OBJECT
 public:
  explicit SelectData(DialogContext context, QWidget* parent = nullptr);

  // Offers the venues that have odds files; everything else off and unchosen. Runs at every
  // opening, so that files converted meanwhile are offered.
  void OddsDataCheck();
  void Option1_Click(int index);  // a venue
  void Option2_Click(int index);  // a meeting day
  void Check1_Click(int index);   // a race box, checked or not
  void Command1_Click();          // "単複・枠連"
  void Command2_Click();          // "馬　連"
  void Command3_Click();          // "閉じる"
  void Command4_Click();          // "全終了"

 private:
  void BuildControls();
  pat::OddsFolderIndex ReadFolder() const;
  void SetButtons(pat::OutputButtons buttons);
  // Lays the checked races out and shows them in a new odds viewer.
  void ShowOdds(pat::OddsSheetKind sheet);

  DialogContext context_;
  std::array<QRadioButton*, pat::kVenueChoices> option1_{};
  std::array<QRadioButton*, pat::kDayChoices> option2_{};
  std::array<QCheckBox*, pat::kRaceChoices> check1_{};
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  // The remembered choices: file-name characters of the venue, the day and the race.
  char venue_ = '\0';
  char day_ = '\0';
  char race_ = '\0';
};

}  // namespace mirtote::ui
