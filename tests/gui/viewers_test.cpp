// The report viewers: controls, copy, save, tabs and the report font.

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QtTest>

#include "support/test_support.h"
#include "ui/kobetsu_text.h"
#include "ui/print_text.h"
#include "ui/report_font.h"
#include "ui/report_text_box.h"
#include "ui/seiseki_text.h"

using mirtote::FileDialogRequest;
using mirtote::MemorySettingsStore;
using mirtote::MessageIcon;
using mirtote::Session;
using mirtote::testing::ReadFile;
using mirtote::testing::ScriptedHost;
using mirtote::testing::Sjis;
using mirtote::testing::TempFolder;
using namespace mirtote::ui;

namespace {

// Remembers the save dialogs it was asked for.
class RecordingHost : public ScriptedHost {
 public:
  std::vector<FileDialogRequest> save_requests;
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override {
    save_requests.push_back(request);
    return ScriptedHost::ChooseFileToSave(request);
  }
};

QString Q(const char* utf8) {
  return QString::fromUtf8(utf8);
}

template <typename T>
T* Child(QWidget* parent, const char* name) {
  T* child = parent->findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) qFatal("no child %s", name);
  return child;
}

void Click(QWidget* parent, const char* name) {
  Child<QPushButton>(parent, name)->click();
}

QStringList Captions(QWidget* viewer) {
  QStringList captions;
  for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
    captions << Child<QPushButton>(viewer, name)->text();
  }
  return captions;
}

}  // namespace

class ViewersTest : public QObject {
  Q_OBJECT

 private:
  TempFolder start_;
  MemorySettingsStore settings_;
  RecordingHost host_;
  Session session_{start_.path(), settings_, host_};

  std::string Path(const char* name) const { return (start_.path() / name).string(); }

 private slots:
  void init() { host_ = RecordingHost(); }

  void PrintTextSavesTextPlusCrLfInCp932() {
    auto* viewer = new PrintText(session_, {});
    QCOMPARE(viewer->windowTitle(), Q("オッズ表示"));
    QCOMPARE(Captions(viewer),
             QStringList({Q("ファイル保存"), Q("コ ピ ー"), Q("閉 じ る"), Q("全 終 了")}));
    const std::string report = "ﾚｰｽ  単勝 ～①\r\n１  ｱｲﾈｽ   2.5\r\n";
    viewer->SetText(report);
    host_.save_answers = {Path("odds.txt")};
    Click(viewer, "Command1");
    // The text already ends in CR LF; the file still gets one more, and nothing else.
    QCOMPARE(ReadFile(start_.path() / "odds.txt"), Sjis(report) + "\r\n");
    QCOMPARE(ReadFile(start_.path() / "odds.txt").substr(0, 5), std::string("\xDA\xB0\xBD  "));
    QCOMPARE(host_.save_requests.size(), size_t{1});
    QCOMPARE(host_.save_requests[0].title, std::string("名前をつけて保存【オッズ表示】"));
    QCOMPARE(host_.save_requests[0].default_name, std::string("PATODDS.TXT"));
    QCOMPARE(host_.save_requests[0].initial_folder, start_.path().string());
    QVERIFY(host_.messages.empty());
    delete viewer;
  }

  void FailedSaveShowsTheFileAndReason() {
    auto* viewer = new PrintText(session_, {});
    viewer->SetText("x");
    host_.save_answers = {Path("missing/odds.txt")};
    Click(viewer, "Command1");
    QCOMPARE(host_.messages.size(), size_t{1});
    QCOMPARE(host_.messages[0].title, std::string("保存エラー"));
    QVERIFY(host_.messages[0].text.find(Path("missing/odds.txt")) != std::string::npos);
    delete viewer;
  }

  void CopyPutsTheExactTextOnTheClipboard() {
    auto* viewer = new PrintText(session_, {});
    viewer->SetText("a\r\nb");
    Click(viewer, "Command2");
    QCOMPARE(host_.clipboard, std::string("a\r\nb"));
    QCOMPARE(host_.messages.size(), size_t{1});
    QCOMPARE(host_.messages[0].text, std::string("表示されている結果をコピーしました"));
    QCOMPARE(host_.messages[0].title, std::string("確　認"));
    QCOMPARE(host_.messages[0].icon, MessageIcon::kInformation);
    delete viewer;
  }

