// The PAT run's output dialog: load rules, market and race choices, the run buttons.

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/app_context.h"
#include "shell/settings_keys.h"
#include "support/race_fixtures.h"
#include "support/test_support.h"
#include "ui/select_format.h"

using mirtote::MemorySettingsStore;
using mirtote::Session;
using mirtote::app::AppContext;
using mirtote::testing::ScriptedHost;
using mirtote::testing::TempFolder;
using mirtote::ui::SelectFormat;
namespace keys = mirtote::keys;
namespace testing = mirtote::testing;

namespace {

QString Q(const char* utf8) {
  return QString::fromUtf8(utf8);
}

template <typename T>
T* Child(QWidget* parent, const std::string& name) {
  T* child = parent->findChild<T*>(QString::fromStdString(name));
  if (child == nullptr) qFatal("no child %s", name.c_str());
  return child;
}

QRadioButton* Option(QWidget* form, int group, int index) {
  return Child<QRadioButton>(form, "Option" + std::to_string(group) + "_" + std::to_string(index));
}
QCheckBox* Check(QWidget* form, int index) {
  return Child<QCheckBox>(form, "Check1_" + std::to_string(index));
}

}  // namespace

class SelectFormatTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempFolder> start_;
  std::unique_ptr<MemorySettingsStore> settings_;
  std::unique_ptr<ScriptedHost> host_;
  std::unique_ptr<AppContext> context_;
  int exit_requests_ = 0;

  std::unique_ptr<SelectFormat> Open() {
    return std::make_unique<SelectFormat>(*context_, [this] { ++exit_requests_; });
  }
  std::string Team() const { return settings_->GetOr(keys::kStartup, keys::kOddsTeam, "?"); }

  // Boxes and flags agree, and show races 7-12 only (second half) or all races.
  void VerifyRaces(SelectFormat& form, bool second_half) {
    for (int i = 0; i <= 12; ++i) {
      const bool ticked = i == 0 || !second_half || i >= 7;
      QCOMPARE(Check(&form, i)->isChecked(), ticked);
      QCOMPARE(context_->pat_run.race_selection[i], ticked);
    }
    QVERIFY(Option(&form, 1, second_half ? 1 : 0)->isChecked());
  }

 private slots:
  void init() {
    start_ = std::make_unique<TempFolder>();
    settings_ = std::make_unique<MemorySettingsStore>();
    host_ = std::make_unique<ScriptedHost>();
    context_ = std::make_unique<AppContext>(
        AppContext{.session = Session{start_->path(), *settings_, *host_}, .pat_run = {}});
    exit_requests_ = 0;
  }

  void ControlsAsTheDialogShowsThem() {
    auto form = Open();
    QCOMPARE(form->windowTitle(), Q("出力選択"));
    QCOMPARE(Child<QWidget>(form.get(), "Frame3")->property("title").toString(),
             Q("KORVAN Odds Team"));
    QCOMPARE(Child<QWidget>(form.get(), "Frame2")->property("title").toString(),
             Q("出力レース(通常全て選択)"));
    QCOMPARE(Child<QWidget>(form.get(), "Frame1")->property("title").toString(),
             Q("出力フォーマット"));
    const char* markets[] = {"朝市", "昼市", "成績"};
    for (int i = 0; i < 3; ++i) QCOMPARE(Option(form.get(), 2, i)->text(), Q(markets[i]));
    QCOMPARE(Option(form.get(), 1, 0)->text(), Q("全部"));
    QCOMPARE(Option(form.get(), 1, 1)->text(), Q("後半６Ｒのみ"));
    QCOMPARE(Check(form.get(), 0)->text(), Q("前売り"));
    QCOMPARE(Check(form.get(), 12)->text(), Q("12R"));
    const char* formats[] = {"Debug Mode(Clipboard)", "NifTerm PAD Format", "Air Craft PAD Format"};
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(Child<QPushButton>(form.get(), "Command1_" + std::to_string(i))->text(),
               Q(formats[i]));
    }
    QCOMPARE(Child<QPushButton>(form.get(), "Command2")->text(), Q("閉じる"));
    QCOMPARE(Child<QPushButton>(form.get(), "Command3")->text(), Q("全終了"));
    QCOMPARE(Child<QPushButton>(form.get(), "Command4")->text(), Q("時間設定"));
  }

  void LoadFollowsTheStoredMarket() {
    struct Case {
      const char* stored;  // nullptr: key missing
      int market;
      const char* after;
    };
    for (const Case& c : {Case{"M", 0, "M"}, Case{"D", 1, "D"}, Case{"S", 2, "S"},
                          Case{nullptr, 1, "D"}, Case{"x", 1, "D"}, Case{"", 1, "D"}}) {
      init();
      if (c.stored) settings_->Set(keys::kStartup, keys::kOddsTeam, c.stored);
      context_->pat_run.race_selection.fill(false);
      auto form = Open();
      QVERIFY(Option(form.get(), 2, c.market)->isChecked());
      QCOMPARE(Team(), std::string(c.after));
      VerifyRaces(*form, c.market == 1);
    }
  }

  void RaceChoicesFollowMarketAndBoxes() {
    auto form = Open();
    Option(form.get(), 2, 0)->click();
    QCOMPARE(Team(), std::string("M"));
    VerifyRaces(*form, false);

    Check(form.get(), 0)->click();  // 前売り off
    Check(form.get(), 5)->click();  // 5R off
    QVERIFY(!context_->pat_run.race_selection[0]);
    QVERIFY(!context_->pat_run.race_selection[5]);
    QVERIFY(context_->pat_run.race_selection[6]);

    Option(form.get(), 1, 1)->click();
    VerifyRaces(*form, true);
    Check(form.get(), 0)->click();
    Option(form.get(), 1, 1)->click();  // clicked again: 前売り ticked again
    VerifyRaces(*form, true);

    Option(form.get(), 2, 2)->click();
    QCOMPARE(Team(), std::string("S"));
    VerifyRaces(*form, false);
    Option(form.get(), 2, 1)->click();
    QCOMPARE(Team(), std::string("D"));
    VerifyRaces(*form, true);
  }

  void FormatButtonRunsTheOddsRun() {
    namespace fs = std::filesystem;
    testing::RaceCardSpec card;
    card.entries = testing::MakeEntries(8);
    testing::WriteMeeting(start_->path() / "DATA", "東京19980510", {card},
                          testing::HorsesFor(card));
    testing::WritePatFiles(start_->path() / "FILE", testing::ZoName(card), testing::ZoFor(card, 8));
    settings_->Set(keys::kStartup, keys::kOddsTeam, "M");
    auto form = Open();
    context_->pat_run.race_text = "left over";
    context_->pat_run.posting_text = "left over";

    Child<QPushButton>(form.get(), "Command1_0")->click();
    QCOMPARE(context_->pat_run.output_format, '0');
    QVERIFY(context_->pat_run.posting_text.find("left over") == std::string::npos);
    QVERIFY(host_->clipboard.find("ＮＨＫマイルカップ") != std::string::npos);
    QVERIFY(!host_->busy);
    QVERIFY(!context_->command_running);

    // While another command runs, the buttons do nothing.
    context_->command_running = true;
    Child<QPushButton>(form.get(), "Command1_1")->click();
    QCOMPARE(context_->pat_run.output_format, '0');
    context_->command_running = false;

    // "成績" runs the results import instead: no odds are posted.
    Option(form.get(), 2, 2)->click();
    const int writes = host_->clipboard_writes;
    Child<QPushButton>(form.get(), "Command1_0")->click();
    QCOMPARE(host_->clipboard_writes, writes);
    QVERIFY(context_->pat_run.posting_text.empty());
  }

  void OtherButtons() {
    auto form = Open();
    form->show();
    host_->text_answers = {"1000", "1600"};
    Child<QPushButton>(form.get(), "Command4")->click();
    QCOMPARE(settings_->GetOr(keys::kStartup, keys::kStartTime, ""), std::string("1000"));
    QCOMPARE(settings_->GetOr(keys::kStartup, keys::kEndTime, ""), std::string("1600"));

    Child<QPushButton>(form.get(), "Command3")->click();
    QCOMPARE(exit_requests_, 1);
    Child<QPushButton>(form.get(), "Command2")->click();
    QVERIFY(!form->isVisible());
  }
};

QTEST_MAIN(SelectFormatTest)
#include "select_format_test.moc"
