// The menu command LzhMelt: the open dialog, the archives in the dialog's order, a cancelled
// dialog, the one-command-at-a-time guard.

#include "app/operations.h"
#include "gui/form_harness.h"
#include "support/lzh_fixtures.h"

using mirtote::ChosenFiles;
using mirtote::testing::FormHarness;
using mirtote::testing::ReadFile;
using mirtote::testing::StoredLzh;

class LzhMeltTest : public QObject {
  Q_OBJECT

 private slots:
  void ExtractsTheChosenArchivesInOrder() {
    FormHarness h;
    h.context.session.start_folder = h.folder.path();
    h.folder.Write("LZH/a.lzh", StoredLzh({{"JRA#KISI.DAT", "from a"}}));
    h.folder.Write("LZH/b.lzh", StoredLzh({{"JRA#KISI.DAT", "from b"}, {"JRA#HYO3.DAT", ""}}));
    h.host.open_answers.push_back(
        ChosenFiles{(h.folder.path() / "LZH").string(), {"b.lzh", "a.lzh"}});
    mirtote::app::RunArchiveExtraction(h.context);
    QCOMPARE(h.host.open_requests.size(), size_t{1});
    QCOMPARE(h.host.open_requests[0].initial_folder, (h.folder.path() / "LZH").string());
    QCOMPARE(h.host.open_requests[0].filter,
             std::string("LZHファイル(*.LZH)|*.LZH|すべてのファイル(*.*)|*.*"));
    QCOMPARE(ReadFile(h.folder.path() / "DATA/騎手.DAT"), std::string("from a"));
    QVERIFY(h.host.messages.empty());
    QVERIFY(!h.host.busy);
  }

  void CancelledOrBusyDoesNothing() {
    FormHarness h;
    h.context.session.start_folder = h.folder.path();
    h.host.open_answers.push_back(std::nullopt);
    mirtote::app::RunArchiveExtraction(h.context);
    QVERIFY(h.host.open_answers.empty() && h.host.messages.empty() && !h.host.busy);
    h.context.command_running = true;  // another command runs: no dialog
    mirtote::app::RunArchiveExtraction(h.context);
    QCOMPARE(h.host.open_requests.size(), size_t{1});
  }
};

QTEST_MAIN(LzhMeltTest)
#include "lzh_melt_test.moc"
