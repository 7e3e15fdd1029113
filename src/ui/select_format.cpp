#include "ui/select_format.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <ctime>

#include "pat/pat_run.h"
#include "shell/settings_keys.h"
#include "shell/work_folders.h"
#include "ui/qt_support.h"

namespace mirtote::ui {

namespace {

constexpr int kAllRaces = 0;
constexpr int kSecondHalf = 1;

QString Text(const char* utf8) {
  return QString::fromUtf8(utf8);
}

QString IndexedName(const char* name, int index) {
  return Text(name) + QLatin1Char('_') + QString::number(index);
}

}  // namespace

SelectFormat::SelectFormat(DialogContext context, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
  setObjectName(QStringLiteral("SelectFormat"));
  setWindowTitle(Text("出力選択"));
  UseDialogFrame(*this);
  setModal(false);
  BuildControls();
  Form_Load();
}

void SelectFormat::BuildControls() {
  auto* frame3 = new QGroupBox(Text("KORVAN Odds Team"), this);
  frame3->setObjectName(QStringLiteral("Frame3"));
  auto* frame3_layout = new QHBoxLayout(frame3);
  const std::array<const char*, 3> market_captions = {"朝市", "昼市", "成績"};
  for (int i = 0; i < 3; ++i) {
    option2_[i] = new QRadioButton(Text(market_captions[i]), frame3);
    option2_[i]->setObjectName(IndexedName("Option2", i));
    frame3_layout->addWidget(option2_[i]);
    connect(option2_[i], &QRadioButton::clicked, this, [this, i] { Option2_Click(i); });
  }
  auto* command4 = new QPushButton(Text("時間設定"), this);
  command4->setObjectName(QStringLiteral("Command4"));
  connect(command4, &QPushButton::clicked, this, [this] { Command4_Click(); });

  auto* frame2 = new QGroupBox(Text("出力レース(通常全て選択)"), this);
  frame2->setObjectName(QStringLiteral("Frame2"));
  auto* frame2_layout = new QGridLayout(frame2);
  const std::array<const char*, 2> range_captions = {"全部", "後半６Ｒのみ"};
  for (int i = 0; i < 2; ++i) {
    option1_[i] = new QRadioButton(Text(range_captions[i]), frame2);
    option1_[i]->setObjectName(IndexedName("Option1", i));
    frame2_layout->addWidget(option1_[i], 0, i * 2, 1, 2);
    connect(option1_[i], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
  }
  for (int i = 0; i <= 12; ++i) {
    QString caption = i == 0 ? Text("前売り") : QString::number(i) + QLatin1Char('R');
    check1_[i] = new QCheckBox(caption, frame2);
    check1_[i]->setObjectName(IndexedName("Check1", i));
  }
  frame2_layout->addWidget(check1_[0], 1, 0, 1, 2);
  for (int race = 1; race <= 12; ++race) {
    frame2_layout->addWidget(check1_[race], 2 + (race - 1) / 4, (race - 1) % 4);
  }

  auto* frame1 = new QGroupBox(Text("出力フォーマット"), this);
  frame1->setObjectName(QStringLiteral("Frame1"));
  auto* frame1_layout = new QVBoxLayout(frame1);
  const std::array<const char*, 3> format_captions = {"Debug Mode(Clipboard)", "NifTerm PAD Format",
                                                      "Air Craft PAD Format"};
  for (int i = 0; i < 3; ++i) {
    command1_[i] = new QPushButton(Text(format_captions[i]), frame1);
    command1_[i]->setObjectName(IndexedName("Command1", i));
    command1_[i]->setAutoDefault(false);
    frame1_layout->addWidget(command1_[i]);
    connect(command1_[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
  }

  auto_run_ = new QCheckBox(Text("PATファイル更新時に自動実行"), this);
  auto_run_->setObjectName(QStringLiteral("AutoRun"));
  connect(auto_run_, &QCheckBox::clicked, this, [this] { AutoRun_Click(); });
  watch_status_ = new QLabel(this);
  watch_status_->setObjectName(QStringLiteral("WatchStatus"));
  watch_timer_ = new QTimer(this);
  watch_timer_->setObjectName(QStringLiteral("WatchTimer"));
  watch_timer_->setInterval(pat::kWatchLookInterval);
  connect(watch_timer_, &QTimer::timeout, this, [this] { WatchTimer_Timer(); });

  auto* command2 = new QPushButton(Text("閉じる"), this);
  command2->setObjectName(QStringLiteral("Command2"));
  connect(command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  auto* command3 = new QPushButton(Text("全終了"), this);
  command3->setObjectName(QStringLiteral("Command3"));
  connect(command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
  for (QPushButton* button : {command2, command3, command4}) button->setAutoDefault(false);

  auto* top = new QHBoxLayout;
  top->addWidget(frame3, 1);
  top->addWidget(command4);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(command2);
  bottom->addWidget(command3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(frame2);
  layout->addWidget(frame1);
  layout->addWidget(auto_run_);
  layout->addWidget(watch_status_);
  layout->addLayout(bottom);
}

void SelectFormat::Form_Load() {
  const pat::Market market =
      pat::MarketOrNoon(context_.session.settings.GetOr(keys::kStartup, keys::kOddsTeam, ""));
  const int index = static_cast<int>(market);
  option2_[index]->setChecked(true);
  // Stores the market (an unknown value becomes noon) and ticks its races.
  Option2_Click(index);
  auto_run_->setChecked(context_.session.settings.GetOr(keys::kStartup, keys::kAutoRun, "0") ==
                        "1");
}

void SelectFormat::Option2_Click(int index) {
  const auto market = static_cast<pat::Market>(index);
  context_.session.settings.Set(keys::kStartup, keys::kOddsTeam, pat::MarketCode(market));
  // The watch follows the odds files: the results import has none to follow.
  auto_run_->setEnabled(market != pat::Market::kResults);
  if (market == pat::Market::kResults) {
    watch_request_.reset();
    FollowWatch();
  }
  const bool all = pat::DefaultRaceSelection(market).Has(1);
  option1_[all ? kAllRaces : kSecondHalf]->setChecked(true);
  Option1_Click(all ? kAllRaces : kSecondHalf);
}

void SelectFormat::Option1_Click(int index) {
  for (int race = 1; race <= pat::kRacesPerDay; ++race) {
    check1_[race]->setChecked(index == kAllRaces || race >= 7);
  }
  check1_[0]->setChecked(true);
}

// The boxes are the selection: the run reads them when it starts.
pat::PatRunRequest SelectFormat::Request(pat::OutputFormat format) const {
  pat::PatRunRequest request;
  for (int i = 0; i < 3; ++i) {
    if (option2_[i]->isChecked()) request.market = static_cast<pat::Market>(i);
  }
  request.format = format;
  for (int race = 1; race <= pat::kRacesPerDay; ++race) {
    request.selection.races[race - 1] = check1_[race]->isChecked();
  }
  request.selection.advance_sale = check1_[0]->isChecked();
  return request;
}

void SelectFormat::Command1_Click(int index) {
  Run(Request(static_cast<pat::OutputFormat>(index)));
}

void SelectFormat::Run(const pat::PatRunRequest& request) {
  context_.run_command([this, &request] {
    const Session& session = context_.session;
    // The files as the run starts to read them: a fetch still being written is read
    // again once it has settled.
    detector_.Ran(pat::SnapshotPatFolder(pat::PatInstallFolder(session)),
                  pat::SettleDetector::Clock::now());
    session.host.SetBusy(true);
    const pat::PatRunResult result = pat::RunPatOutput(request, session);
    session.host.SetBusy(false);
    if (request.market == pat::Market::kResults || result.folder_missing) {
      watch_request_.reset();
    } else {
      watch_request_ = request;
      const std::time_t now = std::time(nullptr);
      std::tm local{};
      localtime_r(&now, &local);
      last_run_ = pat::WatchRunSummary(local, result.races_posted);
    }
    // Where the posting script went, without a box of its own.
    if (!result.script_file.empty() && context_.show_status) {
      context_.show_status(pat::ScriptFileNotice(result.script_file));
    }
  });
  FollowWatch();
}

void SelectFormat::FollowWatch() {
  if (auto_run_->isChecked() && watch_request_) {
    if (!watch_timer_->isActive()) watch_timer_->start();
  } else {
    watch_timer_->stop();
  }
  ShowWatchStatus();
}

void SelectFormat::ShowWatchStatus() {
  QString status;
  if (!last_run_.empty()) status = Text("最終実行 ") + QString::fromStdString(last_run_);
  if (watch_timer_->isActive()) {
    status += Text(detector_.Changing() ? "　PATファイル更新中" : "　PATファイル監視中");
  }
  watch_status_->setText(status);
}

void SelectFormat::AutoRun_Click() {
  context_.session.settings.Set(keys::kStartup, keys::kAutoRun, auto_run_->isChecked() ? "1" : "0");
  FollowWatch();
}

// A run starts once the files have settled; when another command is running it starts at
// a later look.
void SelectFormat::WatchTimer_Timer() {
  if (!watch_request_) return FollowWatch();
  const auto files = pat::SnapshotPatFolder(pat::PatInstallFolder(context_.session));
  if (detector_.Observe(files, pat::SettleDetector::Clock::now())) {
    const pat::PatRunRequest request = *watch_request_;
    Run(request);
  }
  ShowWatchStatus();
}

void SelectFormat::closeEvent(QCloseEvent* event) {
  watch_request_.reset();
  FollowWatch();
  QDialog::closeEvent(event);
}

void SelectFormat::Command2_Click() {
  close();
}

void SelectFormat::Command3_Click() {
  if (context_.confirm_exit) context_.confirm_exit();
}

void SelectFormat::Command4_Click() {
  EditProcessingWindow(context_.session);
}

}  // namespace mirtote::ui
