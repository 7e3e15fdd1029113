#include "shell/viewer_texts.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace mirtote {
namespace {

using testing::TempFolder;

TEST(SeisekiTextsTest, AllResultsSkipsEmptyVenuesAndEndsEachWithCrLf) {
  EXPECT_EQ(SeisekiAllText({"東京\r\n1R", "", "京都", ""}), "東京\r\n1R\r\n京都\r\n");
  EXPECT_EQ(SeisekiAllText({"", "", "", ""}), "");
  EXPECT_EQ(SeisekiShownText("京都"), "京都\r\n");
  EXPECT_EQ(SeisekiShownText(""), "\r\n");
}

TEST(SeisekiTextsTest, DefaultFileNameFromCaptionDate) {
  EXPECT_EQ(SeisekiDefaultFileName(true, "東京", "1998年 5月 5日"), "全場19980505.TXT");
  EXPECT_EQ(SeisekiDefaultFileName(false, "東京", "1998/11/10 成績"), "東京19981110.TXT");
  EXPECT_EQ(SeisekiDefaultFileName(false, "中山", "2001/ 1/31"), "中山20010131.TXT");
  // A caption shorter than a date gives what is there, never a crash.
  EXPECT_EQ(SeisekiDefaultFileName(true, "", "1998/ 5"), "全場199805.TXT");
  EXPECT_EQ(SeisekiDefaultFileName(true, "", "1998/ 5/ "), "全場1998050.TXT");
  EXPECT_EQ(SeisekiDefaultFileName(true, "", ""), "全場.TXT");
}

TEST(ViewerSaveRequestTest, DialogSettingsPerViewer) {
  TempFolder start;
  std::filesystem::create_directories(start.path() / "file");  // FILE found ignoring case
  const std::string file = (start.path() / "file").string();
  const std::string text_filter = "ﾃｷｽﾄﾌｧｲﾙ (*.TXT)|*.TXT|全てのﾌｧｲﾙ (*.*)|*.*|";
  const struct {
    ViewerKind kind;
    std::string title, folder, filter;
  } viewers[] = {
      {ViewerKind::kPrintText, "名前をつけて保存【オッズ表示】", start.path().string(),
       "オッズ表示 (*.TXT)|*.TXT|全てのﾌｧｲﾙ (*.*)|*.*|"},
      {ViewerKind::kKobetsuText, "名前をつけて保存【個別レース結果】", file, text_filter},
      {ViewerKind::kSeisekiText, "名前をつけて保存【競走成績】", file, text_filter}};
  for (const auto& viewer : viewers) {
    FileDialogRequest request = ViewerSaveRequest(viewer.kind, start.path(), "A.TXT");
    EXPECT_EQ(request.title, viewer.title);
    EXPECT_EQ(request.initial_folder, viewer.folder);
    EXPECT_EQ(request.filter, viewer.filter);
    EXPECT_EQ(request.default_name, "A.TXT");
  }
}

class SaveReportTextTest : public ::testing::Test, protected testing::SessionFixture {
 protected:
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
