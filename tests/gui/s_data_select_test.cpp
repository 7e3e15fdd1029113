// The results selection: date list, venue and race enabling in both modes, the run handing
// the reports to the viewers, and the fresh list each time the form opens.

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
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
using mirtote::ui::SDataSelect;
namespace testing = mirtote::testing;

class SDataSelectTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::FormHarness> h_;
  std::unique_ptr<QWidget> main_window_;
  SDataSelect* form_ = nullptr;

  void Open() {
    mirtote::app::OpenResultsSelection(h_->context);
    form_ = main_window_->findChild<SDataSelect*>();
  }
  QAbstractButton* Button(const std::string& name) const {
    return Child<QAbstractButton>(form_, name);
  }
  // Per control of a set: "E" enabled and checked, "e" enabled, "c" checked, "-" neither,
  // " " hidden; the sets separated by "|".
  std::string States(std::initializer_list<std::pair<const char*, int>> sets) const {
    std::string states;
    for (const auto& [name, count] : sets) {
      if (!states.empty()) states += '|';
      for (int i = 0; i < count; ++i) {
        QAbstractButton* b = Button(name + ("_" + std::to_string(i)));
        states += !b->isVisibleTo(form_) ? ' '
                  : b->isEnabled()       ? (b->isChecked() ? 'E' : 'e')
                                         : (b->isChecked() ? 'c' : '-');
      }
    }
    return states;
  }
  void ClickDate(int row) {
    Child<QListWidget>(form_, "List1")->setCurrentRow(row);
    form_->List1_Click();
  }

 private slots:
  void init() {
    h_ = std::make_unique<testing::FormHarness>();
    main_window_ = std::make_unique<QWidget>();
    h_->context.session.start_folder = h_->folder.path();
    h_->context.main_window = main_window_.get();
    std::vector<testing::ResultsFields> races(10);
    for (int i = 0; i < 10; ++i) races[i].race = testing::TwoDigits(i + 1);
    testing::WriteResultsFile(h_->folder.path(), "東京19981004.SEI", races);
    testing::WriteResultsFile(h_->folder.path(), "京都19981004.SEI", {races[0]});
    testing::WriteResultsFile(h_->folder.path(), "阪神19980927.SEI", {races[0]});
    Open();
    testing::MoveToScreenCorner(*form_);
  }

  void OneRaceMode() {
    QVERIFY(Button("Option1")->isChecked());
    auto* list = Child<QListWidget>(form_, "List1");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(1)->text(), testing::Q("1998年10月 4日"));
    QCOMPARE(States({{"Option3", 10}, {"Check1", 10}}), "----------|          ");
    ClickDate(1);  // two venues that day
    QCOMPARE(States({{"Option3", 10}}), "----e--e--");
    Button("Option3_4")->click();  // races 1-10 in the file
    QCOMPARE(States({{"Option4", 12}, {"Check2", 12}}), "eeeeeeeeee--|            ");

    // The report of race 10 in the single-race viewer, labelled with the stem.
    testing::WriteMeeting(h_->folder.path() / "DATA", "東京19981004", {}, {});
    Button("Option4_9")->click();
    Button("Command1")->click();
    auto viewers = main_window_->findChildren<mirtote::ui::KobetsuText*>();
    QCOMPARE(viewers.size(), qsizetype(1));
    QVERIFY(viewers[0]->isVisible());
    QCOMPARE(Child<QLabel>(viewers[0], "Label1")->text(), testing::Q("19981004"));
    QVERIFY(viewers[0]->Text().find("10R 第49回 毎日王冠") != std::string::npos);
    QVERIFY(!h_->host.busy);
    // Beside the form, clear of its buttons; a second viewer a step away from the first.
    QVERIFY(testing::PlacedBeside(*viewers[0], *form_));
    Button("Command1")->click();
    viewers = main_window_->findChildren<mirtote::ui::KobetsuText*>();
    QCOMPARE((viewers[1]->pos() - viewers[0]->pos()).manhattanLength(), 48);
    QVERIFY(testing::PlacedBeside(*viewers[1], *form_));
  }

  void PerDayMode() {
    Button("Option2")->click();
    ClickDate(1);
    QCOMPARE(States({{"Check1", 10}, {"Option3", 10}, {"Check2", 12}}),
             "----E--E--|          |EEEEEEEEEEEE");
    Button("Check1_4")->click();
    Button("Check1_7")->click();  // the last venue unticked: no race boxes
    QCOMPARE(States({{"Check2", 12}}), "------------");
    Button("Check1_4")->click();
    QCOMPARE(States({{"Check2", 12}}), "EEEEEEEEEEEE");

    Button("Check1_7")->click();
    Button("Command1")->click();
    auto viewers = main_window_->findChildren<mirtote::ui::SeisekiText*>();
    QCOMPARE(viewers.size(), qsizetype(1));
    QCOMPARE(viewers[0]->windowTitle(), testing::Q("1998年10月 4日"));
    QVERIFY(testing::PlacedBeside(*viewers[0], *form_));
    auto* tabs = Child<QTabBar>(viewers[0], "TabStrip1");
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(1), testing::Q("京都"));
    QVERIFY(Child<mirtote::ui::ReportTextBox>(viewers[0], "Text2")
                ->ReportText()
                .starts_with("☆★払戻金情報★☆  ９８年４回東京２日目"));
  }

  // Opened again, the form lists the files present then; with none it refuses to run.
  void OpensAfreshEachTime() {
    testing::WriteResultsFile(h_->folder.path(), "中山19981011.SEI", {{}});
    SDataSelect* first = form_;
    Open();
    QCOMPARE(form_, first);
    QCOMPARE(Child<QListWidget>(form_, "List1")->count(), 3);

    std::filesystem::remove_all(h_->folder.path() / "SEISEKI");
    Open();
    QCOMPARE(h_->host.messages.size(), size_t(1));
    QVERIFY(h_->host.messages[0].text.starts_with("解凍済みの成績ファイルが存在しません。"));
    QCOMPARE(Button("Command1")->isEnabled() || Button("Option1")->isEnabled() ||
                 Button("Option2")->isEnabled(),
             false);
    QCOMPARE(States({{"Option3", 10}, {"Option4", 12}}), "----------|------------");
  }
};

QTEST_MAIN(SDataSelectTest)
#include "s_data_select_test.moc"
