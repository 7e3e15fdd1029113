// The main window's start-up: working folders, option check marks, placement restore.

#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QtTest>

#include "app/startup_answers_host.h"
#include "gui/form_harness.h"

using namespace std::string_literals;
using mirtote::MessageIcon;
using mirtote::keys::kForm;
using mirtote::keys::kStartup;
using mirtote::testing::FormHarness;
namespace fs = std::filesystem;

namespace {

bool Checked(const QWidget& form, const char* item) {
  return form.findChild<QAction*>(QString::fromLatin1(item))->isChecked();
}

int Pixels(int twips) {
  return qRound(twips * QGuiApplication::primaryScreen()->logicalDotsPerInch() / 1440.0);
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void firstStartWithEmptyStore() {
    FormHarness h;
    auto& form = h.Load();
    QVERIFY(h.loaded);
    QVERIFY(h.host.messages.empty());
    QCOMPARE(h.context.session.start_folder, h.folder.path());
    QVERIFY(form.windowState().testFlag(Qt::WindowMaximized));
    QCOMPARE(h.Startup("PatType"), "PAT95"s);
    QCOMPARE(h.Startup("FileExtType"), "ALL"s);
    QCOMPARE(h.Startup("StartTime"), "0900"s);
    QCOMPARE(h.Startup("EndTime"), "1700"s);
    QCOMPARE(h.Startup("OddsFileType"), "<none>"s);
    QVERIFY(Checked(form, "SelPAT95") && !Checked(form, "SelPAT31"));
    QVERIFY(Checked(form, "FileSel1_ALL"));
    QVERIFY(!Checked(form, "FileSel1_ODS") && !Checked(form, "FileSel1_TXT"));
    QVERIFY(Checked(form, "FileSel2_CSV") && !Checked(form, "FileSel2_JRA"));
    auto* jra = form.findChild<QAction*>(QStringLiteral("FileSel2_JRA"));
    QVERIFY(jra->isVisible() && !jra->isEnabled());
    QCOMPARE(h.store.size(), size_t{4});  // nothing of the placement is written at start
  }

  void missingDataAskedOnceYesCreatesIt() {
    FormHarness h;
    fs::remove(h.folder.path() / "DATA");
    h.host.yes_no_answers = {true};
    h.Load();
    QVERIFY(h.loaded);
    QCOMPARE(h.host.messages.size(), size_t{1});
    const auto& question = h.host.messages[0];
    QVERIFY(question.question);
    QCOMPARE(question.title, "確認"s);
    QCOMPARE(question.icon, MessageIcon::kInformation);
    QCOMPARE(
        question.text,
        "処理データ格納用のフォルダが\r存在しません。\r\r\"DATA\" フォルダを作成しますか？\r"s);
    QVERIFY(fs::is_directory(h.folder.path() / "DATA"));
  }

  void missingDataNoEndsTheProgram() {
    FormHarness h;
    fs::remove(h.folder.path() / "DATA");
    h.host.yes_no_answers = {false};
    auto& form = h.Load();
    QVERIFY(!h.loaded);
    QCOMPARE(h.host.messages.size(), size_t{2});
    QCOMPARE(h.host.messages[1].title, "終了確認"s);
    QCOMPARE(h.host.messages[1].text, "必要なフォルダが準備できません\rので終了します。\r"s);
    QCOMPARE(h.host.messages[1].icon, MessageIcon::kInformation);
    QVERIFY(!fs::exists(h.folder.path() / "DATA"));
    QVERIFY(!form.isVisible());
    // The start ended before the option menus were read.
    QCOMPARE(h.Startup("PatType"), "<none>"s);
  }

  // Agreed but impossible (a file stands where the folder should be): the start ends.
  void folderThatCannotBeCreatedEndsTheStart() {
    FormHarness h;
    fs::remove(h.folder.path() / "Work");
    h.folder.Write("Work", "not a folder");
    h.host.yes_no_answers = {true};
    h.Load();
    QVERIFY(!h.loaded);
    QCOMPARE(h.host.messages.size(), size_t{2});
    QVERIFY(h.host.messages[1].text.find("Work") != std::string::npos);
    QVERIFY(fs::is_regular_file(h.folder.path() / "Work"));
  }

  // --yes: the start-up questions are taken as answered Yes without being shown.
  void startupAnswersHostAgreesSilently() {
    FormHarness h(false);
    mirtote::app::StartupAnswersHost answering(h.host);
    answering.answer_yes = true;
    mirtote::app::AppContext context{mirtote::Session{{}, h.store, answering}, {}};
    mirtote::app::MainFormOptions options;
    options.no_splash = true;
    options.start_folder = h.folder.path();
    mirtote::app::Main_Form form(context, options);
    QVERIFY(form.MDIForm_Load());
    QVERIFY(h.host.messages.empty());
    for (auto name : mirtote::kWorkFolders) QVERIFY(fs::is_directory(h.folder.path() / name));
  }

  void optionMarksFollowTheStore_data() {
    QTest::addColumn<QString>("pat_type");
    QTest::addColumn<QString>("file_ext_type");
    QTest::addColumn<QString>("stored_pat_type");
    QTest::addColumn<QString>("stored_file_ext_type");
    QTest::addColumn<QString>("checked");  // the items expected checked, blank-separated
    QTest::newRow("PAT31 / ODS") << "PAT31"
                                 << "ODS"
                                 << "PAT31"
                                 << "ODS"
                                 << "SelPAT31 FileSel1_ODS";
    QTest::newRow("PAT95 / TXT") << "PAT95"
                                 << "TXT"
                                 << "PAT95"
                                 << "TXT"
                                 << "SelPAT95 FileSel1_TXT";
    QTest::newRow("unknown") << "PAT99"
                             << "LOG"
                             << "PAT95"
                             << "ALL"
                             << "SelPAT95 FileSel1_ALL";
    QTest::newRow("lower case") << "pat31"
                                << "ods"
                                << "PAT95"
                                << "ALL"
                                << "SelPAT95 FileSel1_ALL";
    QTest::newRow("empty") << ""
                           << ""
                           << "PAT95"
                           << "ALL"
                           << "SelPAT95 FileSel1_ALL";
  }

  void optionMarksFollowTheStore() {
    QFETCH(QString, pat_type);
    QFETCH(QString, file_ext_type);
    QFETCH(QString, stored_pat_type);
    QFETCH(QString, stored_file_ext_type);
    QFETCH(QString, checked);
    FormHarness h;
    h.store.Set(kStartup, "PatType", pat_type.toStdString());
    h.store.Set(kStartup, "FileExtType", file_ext_type.toStdString());
    auto& form = h.Load();
    QCOMPARE(QString::fromStdString(h.Startup("PatType")), stored_pat_type);
    QCOMPARE(QString::fromStdString(h.Startup("FileExtType")), stored_file_ext_type);
    const QStringList expected = checked.split(QLatin1Char(' '));
    for (const char* item :
         {"SelPAT31", "SelPAT95", "FileSel1_ODS", "FileSel1_TXT", "FileSel1_ALL"}) {
      QCOMPARE(Checked(form, item), expected.contains(QString::fromLatin1(item)));
    }
  }

  void emptyTimeWindowIsDefaultedButKeptOtherwise() {
    FormHarness h;
    h.store.Set(kStartup, "StartTime", "");
    h.store.Set(kStartup, "EndTime", "1530");
    h.Load();
    QCOMPARE(h.Startup("StartTime"), "0900"s);
    QCOMPARE(h.Startup("EndTime"), "1530"s);
  }

  void normalPlacementIsRestored() {
    FormHarness h;
    h.store.Set(kForm, "State", "0");
    h.store.Set(kForm, "Top", "1440");
    h.store.Set(kForm, "Left", "2880");
    h.store.Set(kForm, "Height", "7200");
    h.store.Set(kForm, "Width", "9600");
    auto& form = h.Load();
    QCOMPARE(form.windowState(), Qt::WindowNoState);
    QCOMPARE(form.pos(), QPoint(Pixels(2880), Pixels(1440)));
    QCOMPARE(form.size(), QSize(Pixels(9600), Pixels(7200)));
  }

  // A position on a screen that is gone: the window comes back where it can be seen.
  void placementOffEveryScreenIsMovedBack() {
    FormHarness h;
    h.store.Set(kForm, "State", "0");
    h.store.Set(kForm, "Top", "-90000");
    h.store.Set(kForm, "Left", "300000");
    auto& form = h.Load();
    QCOMPARE(form.pos(), QGuiApplication::primaryScreen()->availableGeometry().topLeft());
  }

  // Height and Width apply only when stored non-empty; the position defaults to 0.
  void missingSizeKeepsTheWindowsOwn() {
    FormHarness h;
    h.store.Set(kForm, "State", "0");
    h.store.Set(kForm, "Height", "");
    const QSize own = h.Make().size();
    h.form.reset();
    auto& form = h.Load();
    QCOMPARE(form.size(), own);
    QCOMPARE(form.pos(), QPoint(0, 0));
  }

  void maximizedStartKeepsTheNormalSize() {
    FormHarness h;
    h.store.Set(kForm, "State", "2");
    h.store.Set(kForm, "Top", "720");
    h.store.Set(kForm, "Left", "720");
    h.store.Set(kForm, "Height", "6000");
    h.store.Set(kForm, "Width", "9000");
    auto& form = h.Load();
    QVERIFY(form.windowState().testFlag(Qt::WindowMaximized));
    QCOMPARE(form.normalGeometry().size(), QSize(Pixels(9000), Pixels(6000)));
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
