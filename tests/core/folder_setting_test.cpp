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

TEST_F(FolderSettingTest, StoresAFolderHoldingAFileWithoutTrailingSeparator) {
  start.Write("odds/a.txt", "x");
  EXPECT_TRUE(StoreFolderSetting(session, 1, Folder("odds") + "/"));
  EXPECT_EQ(Stored(keys::kOddsLogFolder), Folder("odds"));
  EXPECT_EQ(host.Log(), Strings{"フォルダ設定||設定しました。"});
}

TEST_F(FolderSettingTest, RefusesEmptyMissingAndFilelessFolders) {
  start.Write("a.txt", "x");  // the current folder holds a file: "" must still be refused
  std::filesystem::create_directories(start.path() / "empty" / "sub");
  for (std::string text : {std::string(), Folder("missing"), Folder("empty")}) {
    EXPECT_FALSE(StoreFolderSetting(session, 2, text)) << text;
  }
  const std::string refusal =
      "フォルダ設定【要確認】||フォルダが存在しません。\r\n設定できませんでした。";
  EXPECT_EQ(host.Log(), (Strings{refusal, refusal, refusal}));
  EXPECT_EQ(Stored(keys::kPatFileFolder), "<none>");
}

TEST_F(FolderSettingTest, TargetFolderNeedsDdataWithAFile) {
  start.Write("target/base.txt", "x");
  std::filesystem::create_directories(start.path() / "target" / "DDATA");
  EXPECT_FALSE(StoreFolderSetting(session, 3, Folder("target")));
  EXPECT_EQ(host.Log(), Strings{"TARGETデータフォルダ確認||DDATAの親フォルダを指定してください。"});
  EXPECT_EQ(Stored(keys::kTargetFolder), "<none>");

  // The same folder is fine for another option, and with a file in ddata (any case) for 3.
  EXPECT_TRUE(StoreFolderSetting(session, 4, Folder("target")));
  std::filesystem::remove(start.path() / "target" / "DDATA");
  start.Write("target/ddata/x.csv", "x");
  EXPECT_TRUE(StoreFolderSetting(session, 3, Folder("target")));
  EXPECT_EQ(Stored(keys::kTargetFolder), Folder("target"));
}

TEST_F(FolderSettingTest, RelativeTextIsCheckedBelowTheCurrentFolderAndStoredAsTyped) {
  start.Write("FILE/z.txt", "x");
  EXPECT_TRUE(StoreFolderSetting(session, 0, "File"));
  EXPECT_EQ(Stored(keys::kJravanFolder), "File");
}

TEST_F(FolderSettingTest, InitialFolderIsJravanFolderOnlyWhenItHoldsAFile) {
  EXPECT_EQ(InitialDirSetFolder(session), start.path());  // key missing: the current folder
  std::filesystem::create_directories(start.path() / "lzh");
  settings.Set(keys::kStartup, keys::kJravanFolder, Folder("lzh"));
  EXPECT_EQ(InitialDirSetFolder(session), start.path());  // empty folder counts as missing
  start.Write("lzh/a.lzh", "x");
  EXPECT_EQ(InitialDirSetFolder(session), start.path() / "lzh");
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
