#include "ui/odds_history_form.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "history/history_query.h"
#include "history/history_report.h"
#include "shell/viewer_texts.h"
#include "text/files.h"
#include "ui/odds_chart.h"
#include "ui/qt_support.h"
#include "vocab/venues.h"

namespace mirtote::ui {

namespace {

using history::OddsKind;
using history::RaceKey;
using history::RaceSummary;

constexpr std::array<OddsKind, 3> kKinds = {OddsKind::kWin, OddsKind::kPlace, OddsKind::kQuinella};
constexpr std::array<const char*, 3> kKindCaptions = {"単勝", "複勝(中間値)", "馬連(人気上位10組)"};

std::string VenueName(int venue) {
  const vocab::Venue* found = vocab::VenueByNumber(venue);
  return found ? std::string(found->name) : std::to_string(venue);
}

// "2026/05/10"
QString DateCaption(const std::string& yyyymmdd) {
  if (yyyymmdd.size() != 8) return ToQString(yyyymmdd);
  return ToQString(yyyymmdd.substr(0, 4) + "/" + yyyymmdd.substr(4, 2) + "/" +
                   yyyymmdd.substr(6, 2));
}

// "11R 東京優駿  60件 10:00～15:30"
QString RaceCaption(const RaceSummary& summary) {
  std::string caption = std::to_string(summary.race.key.race) + "R";
  if (!summary.race.race_name.empty()) caption += " " + summary.race.race_name;
  caption += "  " + std::to_string(summary.snapshots) + "件 " +
             history::TimeLabel(summary.first_time) + "～" + history::TimeLabel(summary.last_time);
  return ToQString(caption);
}

// Selects the item holding `value`; false when there is none.
bool SelectData(QComboBox& box, const QVariant& value) {
  const int index = box.findData(value);
  if (index < 0) return false;
  box.setCurrentIndex(index);
  return true;
}

// The race updated last among `races` that `keep` lets through (a later odds time wins; the
// first of equals).
const RaceSummary* LatestRace(const std::vector<RaceSummary>& races,
                              const std::function<bool(const RaceKey&)>& keep) {
  const RaceSummary* latest = nullptr;
  for (const RaceSummary& summary : races) {
    if (!keep(summary.race.key)) continue;
    if (latest == nullptr || summary.last_time > latest->last_time) latest = &summary;
  }
  return latest;
}

// "20260510_東京11R_単勝.png"
std::string ImageName(const history::OddsMovement& movement) {
  const RaceKey& key = movement.race.key;
  return key.date + "_" + VenueName(key.venue) + std::to_string(key.race) + "R_" +
         OddsKindCaption(movement.kind) + ".png";
}

}  // namespace

OddsHistoryForm::OddsHistoryForm(DialogContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
  setObjectName(QStringLiteral("OddsHistoryForm"));
  setWindowTitle(ToQString("オッズ推移"));
  setModal(false);
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
  BuildControls();
  resize(TwipsToPixels(15600, 12600));
  follow_timer_ = new QTimer(this);
  follow_timer_->setInterval(kFollowIntervalMs);
  connect(follow_timer_, &QTimer::timeout, this, [this] { Follow(); });
}

void OddsHistoryForm::BuildControls() {
  date_box_ = new QComboBox(this);
  date_box_->setObjectName(QStringLiteral("DateList"));
  venue_box_ = new QComboBox(this);
  venue_box_->setObjectName(QStringLiteral("VenueList"));
  race_box_ = new QComboBox(this);
  race_box_->setObjectName(QStringLiteral("RaceList"));
  race_box_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  connect(date_box_, &QComboBox::currentIndexChanged, this, [this] {
    if (filling_) return;
    FillVenues(Chosen().value_or(RaceKey{}));
    ShowChosen(true);
  });
  connect(venue_box_, &QComboBox::currentIndexChanged, this, [this] {
    if (filling_) return;
    FillRaces(Chosen().value_or(RaceKey{}));
    ShowChosen(true);
  });
  connect(race_box_, &QComboBox::currentIndexChanged, this, [this] {
    if (!filling_) ShowChosen(true);
  });

  auto* choices = new QHBoxLayout;
  choices->addWidget(new QLabel(ToQString("開催日"), this));
  choices->addWidget(date_box_);
  choices->addWidget(new QLabel(ToQString("場所"), this));
  choices->addWidget(venue_box_);
  choices->addWidget(new QLabel(ToQString("レース"), this));
  choices->addWidget(race_box_);
  choices->addSpacing(16);
  for (size_t i = 0; i < kKinds.size(); ++i) {
    kind_options_[i] = new QRadioButton(ToQString(kKindCaptions[i]), this);
    kind_options_[i]->setObjectName(QStringLiteral("Kind_") +
                                    ToQString(history::OddsKindName(kKinds[i])));
    choices->addWidget(kind_options_[i]);
    connect(kind_options_[i], &QRadioButton::toggled, this, [this](bool on) {
      if (on) ShowChosen(true);
    });
  }
  kind_options_[0]->setChecked(true);
  choices->addStretch(1);

  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("Note"));
  note_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  chart_ = new QChart;
  chart_->legend()->setAlignment(Qt::AlignRight);
  QFont legend_font = chart_->legend()->font();
  legend_font.setPointSizeF(legend_font.pointSizeF() * 0.85);
  chart_->legend()->setFont(legend_font);
  chart_->setMargins(QMargins(4, 4, 4, 4));
  chart_view_ = new QChartView(chart_, this);
  chart_view_->setObjectName(QStringLiteral("Chart"));
  chart_view_->setRenderHint(QPainter::Antialiasing);
  chart_view_->setMinimumHeight(TwipsToPixels(3600));

