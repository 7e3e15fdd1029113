#include "shell/viewer_texts.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace mirtote {
namespace {

using testing::ReadFile;
using testing::ScriptedHost;
using testing::Sjis;
using testing::TempFolder;

TEST(SeisekiTextsTest, AllResultsSkipsEmptyVenuesAndEndsEachWithCrLf) {
  EXPECT_EQ(SeisekiAllText({"東京\r\n1R", "", "京都", ""}), "東京\r\n1R\r\n京都\r\n");
  EXPECT_EQ(SeisekiAllText({"", "", "", ""}), "");
  EXPECT_EQ(SeisekiShownText("京都"), "京都\r\n");
  EXPECT_EQ(SeisekiShownText(""), "\r\n");
}

TEST(SeisekiTextsTest, CopyConfirmations) {
  EXPECT_EQ(SeisekiCopyConfirmation(true, "東京"), "全ての結果をコピーしました");
  EXPECT_EQ(SeisekiCopyConfirmation(false, "東京"), "東京の結果をコピーしました");
}

TEST(SeisekiTextsTest, DefaultFileNameFromCaptionDate) {
  EXPECT_EQ(SeisekiDefaultFileName(true, "東京", "1998年 5月 5日"), "全場19980505.TXT");
  EXPECT_EQ(SeisekiDefaultFileName(false, "東京", "1998/11/10 成績"), "東京19981110.TXT");
  EXPECT_EQ(SeisekiDefaultFileName(false, "中山", "2001/ 1/31"), "中山20010131.TXT");
  // A caption shorter than a date gives what is there, never a crash.
  EXPECT_EQ(SeisekiDefaultFileName(true, "", "1998/ 5"), "全場199805.TXT");
  EXPECT_EQ(SeisekiDefaultFileName(true, "", ""), "全場.TXT");
}

TEST(ViewerSaveRequestTest, DialogSettingsPerViewer) {
  TempFolder start;
  std::filesystem::create_directories(start.path() / "file");  // FILE found ignoring case
  FileDialogRequest odds = ViewerSaveRequest(ViewerKind::kPrintText, start.path(), "PATODDS.TXT");
  EXPECT_EQ(odds.title, "名前をつけて保存【オッズ表示】");
  EXPECT_EQ(odds.initial_folder, start.path().string());
  EXPECT_EQ(odds.default_name, "PATODDS.TXT");
  EXPECT_EQ(odds.filter, "オッズ表示 (*.TXT)|*.TXT|全てのﾌｧｲﾙ (*.*)|*.*|");

  FileDialogRequest race = ViewerSaveRequest(ViewerKind::kKobetsuText, start.path(), "x.TXT");
  EXPECT_EQ(race.title, "名前をつけて保存【個別レース結果】");
  EXPECT_EQ(race.initial_folder, (start.path() / "file").string());
  EXPECT_EQ(race.filter, "ﾃｷｽﾄﾌｧｲﾙ (*.TXT)|*.TXT|全てのﾌｧｲﾙ (*.*)|*.*|");

  FileDialogRequest day = ViewerSaveRequest(ViewerKind::kSeisekiText, start.path(), "y.TXT");
  EXPECT_EQ(day.title, "名前をつけて保存【競走成績】");
  EXPECT_EQ(day.initial_folder, (start.path() / "file").string());
  EXPECT_EQ(day.filter, race.filter);
}

class SaveReportTextTest : public ::testing::Test {
 protected:
  TempFolder start;
  MemorySettingsStore settings;
  ScriptedHost host;
  Session session{start.path(), settings, host};
  FileDialogRequest request = ViewerSaveRequest(ViewerKind::kPrintText, start.path(), "A.TXT");
};

TEST_F(SaveReportTextTest, CancelWritesNothingAndSaysNothing) {
  host.save_answers = {std::nullopt};
  EXPECT_FALSE(SaveReportText(session, request, "x"));
  EXPECT_TRUE(std::filesystem::is_empty(start.path()));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(SaveReportTextTest, FailedWriteNamesTheFile) {
  std::string target = (start.path() / "no-such-folder" / "a.txt").string();
  host.save_answers = {target};
  EXPECT_FALSE(SaveReportText(session, request, "x"));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "保存エラー");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::kExclamation);
  EXPECT_EQ(
      host.messages[0].text.rfind("ファイルを保存できませんでした。\r\n" + target + "\r\n", 0), 0u);
  EXPECT_GT(host.messages[0].text.size(), target.size() + 60);  // the reason follows
}

}  // namespace
}  // namespace mirtote
