// The PAT run's output dialog: load rules, market and race choices, the run buttons.

#include "ui/select_format.h"
#include "gui/form_harness.h"
#include "support/race_fixtures.h"

#include <fstream>

using mirtote::ui::SelectFormat;
namespace testing = mirtote::testing;

class SelectFormatTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<FormHarness> h_;
  int exit_requests_ = 0;

  std::unique_ptr<SelectFormat> Open() {
    mirtote::ui::DialogContext context = mirtote::app::DialogContextOf(h_->context);
    context.confirm_exit = [this] { ++exit_requests_; };
    return std::make_unique<SelectFormat>(context);
  }
  static QAbstractButton* Button(SelectFormat& form, const std::string& name) {
    return Child<QAbstractButton>(&form, name);
  }

  // The boxes show races 7-12 only (second half) or all races, and the advance sale.
  void VerifyRaces(SelectFormat& form, bool second_half) {
    for (int i = 0; i <= 12; ++i) {
      const bool ticked = i == 0 || !second_half || i >= 7;
      QCOMPARE(Button(form, "Check1_" + std::to_string(i))->isChecked(), ticked);
    }
    QVERIFY(Button(form, second_half ? "Option1_1" : "Option1_0")->isChecked());
  }

 private slots:
  void init() {
    h_ = std::make_unique<FormHarness>(false);
    h_->context.session.start_folder = h_->folder.path();
    exit_requests_ = 0;
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
      if (c.stored) h_->store.Set(keys::kStartup, keys::kOddsTeam, c.stored);
      auto form = Open();
      QCOMPARE(form->windowTitle(), testing::Q("出力選択"));
      QVERIFY(Button(*form, "Option2_" + std::to_string(c.market))->isChecked());
      QCOMPARE(h_->Startup("OddsTeam"), std::string(c.after));
      VerifyRaces(*form, c.market == 1);
    }
  }

  void RaceChoicesFollowMarketAndBoxes() {
    auto form = Open();                   // 昼市: races 7-12
    Button(*form, "Check1_0")->click();   // 前売り off
    Button(*form, "Check1_8")->click();   // 8R off
    Button(*form, "Option1_1")->click();  // clicked again: the boxes and 前売り as the range says
    VerifyRaces(*form, true);
    Button(*form, "Option2_2")->click();
    QCOMPARE(h_->Startup("OddsTeam"), std::string("S"));
    VerifyRaces(*form, false);
    Button(*form, "Option2_1")->click();
    QCOMPARE(h_->Startup("OddsTeam"), std::string("D"));
    VerifyRaces(*form, true);
  }

  void FormatButtonRunsTheOddsRun() {
    testing::RaceCardFields card;
    card.entries = testing::MakeEntries(8);
    testing::WriteMeeting(h_->folder.path() / "DATA", "東京19980510", {card},
                          testing::HorsesFor(card));
    testing::WritePatFiles(h_->folder.path() / "FILE", testing::ZoName(card),
                           testing::ZoFor(card, 8));
    h_->store.Set(keys::kStartup, keys::kOddsTeam, "M");
    auto form = Open();
    Button(*form, "Command1_0")->click();
    const std::string first = h_->host.clipboard;
    QVERIFY(first.find("ＮＨＫマイルカップ") != std::string::npos);
    QVERIFY(!h_->host.busy);
    QVERIFY(!h_->context.command_running);
    // A second run posts the race again from nothing: the clipboard holds one race.
    Button(*form, "Command1_0")->click();
    QCOMPARE(h_->host.clipboard, first);
    QCOMPARE(h_->host.clipboard_writes, 2);

    // While another command runs, the buttons do nothing.
    h_->context.command_running = true;
    Button(*form, "Command1_0")->click();
    QCOMPARE(h_->host.clipboard_writes, 2);
    h_->context.command_running = false;

    // "成績" runs the results import instead: no odds are posted.
    Button(*form, "Option2_2")->click();
    Button(*form, "Command1_0")->click();
    QCOMPARE(h_->host.clipboard_writes, 2);
  }

  // The watch on PAT's folder: a fetch written as a half file and then the whole file gives
  // exactly one rerun, of the whole file; none while another command runs; unticking the box
  // or closing the dialog ends the watch.
  void WatchRerunsOnceAfterAFetchSettles() {
    testing::RaceCardFields card;
    card.entries = testing::MakeEntries(8);
    testing::WriteMeeting(h_->folder.path() / "DATA", "東京19980510", {card},
                          testing::HorsesFor(card));
    const fs::path pat = h_->folder.path() / "FILE";
    mirtote::pat::ZoContent zo = testing::ZoFor(card, 8);
    testing::WritePatFiles(pat, testing::ZoName(card), zo);
    h_->store.Set(keys::kStartup, keys::kOddsTeam, "M");
    auto form = Open();
    form->show();
    auto* status = Child<QLabel>(form.get(), "WatchStatus");
    auto* timer = Child<QTimer>(form.get(), "WatchTimer");
    Button(*form, "AutoRun")->click();
    QCOMPARE(h_->Startup("AutoRun"), "1"s);
    Button(*form, "Command1_0")->click();
    QCOMPARE(h_->host.clipboard_writes, 1);
    QVERIFY(status->text().contains(Q("投稿 1 レース")));

    auto fetch = [&](const char* win_odds, size_t cut) {
      zo.horses[0].win = win_odds;
      const std::string bytes = mirtote::pat::BuildZoFile(zo, mirtote::pat::PatLayout::kPat95);
      std::ofstream(pat / testing::ZoName(card), std::ios::binary) << bytes.substr(0, cut);
    };
    fetch("88.8", 300);
    QTRY_VERIFY(status->text().contains(Q("更新中")));
    fetch("88.8", std::string::npos);
    QTRY_COMPARE_WITH_TIMEOUT(h_->host.clipboard_writes, 2, 10000);
    QTest::qWait(1500);  // settle time and more: no second run
    QCOMPARE(h_->host.clipboard_writes, 2);
    const std::string watched = h_->host.clipboard;
    Button(*form, "Command1_0")->click();
    QCOMPARE(h_->host.clipboard, watched);
    QVERIFY(watched.find("88.8") != std::string::npos);

    // Another command runs: the rerun waits for its end.
    h_->context.command_running = true;
    fetch("77.7", std::string::npos);
    QTest::qWait(1500);
    QCOMPARE(h_->host.clipboard_writes, 3);
    h_->context.command_running = false;
    QTRY_COMPARE_WITH_TIMEOUT(h_->host.clipboard_writes, 4, 10000);

    Button(*form, "AutoRun")->click();
    QCOMPARE(h_->Startup("AutoRun"), "0"s);
    QVERIFY(!timer->isActive());
    Button(*form, "AutoRun")->click();
    QVERIFY(timer->isActive());
    Button(*form, "Command2")->click();
    QVERIFY(!timer->isActive());
    // The results market has no odds files to follow.
    form->show();
    Button(*form, "Option2_2")->click();
    QVERIFY(!Button(*form, "AutoRun")->isEnabled());
  }

  // NifTerm and Air Craft name their script in the main window's status bar, with no box.
  void ScriptFileShownInTheStatusBar() {
    FormHarness h;
    auto& main_form = h.Load();
    testing::RaceCardFields card;
    card.entries = testing::MakeEntries(8);
    testing::WriteMeeting(h.folder.path() / "DATA", "東京19980510", {card},
                          testing::HorsesFor(card));
    testing::WritePatFiles(h.folder.path() / "FILE", testing::ZoName(card),
                           testing::ZoFor(card, 8));
    h.store.Set(keys::kStartup, keys::kOddsTeam, "M");
    h.store.Set(keys::kStartup, keys::kOddsLogFolder, (h.folder.path() / "FILE").string());
    SelectFormat form(mirtote::app::DialogContextOf(h.context));
    for (const char* button : {"Command1_1", "Command1_2"}) {
      main_form.statusBar()->clearMessage();
      Button(form, button)->click();
      const QString shown = main_form.statusBar()->currentMessage();
      const QString notice = testing::Q("投稿スクリプトファイル: ");
      QVERIFY2(shown.startsWith(notice), qPrintable(shown));
      QVERIFY(fs::is_regular_file(shown.mid(notice.size()).toStdString()));
    }
  }

  void OtherButtons() {
    auto form = Open();
    form->show();
    h_->host.text_answers = {"1000", "1600"};
    Button(*form, "Command4")->click();
    QCOMPARE(h_->Startup("StartTime"), std::string("1000"));
    QCOMPARE(h_->Startup("EndTime"), std::string("1600"));
    Button(*form, "Command3")->click();
    QCOMPARE(exit_requests_, 1);
    Button(*form, "Command2")->click();
    QVERIFY(!form->isVisible());
  }
};

QTEST_MAIN(SelectFormatTest)
#include "select_format_test.moc"
