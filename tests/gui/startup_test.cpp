// The main window's start-up: working folders, option check marks, and the placement it
// restores and stores.

#include <array>

#include "app/startup_answers_host.h"
#include "gui/form_harness.h"
#include "ui/qt_support.h"

using mirtote::keys::kForm;
using mirtote::keys::kStartup;
using mirtote::ui::TwipsToPixels;

class StartupTest : public QObject {
  Q_OBJECT
 private slots:
  void firstStartWithEmptyStore() {
    FormHarness h;
    auto& form = h.Load();
    QVERIFY(h.loaded);
    QVERIFY(h.host.messages.empty());
    QCOMPARE(h.context.session.start_folder, h.folder.path());
    QVERIFY(form.windowState().testFlag(Qt::WindowMaximized));
    QCOMPARE(h.Startup("PatType"), "PAT95"s);
    QCOMPARE(h.Startup("FileExtType"), "ALL"s);
    QCOMPARE(h.store.size(), size_t{4});  // with the time window; not OddsFileType, placement
    for (const char* item : {"SelPAT95", "FileSel1_ALL", "FileSel2_CSV"}) {
      QVERIFY(h.Item(item)->isChecked());
    }
    const QAction* jra = h.Item("FileSel2_JRA");
    QVERIFY(!jra->isChecked() && jra->isVisible() && !jra->isEnabled());
  }

  // The questions and messages themselves are the working folders' own tests; here: the
  // start goes on only with every folder in place, and ends before the option menus.
  void workingFolderDecidesTheStart() {
    for (const auto& [answer, file_in_the_way, loaded] :
         {std::tuple{true, false, true}, {false, false, false}, {true, true, false}}) {
      FormHarness h;
      fs::remove(h.folder.path() / "DATA");
      if (file_in_the_way) h.folder.Write("DATA", "x");
      h.host.yes_no_answers = {answer};
      auto& form = h.Load();
      QCOMPARE(h.loaded, loaded);
      QCOMPARE(h.host.messages.size(), size_t{loaded ? 1u : 2u});
      QCOMPARE(fs::is_directory(h.folder.path() / "DATA"), loaded);
      QCOMPARE(h.Startup("PatType"), loaded ? "PAT95"s : "<none>"s);
      QVERIFY(!form.isVisible());
    }
  }

  // --yes: the start-up questions are taken as answered Yes without being shown.
  void startupAnswersHostAgreesSilently() {
    FormHarness h(false);
    mirtote::app::StartupAnswersHost answering(h.host);
    answering.answer_yes = true;
    mirtote::app::AppContext context{mirtote::Session{{}, h.store, answering}};
    mirtote::app::MainFormOptions options;
    options.no_splash = true;
    options.start_folder = h.folder.path();
    mirtote::app::Main_Form form(context, options);
    QVERIFY(form.MDIForm_Load());
    QVERIFY(h.host.messages.empty());
    for (auto name : mirtote::kWorkFolders) QVERIFY(fs::is_directory(h.folder.path() / name));
  }

  // Stored PatType / FileExtType -> what is stored and checked after the start; only the
  // known values in upper case are kept.
  void optionMarksFollowTheStore() {
    const std::array<std::string, 4> cases[] = {{"PAT31", "ODS", "PAT31", "ODS"},
                                                {"PAT95", "TXT", "PAT95", "TXT"},
                                                {"PAT99", "LOG", "PAT95", "ALL"},
                                                {"pat31", "ods", "PAT95", "ALL"},
                                                {"", "", "PAT95", "ALL"}};
    for (const auto& [pat_stored, ext_stored, pat_type, file_ext_type] : cases) {
      FormHarness h;
      h.store.Set(kStartup, "PatType", pat_stored);
      h.store.Set(kStartup, "FileExtType", ext_stored);
      h.Load();
      QCOMPARE(h.Startup("PatType"), pat_type);
      QCOMPARE(h.Startup("FileExtType"), file_ext_type);
      for (const char* kind : {"PAT31", "PAT95"}) {
        QCOMPARE(h.Item(("SelPAT"s + (kind + 3)).c_str())->isChecked(), pat_type == kind);
      }
      for (const char* kind : {"ODS", "TXT", "ALL"}) {
        QCOMPARE(h.Item(("FileSel1_"s + kind).c_str())->isChecked(), file_ext_type == kind);
      }
    }
  }

  // A normal window's placement is stored at exit and put back at the next start. Exiting
  // maximized stores only State; the next start is maximized with the earlier normal size.
  void placementRoundTrips() {
    FormHarness h;
    h.store.Set(kForm, "State", "0");
    h.store.Set(kForm, "Top", "1440");
    h.store.Set(kForm, "Left", "2880");
    auto& form = h.Load();
    QCOMPARE(form.windowState(), Qt::WindowNoState);
    QCOMPARE(form.pos(), QPoint(TwipsToPixels(2880), TwipsToPixels(1440)));
    form.show();
    form.move(37, 52);
    form.resize(641, 433);
    h.host.yes_no_answers = {true};
    QVERIFY(form.close());
    QCOMPARE(h.Form("State"), "0"s);
    QCOMPARE(h.Form("Width"), std::to_string(mirtote::ui::PixelsToTwips(641)));

    FormHarness next;
    for (const char* key : {"Top", "Left", "Height", "Width"}) {
      next.store.Set(kForm, key, h.Form(key));
    }
    next.store.Set(kForm, "State", "2");
    auto& again = next.Load();
    QVERIFY(again.windowState().testFlag(Qt::WindowMaximized));
    QCOMPARE(again.normalGeometry(), QRect(37, 52, 641, 433));
    again.show();
    next.host.yes_no_answers = {true};
    next.form->Toolbar1_ButtonClick(mirtote::testing::Q("終　了"));
    QCOMPARE(next.Form("State"), "2"s);
    QCOMPARE(next.Form("Width"), h.Form("Width"));
    QCOMPARE(next.Form("Top"), h.Form("Top"));
  }

  // Height / Width apply only when stored non-empty; a placement beyond every screen is
  // brought back onto the primary screen.
  void oddPlacementValues() {
    FormHarness own;
    own.store.Set(kForm, "State", "0");
    const QSize own_size = own.Load().size();

    FormHarness h;
    h.store.Set(kForm, "State", "0");
    h.store.Set(kForm, "Height", "");
    h.store.Set(kForm, "Top", "x");
    auto& form = h.Load();
    QCOMPARE(form.size(), own_size);
    QCOMPARE(form.pos(), QPoint(0, 0));

    const QRect screen = QGuiApplication::primaryScreen()->availableVirtualGeometry();
    FormHarness far;
    far.store.Set(kForm, "State", "0");
    far.store.Set(kForm, "Top", "-90000");
    far.store.Set(kForm, "Left", "99999999999999999999");
    far.store.Set(kForm, "Width", "999999999");
    auto& moved = far.Load();
    QCOMPARE(moved.pos(), QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    QCOMPARE(moved.width(), screen.width());
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
