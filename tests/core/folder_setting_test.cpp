#include "shell/folder_setting.h"

#include <gtest/gtest.h>

#include "shell/settings_keys.h"
#include "support/test_support.h"

namespace mirtote {
namespace {

using testing::Strings;

class FolderSettingTest : public ::testing::Test, protected testing::SessionFixture {
 protected:
  std::string Stored(const char* key) const {
    return settings.GetOr(keys::kStartup, key, "<none>");
  }
  std::string Folder(const char* name) const { return (start.path() / name).string(); }
};

TEST_F(FolderSettingTest, StoresAnExistingFolderWithoutTrailingSeparator) {
  std::filesystem::create_directories(start.path() / "odds");  // empty: a new output folder
  EXPECT_TRUE(StoreFolderSetting(session, 1, Folder("odds") + "/"));
  EXPECT_EQ(Stored(keys::kOddsLogFolder), Folder("odds"));
  EXPECT_EQ(host.Log(), Strings{"フォルダ設定||設定しました。"});
}

TEST_F(FolderSettingTest, RefusesEmptyTextMissingFoldersAndFiles) {
  start.Write("a.txt", "x");
  for (std::string text : {std::string(), Folder("missing"), Folder("a.txt")}) {
    EXPECT_FALSE(StoreFolderSetting(session, 2, text)) << text;
  }
  const std::string refusal =
      "フォルダ設定【要確認】||フォルダが存在しません。\r\n設定できませんでした。";
  EXPECT_EQ(host.Log(), (Strings{refusal, refusal, refusal}));
  EXPECT_EQ(Stored(keys::kPatFileFolder), "<none>");
}

TEST_F(FolderSettingTest, TargetFolderNeedsDdata) {
  start.Write("target/DDATA", "a file, not a folder");
  EXPECT_FALSE(StoreFolderSetting(session, 3, Folder("target")));
  EXPECT_EQ(host.Log(), Strings{"TARGETデータフォルダ確認||DDATAの親フォルダを指定してください。"});
  EXPECT_EQ(Stored(keys::kTargetFolder), "<none>");

  // The same folder is fine for another option, and with an empty ddata (any case) for 3.
  EXPECT_TRUE(StoreFolderSetting(session, 4, Folder("target")));
  std::filesystem::remove(start.path() / "target" / "DDATA");
  std::filesystem::create_directories(start.path() / "target" / "ddata");
  EXPECT_TRUE(StoreFolderSetting(session, 3, Folder("target")));
  EXPECT_EQ(Stored(keys::kTargetFolder), Folder("target"));
}

TEST_F(FolderSettingTest, RelativeTextIsCheckedBelowTheCurrentFolderAndStoredAsTyped) {
  std::filesystem::create_directories(start.path() / "FILE");
  EXPECT_TRUE(StoreFolderSetting(session, 0, "File"));
  EXPECT_EQ(Stored(keys::kJravanFolder), "File");
}

TEST_F(FolderSettingTest, InitialFolderIsJravanFolderWhenItExists) {
  EXPECT_EQ(InitialDirSetFolder(session), start.path());  // key missing: the current folder
  settings.Set(keys::kStartup, keys::kJravanFolder, Folder("lzh"));
  EXPECT_EQ(InitialDirSetFolder(session), start.path());  // missing folder
  std::filesystem::create_directories(start.path() / "lzh");
  EXPECT_EQ(InitialDirSetFolder(session), start.path() / "lzh");  // empty, but there
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(FolderSettingTest, MissingStoredFolderIsReplacedByTheCurrentFolder) {
  EXPECT_EQ(FolderForOption(session, 2), start.path());  // never stored: shown, not stored
  EXPECT_EQ(settings.size(), 0u);
  std::filesystem::create_directories(start.path() / "pat");
  settings.Set(keys::kStartup, keys::kPatInstFolder, Folder("pat"));
  EXPECT_EQ(FolderForOption(session, 5), start.path() / "pat");  // an empty folder can be shown
  std::filesystem::remove(start.path() / "pat");
  EXPECT_EQ(FolderForOption(session, 5), start.path());
  EXPECT_EQ(Stored(keys::kPatInstFolder), start.path().string());
  EXPECT_TRUE(host.messages.empty());  // replaced without asking

  // The root folder is a folder like any other, also typed with a trailing separator.
  settings.Set(keys::kStartup, keys::kPatInstFolder, WithoutTrailingSeparator("//"));
  EXPECT_EQ(FolderForOption(session, 5), "/");
  EXPECT_EQ(Stored(keys::kPatInstFolder), "/");
}

}  // namespace
}  // namespace mirtote
