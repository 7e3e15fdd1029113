// The odds display selection: which choices the file names of the folder enable, and that
// the output buttons open the odds viewer with the chosen races.

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>

#include "form_harness.h"
#include "support/race_fixtures.h"
#include "ui/print_text.h"
#include "ui/qt_support.h"
#include "ui/select_data.h"

using mirtote::testing::Child;
using mirtote::testing::FormHarness;
using mirtote::ui::PrintText;
using mirtote::ui::SelectData;
namespace pat = mirtote::pat;
namespace testing = mirtote::testing;

class SelectDataTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<FormHarness> h_;
  int exit_requests_ = 0;

  static QAbstractButton* Button(SelectData& form, const std::string& name) {
    return Child<QAbstractButton>(&form, name);
  }
  // The enabled ones of `count` controls named `name`_0 ... as a string of 0 and 1.
  static std::string Enabled(SelectData& form, const std::string& name, int count) {
    std::string marks;
    for (int i = 0; i < count; ++i) {
      marks += Button(form, name + "_" + std::to_string(i))->isEnabled() ? '1' : '0';
    }
    return marks;
  }
  static std::string Buttons(SelectData& form) {
    return {Button(form, "Command1")->isEnabled() ? '1' : '0',
            Button(form, "Command2")->isEnabled() ? '1' : '0'};
  }
  static std::vector<PrintText*> Viewers() {
    std::vector<PrintText*> viewers;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* viewer = qobject_cast<PrintText*>(widget)) viewers.push_back(viewer);
    }
    return viewers;
  }

 private slots:
  void init() {
    h_ = std::make_unique<FormHarness>(false);
    h_->context.session.start_folder = h_->folder.path();
    exit_requests_ = 0;
  }

  void ChoicesFollowTheFileNamesAndTheButtonsShowTheOdds() {
    // PatFileFolder never stored: the start folder. Upper- and lower-case names count,
    // a name mixing both does not.
    testing::RaceCardFields card;
    const pat::ZoContent zo9 = testing::ZoFor(card, 9);
    const auto& folder = h_->folder.path();
    testing::WritePatFiles(folder, "ZO-581.JRA", zo9, "uo-581.jra", testing::UoFor(zo9, 9));
    testing::WritePatFiles(folder, "zo-58a.jra", testing::ZoFor(card, 8));
    testing::WritePatFiles(folder, "ZO-572.JRA", zo9);
    testing::WritePatFiles(folder, "zo-a11.jra", zo9);
    testing::WritePatFiles(folder, "Zo-611.JRA", zo9);

    mirtote::ui::DialogContext context = mirtote::app::DialogContextOf(h_->context);
    context.confirm_exit = [this] { ++exit_requests_; };
    SelectData form(context);
    QCOMPARE(form.windowTitle(), testing::Q("表示情報選択"));
    QCOMPARE(Enabled(form, "Option1", 10), std::string("1000010000"));
    QCOMPARE(Enabled(form, "Option2", 8) + Enabled(form, "Check1", 12) + Buttons(form),
             std::string(22, '0'));

    Button(form, "Option1_5")->click();  // 東京: days 7 and 8
    QCOMPARE(Enabled(form, "Option2", 8), std::string("00000011"));
    Button(form, "Option2_7")->click();  // day 8: races 1 and 10
    QCOMPARE(Enabled(form, "Check1", 12), std::string("100000000100"));
    Button(form, "Check1_9")->click();  // race 10: ZO file only
    QCOMPARE(Buttons(form), std::string("10"));
    Button(form, "Check1_0")->click();  // race 1: both files
    QCOMPARE(Buttons(form), std::string("11"));
    Button(form, "Check1_0")->click();  // cleared again: the buttons stay
    QCOMPARE(Buttons(form), std::string("11"));

    // Races 1 and 10 checked; only race 10 has no UO file.
    Button(form, "Check1_0")->click();
    Button(form, "Command2")->click();
    QCOMPARE(Viewers().size(), size_t{1});
    QPointer<PrintText> viewer = Viewers().front();
    pat::OddsViewRequest request{pat::OddsSheetKind::kQuinella, '5', '8', {}};
    request.races[0] = request.races[9] = true;
    const pat::OddsViewResult expected = pat::BuildOddsView(request, h_->context.session);
    QCOMPARE(expected.races_shown, 1);
    QCOMPARE(viewer->Text(), expected.text);
    QCOMPARE(viewer->size(), mirtote::ui::TwipsToPixels(9735, 6240));
    viewer->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(viewer.isNull());

    // Another venue: its days only, the races and buttons off again.
    Button(form, "Option1_0")->click();  // 小倉
    QCOMPARE(Enabled(form, "Option2", 8) + Enabled(form, "Check1", 12) + Buttons(form),
             std::string("10000000") + std::string(14, '0'));
    QVERIFY(!Button(form, "Option2_7")->isChecked() && !Button(form, "Check1_0")->isChecked());

    form.show();
    Button(form, "Command4")->click();
    QCOMPARE(exit_requests_, 1);
    Button(form, "Command3")->click();
    QVERIFY(!form.isVisible());
  }
};

QTEST_MAIN(SelectDataTest)
#include "select_data_test.moc"
