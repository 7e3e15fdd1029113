// The results selection: date list, venue and race enabling in both modes, the run handing
// the reports to the viewers, and the fresh list each time the form opens.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include <filesystem>

#include "app/operations.h"
#include "form_harness.h"
#include "support/race_fixtures.h"
#include "support/results_fixtures.h"
#include "ui/kobetsu_text.h"
#include "ui/report_text_box.h"
#include "ui/s_data_select.h"
#include "ui/seiseki_text.h"

using mirtote::testing::Child;
using mirtote::testing::FormHarness;
using mirtote::ui::SDataSelect;
namespace testing = mirtote::testing;

class SDataSelectTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<FormHarness> h_;
  QWidget main_window_;

  SDataSelect* Open() {
    h_->context.main_window = &main_window_;
    mirtote::app::OpenResultsSelection(h_->context);
    return main_window_.findChild<SDataSelect*>();
  }
  static QAbstractButton* Button(SDataSelect* form, const char* name, int index = -1) {
    return Child<QAbstractButton>(form, index < 0 ? name : name + ("_" + std::to_string(index)));
  }
  // "E" enabled and checked, "e" enabled, "c" checked, "-" neither; hidden controls are " ".
  static std::string States(SDataSelect* form, const char* name, int count) {
    std::string states;
    for (int i = 0; i < count; ++i) {
      QAbstractButton* b = Button(form, name, i);
      states += !b->isVisibleTo(form) ? ' '
                : b->isEnabled()      ? (b->isChecked() ? 'E' : 'e')
                                      : (b->isChecked() ? 'c' : '-');
    }
    return states;
  }
  void ClickDate(SDataSelect* form, int row) {
    auto* list = Child<QListWidget>(form, "List1");
    list->setCurrentRow(row);
    form->List1_Click();
  }

 private slots:
  void init() {
    h_ = std::make_unique<FormHarness>();
    h_->context.session.start_folder = h_->folder.path();
    std::vector<testing::ResultsFields> races(10);
    for (int i = 0; i < 10; ++i) races[i].race = testing::TwoDigits(i + 1);
    testing::WriteResultsFile(h_->folder.path(), "東京19981004.SEI", races);
    testing::WriteResultsFile(h_->folder.path(), "京都19981004.SEI", {races[0]});
    testing::WriteResultsFile(h_->folder.path(), "阪神19980927.SEI", {races[0]});
  }
  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (qobject_cast<mirtote::ui::ReportViewer*>(w)) delete w;
    }
    delete main_window_.findChild<SDataSelect*>();
  }

  void OneRaceMode() {
    SDataSelect* form = Open();
    QVERIFY(Button(form, "Option1")->isChecked());
    auto* list = Child<QListWidget>(form, "List1");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(1)->text(), testing::Q("1998年10月 4日"));
    QCOMPARE(States(form, "Option3", 10), std::string("----------"));
    QCOMPARE(States(form, "Check1", 10), std::string(10, ' '));

    ClickDate(form, 1);
    QCOMPARE(States(form, "Option3", 10), std::string("----e--e--"));
    Button(form, "Option3", 4)->click();
    QCOMPARE(States(form, "Option4", 12), std::string("eeeeeeeeee--"));
    QCOMPARE(States(form, "Check2", 12), std::string(12, ' '));

    // The run: the report of race 10 in the single-race viewer, labelled with the stem.
    testing::WriteMeeting(h_->folder.path() / "DATA", "東京19981004", {}, {});
    Button(form, "Option4", 9)->click();
    Button(form, "Command1")->click();
    auto viewers = main_window_.findChildren<mirtote::ui::KobetsuText*>();
    QCOMPARE(viewers.size(), qsizetype(1));
    QVERIFY(viewers[0]->isVisible());
    QCOMPARE(Child<QLabel>(viewers[0], "Label1")->text(), testing::Q("19981004"));
    QVERIFY(viewers[0]->Text().find("10R 第49回 毎日王冠") != std::string::npos);
    QVERIFY(!h_->host.busy);
  }

  void PerDayMode() {
    SDataSelect* form = Open();
    Button(form, "Option2")->click();
    ClickDate(form, 1);
    QCOMPARE(States(form, "Check1", 10), std::string("----E--E--"));
    QCOMPARE(States(form, "Option3", 10), std::string(10, ' '));
    QCOMPARE(States(form, "Check2", 12), std::string(12, 'E'));
    Button(form, "Check1", 4)->click();
    QCOMPARE(States(form, "Check2", 12), std::string(12, 'E'));
    Button(form, "Check1", 7)->click();  // the last venue unticked: no race boxes
    QCOMPARE(States(form, "Check2", 12), std::string(12, '-'));
    Button(form, "Check1", 4)->click();
    QCOMPARE(States(form, "Check2", 12), std::string(12, 'E'));

    Button(form, "Check1", 7)->click();
    Button(form, "Command1")->click();
    auto viewers = main_window_.findChildren<mirtote::ui::SeisekiText*>();
    QCOMPARE(viewers.size(), qsizetype(1));
    QCOMPARE(viewers[0]->windowTitle(), testing::Q("1998年10月 4日"));
    auto* tabs = Child<QTabBar>(viewers[0], "TabStrip1");
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(1), testing::Q("京都"));
    QVERIFY(Child<mirtote::ui::ReportTextBox>(viewers[0], "Text2")
                ->ReportText()
                .starts_with("☆★払戻金情報★☆  ９８年４回東京２日目"));
  }

  // Opened again, the form lists the files present then; with none it refuses to run.
  void OpensAfreshEachTime() {
    SDataSelect* form = Open();
    QCOMPARE(Child<QListWidget>(form, "List1")->count(), 2);
    testing::WriteResultsFile(h_->folder.path(), "中山19981011.SEI", {{}});
    QCOMPARE(Open(), form);
    QCOMPARE(Child<QListWidget>(form, "List1")->count(), 3);

    std::filesystem::remove_all(h_->folder.path() / "SEISEKI");
    Open();
    QCOMPARE(h_->host.messages.size(), size_t(1));
    QCOMPARE(
        h_->host.messages[0].text,
        std::string(
            "解凍済みの成績ファイルが存在しません。\r\n成績ファイルを解凍後にご利用下さい。\r\n"));
    for (const char* name : {"Command1", "Option1", "Option2"}) {
      QVERIFY(!Button(form, name)->isEnabled());
    }
    QCOMPARE(States(form, "Option3", 10) + States(form, "Option4", 12), std::string(22, '-'));
  }
};

QTEST_MAIN(SDataSelectTest)
#include "s_data_select_test.moc"
