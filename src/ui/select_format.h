#pragma once
// SelectFormat, the output dialog of the PAT runs: the market (morning, noon, results), the
// races to post and the output format whose button starts the run.

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace mirtote::app {
struct AppContext;
}

namespace mirtote::ui {

class SelectFormat : public QDialog {
  Q_OBJECT
 public:
  // `confirm_exit` is the program's exit confirmation, called by "全終了".
  SelectFormat(app::AppContext& context, std::function<void()> confirm_exit,
               QWidget* parent = nullptr);

  void Form_Load();
  void Option2_Click(int index);
  void Option1_Click(int index);
  void Check1_Click(int index);
  void Command1_Click(int index);
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();

 private:
  void BuildControls();

  app::AppContext& context_;
  std::function<void()> confirm_exit_;
  std::array<QRadioButton*, 3> option2_{};
  std::array<QRadioButton*, 2> option1_{};
  std::array<QCheckBox*, 13> check1_{};
  std::array<QPushButton*, 3> command1_{};
};

}  // namespace mirtote::ui
