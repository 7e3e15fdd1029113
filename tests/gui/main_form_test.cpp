// The main window after start-up: menu tree, toolbar, dispatch, option items, the re-entry
// guard and the exit confirmation.

#include "gui/form_harness.h"

using mirtote::keys::kStartup;

namespace {

// The entries of a menu and its submenus as "name=caption", a submenu's entries indented
// below it; "name=-" for a separator.
void Entries(const QMenu& menu, const QString& indent, QStringList& entries) {
  for (const QAction* action : menu.actions()) {
    const QMenu* submenu = action->menu();
    entries << indent + (submenu ? submenu->objectName() : action->objectName()) +
                   QLatin1Char('=') +
                   (action->isSeparator() ? QStringLiteral("-") : action->text());
    if (submenu) Entries(*submenu, indent + QLatin1Char(' '), entries);
  }
}

}  // namespace

class MainFormTest : public QObject {
  Q_OBJECT
 private slots:
  void captionMenusAndToolbarAreExact() {
    FormHarness h;
    auto& form = h.Load();
    QCOMPARE(form.windowTitle(), Q("MIR_TOTE Version 2.00"));
    QStringList menus;
    for (const QAction* action : form.menuBar()->actions()) {
      menus << action->menu()->objectName() + QLatin1Char('=') + action->text();
      Entries(*action->menu(), QStringLiteral(" "), menus);
    }
    // The tree is built from a table: its size, its ends and a few telling rows.
    QCOMPARE(menus.size(), 29);
    QCOMPARE(menus.first(), Q("Sousa=操作(&F)"));
    QCOMPARE(menus.last(), Q(" HelpVer=ﾊﾞｰｼﾞｮﾝ情報"));
    for (const char* row : {" ODCSVout=ｵｯｽﾞﾌｧｲﾙ(OD～.CSV)から疑似PATﾌｧｲﾙへ変換", " SousaSep3=-",
                            "  SelPAT95=JAR PAT for Windows95",
                            "   FileSel1_ALL=全てのﾌｧｲﾙから選択(*.*)", "OptMain=ｵﾌﾟｼｮﾝ(&O)"}) {
      QVERIFY2(menus.contains(Q(row)), row);
    }

    QStringList buttons;
    for (const QAction* action : form.Toolbar1()->actions()) {
      buttons << (action->isSeparator()
                      ? QStringLiteral("-")
                      : action->data().toString() + QLatin1Char('|') + action->toolTip());
      QVERIFY(action->isSeparator() || !action->icon().isNull());
    }
    QCOMPARE(buttons.size(), 10);
    QCOMPARE(buttons[0] + buttons[6], QStringLiteral("--"));
    QCOMPARE(buttons[4], Q("ｵｯｽﾞﾌｧｲﾙ|ｵｯｽﾞﾃﾞｰﾀをPATﾃﾞｰﾀに変換します"));
    QCOMPARE(buttons[9], Q("終　了|ソフトを終了します"));
  }

  void menusAndToolbarStartTheirOperations() {
    FormHarness h;
    auto& form = h.Load();
    for (const char* name : {"LzhMelt", "KORVANout", "ODCSVout", "SeisekiOut", "ViewSelect",
                             "MIR_OTTE_works", "OptFolder", "OptTime"}) {
      h.Item(name)->trigger();
    }
    for (const char* key : {"MIR_OTTE", "ﾌｧｲﾙ解凍", "ログ", "ｵｯｽﾞﾌｧｲﾙ", "成績表示"}) {
      h.Button(key)->trigger();
    }
    form.Toolbar1_ButtonClick(Q("その他"));  // unknown key: nothing
    const std::vector<std::string> expected = {
        "archive_extraction", "forum_log_conversion", "odds_csv_conversion",
        "results_selection",  "odds_selection",       "pat_run",
        "folder_settings",    "processing_window",    "pat_run",
        "archive_extraction", "forum_log_conversion", "odds_csv_conversion",
        "results_selection"};
    QCOMPARE(h.calls, expected);
    QVERIFY(h.host.messages.empty());

    // The odds-file button runs only for OddsFileType "CSV" (missing reads as "CSV");
    // the menu item does not look at the setting.
    for (const char* stored : {"csv", "", "JRA"}) {
      h.store.Set(kStartup, "OddsFileType", stored);
      h.calls.clear();
      h.Button("ｵｯｽﾞﾌｧｲﾙ")->trigger();
      h.Item("ODCSVout")->trigger();
      QCOMPARE(h.calls, std::vector<std::string>{"odds_csv_conversion"});
    }
  }

