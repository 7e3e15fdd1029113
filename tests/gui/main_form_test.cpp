// The main window after start-up with its real operations: menu tree, toolbar, what each
// item and button shows first, option items, the re-entry guard and the exit confirmation.

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

// The stored setting an option item shows, as "key=value".
QString CheckedSetting(const FormHarness& h, const QString& item) {
  const char* key = item.startsWith(QStringLiteral("SelPAT"))      ? "PatType"
                    : item.startsWith(QStringLiteral("FileSel1_")) ? "FileExtType"
                                                                   : "OddsFileType";
  return QString::fromLatin1(key) + u'=' + Q(h.Startup(key).c_str());
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
    QCOMPARE(menus.size(), 30);
    QCOMPARE(menus.indexOf(Q(" OddsHistory=オッズ推移")),
             menus.indexOf(Q(" ViewSelect=専門紙風ｵｯｽﾞ出力")) + 1);
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

  // Every menu item and toolbar button, with the real operations, reaches what it shows
  // first; a control without a row fails, so a new item must bring its row.
  void everyItemAndButtonShowsItsFirstStep() {
    FormHarness h;
    const auto sample = fs::path(MIRTOTE_TEST_DATA) / ".." / ".." / "resources" / "sample";
    fs::copy_file(sample / "MIR_TOTE.HLP", h.folder.path() / "MIR_TOTE.HLP");
    auto& form = h.Load();
    form.show();
    QStringList controls;  // menu item names and toolbar button keys
    QList<QAction*> actions = form.menuBar()->actions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
      if (QMenu* menu = actions[i]->menu()) {
        actions += menu->actions();
      } else if (!actions[i]->isSeparator()) {
        controls << actions[i]->objectName();
      }
    }
    for (QAction* action : form.Toolbar1()->actions()) {
      if (!action->isSeparator()) controls << action->data().toString();
    }

    // Open dialogs and input boxes are cancelled, questions answered No. "ｵｯｽﾞﾌｧｲﾙ" runs only
    // while OddsFileType is "CSV" (missing reads as "CSV").
    struct Row {
      const char* control;
      const char* first_step;
      const char* odds_file_type = nullptr;
    };
    const Row rows[] = {
        {"MIR_OTTE", "window SelectFormat"},
        {"ﾌｧｲﾙ解凍", "busy open LZHファイル(*.LZH)"},
        {"ログ", "busy open すべてのファイル(*.*)"},
        {"ｵｯｽﾞﾌｧｲﾙ", "busy open ｵｯｽﾞﾌｧｲﾙ(OD*.CSV)"},
        {"成績表示", "!確認 window SDataSelect"},
        {"ヘルプ", "window HelpWindow"},
        {"ﾊﾞｰｼﾞｮﾝ", "window WSplash"},
        {"終　了", "?確認"},
        {"LzhMelt", "busy open LZHファイル(*.LZH)"},
        {"KORVANout", "busy open すべてのファイル(*.*)"},
        {"ODCSVout", "busy open ｵｯｽﾞﾌｧｲﾙ(OD*.CSV)"},
        {"SeisekiOut", "!確認 window SDataSelect"},
        {"ViewSelect", "window SelectData"},
        {"OddsHistory", "window OddsHistoryForm"},
        {"MIR_OTTE_works", "window SelectFormat"},
        {"SousaEnd", "?確認"},
        {"OptFolder", "window DirSetForm"},
        {"SelPAT31", "checked PatType=PAT31"},
        {"SelPAT95", "checked PatType=PAT95"},
        {"FileSel1_ODS", "checked FileExtType=ODS"},
        {"FileSel1_TXT", "checked FileExtType=TXT"},
        {"FileSel1_ALL", "checked FileExtType=ALL"},
        {"FileSel2_CSV", "checked OddsFileType=CSV"},
        {"FileSel2_JRA", "disabled"},
        {"OptTime", "?発走時間指定 ?発走時間指定"},
        {"HelpCont", "window HelpWindow"},
        {"HelpVer", "window WSplash"},
        {"ｵｯｽﾞﾌｧｲﾙ", "", "csv"},
        {"ｵｯｽﾞﾌｧｲﾙ", "", "JRA"},
        {"ODCSVout", "busy open ｵｯｽﾞﾌｧｲﾙ(OD*.CSV)", "JRA"},
    };
    QStringList uncovered = controls;
    for (const Row& row : rows) {
      const QString control = Q(row.control);
      QVERIFY2(controls.contains(control), row.control);  // a row of a control that is gone
      uncovered.removeAll(control);
      QAction* action = form.findChild<QAction*>(control);
      if (action == nullptr) action = h.Button(row.control);
      if (row.odds_file_type) h.store.Set(kStartup, "OddsFileType", row.odds_file_type);
      h.host = {};
      h.host.open_answers = {std::nullopt};
      h.host.yes_no_answers = {false};
      h.host.text_answers = {std::nullopt, std::nullopt};

      action->trigger();
      QStringList steps;
      if (!action->isEnabled()) steps << QStringLiteral("disabled");
      if (action->isCheckable() && action->isChecked()) {
        steps << QStringLiteral("checked ") + CheckedSetting(h, control);
      }
      for (size_t i = 0; i < h.host.open_requests.size(); ++i) {
        steps << QString::fromLatin1(h.host.busy_at_dialogs[i] ? "busy open " : "open ") +
                     Q(h.host.open_requests[i].filter.c_str()).section(u'|', 0, 0);
      }
      for (const auto& message : h.host.messages) {
        steps << (message.question ? QStringLiteral("?") : QStringLiteral("!")) +
                     Q(message.title.c_str());
      }
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == &form || !window->isVisible()) continue;
        steps << QStringLiteral("window ") +
                     QString::fromLatin1(window->metaObject()->className()).section(u':', -1);
        window->close();
      }
      QCOMPARE(steps.join(u' '), Q(row.first_step));
      QVERIFY2(!h.host.busy && !h.context.command_running, row.control);
      QVERIFY(form.isVisible());
    }
    QVERIFY2(uncovered.isEmpty(), qPrintable(uncovered.join(u' ') + QStringLiteral(": no row")));
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

  // While a command waits in its dialog (as the long conversions let events run), another
  // command cannot start, nor can the main window be closed.
  void secondCommandWaitsForTheFirst() {
    FormHarness h;
    auto& form = h.Load();
    form.show();
    h.host.open_answers = {std::nullopt, std::nullopt};
    h.host.during_dialog = [&] {
      h.host.during_dialog = nullptr;
      h.Item("KORVANout")->trigger();
      QVERIFY(!form.close());
    };
    h.Item("LzhMelt")->trigger();
    QCOMPARE(h.host.open_requests.size(), size_t{1});
    QVERIFY(h.host.messages.empty());  // closing was refused without asking
    h.Item("KORVANout")->trigger();
    QCOMPARE(h.host.open_requests.size(), size_t{2});
  }

  // A failure escaping a command ends that command only: the pointer is restored, the user
  // is told, and the next command runs.
  void failingCommandEndsWithAMessage() {
    FormHarness h;
    h.Load();
    h.host.open_answers = {std::nullopt, std::nullopt};
    h.host.during_dialog = [&] {
      h.host.during_dialog = nullptr;
      throw std::runtime_error("disk gone");
    };
    h.Item("LzhMelt")->trigger();
    QCOMPARE(h.host.Log(), mirtote::testing::Strings{
                               "エラー|x|処理中にエラーが発生したため、処理を中止しました。\r\n"
                               "disk gone"});
    QVERIFY(!h.host.busy && !h.context.command_running);
    h.Item("KORVANout")->trigger();
    QCOMPARE(h.host.open_requests.size(), size_t{2});
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
    QVERIFY(h.host.open_requests.empty());
  }
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
