// The main window after start-up: menu tree, toolbar, dispatch, option items, the re-entry
// guard, the exit confirmation and the placement it stores.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QtTest>

#include "app/placement.h"
#include "gui/form_harness.h"

using namespace std::string_literals;
using mirtote::MessageIcon;
using mirtote::keys::kForm;
using mirtote::keys::kStartup;
using mirtote::testing::FormHarness;
namespace fs = std::filesystem;

namespace {

QAction* Item(const QWidget& form, const char* name) {
  return form.findChild<QAction*>(QString::fromLatin1(name));
}

QAction* ToolbarButton(const mirtote::app::Main_Form& form, const QString& key) {
  for (QAction* action : form.Toolbar1()->actions()) {
    if (action->data().toString() == key) return action;
  }
  return nullptr;
}

// The entries of a menu as "name=caption" ("name=-" for a separator).
QStringList Entries(const QWidget& form, const char* menu_name) {
  QStringList entries;
  const auto* menu = form.findChild<QMenu*>(QString::fromLatin1(menu_name));
  for (const QAction* action : menu->actions()) {
    const QString name = action->menu() ? action->menu()->objectName() : action->objectName();
    entries << name + QLatin1Char('=') +
                   (action->isSeparator() ? QStringLiteral("-") : action->text());
  }
  return entries;
}

const std::string kExitQuestion =
    "【ＭＩＲ＿ＴＯＴＥ for KORVAN】\r\n\r\n終了してよろしいですか？\r";

}  // namespace

class MainFormTest : public QObject {
  Q_OBJECT
 private slots:
  void captionAndMenuTreeAreExact() {
    FormHarness h;
    auto& form = h.Load();
    QCOMPARE(form.windowTitle(), QStringLiteral("MIR_TOTE Version 2.00"));
    QStringList bar;
    for (const QAction* action : form.menuBar()->actions()) {
      bar << action->menu()->objectName() + QLatin1Char('=') + action->text();
    }
    QCOMPARE(bar,
             QStringList({QStringLiteral("Sousa=操作(&F)"), QStringLiteral("OptMain=ｵﾌﾟｼｮﾝ(&O)"),
                          QStringLiteral("HelpMain=ﾍﾙﾌﾟ(&H)")}));
    QCOMPARE(
        Entries(form, "Sousa"),
        QStringList({QStringLiteral("LzhMelt=JRA-VAN圧縮ﾌｧｲﾙ解凍"),
                     QStringLiteral("KORVANout=会議室ログから疑似PATﾌｧｲﾙへ変換"),
                     QStringLiteral("ODCSVout=ｵｯｽﾞﾌｧｲﾙ(OD～.CSV)から疑似PATﾌｧｲﾙへ変換"),
                     QStringLiteral("SeisekiOut=確定成績表示(JRA-VAN成績ﾃﾞｰﾀ利用)"),
                     QStringLiteral("SousaSep1=-"), QStringLiteral("ViewSelect=専門紙風ｵｯｽﾞ出力"),
                     QStringLiteral("SousaSep2=-"), QStringLiteral("MIR_OTTE_works=MIR_OTTE"),
                     QStringLiteral("SousaSep3=-"), QStringLiteral("SousaEnd=終了")}));
    QCOMPARE(Entries(form, "OptMain"),
             QStringList({QStringLiteral("OptFolder=ﾌｫﾙﾀﾞ設定"), QStringLiteral("OptPAT=PAT設定"),
                          QStringLiteral("OptFile=変換元ﾌｧｲﾙ種別"),
                          QStringLiteral("OptTime=時間設定")}));
    QCOMPARE(Entries(form, "OptPAT"),
             QStringList({QStringLiteral("SelPAT31=ﾊﾟｿｺﾝ競馬倶楽部(PAT3.1)"),
                          QStringLiteral("SelPAT95=JAR PAT for Windows95")}));
    QCOMPARE(Entries(form, "OptFile"), QStringList({QStringLiteral("FileSel1=ﾛｸﾞﾌｧｲﾙ種別"),
                                                    QStringLiteral("FileSel2=ｵｯｽﾞﾌｧｲﾙ種別")}));
    QCOMPARE(Entries(form, "FileSel1"),
             QStringList({QStringLiteral("FileSel1_ODS=KORVANｵｯｽﾞﾛｸﾞ(*.ODS)"),
                          QStringLiteral("FileSel1_TXT=ﾃｷｽﾄﾌｧｲﾙ(*.TXT)"),
                          QStringLiteral("FileSel1_ALL=全てのﾌｧｲﾙから選択(*.*)")}));
    QCOMPARE(Entries(form, "FileSel2"),
             QStringList({QStringLiteral("FileSel2_CSV=TARGETｵｯｽﾞﾌｧｲﾙ(OD*.CSV)"),
                          QStringLiteral("FileSel2_JRA=JRA-VAN票数ﾃﾞｰﾀ(*.HY*)")}));
    QCOMPARE(Entries(form, "HelpMain"),
             QStringList({QStringLiteral("HelpCont=ﾍﾙﾌﾟｷｰﾜｰﾄﾞ"), QStringLiteral("HelpSep1=-"),
                          QStringLiteral("HelpVer=ﾊﾞｰｼﾞｮﾝ情報")}));
  }

