// The menu command LzhMelt: the open dialog, the archives in the dialog's order, a cancelled
// dialog.

#include "app/operations.h"
#include "gui/form_harness.h"
#include "support/lzh_fixtures.h"

using mirtote::ChosenFiles;
using mirtote::app::RunArchiveExtraction;
using mirtote::testing::StoredLzh;

class LzhMeltTest : public QObject {
  Q_OBJECT

 private slots:
  void ExtractsTheChosenArchivesInTheDialogsOrder() {
    mirtote::testing::FormHarness h;
    h.context.session.start_folder = h.folder.path();
    const std::string lzh = (h.folder.path() / "LZH").string();
    h.folder.Write("LZH/a.lzh", StoredLzh({{"JRA#KISI.DAT", "from a"}}));
    h.folder.Write("LZH/b.lzh", StoredLzh({{"JRA#KISI.DAT", "from b"}}));
    h.host.open_answers = {std::nullopt, ChosenFiles{lzh, {"b.lzh", "a.lzh"}}};
    RunArchiveExtraction(h.context);  // cancelled: nothing happens
    QVERIFY(!std::filesystem::exists(h.folder.path() / "DATA/騎手.DAT") && h.host.messages.empty());
    RunArchiveExtraction(h.context);
    QCOMPARE(mirtote::testing::ReadFile(h.folder.path() / "DATA/騎手.DAT"), std::string("from a"));
    QVERIFY(h.host.messages.empty() && !h.host.busy);
    QCOMPARE(h.host.open_requests.at(1).initial_folder + h.host.open_requests[1].filter,
             lzh + "LZHファイル(*.LZH)|*.LZH|すべてのファイル(*.*)|*.*");
  }
};

QTEST_MAIN(LzhMeltTest)
#include "lzh_melt_test.moc"
