// The two conversion commands of the main window: the open dialog each asks for, the busy
// pointer from before the dialog to the end, the files written from the chosen sources.

#include <QtTest>

#include "app/operations.h"
#include "form_harness.h"

using namespace std::string_literals;
using mirtote::ChosenFiles;
using mirtote::testing::FormHarness;
namespace fs = std::filesystem;
namespace keys = mirtote::keys;

class OddsSourceConversionsTest : public QObject {
  Q_OBJECT

  const fs::path samples_ = fs::path(MIRTOTE_TEST_DATA) / "convert";

  static std::vector<std::string> Texts(const FormHarness& h) {
    std::vector<std::string> texts;
    for (const auto& message : h.host.messages) texts.push_back(message.text);
    return texts;
  }

 private slots:
  void logDialogFollowsTheSettingsAndEveryChosenLogIsConverted() {
    FormHarness h;
    h.context.session.start_folder = h.folder.path();
    const fs::path logs = h.folder.path() / "LOGS";
    fs::create_directories(logs);
    fs::copy_file(samples_ / "forum.ODS", logs / "a.ODS");
    fs::copy_file(samples_ / "forum.ODS", logs / "b.TXT");
    h.store.Set(keys::kStartup, keys::kPatType, "PAT31");
    h.store.Set(keys::kStartup, keys::kFileExtType, "TXT");
    h.store.Set(keys::kStartup, keys::kOddsLogFolder, "LOGS");
    h.host.open_answers.push_back(ChosenFiles{logs.string(), {"a.ODS", "b.TXT"}});
    mirtote::app::RunForumLogConversion(h.context);

    QCOMPARE(h.host.open_requests.at(0).initial_folder, logs.string());
    QCOMPARE(h.host.open_requests.at(0).filter,
             "TXTファイル(*.TXT)|*.TXT|KORVANｵｯｽﾞﾛｸﾞﾌｧｲﾙ(*.ODS)|*.ODS|すべてのファイル(*.*)|*.*"s);
    QCOMPARE(Texts(h), (std::vector{"処理終了しました"s, "処理終了しました"s}));
    QCOMPARE(h.host.busy_calls, (std::vector{true, false}));
    QCOMPARE(h.host.busy_at_dialogs, std::vector{true});
    QCOMPARE(fs::file_size(h.folder.path() / "FILE" / "UO-517.JRA"), uintmax_t{1989});
  }

  void csvDialogCancelledConvertsNothing() {
    FormHarness h;
    h.context.session.start_folder = h.folder.path();
    h.host.open_answers = {std::nullopt};
    mirtote::app::RunOddsCsvConversion(h.context);
    QCOMPARE(h.host.open_requests.at(0).initial_folder, (h.folder.path() / "FILE").string());
    QCOMPARE(h.host.open_requests.at(0).filter, "ｵｯｽﾞﾌｧｲﾙ(OD*.CSV)|OD*.CSV"s);
    QVERIFY(h.host.messages.empty());
    QCOMPARE(h.host.busy_calls, (std::vector{true, false}));  // restored after the cancel
  }
};

QTEST_MAIN(OddsSourceConversionsTest)
#include "odds_source_conversions_test.moc"
