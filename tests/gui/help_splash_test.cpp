// Help file look-up and window, the splash and version window, the progress window and the
// Qt host's dialogs.

#include "app/help_window.h"
#include "app/japanese_ui.h"
#include "app/qt_file_filter.h"
#include "app/qt_host.h"
#include "app/w_splash.h"
#include "gui/form_harness.h"

using mirtote::MessageIcon;

namespace {

int TitleTextWidth(const QString& title) {
  return QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont)).horizontalAdvance(title);
}

}  // namespace

class HelpSplashTest : public QObject {
  Q_OBJECT
 private slots:
  // The sample help file, stored in lower case: opened at "目次", with a section per
  // command and window.
  void helpFileFoundInAnyCase() {
    FormHarness h;
    const auto sample = fs::path(MIRTOTE_TEST_DATA) / ".." / ".." / "resources" / "sample";
    fs::copy_file(sample / "MIR_TOTE.HLP", h.folder.path() / "mir_tote.hlp");
    auto& form = h.Load();
    h.Item("HelpCont")->trigger();
    QVERIFY(h.host.messages.empty());
    QVERIFY(form.help_window() && form.help_window()->isVisible());
    QTextBrowser* text = form.help_window()->HelpText();
    const int contents = text->verticalScrollBar()->value();  // "目次" is at the top
    form.ShowHelp("SeisekiText");
    QCoreApplication::processEvents();
    QVERIFY(text->verticalScrollBar()->value() > contents + 100);

    QStringList anchors;
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        anchors << it.fragment().charFormat().anchorNames();
      }
    }
    for (const char* keyword :
         {"目次",         "LzhMelt",        "KORVANout",   "ODCSVout",  "SeisekiOut",
          "ViewSelect",   "MIR_OTTE_works", "SousaEnd",    "OptFolder", "OptPAT",
          "OptFile",      "OptTime",        "HelpCont",    "HelpVer",   "DirSetForm",
          "SelectFormat", "SelectData",     "SDataSelect", "PrintText", "KobetsuText",
          "SeisekiText",  "作業フォルダ",   "設定",        "一日の流れ"}) {
      QVERIFY2(anchors.contains(QString::fromUtf8(keyword)), keyword);
    }

    // History as in a browser: the first page is in it, links add to it.
    auto* back = Child<QPushButton>(form.help_window(), "HelpBack");
    auto* forward = Child<QPushButton>(form.help_window(), "HelpForward");
    const QUrl first = text->source();
    QVERIFY(!back->isEnabled());
    for (const char* link : {"#LzhMelt", "#OptTime"}) {
      text->setSource(first.resolved(QUrl(QString::fromUtf8(link))));
      QVERIFY(back->isEnabled());
    }
    back->click();
    QCOMPARE(text->source().fragment(), QStringLiteral("LzhMelt"));
    back->click();
    QCOMPARE(text->source(), first);
    QVERIFY(!back->isEnabled() && forward->isEnabled());
    forward->click();
    QCOMPARE(text->source().fragment(), QStringLiteral("LzhMelt"));
    // Beside the main window's menu bar and toolbar, not over them.
    QVERIFY(form.help_window()->y() >= form.centralWidget()->mapToGlobal(QPoint(0, 0)).y());
  }

  // Each copy wins over those after it: the start folder's, the installed one (share/mir_tote
  // beside the program's folder), the program folder's own.
  void helpFileLookUpOrder() {
    FormHarness h;
    h.program_folder = h.folder.path() / "usr" / "bin";
    auto& form = h.Load();
    for (const char* place : {"usr/bin", "usr/share/mir_tote", "."}) {
      h.folder.Write(fs::path(place) / "MIR_TOTE.HLP", place);
      form.ShowHelp("目次");
      QVERIFY(form.help_window());
      QCOMPARE(form.help_window()->HelpText()->toPlainText(), Q(place));
    }
  }

  void missingHelpFileIsReported() {
    FormHarness h;
    h.program_folder = h.folder.path() / "bin";
    fs::create_directory(h.folder.path() / "MIR_TOTE.HLP");  // a folder is not the file
    h.folder.Write("MIR_TOTE.HLP.bak", "x");
    auto& form = h.Load();
    h.Button("ヘルプ")->trigger();
    QCOMPARE(h.host.Log(),
             mirtote::testing::Strings{
                 "確　認|i|ヘルプファイルが見つかりません。\r\nMIR_TOTE.exe と同じ"
                 "フォルダに\r\nMIR_TOTE.cnt と MIR_TOTE.hlp を \r\n格納してください。\r\n"});
    QVERIFY(!form.help_window());
  }

  // The splash of a full start: borderless, labels, no close button; gone when the start
  // has finished.
  void splashStandsAloneDuringTheStart() {
    FormHarness h;
    int shown = 0;
    QTimer::singleShot(0, [&] {
      auto* splash = h.form->findChild<mirtote::app::WSplash*>();
      QVERIFY(splash && splash->isVisible());
      QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
      QVERIFY(!splash->Command1()->isVisible());
      QVERIFY(!h.form->isVisible());
      const char* labels[][2] = {{"Label2", "MIR_TOTE"},
                                 {"Label1", "Version.2.00"},
                                 {"Label4", "KORVAN Odds Format to Odds Data File"}};
      for (const auto& [name, text] : labels)
        QCOMPARE(Child<QLabel>(splash, name)->text(), Q(text));
      QVERIFY(!Child<QLabel>(splash, "Picture1")->pixmap().isNull());
      ++shown;
    });
    auto& form = h.Load(std::chrono::milliseconds(50), false);
    QVERIFY(h.loaded);
    QCOMPARE(shown, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!form.findChild<mirtote::app::WSplash*>());
  }

  void versionWindowShowsCloseAndComesForwardOnce() {
    FormHarness h;
    auto& form = h.Load();
    h.Item("HelpVer")->trigger();
    QPointer<mirtote::app::WSplash> first = form.version_window();
    QVERIFY(first && first->isVisible());
    QVERIFY(first->Command1()->isVisible());
    QCOMPARE(first->Command1()->text(), Q("閉じる"));
    h.Button("ﾊﾞｰｼﾞｮﾝ")->trigger();
    QCOMPARE(form.version_window(), first.data());
    QTest::mouseClick(first->Command1(), Qt::LeftButton);
    QVERIFY(!first || !first->isVisible());
    // Escape closes it too.
    h.Item("HelpVer")->trigger();
    QPointer<mirtote::app::WSplash> second = form.version_window();
    QTest::keyClick(second, Qt::Key_Escape);
    QVERIFY(!second || !second->isVisible());
  }

  void fileFiltersBecomeQtNameFilters() {
    using mirtote::app::QtNameFilters;
    QCOMPARE(QtNameFilters("ﾃｷｽﾄﾌｧｲﾙ (*.TXT)|*.TXT|全てのﾌｧｲﾙ (*.*)|*.*|"),
             QStringList({QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ (*.TXT)"), QStringLiteral("全てのﾌｧｲﾙ (*.*)")}));
    QCOMPARE(QtNameFilters("ｵｯｽﾞﾛｸﾞ|*.ODS;*.TXT"),
             QStringList({QStringLiteral("ｵｯｽﾞﾛｸﾞ (*.ODS *.TXT)")}));
    QCOMPARE(QtNameFilters("|*.LZH|説明だけ"), QStringList({QStringLiteral("(*.LZH)")}));
    QVERIFY(QtNameFilters("").isEmpty());
  }

  void hostShowsLineBreaksAndAnswers() {
    mirtote::app::QtHost host;
    QStringList seen;  // text, title, whether the icon is Information
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      seen << box->text() << box->windowTitle()
           << QString::number(box->icon() == QMessageBox::Information);
      box->button(QMessageBox::No)->click();
    });
    QVERIFY(!host.AskYesNo("一行目\r\n二行目\r三行目<b>", "確認", MessageIcon::kInformation));
    QCOMPARE(seen, QStringList({QStringLiteral("一行目\n二行目\n三行目<b>"), QStringLiteral("確認"),
                                QStringLiteral("1")}));

    // A short text under a long title: the box is as wide as the title needs.
    const QString title = QStringLiteral("フォルダ設定【要確認】フォルダ設定【要確認】");
    int box_width = 0;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      box_width = box->width();
      box->button(QMessageBox::Ok)->click();
    });
    host.ShowMessage("設定しました。", title.toStdString(), MessageIcon::kInformation);
    QVERIFY(box_width >= TitleTextWidth(title) + 100);
  }

  void hostProgressBusyAndClipboard() {
    QWidget main_window;
    main_window.setGeometry(200, 150, 900, 700);
    main_window.show();
    mirtote::app::QtHost host;
    host.SetMainWindow(&main_window);
    host.ShowProgress("変換中 1", 0, 12);
    auto* window = host.progress_window();
    QVERIFY(window && window->isVisible());
    // Centred over the window that started the command.
    QVERIFY((window->geometry().center() - main_window.geometry().center()).manhattanLength() <= 8);
    QCOMPARE(window->objectName(), QStringLiteral("ProgBar"));
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QProgressBar* bar = window->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    QCOMPARE(bar->maximum(), 12);
    host.SetProgressValue(7);
    host.SetProgressCaption("変換中 2");
    QCOMPARE(bar->value(), 7);
    QCOMPARE(window->windowTitle(), QStringLiteral("変換中 2"));
    const QString long_caption =
        QStringLiteral("確定成績ファイルを変換しています。しばらくお待ちください");
    host.SetProgressCaption(long_caption.toStdString());
    QVERIFY(window->width() >= TitleTextWidth(long_caption) + 100);
    host.CloseProgress();
    QVERIFY(!window->isVisible());

    host.SetBusy(true);
    host.SetBusy(true);
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    // An input box waits with the normal pointer; cancelled it gives nothing, confirmed
    // empty the empty text.
    for (bool accept : {false, true}) {
      // The pointer is checked once the box has closed: a wrong one then fails the test
      // instead of leaving the box open.
      Qt::CursorShape waiting = Qt::WaitCursor;
      QTimer::singleShot(0, [&] {
        waiting = QApplication::overrideCursor()->shape();
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(box);
        box->setTextValue(QString());
        accept ? box->accept() : box->reject();
      });
      const auto entered = host.AskText("開始時間", "発走時間指定", "0900");
      QCOMPARE(waiting, Qt::ArrowCursor);
      QCOMPARE(entered.has_value(), accept);
      QVERIFY(!accept || entered->empty());
    }
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    host.SetBusy(false);
    QVERIFY(!QApplication::overrideCursor());

    host.SetClipboardText("オッズ\r\n");
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("オッズ\r\n"));
  }

  // Last, as it changes the whole application: Qt's texts and formats in Japanese.
  void qtTextsAreJapanese() {
    mirtote::app::InstallJapaneseUi(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    QCOMPARE(QAbstractFileIconProvider().type(QFileInfo(QDir::tempPath())), Q("フォルダー"));
    QCOMPARE(QLocale().toString(QDate(2026, 3, 7), QLocale::ShortFormat), Q("2026/03/07"));
  }
};

QTEST_MAIN(HelpSplashTest)
#include "help_splash_test.moc"
