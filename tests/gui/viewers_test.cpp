// The report viewers: controls, copy, save, tabs, the report font and where a viewer opens. What is
// copied and saved, and the save dialogs' settings, are the viewer texts' own tests; here: that
// each window passes its controls' contents and its own default name.

#include "gui/form_harness.h"
#include "ui/kobetsu_text.h"
#include "ui/print_text.h"
#include "ui/report_font.h"
#include "ui/report_text_box.h"
#include "ui/seiseki_text.h"
#include "ui/viewer_placement.h"

using mirtote::testing::ReadFile;
using mirtote::testing::Sjis;
using namespace mirtote::ui;

namespace {

void Click(QWidget* parent, const char* name) {
  Child<QPushButton>(parent, name)->click();
}

QString Shown(QWidget* viewer, const char* name) {
  return Child<QPlainTextEdit>(viewer, name)->toPlainText();
}

}  // namespace

class ViewersTest : public QObject {
  Q_OBJECT

 private:
  mirtote::testing::SessionFixture f_;
  mirtote::testing::ScriptedHost& host_ = f_.host;
  mirtote::Session& session_ = f_.session;

  std::string Path(const char* name) const { return (f_.start.path() / name).string(); }

 private slots:
  void init() { host_ = mirtote::testing::ScriptedHost(); }

  void PrintTextCopiesAndSavesItsText() {
    PrintText viewer(session_, {});
    QStringList captions = {viewer.windowTitle()};
    for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
      captions << Child<QPushButton>(&viewer, name)->text();
    }
    QCOMPARE(captions, QStringList({Q("オッズ表示"), Q("ファイル保存"), Q("コ ピ ー"),
                                    Q("閉 じ る"), Q("全 終 了")}));
    const std::string report = "ﾚｰｽ  単勝 ～①\r\n１  ｱｲﾈｽ   2.5\r\n";
    viewer.SetText(report);
    Click(&viewer, "Command2");
    QCOMPARE(host_.clipboard, report);
    QCOMPARE(host_.Log(), mirtote::testing::Strings{"確　認|i|表示されている結果をコピーしました"});

