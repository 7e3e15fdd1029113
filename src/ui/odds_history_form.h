#pragma once
// OddsHistoryForm, "オッズ推移": a race chosen from the odds history by date, venue and race;
// its odds movement as a chart (win, place or quinella), the falls of the win odds listed
// under it and the snapshots as a table. The form follows the store while it is open: new
// snapshots (of this program's runs or of another instance) are shown without losing the
// choice.

#include <QDialog>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/history_store.h"
#include "history/odds_movement.h"
#include "ui/dialog_context.h"

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTimer;

namespace mirtote::ui {

class OddsHistoryForm : public QDialog {
  Q_OBJECT
 public:
  // How often the store is looked at for snapshots of other instances.
  static constexpr int kFollowIntervalMs = 1000;

  explicit OddsHistoryForm(DialogContext context, QWidget* parent = nullptr);

  // Opening (again): the choices are read from the store; an earlier choice is kept.
  void Open();
  // Reads the store again when snapshots were added since the last look; nothing while a
  // command runs.
  void Follow();

  void Command1_Click();  // "コ ピ ー": the CSV of the snapshots shown
  void Command2_Click();  // "画像保存": the chart as PNG
  void Command3_Click();  // "閉じる"

  QChart* chart() const { return chart_; }
  // The movement shown; nothing while the store has none for the choice.
  const std::optional<history::OddsMovement>& shown() const { return shown_; }

 private:
  void BuildControls();
  std::unique_ptr<history::HistoryStore> OpenStore(std::string& error) const;
  // Reads the choices from `store` (none: it could not be opened, for the reason `error`).
  void Reload(history::HistoryStore* store, std::string error);
  // Fills the date, venue and race boxes from races_, choosing `wanted` where it exists.
  void FillChoices(const history::RaceKey& wanted);
  void FillVenues(const history::RaceKey& wanted);
  void FillRaces(const history::RaceKey& wanted);
  std::optional<history::RaceKey> Chosen() const;
  history::OddsKind ChosenKind() const;
  // Shows the chosen race; `force` redraws even when its snapshots are unchanged.
  void ShowChosen(bool force);
  void ShowNothing(const std::string& message);
  void FillTable(const std::string& csv);

  DialogContext context_;
  std::vector<history::RaceSummary> races_;
  long long change_mark_ = -1;  // -1: not looked yet or no store; -2: look again
  bool filling_ = false;        // the boxes are being filled, not chosen by the user
  std::optional<history::OddsMovement> shown_;

  QComboBox* date_box_;
  QComboBox* venue_box_;
  QComboBox* race_box_;
  std::array<QRadioButton*, 3> kind_options_{};
  QLabel* note_;
  QChart* chart_;
  QChartView* chart_view_;
  QListWidget* drop_list_;
  QTableWidget* table_;
  QPushButton* command1_;
  QPushButton* command2_;
  QTimer* follow_timer_;
};

}  // namespace mirtote::ui
