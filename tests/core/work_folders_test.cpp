#include "shell/work_folders.h"

#include <gtest/gtest.h>

#include "shell/settings_keys.h"
#include "support/test_support.h"

namespace mirtote {
namespace {

using testing::Strings;
namespace fs = std::filesystem;
using namespace std::string_literals;

struct WorkFoldersTest : ::testing::Test, testing::SessionFixture {
  void MakeFolders(std::initializer_list<const char*> names) {
    for (const char* name : names) fs::create_directory(start.path() / name);
  }
};

TEST_F(WorkFoldersTest, EmptyStartFolderAsksForEachInOrderAndCreatesThem) {
  host.yes_no_answers = {true, true, true, true, true};
  EXPECT_EQ(PrepareWorkFolders(session), PrepareResult::kReady);

  const auto ask = [](const char* what, const char* name) {
    return "?確認|i|"s + what + "のフォルダが\r存在しません。\r\r\"" + name +
           "\" フォルダを作成しますか？\r";
  };
  EXPECT_EQ(host.Log(), (Strings{ask("圧縮ファイル格納用", "LZH"), ask("処理データ格納用", "DATA"),
                                 ask("出力ファイル格納用", "FILE"), ask("作業用", "WORK"),
                                 ask("成績データ格納用", "SEISEKI")}));
  for (const char* name : {"LZH", "DATA", "FILE", "Work", "SEISEKI"}) {
    EXPECT_TRUE(fs::is_directory(start.path() / name)) << name;
  }
}

TEST_F(WorkFoldersTest, NoEndsWithTheExitMessageAndCreatesNothing) {
  MakeFolders({"LZH", "DATA", "FILE", "SEISEKI"});
  host.yes_no_answers = {false};
  EXPECT_EQ(PrepareWorkFolders(session), PrepareResult::kRefused);

  ASSERT_EQ(host.Log().size(), 2u);
  EXPECT_EQ(host.Log()[1], "終了確認|i|必要なフォルダが準備できません\rので終了します。\r");
  EXPECT_FALSE(fs::exists(start.path() / "Work"));
  EXPECT_EQ(settings.size(), 0u);  // the time window is left alone
}

TEST_F(WorkFoldersTest, FolderInAnotherLetterCaseCounts) {
  MakeFolders({"lzh", "data", "File", "WORK", "Seiseki"});
  EXPECT_EQ(PrepareWorkFolders(session), PrepareResult::kReady);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(fs::exists(start.path() / "DATA"));
}

TEST_F(WorkFoldersTest, FileWhereTheFolderShouldBeFailsNamingTheFolder) {
  MakeFolders({"LZH"});
  start.Write("DATA", "not a folder");
  host.yes_no_answers = {true};
  EXPECT_EQ(PrepareWorkFolders(session), PrepareResult::kFailed);

  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_FALSE(host.messages[1].question);
  EXPECT_NE(host.messages[1].text.find("\"DATA\" フォルダを作成できませんでした。"),
            std::string::npos);
  EXPECT_NE(host.messages[1].text.find("同じ名前のファイルがあります。"), std::string::npos);
  // The file is untouched and no later folder was created.
  EXPECT_EQ(testing::ReadFile(start.path() / "DATA"), "not a folder");
  EXPECT_FALSE(fs::exists(start.path() / "FILE"));
}

TEST_F(WorkFoldersTest, TimeWindowDefaultedOnlyWhenEmptyOrMissing) {
  MakeFolders({"LZH", "DATA", "FILE", "Work", "SEISEKI"});
  settings.Set(keys::kStartup, keys::kStartTime, "");
  ASSERT_EQ(PrepareWorkFolders(session), PrepareResult::kReady);
  EXPECT_EQ(settings.Get(keys::kStartup, keys::kStartTime), "0900");
  EXPECT_EQ(settings.Get(keys::kStartup, keys::kEndTime), "1700");

  settings.Set(keys::kStartup, keys::kEndTime, "1530");
  ASSERT_EQ(PrepareWorkFolders(session), PrepareResult::kReady);
  EXPECT_EQ(settings.Get(keys::kStartup, keys::kEndTime), "1530");
}

TEST_F(WorkFoldersTest, EditProcessingWindowOffersStoredValuesAndStoresAnswersUnchecked) {
  host.text_answers = {"1000", "abc"};

  EditProcessingWindow(session);
  EXPECT_EQ(host.initial_texts, (Strings{"0900", "1700"}));
  const auto box = [](const char* what, const char* when) {
    return "?発走時間指定||処理"s + what + "時間を入力してください。\r指定時刻" + when +
           "のレースが処理されます。\r現在の設定時間は、次の通りです。\r";
  };
  EXPECT_EQ(host.Log(), (Strings{box("開始", "以降"), box("終了", "以前")}));
  EXPECT_EQ(settings.Get(keys::kStartup, keys::kStartTime), "1000");
  EXPECT_EQ(settings.Get(keys::kStartup, keys::kEndTime), "abc");

  // A cancelled box keeps the stored value; an empty entry is stored and offered as it is.
  host.text_answers = {std::nullopt, "", "", std::nullopt};
  EditProcessingWindow(session);
  EXPECT_EQ(settings.Get(keys::kStartup, keys::kStartTime), "1000");
  EXPECT_EQ(settings.Get(keys::kStartup, keys::kEndTime), "");
  EditProcessingWindow(session);
  EXPECT_EQ(settings.Get(keys::kStartup, keys::kStartTime), "");
  EXPECT_EQ(settings.Get(keys::kStartup, keys::kEndTime), "");
  EXPECT_EQ(host.initial_texts, (Strings{"0900", "1700", "1000", "abc", "1000", ""}));
}

}  // namespace
}  // namespace mirtote