  void toolbarKeysAndTooltips() {
    FormHarness h;
    auto& form = h.Load();
    QCOMPARE(form.Toolbar1()->objectName(), QStringLiteral("Toolbar1"));
    QStringList buttons;
    for (const QAction* action : form.Toolbar1()->actions()) {
      buttons << (action->isSeparator()
                      ? QStringLiteral("-")
                      : action->data().toString() + QLatin1Char('|') + action->toolTip());
      if (!action->isSeparator()) QVERIFY(!action->icon().isNull());
    }
    QCOMPARE(buttons,
             QStringList({QStringLiteral("-"), QStringLiteral("MIR_OTTE|KORVAN Odds Team Tool"),
                          QStringLiteral("ﾌｧｲﾙ解凍|JRA-VANデータを解凍します"),
                          QStringLiteral("ログ|ｵｯｽﾞﾛｸﾞをPATﾃﾞｰﾀに変換します"),
                          QStringLiteral("ｵｯｽﾞﾌｧｲﾙ|ｵｯｽﾞﾃﾞｰﾀをPATﾃﾞｰﾀに変換します"),
                          QStringLiteral("成績表示|JRA-VAN確定成績ﾃﾞｰﾀを表示します"),
                          QStringLiteral("-"), QStringLiteral("ヘルプ|ヘルプファイルを表示します"),
                          QStringLiteral("ﾊﾞｰｼﾞｮﾝ|ﾊﾞｰｼﾞｮﾝ情報を表示します"),
                          QStringLiteral("終　了|ソフトを終了します")}));
  }

  void menusAndToolbarStartTheirOperations() {
    FormHarness h;
    auto& form = h.Load();
    for (const char* name : {"LzhMelt", "KORVANout", "ODCSVout", "SeisekiOut", "ViewSelect",
                             "MIR_OTTE_works", "OptFolder", "OptTime"}) {
      Item(form, name)->trigger();
    }
    for (const char* key : {"MIR_OTTE", "ﾌｧｲﾙ解凍", "ログ", "ｵｯｽﾞﾌｧｲﾙ", "成績表示"}) {
      ToolbarButton(form, QString::fromUtf8(key))->trigger();
    }
    form.Toolbar1_ButtonClick(QStringLiteral("その他"));  // unknown key: nothing
    const std::vector<std::string> expected = {
        "archive_extraction", "forum_log_conversion", "odds_csv_conversion",
        "results_selection",  "odds_selection",       "pat_run",
        "folder_settings",    "processing_window",    "pat_run",
        "archive_extraction", "forum_log_conversion", "odds_csv_conversion",
        "results_selection"};
    QCOMPARE(h.calls, expected);
    QVERIFY(h.host.messages.empty());
  }

  void oddsFileButtonOnlyForCsv_data() {
    QTest::addColumn<QString>("stored");  // "<none>": key missing
    QTest::addColumn<bool>("runs");
    QTest::newRow("missing") << "<none>" << true;
    QTest::newRow("CSV") << "CSV" << true;
    QTest::newRow("lower case") << "csv" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("JRA") << "JRA" << false;
  }

  void oddsFileButtonOnlyForCsv() {
    QFETCH(QString, stored);
    QFETCH(bool, runs);
    FormHarness h;
    auto& form = h.Load();
    if (stored != QStringLiteral("<none>"))
      h.store.Set(kStartup, "OddsFileType", stored.toStdString());
    ToolbarButton(form, QStringLiteral("ｵｯｽﾞﾌｧｲﾙ"))->trigger();
    QCOMPARE(h.calls.size(), size_t{runs ? 1u : 0u});
    // The menu item does not look at the setting.
    Item(form, "ODCSVout")->trigger();
    QCOMPARE(h.calls.size(), size_t{runs ? 2u : 1u});
  }

