#include "pat/posting.h"

#include <gtest/gtest.h>

#include <cstring>

#include "shell/settings_keys.h"
#include "support/fault_injection.h"
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

  PostingRun Run(OutputFormat format) { return PostingRun(session_, format, current_); }
  // The two sample races in `format`; the run's posted text.
  std::string PostTwo(OutputFormat format) {
    PostingRun run = Run(format);
    EXPECT_EQ(run.Post(kSubject1, kRace1), PostOutcome::kPosted);
    EXPECT_EQ(run.Post(kSubject2, kRace2), PostOutcome::kPosted);
    return run.posted_text();
  }

  TempFolder temp_;
  fs::path current_ = temp_.path() / "PAT";
  ScriptedHost host_;
  MemorySettingsStore settings_;
  Session session_{temp_.path(), settings_, host_};
};

TEST_F(PostingTest, ClipboardFormatHoldsTheRaceTextsAlone) {
  EXPECT_EQ(PostTwo(OutputFormat::kClipboard), kRace1 + kRace2);
  EXPECT_EQ(host_.clipboard, kRace1 + kRace2);
  EXPECT_TRUE(fs::is_empty(current_ / "FILE"));
}

// One block per race, the Air Craft blocks each after the three navigation lines; the file
// ends with an empty line.
TEST_F(PostingTest, ScriptsHaveOneBlockPerRaceAndEndWithAnEmptyLine) {
  for (const auto& [format, file, nav] :
       {std::tuple<OutputFormat, std::string, std::string>{OutputFormat::kNifTerm, "PAD_NT.TXT",
                                                           ""},
        {OutputFormat::kAirCraft, "PAD", "*GO KORVAN\r\n*MES 17\r\n*SAY\r\n"}}) {
    PostTwo(format);
    const std::string expected = nav + "SUB:" + kSubject1 + "\r\n\r\n" + kRace1 + "\r\n/POST\r\n" +
                                 nav + "SUB:" + kSubject2 + "\r\n\r\n" + kRace2 +
                                 "\r\n/POST\r\n\r\n";
    EXPECT_EQ(ReadFile(current_ / "FILE" / file), Sjis(expected));
  }
  EXPECT_EQ(host_.clipboard_writes, 0);
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(PostingTest, OddsLogFolderSettingIsTakenBelowTheCurrentFolder) {
  fs::create_directories(current_ / "logs");
  temp_.Write("PAT/logs/pad_nt.txt", "old");
  settings_.Set(keys::kStartup, keys::kOddsLogFolder, "Logs");
  PostingRun run = Run(OutputFormat::kNifTerm);
  run.Post(kSubject1, kRace1);
  // The existing script in another letter case is replaced, not doubled.
  EXPECT_EQ(run.script_file(), current_ / "logs" / "pad_nt.txt");
  EXPECT_EQ(ReadFile(current_ / "logs" / "pad_nt.txt").substr(0, 4), "SUB:");
  EXPECT_EQ(mirtote::testing::EntriesOf(current_ / "logs"),
            mirtote::testing::Strings{"pad_nt.txt"});
}

TEST_F(PostingTest, UnwritableScriptIsReportedOnceAndTheRunGoesOn) {
  settings_.Set(keys::kStartup, keys::kOddsLogFolder, (temp_.path() / "missing").string());
  PostingRun run = Run(OutputFormat::kNifTerm);
  EXPECT_EQ(run.Post(kSubject1, kRace1), PostOutcome::kWriteFailed);
  EXPECT_EQ(run.Post(kSubject2, kRace2), PostOutcome::kWriteFailed);
  EXPECT_TRUE(run.write_failed());
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0].title, "スクリプトファイル確認");
  EXPECT_EQ(host_.messages[0].icon, MessageIcon::kExclamation);
  EXPECT_NE(host_.messages[0].text.find((temp_.path() / "missing" / "PAD_NT.TXT").string()),
            std::string::npos);
}

// Whichever open, write, fsync or rename of the script fails (the sync at the end included),
// the user is told with the reason, the run says so, and the folder holds the old script or
// the whole new one, never a temporary file.
TEST_F(PostingTest, EachFailingCallOnTheScriptIsReported) {
  using namespace mirtote::testing;
  bool failed = false;
  const auto prepare = [&] {
    temp_.Write("PAT/FILE/PAD_NT.TXT", "old");
    host_.messages.clear();
  };
  const auto post = [&] {
    PostingRun run = Run(OutputFormat::kNifTerm);
    run.Post(kSubject1, kRace1);
    run.Finish();
    failed = run.write_failed();
  };
  const FileTree before = {{"PAD_NT.TXT", "old"}};
  prepare();
  post();
  const FileTree complete = FilesBelow(current_ / "FILE");
  ASSERT_FALSE(failed);
  EXPECT_EQ(ForEachFailingCall(prepare, post,
                               [&](const std::string& call) {
                                 SCOPED_TRACE(call);
                                 EXPECT_TRUE(failed);
                                 ASSERT_EQ(host_.messages.size(), 1u);
                                 EXPECT_NE(host_.messages[0].text.find(std::strerror(ENOSPC)),
                                           std::string::npos);
                                 EXPECT_EQ(OldOrNew(current_ / "FILE", before, complete), "");
                               }),
            5);  // the temporary file's open, write and rename; the sync's open and fsync
}

}  // namespace
}  // namespace mirtote::pat
