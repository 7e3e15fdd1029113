#pragma once
// SDataSelect, the results selection: a race day from the results files of SEISEKI, one of
// two report modes (one race, or the payouts of the whole day), venues and races; "実　　行"
// runs the report and hands it to the single-race or the day results viewer.

#include <QDialog>
#include <array>
#include <string>

#include "results/results_files.h"
#include "ui/dialog_context.h"

class QCheckBox;
class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace mirtote::ui {

class SDataSelect : public QDialog {
  Q_OBJECT
 public:
  explicit SDataSelect(DialogContext context, QWidget* parent = nullptr);

  // Opening (again): the date list is built afresh and the one-race mode chosen.
  void Open();

  void Option1_Click();       // "競走結果(１レース毎)"
  void Option2_Click();       // "払戻情報(開催日毎)"
  void List1_Click();         // a date entry
  void Option3_Click(int i);  // venue i, one-race mode
  void Check1_Click();        // a venue box, per-day mode
  void Command1_Click();      // "実　　行"
  void Command2_Click();      // "閉じる"
  void Command3_Click();      // "全終了"

 private:
  void BuildControls();
  // Fills the date list once after opening; false when there is no results file at all.
  bool FillDateList(bool report_none);
  // The stem of the selected date entry; empty when none is selected.
  std::string SelectedStem() const;
  void RunRaceReport();
  void RunDayReport();

  DialogContext context_;
  bool list_built_ = false;
  QRadioButton* option1_;
  QRadioButton* option2_;
  QListWidget* list1_;
  QGroupBox* frame2_;
  QGroupBox* frame3_;
  std::array<QRadioButton*, results::kVenueCount> option3_{};
  std::array<QCheckBox*, results::kVenueCount> check1_{};
  std::array<QRadioButton*, results::kRaceCount> option4_{};
  std::array<QCheckBox*, results::kRaceCount> check2_{};
  QPushButton* command1_;
};

}  // namespace mirtote::ui
