#include "shell/work_folders.h"

#include <gtest/gtest.h>

#include "shell/settings_keys.h"
#include "support/test_support.h"

namespace mirtote {
namespace {

using testing::ScriptedHost;
using testing::TempFolder;
namespace fs = std::filesystem;

struct Fixture {
  TempFolder start;
  MemorySettingsStore settings;
  ScriptedHost host;
  Session session{start.path(), settings, host};

  void MakeFolders(std::initializer_list<const char*> names) {
    for (const char* name : names) fs::create_directory(start.path() / name);
  }
};

TEST(PrepareWorkFolders, AsksOnlyForTheMissingFolderAndCreatesItOnYes) {
  Fixture f;
  f.MakeFolders({"LZH", "FILE", "Work", "SEISEKI"});
  f.host.yes_no_answers = {true};

  EXPECT_EQ(PrepareWorkFolders(f.session), PrepareResult::kReady);

  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_TRUE(f.host.messages[0].question);
  EXPECT_EQ(f.host.messages[0].title, "確認");
  EXPECT_EQ(f.host.messages[0].icon, MessageIcon::kInformation);
  EXPECT_EQ(f.host.messages[0].text,
            "処理データ格納用のフォルダが\r存在しません。\r\r\"DATA\" フォルダを作成しますか？\r");
  EXPECT_TRUE(fs::is_directory(f.start.path() / "DATA"));
}

TEST(PrepareWorkFolders, NoEndsWithTheExitMessageAndCreatesNothing) {
  Fixture f;
  f.MakeFolders({"LZH", "DATA", "FILE", "SEISEKI"});
  f.host.yes_no_answers = {false};

  EXPECT_EQ(PrepareWorkFolders(f.session), PrepareResult::kRefused);

  ASSERT_EQ(f.host.messages.size(), 2u);
  // The work folder is written in capitals in the question.
  EXPECT_EQ(f.host.messages[0].text,
            "作業用のフォルダが\r存在しません。\r\r\"WORK\" フォルダを作成しますか？\r");
  EXPECT_FALSE(f.host.messages[1].question);
  EXPECT_EQ(f.host.messages[1].title, "終了確認");
  EXPECT_EQ(f.host.messages[1].icon, MessageIcon::kInformation);
  EXPECT_EQ(f.host.messages[1].text, "必要なフォルダが準備できません\rので終了します。\r");
  EXPECT_FALSE(fs::exists(f.start.path() / "Work"));
  // Refused start: the time window is left alone.
  EXPECT_EQ(f.settings.size(), 0u);
}

TEST(PrepareWorkFolders, EmptyStartFolderAsksInOrderAndCreatesAllFive) {
  Fixture f;
  f.host.yes_no_answers = {true, true, true, true, true};

  EXPECT_EQ(PrepareWorkFolders(f.session), PrepareResult::kReady);

  ASSERT_EQ(f.host.messages.size(), 5u);
  const char* first_lines[] = {"圧縮ファイル格納用のフォルダが", "処理データ格納用のフォルダが",
                               "出力ファイル格納用のフォルダが", "作業用のフォルダが",
                               "成績データ格納用のフォルダが"};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_TRUE(f.host.messages[i].text.starts_with(first_lines[i])) << i;
  }
  for (const char* name : {"LZH", "DATA", "FILE", "Work", "SEISEKI"}) {
    EXPECT_TRUE(fs::is_directory(f.start.path() / name)) << name;
  }
}

TEST(PrepareWorkFolders, FolderInAnotherLetterCaseCounts) {
  Fixture f;
  f.MakeFolders({"lzh", "data", "File", "WORK", "Seiseki"});

  EXPECT_EQ(PrepareWorkFolders(f.session), PrepareResult::kReady);
  EXPECT_TRUE(f.host.messages.empty());
  EXPECT_FALSE(fs::exists(f.start.path() / "DATA"));
}

TEST(PrepareWorkFolders, FileWhereTheFolderShouldBeFailsNamingTheFolder) {
  Fixture f;
  f.MakeFolders({"LZH"});
  f.start.Write("DATA", "not a folder");
  f.host.yes_no_answers = {true};

  EXPECT_EQ(PrepareWorkFolders(f.session), PrepareResult::kFailed);

  ASSERT_EQ(f.host.messages.size(), 2u);
  EXPECT_TRUE(f.host.messages[0].question);
  const auto& failure = f.host.messages[1];
  EXPECT_FALSE(failure.question);
  EXPECT_NE(failure.text.find("\"DATA\" フォルダを作成できませんでした。"), std::string::npos);
  EXPECT_NE(failure.text.find("同じ名前のファイルがあります。"), std::string::npos);
  // The file is untouched and no later folder was created.
  EXPECT_EQ(testing::ReadFile(f.start.path() / "DATA"), "not a folder");
  EXPECT_FALSE(fs::exists(f.start.path() / "FILE"));
}

TEST(PrepareWorkFolders, TimeWindowDefaultedOnlyWhenEmptyOrMissing) {
  Fixture f;
  f.MakeFolders({"LZH", "DATA", "FILE", "Work", "SEISEKI"});
  f.settings.Set(keys::kStartup, keys::kStartTime, "");
  f.settings.Set(keys::kStartup, keys::kEndTime, "1530");

  ASSERT_EQ(PrepareWorkFolders(f.session), PrepareResult::kReady);
  EXPECT_EQ(f.settings.Get(keys::kStartup, keys::kStartTime), "0900");
  EXPECT_EQ(f.settings.Get(keys::kStartup, keys::kEndTime), "1530");

  MemorySettingsStore fresh;
  Session session{f.start.path(), fresh, f.host};
  ASSERT_EQ(PrepareWorkFolders(session), PrepareResult::kReady);
  EXPECT_EQ(fresh.Get(keys::kStartup, keys::kStartTime), "0900");
  EXPECT_EQ(fresh.Get(keys::kStartup, keys::kEndTime), "1700");
}

TEST(EditProcessingWindow, PromptsWithCurrentValuesAndStoresAnswersUnchecked) {
  Fixture f;
  f.settings.Set(keys::kStartup, keys::kEndTime, "1600");
  f.host.text_answers = {"1000", "abc"};

  EditProcessingWindow(f.session);

  ASSERT_EQ(f.host.messages.size(), 2u);
  EXPECT_EQ(f.host.messages[0].title, "発走時間指定");
  EXPECT_EQ(f.host.messages[0].text,
            "処理開始時間を入力してください。\r指定時刻以降のレースが処理されます。\r"
            "現在の設定時間は、次の通りです。\r");
  EXPECT_EQ(f.host.messages[1].title, "発走時間指定");
  EXPECT_EQ(f.host.messages[1].text,
            "処理終了時間を入力してください。\r指定時刻以前のレースが処理されます。\r"
            "現在の設定時間は、次の通りです。\r");
  EXPECT_EQ(f.settings.Get(keys::kStartup, keys::kStartTime), "1000");
  EXPECT_EQ(f.settings.Get(keys::kStartup, keys::kEndTime), "abc");
}

// Records the initial text of each input box and answers as if cancelled.
class CancellingHost : public ScriptedHost {
 public:
  std::vector<std::string> initial_texts;
  std::string AskText(std::string_view, std::string_view, std::string_view initial) override {
    initial_texts.emplace_back(initial);
    return {};
  }
};

TEST(EditProcessingWindow, OffersDefaultsAndCancelStoresEmptyText) {
  TempFolder start;
  MemorySettingsStore settings;
  CancellingHost host;
  Session session{start.path(), settings, host};

  EditProcessingWindow(session);

  EXPECT_EQ(host.initial_texts, (std::vector<std::string>{"0900", "1700"}));
  EXPECT_EQ(settings.Get(keys::kStartup, keys::kStartTime), "");
  EXPECT_EQ(settings.Get(keys::kStartup, keys::kEndTime), "");

  settings.Set(keys::kStartup, keys::kStartTime, "0830");
  host.initial_texts.clear();
  EditProcessingWindow(session);
  EXPECT_EQ(host.initial_texts[0], "0830");
  // An empty stored value is offered as it is, not replaced by the default.
  EXPECT_EQ(host.initial_texts[1], "");
}

}  // namespace
}  // namespace mirtote