  void optionItemsStoreAndMoveTheirMarks() {
    FormHarness h;
    h.Load();
    h.Item("SelPAT31")->trigger();
    QCOMPARE(h.Startup("PatType"), "PAT31"s);
    QVERIFY(h.Item("SelPAT31")->isChecked() && !h.Item("SelPAT95")->isChecked());
    h.Item("SelPAT31")->trigger();  // choosing the checked item keeps it checked
    QVERIFY(h.Item("SelPAT31")->isChecked());
    h.Item("SelPAT95")->trigger();
    QCOMPARE(h.Startup("PatType"), "PAT95"s);
    QVERIFY(!h.Item("SelPAT31")->isChecked() && h.Item("SelPAT95")->isChecked());

    for (const char* kind : {"ODS", "TXT", "ALL"}) {
      const std::string name = "FileSel1_"s + kind;
      h.Item(name.c_str())->trigger();
      QCOMPARE(h.Startup("FileExtType"), std::string(kind));
      for (const char* other : {"FileSel1_ODS", "FileSel1_TXT", "FileSel1_ALL"}) {
        QCOMPARE(h.Item(other)->isChecked(), name == other);
      }
    }
    h.Item("FileSel2_JRA")->trigger();  // disabled: cannot be chosen
    QCOMPARE(h.Startup("OddsFileType"), "<none>"s);
    h.Item("FileSel2_CSV")->trigger();
    QCOMPARE(h.Startup("OddsFileType"), "CSV"s);
    QVERIFY(h.Item("FileSel2_CSV")->isChecked() && !h.Item("FileSel2_JRA")->isChecked());
  }

  // A command that lets events run (as the long conversions do) cannot start another, nor
  // can the main window be closed meanwhile.
  void secondCommandWaitsForTheFirst() {
    FormHarness h;
    auto& form = h.Load();
    form.show();
    h.during["archive_extraction"] = [&] {
      h.Item("KORVANout")->trigger();
      QVERIFY(!form.close());
    };
    h.Item("LzhMelt")->trigger();
    QCOMPARE(h.calls, std::vector<std::string>{"archive_extraction"});
    QVERIFY(h.host.messages.empty());  // closing was refused without asking
    h.Item("KORVANout")->trigger();
    QCOMPARE(h.calls.back(), "forum_log_conversion"s);
  }

  void exitAnsweredNoChangesNothing() {
    FormHarness h;
    auto& form = h.Load();
    form.show();
    const size_t stored = h.store.size();
    h.host.yes_no_answers = {false, false, false};
    h.Item("SousaEnd")->trigger();
    h.Button("終　了")->trigger();
    QVERIFY(!form.close());
    QCOMPARE(h.host.Log(),
             mirtote::testing::Strings(3,
                                       "?確認|i|【ＭＩＲ＿ＴＯＴＥ for KORVAN】\r\n\r\n"
                                       "終了してよろしいですか？\r"));
    QVERIFY(form.isVisible());
    QCOMPARE(h.store.size(), stored);

    // Yes ends the program: every window closes, and the menus start nothing more.
    h.host.yes_no_answers = {true};
    h.Button("終　了")->trigger();
    QVERIFY(h.context.ending && !form.isVisible());
    h.Item("LzhMelt")->trigger();
    QVERIFY(h.calls.empty());
  }
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
