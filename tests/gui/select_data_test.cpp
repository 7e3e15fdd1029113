// The odds display selection: which choices the file names of the folder enable, and that
// the output buttons open the odds viewer with the chosen races.

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>

#include "app/operations.h"
#include "form_harness.h"
#include "support/race_fixtures.h"
#include "ui/print_text.h"
#include "ui/qt_support.h"
#include "ui/select_data.h"

using mirtote::testing::Child;
using mirtote::ui::PrintText;
using mirtote::ui::SelectData;
namespace pat = mirtote::pat;
namespace testing = mirtote::testing;

namespace {

QAbstractButton* Button(SelectData& form, const std::string& name) {
  return Child<QAbstractButton>(&form, name);
}

// Enabled controls as marks: venues | days | races | Command1 and Command2.
std::string State(SelectData& form) {
  std::string marks;
  for (auto [name, first, count] :
       {std::tuple{"Option1_", 0, 10}, {"Option2_", 0, 8}, {"Check1_", 0, 12}, {"Command", 1, 2}}) {
    if (!marks.empty()) marks += '|';
    for (int i = first; i < first + count; ++i) {
      marks += Button(form, name + std::to_string(i))->isEnabled() ? '1' : '0';
    }
  }
  return marks;
}

}  // namespace

class SelectDataTest : public QObject {
  Q_OBJECT

 private slots:
  void ChoicesFollowTheFileNamesAndTheButtonsShowTheOdds() {
    // PatFileFolder never stored: the start folder. Upper- and lower-case names count, a
    // name mixing both does not; any "?O" name ending in "JRA" offers its venue, only ZO
    // and UO names offer days and races.
    testing::FormHarness h(false);
    const auto& folder = h.folder.path();
    h.context.session.start_folder = folder;
    testing::RaceCardFields card;
    const pat::ZoContent zo9 = testing::ZoFor(card, 9);
    testing::WritePatFiles(folder, "ZO-581.JRA", zo9, "uo-581.jra", testing::UoFor(zo9, 9));
    testing::WritePatFiles(folder, "zo-58a.jra", testing::ZoFor(card, 8));
    for (const char* name : {"ZO-572.JRA", "zo-a11.jra", "Zo-611.JRA", "XO-9.JRA", "ZO-733.TXT"}) {
      testing::WritePatFiles(folder, name, zo9);
    }
    int exit_requests = 0;
    mirtote::ui::DialogContext context = mirtote::app::DialogContextOf(h.context);
    context.confirm_exit = [&] { ++exit_requests; };
    SelectData form(context);
    QCOMPARE(form.windowTitle(), testing::Q("表示情報選択"));

    const std::vector<std::pair<const char*, const char*>> steps = {
        {nullptr, "1000010001|00000000|000000000000|00"},
        {"Option1_9", "1000010001|00000000|000000000000|00"},  // 阪神: no day
        {"Option1_5", "1000010001|00000011|000000000000|00"},  // 東京: days 7 and 8
        {"Option2_7", "1000010001|00000011|100000000100|00"},  // day 8: races 1 and 10
        {"Check1_9", "1000010001|00000011|100000000100|10"},   // race 10: ZO file only
        {"Check1_0", "1000010001|00000011|100000000100|11"},   // race 1: both files
        {"Check1_0", "1000010001|00000011|100000000100|11"},   // cleared: the buttons stay
        {"Check1_0", "1000010001|00000011|100000000100|11"},   // checked again
    };
    for (const auto& [click, state] : steps) {
      if (click) Button(form, click)->click();
      QCOMPARE(State(form), std::string(state));
    }

    // Races 1 and 10 checked; race 10 has no UO file.
    Button(form, "Command2")->click();
    QPointer<PrintText> viewer;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* shown = qobject_cast<PrintText*>(widget)) viewer = shown;
    }
    QVERIFY(viewer);
    pat::OddsViewRequest request{pat::OddsSheetKind::kQuinella, '5', '8', {}};
    request.races[0] = request.races[9] = true;
    const pat::OddsViewResult expected = pat::BuildOddsView(request, h.context.session);
    QCOMPARE(expected.races_shown, 1);
    QCOMPARE(viewer->Text(), expected.text);
    QCOMPARE(viewer->size(), mirtote::ui::TwipsToPixels(9735, 6240));
    viewer->close();

    // Another venue: its days only, the day and the races cleared, the buttons off.
    Button(form, "Option1_0")->click();  // 小倉
    QCOMPARE(State(form), std::string("1000010001|10000000|000000000000|00"));
    QVERIFY(!Button(form, "Option2_7")->isChecked() && !Button(form, "Check1_0")->isChecked());

    form.show();
    Button(form, "Command4")->click();
    QCOMPARE(exit_requests, 1);
    Button(form, "Command3")->click();
    QVERIFY(!form.isVisible());
  }

  // Opened again from the menu, the window comes forward and reads the folder again. Its
  // viewers open beside it, clear of its buttons, each a step away from the one before.
  void OpenedAgainReadsTheFolderAgain() {
    testing::FormHarness h(false);
    QWidget main_window;
    h.context.session.start_folder = h.folder.path();
    h.context.main_window = &main_window;
    mirtote::app::OpenOddsSelection(h.context);
    auto* form = main_window.findChild<SelectData*>();
    QCOMPARE(State(*form), std::string("0000000000|00000000|000000000000|00"));
    testing::RaceCardFields card;
    testing::WritePatFiles(h.folder.path(), "ZO-581.JRA", testing::ZoFor(card, 9));
    mirtote::app::OpenOddsSelection(h.context);
    QCOMPARE(main_window.findChildren<SelectData*>().size(), qsizetype{1});
    QCOMPARE(State(*form), std::string("0000010000|00000000|000000000000|00"));

    testing::MoveToScreenCorner(*form);
    for (const char* click : {"Option1_5", "Option2_7", "Check1_0", "Command1", "Command1"}) {
      Button(*form, click)->click();
    }
    const auto viewers = main_window.findChildren<PrintText*>();
    QCOMPARE(viewers.size(), qsizetype{2});
    QVERIFY(testing::PlacedBeside(*viewers[0], *form) && testing::PlacedBeside(*viewers[1], *form));
    QCOMPARE((viewers[1]->pos() - viewers[0]->pos()).manhattanLength(), 48);
  }
};

QTEST_MAIN(SelectDataTest)
#include "select_data_test.moc"
