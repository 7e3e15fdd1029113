#include "pat/posting.h"

#include <gtest/gtest.h>

#include "shell/settings_keys.h"
#include "support/test_support.h"

namespace mirtote::pat {
namespace {

namespace fs = std::filesystem;

using mirtote::testing::ReadFile;
using mirtote::testing::ScriptedHost;
using mirtote::testing::Sjis;
using mirtote::testing::TempFolder;

const std::string kSubject1 = "05/10  【 東京 １１Ｒ】    [取得15:32]";
const std::string kRace1 = "【オッズ】東京\r\n 1  ２．３\r\n";
const std::string kSubject2 = "05/10  【 東京 １２Ｒ】    [取得 9:05]";
const std::string kRace2 = "【オッズ】東京１２\r\n";

class PostingTest : public ::testing::Test {
 protected:
  PostingTest() { fs::create_directories(current_ / "FILE"); }

  PostOutcome Post(const std::string& subject, const std::string& race_text, char race_state) {
    state_.subject_line = subject;
    state_.race_text = race_text;
    state_.race_state = race_state;
    return PostRace(session_, state_, current_, run_);
  }
  // The two sample races in `format`.
  void PostTwo(char format) {
    state_.output_format = format;
    EXPECT_EQ(Post(kSubject1, kRace1, '1'), PostOutcome::kPosted);
    EXPECT_EQ(Post(kSubject2, kRace2, '1'), PostOutcome::kPosted);
  }

  TempFolder temp_;
  fs::path current_ = temp_.path() / "PAT";
  ScriptedHost host_;
  MemorySettingsStore settings_;
  Session session_{temp_.path(), settings_, host_};
  PatRunState state_;
  PostingRun run_;
};

TEST_F(PostingTest, ClipboardFormatHoldsTheRaceTextsAlone) {
  PostTwo('0');
  EXPECT_EQ(host_.clipboard, kRace1 + kRace2);
  EXPECT_TRUE(state_.race_text.empty());
  EXPECT_TRUE(fs::is_empty(current_ / "FILE"));
}

// One block per race, the Air Craft blocks each after the three navigation lines; the file
// ends with an empty line.
TEST_F(PostingTest, ScriptsHaveOneBlockPerRaceAndEndWithAnEmptyLine) {
  for (const auto& [format, file, nav] :
       {std::tuple<char, std::string, std::string>{'1', "PAD_NT.TXT", ""},
        {'2', "PAD", "*GO KORVAN\r\n*MES 17\r\n*SAY\r\n"}}) {
    state_.posting_text.clear();
    PostTwo(format);
    const std::string expected = nav + "SUB:" + kSubject1 + "\r\n\r\n" + kRace1 + "\r\n/POST\r\n" +
                                 nav + "SUB:" + kSubject2 + "\r\n\r\n" + kRace2 +
                                 "\r\n/POST\r\n\r\n";
    EXPECT_EQ(ReadFile(current_ / "FILE" / file), Sjis(expected));
  }
  EXPECT_EQ(host_.clipboard_writes, 0);
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(PostingTest, RaceLeftOutChangesNothing) {
  for (char format : {'0', '1', '2'}) {
    state_.output_format = format;
    EXPECT_EQ(Post(kSubject1, kRace1, '0'), PostOutcome::kLeftOut);
    EXPECT_EQ(state_.race_text, kRace1);
    EXPECT_TRUE(state_.posting_text.empty());
  }
  EXPECT_EQ(host_.clipboard_writes, 0);
  EXPECT_TRUE(fs::is_empty(current_ / "FILE"));
}

TEST_F(PostingTest, OddsLogFolderSettingIsTakenBelowTheCurrentFolder) {
  fs::create_directories(current_ / "logs");
  temp_.Write("PAT/logs/pad_nt.txt", "old");
  settings_.Set(keys::kStartup, keys::kOddsLogFolder, "Logs");
  state_.output_format = '1';
  Post(kSubject1, kRace1, '1');
  // The existing script in another letter case is replaced, not doubled.
  EXPECT_EQ(ReadFile(current_ / "logs" / "pad_nt.txt").substr(0, 4), "SUB:");
  EXPECT_EQ(std::distance(fs::directory_iterator(current_ / "logs"), fs::directory_iterator()), 1);
}

TEST_F(PostingTest, UnwritableScriptIsReportedOnceAndTheRunGoesOn) {
  settings_.Set(keys::kStartup, keys::kOddsLogFolder, (temp_.path() / "missing").string());
  state_.output_format = '1';
  EXPECT_EQ(Post(kSubject1, kRace1, '1'), PostOutcome::kWriteFailed);
  EXPECT_EQ(Post(kSubject2, kRace2, '1'), PostOutcome::kWriteFailed);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0].title, "スクリプトファイル確認");
  EXPECT_EQ(host_.messages[0].icon, MessageIcon::kExclamation);
  EXPECT_NE(host_.messages[0].text.find((temp_.path() / "missing" / "PAD_NT.TXT").string()),
            std::string::npos);
  EXPECT_TRUE(state_.race_text.empty());
}

}  // namespace
}  // namespace mirtote::pat
