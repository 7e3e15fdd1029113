#pragma once
// SelectFormat, the output dialog of the PAT runs: the market (morning, noon, results), the
// races to post and the output format whose button starts the run.

#include <QDialog>
#include <array>

#include "pat/pat_run_request.h"
#include "ui/dialog_context.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace mirtote::ui {

class SelectFormat : public QDialog {
  Q_OBJECT
 public:
  explicit SelectFormat(DialogContext context, QWidget* parent = nullptr);

  void Form_Load();
  void Option2_Click(int index);
  void Option1_Click(int index);
  void Command1_Click(int index);
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();

 private:
  void BuildControls();
  // The run the dialog shows: the market, the ticked races and the advance sale.
  pat::PatRunRequest Request(pat::OutputFormat format) const;

  DialogContext context_;
  std::array<QRadioButton*, 3> option2_{};
  std::array<QRadioButton*, 2> option1_{};
  std::array<QCheckBox*, 13> check1_{};
  std::array<QPushButton*, 3> command1_{};
};

}  // namespace mirtote::ui