  void optionItemsStoreAndMoveTheirMarks() {
    FormHarness h;
    auto& form = h.Load();
    Item(form, "SelPAT31")->trigger();
    QCOMPARE(h.Startup("PatType"), "PAT31"s);
    QVERIFY(Item(form, "SelPAT31")->isChecked() && !Item(form, "SelPAT95")->isChecked());
    Item(form, "SelPAT31")->trigger();  // choosing the checked item keeps it checked
    QVERIFY(Item(form, "SelPAT31")->isChecked());
    Item(form, "SelPAT95")->trigger();
    QCOMPARE(h.Startup("PatType"), "PAT95"s);
    QVERIFY(!Item(form, "SelPAT31")->isChecked() && Item(form, "SelPAT95")->isChecked());

    for (const char* kind : {"ODS", "TXT", "ALL"}) {
      const std::string name = "FileSel1_"s + kind;
      Item(form, name.c_str())->trigger();
      QCOMPARE(h.Startup("FileExtType"), std::string(kind));
      for (const char* other : {"FileSel1_ODS", "FileSel1_TXT", "FileSel1_ALL"}) {
        QCOMPARE(Item(form, other)->isChecked(), name == other);
      }
    }
    Item(form, "FileSel2_JRA")->trigger();  // disabled: cannot be chosen
    QCOMPARE(h.Startup("OddsFileType"), "<none>"s);
    Item(form, "FileSel2_CSV")->trigger();
    QCOMPARE(h.Startup("OddsFileType"), "CSV"s);
    QVERIFY(Item(form, "FileSel2_CSV")->isChecked() && !Item(form, "FileSel2_JRA")->isChecked());
  }

  // A command that lets events run (as the long conversions do) cannot start another.
  void secondCommandWaitsForTheFirst() {
    FormHarness h;
    mirtote::app::MainFormOperations operations;
    int inner_runs = 0;
    QAction* other = nullptr;
    operations.archive_extraction = [&](mirtote::app::AppContext&) {
      other->trigger();
      QVERIFY(other->isEnabled());
    };
    operations.forum_log_conversion = [&](mirtote::app::AppContext&) { ++inner_runs; };
    mirtote::app::MainFormOptions options;
    options.no_splash = true;
    options.start_folder = h.folder.path();
    mirtote::app::Main_Form form(h.context, options, operations);
    QVERIFY(form.MDIForm_Load());
    other = Item(form, "KORVANout");
    Item(form, "LzhMelt")->trigger();
    QCOMPARE(inner_runs, 0);
    QVERIFY(!h.context.command_running);
    other->trigger();
    QCOMPARE(inner_runs, 1);
  }

  void exitAnsweredNoChangesNothing() {
    FormHarness h;
    auto& form = h.Load();
    form.show();
    const size_t stored = h.store.size();
    h.host.yes_no_answers = {false, false, false};
    Item(form, "SousaEnd")->trigger();
    ToolbarButton(form, QStringLiteral("終　了"))->trigger();
    QVERIFY(!form.close());
    QCOMPARE(h.host.messages.size(), size_t{3});
    for (const auto& message : h.host.messages) {
      QCOMPARE(message.text, kExitQuestion);
      QCOMPARE(message.title, "確認"s);
      QCOMPARE(message.icon, MessageIcon::kInformation);
    }
    QVERIFY(form.isVisible());
    QCOMPARE(h.store.size(), stored);
    QVERIFY(!h.context.ending);
  }

  void maximizedExitStoresOnlyState() {
    FormHarness h;
    auto& form = h.Load();
    form.show();
    QVERIFY(form.isMaximized());
    h.host.yes_no_answers = {true};
    ToolbarButton(form, QStringLiteral("終　了"))->trigger();
    QVERIFY(h.context.ending);
    QVERIFY(!form.isVisible());
    QCOMPARE(h.Form("State"), "2"s);
    for (const char* key : {"Top", "Left", "Height", "Width"}) QCOMPARE(h.Form(key), "<none>"s);
    // Once ending, the menus start nothing more.
    Item(form, "LzhMelt")->trigger();
    QVERIFY(h.calls.empty());
  }

  // Closing a normal window stores its placement; the next start puts it back.
  void normalPlacementRoundTrip() {
    FormHarness h;
    h.store.Set(kForm, "State", "0");
    auto& form = h.Load();
    form.show();
    form.move(37, 52);
    form.resize(641, 433);
    h.host.yes_no_answers = {true};
    QVERIFY(form.close());
    QCOMPARE(h.Form("State"), "0"s);
    QCOMPARE(h.Form("Width"), std::to_string(mirtote::app::PixelsToTwips(641)));
    QCOMPARE(h.Form("Height"), std::to_string(mirtote::app::PixelsToTwips(433)));

    FormHarness next;
    for (const char* key : {"State", "Top", "Left", "Height", "Width"}) {
      next.store.Set(kForm, key, h.Form(key));
    }
    auto& again = next.Load();
    QCOMPARE(again.pos(), QPoint(37, 52));
    QCOMPARE(again.size(), QSize(641, 433));
  }

  void closeWhileACommandRunsIsRefusedWithoutAsking() {
    FormHarness h;
    auto& form = h.Load();
    form.show();
    h.context.command_running = true;
    QVERIFY(!form.close());
    QVERIFY(h.host.messages.empty());
    h.context.command_running = false;
  }
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
