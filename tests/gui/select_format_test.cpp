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
    const std::pair<const char*, const char*> captions[] = {{"Frame3", "KORVAN Odds Team"},
                                                            {"Frame2", "出力レース(通常全て選択)"},
                                                            {"Frame1", "出力フォーマット"},
                                                            {"Option2_0", "朝市"},
                                                            {"Option2_1", "昼市"},
                                                            {"Option2_2", "成績"},
                                                            {"Option1_0", "全部"},
                                                            {"Option1_1", "後半６Ｒのみ"},
                                                            {"Check1_0", "前売り"},
                                                            {"Check1_12", "12R"},
                                                            {"Command1_0", "Debug Mode(Clipboard)"},
                                                            {"Command1_1", "NifTerm PAD Format"},
                                                            {"Command1_2", "Air Craft PAD Format"},
                                                            {"Command2", "閉じる"},
                                                            {"Command3", "全終了"},
                                                            {"Command4", "時間設定"}};
    for (const auto& [name, caption] : captions) {
      QWidget* control = Child<QWidget>(form.get(), name);
      const char* property = std::string(name).starts_with("Frame") ? "title" : "text";
      QCOMPARE(control->property(property).toString(), Q(caption));
    }
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
    auto form = Open();             // 昼市: races 7-12
    Check(form.get(), 0)->click();  // 前売り off
    Check(form.get(), 8)->click();  // 8R off
    QVERIFY(!context_->pat_run.race_selection[0] && !context_->pat_run.race_selection[8]);
    Option(form.get(), 1, 1)->click();  // clicked again: the boxes and 前売り as the range says
    VerifyRaces(*form, true);
    Option(form.get(), 2, 2)->click();
    QCOMPARE(Team(), std::string("S"));
    VerifyRaces(*form, false);
    Option(form.get(), 2, 1)->click();
    QCOMPARE(Team(), std::string("D"));
    VerifyRaces(*form, true);
  }

  void FormatButtonRunsTheOddsRun() {
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