  void EditedTextComesBackWithCrLf() {
    ReportTextBox box;
    box.SetReportText("a\r\nb");
    QCOMPARE(box.toPlainText(), Q("a\nb"));
    box.appendPlainText(Q("ｃ"));
    QCOMPARE(box.ReportText(), std::string("a\r\nb\r\nｃ"));
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
    std::filesystem::create_directories(start_.path() / "FILE");
    auto* viewer = new KobetsuText(session_, {});
    QCOMPARE(viewer->windowTitle(), Q("個別レース結果"));
    QCOMPARE(Captions(viewer),
             QStringList({Q("保　　存"), Q("コ ピ ー"), Q("閉 じ る"), Q("終　　了")}));
    viewer->SetText("１着");
    viewer->SetLabel("19981110");
    viewer->show();
    QVERIFY(!Child<QLabel>(viewer, "Label1")->isVisible());
    host_.save_answers = {Path("FILE/r.txt")};
    Click(viewer, "Command1");
    QCOMPARE(host_.save_requests[0].default_name, std::string("19981110.TXT"));
    QCOMPARE(host_.save_requests[0].initial_folder, (start_.path() / "FILE").string());
    QCOMPARE(ReadFile(start_.path() / "FILE" / "r.txt"), Sjis("１着") + "\r\n");
    delete viewer;
  }

  void SeisekiTextAllResultsSkipsEmptyVenues() {
    auto* viewer = new SeisekiText(session_, {});
    QCOMPARE(viewer->windowTitle(), Q("成績データテキスト表示"));
    viewer->SetVenue(0, "東京", "東京の払戻");
    viewer->SetVenue(1, "京都", "京都の払戻\r\n");
    viewer->SetCaption("1998/ 5/ 5");
    viewer->show();
    for (const char* name : {"Text1_0", "Text1_1", "Text1_2", "Text1_3"}) {
      QVERIFY(!Child<QPlainTextEdit>(viewer, name)->isVisible());
    }
    QVERIFY(Child<QRadioButton>(viewer, "Option1")->isChecked());
    QCOMPARE(Child<QRadioButton>(viewer, "Option1")->text(), Q("全結果"));
    QCOMPARE(Child<QRadioButton>(viewer, "Option2")->text(), Q("表示分のみ"));
    QCOMPARE(Child<QPlainTextEdit>(viewer, "Text2")->toPlainText(), Q("東京の払戻"));

    Click(viewer, "Command2");
    QCOMPARE(host_.clipboard, std::string("東京の払戻\r\n京都の払戻\r\n\r\n"));
    QCOMPARE(host_.messages.back().text, std::string("全ての結果をコピーしました"));

    host_.save_answers = {Path("all.txt")};
    Click(viewer, "Command1");
    QCOMPARE(host_.save_requests[0].default_name, std::string("全場19980505.TXT"));
    QCOMPARE(host_.save_requests[0].title, std::string("名前をつけて保存【競走成績】"));
    QCOMPARE(ReadFile(start_.path() / "all.txt"),
             Sjis("東京の払戻\r\n京都の払戻\r\n\r\n") + "\r\n");
    delete viewer;
  }

  void SeisekiTextShownOnlyAndTabs() {
    auto* viewer = new SeisekiText(session_, {});
    viewer->SetVenue(0, "中山", "中山");
    viewer->SetVenue(1, "東京", "東京");
    viewer->SetVenue(2, "京都", "京都");
    viewer->SetCaption("1998/11/10");
    auto* tabs = Child<QTabBar>(viewer, "TabStrip1");
    QCOMPARE(tabs->count(), 3);
    tabs->setCurrentIndex(2);
    QCOMPARE(Child<QPlainTextEdit>(viewer, "Text2")->toPlainText(), Q("京都"));
    tabs->setCurrentIndex(1);
    Child<QRadioButton>(viewer, "Option2")->click();

    Click(viewer, "Command2");
    QCOMPARE(host_.clipboard, std::string("東京\r\n"));
    QCOMPARE(host_.messages.back().text, std::string("東京の結果をコピーしました"));
    host_.save_answers = {std::nullopt};
    Click(viewer, "Command1");
    QCOMPARE(host_.save_requests[0].default_name, std::string("東京19981110.TXT"));
    delete viewer;
  }

  // Reports line up only when a full-width character is exactly two half-width ones.
  void ReportFontKeepsFullWidthTwiceHalfWidth() {
    InstallReportFontSubstitutions();
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