    host_.save_answers = {Path("odds.txt")};
    Click(&viewer, "Command1");
    // The text already ends in CR LF; the file still gets one more, and nothing else.
    QCOMPARE(ReadFile(Path("odds.txt")), Sjis(report) + "\r\n");
    QCOMPARE(host_.save_requests[0].default_name, "PATODDS.TXT"s);
    QCOMPARE(host_.messages.size(), size_t{1});
  }

  void EditedTextComesBackWithCrLf() {
    ReportTextBox box;
    box.SetReportText("a\r\nb");
    QCOMPARE(box.toPlainText(), Q("a\nb"));
    box.appendPlainText(Q("ｃ"));
    QCOMPARE(box.ReportText(), "a\r\nb\r\nｃ"s);
  }

  void CloseAndEndProgramButtons() {
    int exit_asked = 0;
    QPointer<PrintText> viewer = new PrintText(session_, [&] { ++exit_asked; });
    viewer->show();
    Click(viewer, "Command4");
    QCOMPARE(exit_asked, 1);
    Click(viewer, "Command3");
    QTRY_VERIFY(viewer.isNull());  // closed and deleted
  }

  void KobetsuTextSavesUnderTheLabelName() {
    KobetsuText viewer(session_, {});
    viewer.SetText("１着");
    viewer.SetLabel("19981110");
    viewer.show();
    QVERIFY(!Child<QLabel>(&viewer, "Label1")->isVisible());
    host_.save_answers = {Path("r.txt")};
    Click(&viewer, "Command1");
    QCOMPARE(host_.save_requests[0].default_name, "19981110.TXT"s);
    QCOMPARE(ReadFile(Path("r.txt")), Sjis("１着") + "\r\n");
    Click(&viewer, "Command2");
    QCOMPARE(host_.clipboard, "１着"s);
  }

  void SeisekiTextTabsAndChoices() {
    SeisekiText viewer(session_, {});
    viewer.SetVenue(0, "中山", "中山の払戻");
    viewer.SetVenue(1, "東京", "東京の払戻\r\n");
    viewer.SetVenue(2, "京都", "");
    viewer.SetCaption("1998/11/10");
    viewer.show();
    for (const char* name : {"Text1_0", "Text1_1", "Text1_2", "Text1_3"}) {
      QVERIFY(!Child<QPlainTextEdit>(&viewer, name)->isVisible());
    }
    auto* tabs = Child<QTabBar>(&viewer, "TabStrip1");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(Shown(&viewer, "Text2"), Q("中山の払戻"));
    auto* all = Child<QRadioButton>(&viewer, "Option1");
    auto* shown_only = Child<QRadioButton>(&viewer, "Option2");
    QVERIFY(all->isChecked());
    QCOMPARE(all->text() + shown_only->text(), Q("全結果表示分のみ"));

    // "全結果": every venue with text, each followed by CR LF.
    Click(&viewer, "Command2");
    QCOMPARE(host_.clipboard, "中山の払戻\r\n東京の払戻\r\n\r\n"s);
    QCOMPARE(host_.messages.back().text, "全ての結果をコピーしました"s);
    host_.save_answers = {std::nullopt};
    Click(&viewer, "Command1");
    QCOMPARE(host_.save_requests.back().default_name, "全場19981110.TXT"s);

    // "表示分のみ": the chosen tab's venue.
    tabs->setCurrentIndex(2);
    QCOMPARE(Shown(&viewer, "Text2"), QString());
    tabs->setCurrentIndex(1);
    shown_only->click();
    Click(&viewer, "Command2");
    QCOMPARE(host_.clipboard, "東京の払戻\r\n\r\n"s);
    QCOMPARE(host_.messages.back().text, "東京の結果をコピーしました"s);
    host_.save_answers = {Path("day.txt")};
    Click(&viewer, "Command1");
    QCOMPARE(host_.save_requests.back().default_name, "東京19981110.TXT"s);
    QCOMPARE(ReadFile(Path("day.txt")), Sjis("東京の払戻\r\n\r\n\r\n"));
  }

  // Right of the opener, else left, below, above, each held on the screen; with no such room
  // the place covering least of the opener's buttons. The n-th viewer of an opener is n
  // steps away, back where the screen ends.
  void ViewerPlacesLeaveTheOpenersButtonsFree() {
    struct Case {
      QRect area, opener, buttons;
      int cascade;
      QPoint place;
    };
    const QRect desktop(0, 0, 1280, 1000);
    const Case cases[] = {
        {desktop, {100, 100, 400, 300}, {110, 360, 380, 30}, 0, {500, 100}},
        {desktop, {100, 100, 400, 300}, {110, 360, 380, 30}, 2, {548, 148}},
        {desktop, {700, 100, 400, 300}, {710, 360, 380, 30}, 0, {50, 100}},
        {{0, 0, 1024, 768}, {200, 0, 400, 300}, {210, 260, 380, 30}, 0, {200, 300}},
        {{0, 0, 800, 600}, {0, 340, 380, 255}, {10, 560, 360, 30}, 0, {0, 0}},
        {{0, 0, 800, 600}, {0, 0, 380, 255}, {10, 220, 360, 30}, 0, {150, 0}},
        {desktop, {100, 580, 400, 300}, {110, 840, 380, 30}, 1, {524, 556}},
    };
    for (const Case& c : cases) {
      QCOMPARE(ViewerPosition(c.area, c.opener, c.buttons, QSize(650, 420), c.cascade), c.place);
    }
  }

  // Reports line up only when a full-width character is exactly two half-width ones.
  void ReportFontKeepsFullWidthTwiceHalfWidth() {
    QFont font = ReportFont();
    QCOMPARE(QFontInfo(font).family(), Q("IPAGothic"));
    for (int size : {9, 10, 11, 12, 14}) {
      font.setPointSize(size);
      QFontMetricsF metrics(font);
      const qreal half = metrics.horizontalAdvance(QLatin1Char('0'));
      QVERIFY(half > 0);
      QCOMPARE(metrics.horizontalAdvance(Q("ｱ")), half);
      QCOMPARE(metrics.horizontalAdvance(Q("単")), 2 * half);
      QCOMPARE(metrics.horizontalAdvance(Q("１２３　")), 8 * half);
      QCOMPARE(metrics.horizontalAdvance(Q("ｵｯｽﾞ 2.5")), 8 * half);
    }
    QCOMPARE(PrintText(session_, {}).findChild<QPlainTextEdit*>(Q("Text1"))->font().family(),
             Q("ＭＳ ゴシック"));
  }
};

QTEST_MAIN(ViewersTest)
#include "viewers_test.moc"
