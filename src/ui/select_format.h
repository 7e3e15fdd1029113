#pragma once
// SelectFormat, the output dialog of the PAT runs: the market (morning, noon, results), the
// races to post and the output format whose button starts the run. With "PATファイル更新時に
// 自動実行" ticked, an odds run is followed by a watch on PAT's folder that runs the same
// request again after every fetch, until the box is cleared or the dialog closed.

#include <QDialog>
#include <array>
#include <optional>

#include "pat/pat_folder_watch.h"
#include "pat/pat_run_request.h"
#include "ui/dialog_context.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

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
  void AutoRun_Click();
  void WatchTimer_Timer();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  // The run the dialog shows: the market, the ticked races and the advance sale.
  pat::PatRunRequest Request(pat::OutputFormat format) const;
  // Runs `request` unless another command runs.
  void Run(const pat::PatRunRequest& request);
  // Looks at PAT's folder while the box is ticked and an odds run has been made.
  void FollowWatch();
  void ShowWatchStatus();

  DialogContext context_;
  std::array<QRadioButton*, 3> option2_{};
  std::array<QRadioButton*, 2> option1_{};
  std::array<QCheckBox*, 13> check1_{};
  std::array<QPushButton*, 3> command1_{};
  QCheckBox* auto_run_ = nullptr;
  QLabel* watch_status_ = nullptr;
  QTimer* watch_timer_ = nullptr;
  pat::SettleDetector detector_{pat::kWatchSettleTime};
  std::optional<pat::PatRunRequest> watch_request_;  // the last odds run, repeated by the watch
  std::string last_run_;                             // its time and races posted
};

}  // namespace mirtote::ui