  drop_list_ = new QListWidget(this);
  drop_list_->setObjectName(QStringLiteral("DropList"));
  table_ = new QTableWidget(this);
  table_->setObjectName(QStringLiteral("SnapshotTable"));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->setVisible(false);
  // Wide enough for the longest quinella odds.
  table_->horizontalHeader()->setDefaultSectionSize(
      table_->fontMetrics().horizontalAdvance(QStringLiteral("99999.9")) + 12);

  auto* lists = new QSplitter(Qt::Vertical, this);
  lists->addWidget(chart_view_);
  lists->addWidget(drop_list_);
  lists->addWidget(table_);
  lists->setStretchFactor(0, 6);
  lists->setStretchFactor(1, 1);
  lists->setStretchFactor(2, 3);
  lists->setSizes({TwipsToPixels(7200), TwipsToPixels(1100), TwipsToPixels(2400)});

  command1_ = MakeButton(this, "Command1", "コ ピ ー");
  command2_ = MakeButton(this, "Command2", "画像保存");
  QPushButton* command3 = MakeButton(this, "Command3", "閉じる");
  connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(command2_, &QPushButton::clicked, this, [this] { Command2_Click(); });
  connect(command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(note_, 1);
  for (QPushButton* button : {command1_, command2_, command3}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(lists, 1);
  layout->addLayout(buttons);
}

void OddsHistoryForm::Open() {
  std::string error;
  const auto store = OpenStore(error);
  Reload(store.get(), error);
  follow_timer_->start();
}

std::unique_ptr<history::HistoryStore> OddsHistoryForm::OpenStore(std::string& error) const {
  return history::HistoryStore::Open(history::HistoryPath(context_.session.start_folder),
                                     history::HistoryStore::Mode::kRead, error);
}

void OddsHistoryForm::Follow() {
  // The store is looked at again when the running command ends (it may be writing to it).
  if (context_.command_running && context_.command_running()) return;
  std::string error;
  const auto store = OpenStore(error);
  const long long mark = store ? store->ChangeMark(error) : -1;
  if (mark != change_mark_) Reload(store.get(), error);
}

void OddsHistoryForm::Reload(history::HistoryStore* store, std::string error) {
  const auto path = history::HistoryPath(context_.session.start_folder);
  races_.clear();
  change_mark_ = -1;
  if (store) {
    change_mark_ = store->ChangeMark(error);
    races_ = store->ListRaces("", error);
  }
  const std::optional<RaceKey> wanted = Chosen();
  FillChoices(wanted.value_or(RaceKey{}));
  if (races_.empty()) {
    const std::string file = "\r\nファイル：" + text::PathText(path);
    if (store ? !error.empty() : std::filesystem::exists(path)) {
      ShowNothing("オッズ履歴を読めません。" + file + "\r\n理由：" + error);
    } else {
      ShowNothing("オッズ履歴にスナップショットがありません。" + file);
    }
    return;
  }
  // A choice kept as it was is redrawn only when its snapshots changed.
  ShowChosen(!wanted || Chosen() != wanted);
}

void OddsHistoryForm::FillChoices(const RaceKey& wanted) {
  filling_ = true;
  date_box_->clear();
  // The latest day first.
  for (auto it = races_.rbegin(); it != races_.rend(); ++it) {
    const std::string& date = it->race.key.date;
    if (date_box_->findData(ToQString(date)) < 0)
      date_box_->addItem(DateCaption(date), ToQString(date));
  }
  SelectData(*date_box_, ToQString(wanted.date));
  filling_ = false;
  FillVenues(wanted);
}

void OddsHistoryForm::FillVenues(const RaceKey& wanted) {
  filling_ = true;
  venue_box_->clear();
  const std::string date = ToUtf8(date_box_->currentData().toString());
  for (const RaceSummary& summary : races_) {
    const RaceKey& key = summary.race.key;
    if (key.date == date && venue_box_->findData(key.venue) < 0) {
      venue_box_->addItem(ToQString(VenueName(key.venue)), key.venue);
    }
  }
  if (!SelectData(*venue_box_, wanted.venue)) {
    const RaceSummary* latest =
        LatestRace(races_, [&](const RaceKey& key) { return key.date == date; });
    if (latest != nullptr) SelectData(*venue_box_, latest->race.key.venue);
  }
  filling_ = false;
  FillRaces(wanted);
}

void OddsHistoryForm::FillRaces(const RaceKey& wanted) {
  filling_ = true;
  race_box_->clear();
  const std::string date = ToUtf8(date_box_->currentData().toString());
  const int venue = venue_box_->currentData().toInt();
  const auto here = [&](const RaceKey& key) { return key.date == date && key.venue == venue; };
  for (const RaceSummary& summary : races_) {
    if (here(summary.race.key)) race_box_->addItem(RaceCaption(summary), summary.race.key.race);
  }
  if (!SelectData(*race_box_, wanted.race)) {
    if (const RaceSummary* latest = LatestRace(races_, here)) {
      SelectData(*race_box_, latest->race.key.race);
    }
  }
  filling_ = false;
}

std::optional<RaceKey> OddsHistoryForm::Chosen() const {
  if (date_box_->currentIndex() < 0 || venue_box_->currentIndex() < 0 ||
      race_box_->currentIndex() < 0) {
    return std::nullopt;
  }
  return RaceKey{ToUtf8(date_box_->currentData().toString()), venue_box_->currentData().toInt(),
                 race_box_->currentData().toInt()};
}

OddsKind OddsHistoryForm::ChosenKind() const {
  for (size_t i = 0; i < kKinds.size(); ++i) {
    if (kind_options_[i]->isChecked()) return kKinds[i];
  }
  return OddsKind::kWin;
}

void OddsHistoryForm::ShowChosen(bool force) {
  const std::optional<RaceKey> key = Chosen();
  if (!key) return;
  const OddsKind kind = ChosenKind();
  auto answer = history::ReadOddsMovement({*key, kind, history::kDefaultMinDrop}, context_.session);
  if (!answer.movement) {
    // The store may have been busy or in the middle of a change: the next look reads again.
    change_mark_ = -2;
    return ShowNothing(answer.message);
  }
  const history::OddsMovement& movement = *answer.movement;
  if (!force && shown_ && shown_->race.key == *key && shown_->kind == kind &&
      shown_->csv == movement.csv) {
    return;
  }
  DrawOddsMovement(*chart_, movement, kind == OddsKind::kWin);
  drop_list_->clear();
  for (const history::MovementDrop& drop : movement.drops)
    drop_list_->addItem(ToQString(drop.text));
  if (movement.drops.empty())
    drop_list_->addItem(ToQString("急落なし（単勝オッズ 30% 以上の下落）"));
  FillTable(movement.csv);
  std::string note = std::to_string(movement.race.runners) + "頭  スナップショット " +
                     std::to_string(movement.snapshots.size()) + "件";
  if (movement.untimed > 0) {
    note += "（うち時刻のない " + std::to_string(movement.untimed) + "件はグラフにありません）";
  }
  // Horse names missing because a file of DATA could not be read: said here, not in a box
  // that would come back with every new snapshot.
  for (const std::string& failure : answer.read_failures)
    note += "\r\n読めないファイル：" + failure;
  note_->setText(DisplayText(note));
  command1_->setEnabled(true);
  command2_->setEnabled(true);
  shown_ = std::move(answer.movement);
}

void OddsHistoryForm::ShowNothing(const std::string& message) {
  chart_->removeAllSeries();
  for (QAbstractAxis* axis : chart_->axes()) {
    chart_->removeAxis(axis);
    delete axis;
  }
  chart_->setTitle(QString());
  drop_list_->clear();
  table_->clear();
  table_->setRowCount(0);
  table_->setColumnCount(0);
  note_->setText(DisplayText(message));
  command1_->setEnabled(false);
  command2_->setEnabled(false);
  shown_.reset();
}

void OddsHistoryForm::FillTable(const std::string& csv) {
  std::vector<QStringList> rows;
  for (const QString& line : ToQString(csv).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
    rows.push_back(line.split(QLatin1Char(',')));
  }
  table_->clear();
  table_->setRowCount(rows.empty() ? 0 : static_cast<int>(rows.size()) - 1);
  table_->setColumnCount(rows.empty() ? 0 : static_cast<int>(rows.front().size()));
  if (rows.empty()) return;
  table_->setHorizontalHeaderLabels(rows.front());
  for (size_t r = 1; r < rows.size(); ++r) {
    for (int c = 0; c < rows[r].size(); ++c) {
      auto* item = new QTableWidgetItem(rows[r][c]);
      if (c >= 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(static_cast<int>(r) - 1, c, item);
    }
  }
  table_->scrollToBottom();
}

void OddsHistoryForm::Command1_Click() {
  if (!shown_) return;
  context_.session.host.SetClipboardText(shown_->csv);
  if (context_.show_status)
    context_.show_status("オッズ推移の CSV をクリップボードにコピーしました");
}

void OddsHistoryForm::Command2_Click() {
  if (!shown_) return;
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  chart_view_->grab().save(&buffer, "PNG");
  FileDialogRequest request;
  request.title = "グラフの保存";
  request.initial_folder = text::PathText(context_.session.start_folder);
  request.default_name = ImageName(*shown_);
  request.filter = "PNG画像 (*.png)|*.png|";
  SaveFileBytes(context_.session, request, std::string_view(png.constData(), png.size()));
}

void OddsHistoryForm::Command3_Click() {
  close();
}

}  // namespace mirtote::ui
