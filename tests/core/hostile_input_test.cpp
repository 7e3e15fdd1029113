// Files that are not what their names say, damaged odds files, hostile folder settings and
// targets the writer must respect: each failure is named, the run goes on with the rest,
// nothing hangs or reads past its bound, and nothing is replaced that may not be.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include "pat/pat_run.h"
#include "shell/settings_keys.h"
#include "support/fault_injection.h"
#include "support/race_fixtures.h"
#include "support/test_support.h"
#include "text/files.h"

namespace mirtote::pat {
namespace {

namespace fs = std::filesystem;
using namespace mirtote::testing;

constexpr const char* kStem = "東京19980510";

// Runs the body as the user and group "nobody" when the test runs as root, whom file
// permissions do not stop.
void AsUnprivileged(const std::function<void()>& body) {
  const bool root = ::geteuid() == 0;
  if (root && (::setegid(65534) != 0 || ::seteuid(65534) != 0)) FAIL();
  body();
  if (root && (::seteuid(0) != 0 || ::setegid(0) != 0)) FAIL();
}

class HostileRunTest : public ::testing::Test {
 protected:
  // Races 1-3 of day 1 at 東京 with 12 runners, so that the UO files are read too.
  HostileRunTest() {
    std::vector<JockeyFields> jockeys;
    for (int i = 1; i <= 12; ++i) jockeys.push_back({"J0" + TwoDigits(i), "騎手", "太郎"});
    WriteJockeys(data_, jockeys);
    WriteDay(kStem);
    request_.selection.advance_sale = false;
  }

  void WriteDay(const std::string& stem) {
    std::vector<RaceCardFields> cards;
    for (int race = 1; race <= 3; ++race) {
      RaceCardFields card;
      card.day = "1";
      card.race_number = TwoDigits(race);
      card.entries = MakeEntries(12);
      const ZoContent zo = ZoFor(card, 12);
      WritePatFiles(pat_, ZoName(card), zo, UoName(card), UoFor(zo, 12));
      cards.push_back(card);
    }
    WriteMeeting(data_, stem, cards, HorsesFor(cards.front()));
  }

  PatRunResult Run() {
    host_.messages.clear();
    return RunPatOdds(request_, session_);
  }

  // The text of the message with that title; empty when none was shown.
  std::string Message(std::string_view title) const {
    for (const auto& message : host_.messages)
      if (message.title == title) return message.text;
    return {};
  }

  TempFolder temp_;
  fs::path pat_ = temp_.path() / "FILE";
  fs::path data_ = temp_.path() / "DATA";
  ScriptedHost host_;
  MemorySettingsStore settings_;
  Session session_{temp_.path(), settings_, host_};
  PatRunRequest request_;
};

using MakeFile = std::function<void(const fs::path&)>;
struct BadFileCase {
  const char* file;  // below the start folder
  MakeFile make;
  std::string reason;  // after "<file> を読めません: "
  int races_posted;    // of the three
};

const MakeFile kFolder = [](auto& p) { fs::remove(p), fs::create_directory(p); };
const MakeFile kPipe = [](auto& p) { fs::remove(p), ::mkfifo(p.c_str(), 0644); };
const MakeFile kZeroLink = [](auto& p) { fs::remove(p), fs::create_symlink("/dev/zero", p); };
MakeFile Resize(uintmax_t size) {
  return [size](const fs::path& path) { fs::resize_file(path, size); };
}

TEST_F(HostileRunTest, FilesThatAreNotWhatTheirNamesSayAreNamedAndTheRunGoesOn) {
  const std::string uma = std::string("DATA/") + kStem + ".UMA";
  const std::string not_regular = "通常のファイルではありません";
  const std::vector<BadFileCase> cases = {
      {"FILE/UO-512.JRA", kFolder, not_regular + "（フォルダ）", 3},
      {uma.c_str(), kFolder, not_regular + "（フォルダ）", 3},
      {"DATA/騎手.DAT", kFolder, not_regular + "（フォルダ）", 3},
      {"FILE/UO-512.JRA", kPipe, not_regular + "（名前付きパイプ）", 3},
      {uma.c_str(), kPipe, not_regular + "（名前付きパイプ）", 3},
      {"DATA/騎手.DAT", kPipe, not_regular + "（名前付きパイプ）", 3},
      {uma.c_str(), kZeroLink, not_regular + "（デバイス）", 3},
      {"DATA/騎手.DAT", Resize(uintmax_t{3} << 30),
       "ファイルが大きすぎます（3221225472 バイト、上限 268435456 バイト）", 3},
      {"FILE/UO-512.JRA", Resize(8193), "ファイルが大きすぎます（8193 バイト、上限 8192 バイト）",
       3},
      {"FILE/ZO-512.JRA", Resize(0), "ヘッダより短いファイルです（0 バイト）", 2},
      {"FILE/ZO-512.JRA", Resize(141), "ヘッダより短いファイルです（141 バイト）", 2},
  };
  for (const BadFileCase& c : cases) {
    SCOPED_TRACE(std::string(c.file) + ": " + c.reason);
    const std::string good = ReadFile(temp_.path() / c.file);
    c.make(temp_.path() / c.file);
    const PatRunResult result = Run();
    const std::string failure = (temp_.path() / c.file).string() + " を読めません: " + c.reason;
    EXPECT_EQ(result.read_failures, std::vector<std::string>{failure});
    EXPECT_EQ(Message("ファイル読み込み確認"),
              "読み込めないファイルがありました。\r\n" + failure +
                  "\r\n読み込めないファイルを除いて処理しました。");
    EXPECT_EQ(result.races_posted, c.races_posted);
    // A damaged odds file is not a missing race card.
    EXPECT_FALSE(result.race_card_missing);
    fs::remove(temp_.path() / c.file);
    temp_.Write(c.file, good);
  }
}

TEST_F(HostileRunTest, UnreadableOddsAndRaceCardFilesAreNamed) {
  const fs::path zo = pat_ / "ZO-511.JRA";
  const fs::path den = data_ / (std::string(kStem) + ".DEN");
  fs::permissions(zo, fs::perms::none);
  PatRunResult result;
  AsUnprivileged([&] { result = Run(); });
  EXPECT_EQ(result.races_posted, 2);
  EXPECT_EQ(result.read_failures,
            std::vector<std::string>{zo.string() + " を開けません: Permission denied"});
  EXPECT_FALSE(result.race_card_missing);

  fs::permissions(zo, fs::perms::owner_read | fs::perms::others_read);
  fs::permissions(den, fs::perms::none);
  AsUnprivileged([&] { result = Run(); });
  EXPECT_EQ(result.races_posted, 0);
  // Named once for the whole run, though every race looked for its card in it.
  EXPECT_EQ(result.read_failures,
            std::vector<std::string>{den.string() + " を開けません: Permission denied"});
  EXPECT_TRUE(result.race_card_missing);
  EXPECT_EQ(host_.messages.size(), 2u);
}

// Race-card and horse files unpacked under their CP932 names: the horse file of the day is
// the one whose name starts with the same ten CP932 characters.
TEST_F(HostileRunTest, DataFileNamesInCp932BytesAreUsedAsTheyAre) {
  fs::remove_all(data_);
  WriteJockeys(data_, {{"J001", "騎手", "太郎"}});
  WriteDay(Sjis(kStem));
  const PatRunResult result = Run();
  EXPECT_EQ(result.races_posted, 3);
  EXPECT_NE(result.posted_text.find("ウマ１２"), std::string::npos);
  EXPECT_TRUE(result.read_failures.empty());
}

// Thousands of components resolve as a short setting does; a megabyte is refused at once.
TEST_F(HostileRunTest, LongFolderSettingsResolveOrAreRefusedWithAShortMessage) {
  std::string setting;
  for (int i = 0; i < 250; ++i) setting += "file/../New/../";
  EXPECT_EQ(text::ResolveFolder(temp_.path(), setting + "File/./"), pat_);
  const std::string huge(size_t{1} << 20, 'a');
  settings_.Set(keys::kStartup, keys::kPatInstFolder, huge);
  EXPECT_TRUE(Run().folder_missing);
  EXPECT_EQ(Message("PATフォルダ確認"),
            "PATインストールフォルダが見つかりません。\r\nフォルダ設定が長すぎます（1048576 "
            "バイト、上限 4095 バイト）。\r\nフォルダ設定を確認してください。");

  settings_.Set(keys::kStartup, keys::kPatInstFolder, "File");
  settings_.Set(keys::kStartup, keys::kOddsLogFolder, huge);
  request_.format = OutputFormat::kNifTerm;
  EXPECT_TRUE(Run().script_write_failed);
  EXPECT_LT(Message("スクリプトファイル確認").size(), 300u);
}

TEST_F(HostileRunTest, ReadOnlyScriptStaysAndAReplacedScriptKeepsItsPermissions) {
  request_.format = OutputFormat::kNifTerm;
  settings_.Set(keys::kStartup, keys::kOddsLogFolder, (temp_.path() / "LOG").string());
  const fs::path script = temp_.Write("LOG/PAD_NT.TXT", "old");
  fs::permissions(script, fs::perms::owner_read | fs::perms::group_read);
  PatRunResult result = Run();
  EXPECT_TRUE(result.script_write_failed);
  EXPECT_EQ(ReadFile(script), "old");
  EXPECT_EQ(Message("スクリプトファイル確認"),
            "投稿スクリプトファイルを書き込めませんでした。\r\n" + script.string() + "\r\n" +
                script.string() +
                " に書き込めません: 読み取り専用のファイルです\r\n処理は続行します。");

  fs::permissions(script, fs::perms::owner_read | fs::perms::owner_write);
  result = Run();
  EXPECT_FALSE(result.script_write_failed);
  EXPECT_NE(ReadFile(script), "old");
  EXPECT_EQ(fs::status(script).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

int OpenDescriptors() {
  return static_cast<int>(
      std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator()));
}

TEST(AtomicWriter, RemovesOnlyItsOwnStaleTemporariesAndClosesWhatItOpened) {
  TempFolder dir;
  const fs::path target = dir.Write("PAD_NT.TXT", "old");
  const fs::path stale = dir.Write(".PAD_NT.TXT.tmp123", "left by a killed write");
  const fs::path held = dir.Write(".PAD_NT.TXT.tmp456", "another writer's, still held");
  const int held_fd = ::open(held.c_str(), O_RDONLY);
  ASSERT_EQ(::flock(held_fd, LOCK_EX), 0);
  const std::vector<fs::path> kept = {
      held, dir.Write(".PAD_NT.TXT.tmp12x", "x"), dir.Write(".OTHER.TXT.tmp5", "x"),
      dir.Write("PAD_NT.TXT.tmp7", "x"), dir.Write(".PAD_NT.TXT.tmp", "x")};
  ASSERT_TRUE(text::WriteFileAtomic(target, "new"));
  ::close(held_fd);
  EXPECT_FALSE(fs::exists(stale));
  for (const fs::path& path : kept) EXPECT_TRUE(fs::exists(path)) << path;
  const auto files = [&] {
    return std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator());
  };
  EXPECT_EQ(files(), 6);

  // Refused reads leave no descriptor open; the held file, released meanwhile, has gone as
  // stale.
  const int before = OpenDescriptors();
  std::string error;
  EXPECT_FALSE(text::ReadWholeFile(dir.path(), &error));
  EXPECT_FALSE(text::ReadWholeFile(target, 2, &error));
  EXPECT_EQ(OpenDescriptors(), before);
  ASSERT_TRUE(text::WriteFileAtomic(target, "new"));
  EXPECT_EQ(files(), 5);
}

// Whichever call fails (the temporary file's open, a write, fsync, the rename), the failure
// is named with the file and the reason, and the old file stays with no temporary file and
// no descriptor left.
TEST(AtomicWriter, EachFailingCallIsReportedAndLeavesTheOldFile) {
  for (FsCall call : kAllFsCalls) {
    TempFolder dir;
    const fs::path target = dir.Write("PAD_NT.TXT", "old");
    const int before = OpenDescriptors();
    std::string error;
    bool written = true;
    {
      InjectedFault fault(call, 1, ENOSPC);
      written = text::WriteFileAtomic(target, "new", &error);
      EXPECT_TRUE(fault.fired()) << fault.Name();
    }
    EXPECT_FALSE(written);
    EXPECT_TRUE(error.starts_with(target.string() + " ") && error.ends_with(std::strerror(ENOSPC)))
        << error;
    EXPECT_EQ(OpenDescriptors(), before);
    EXPECT_EQ(FilesBelow(dir.path()), (FileTree{{"PAD_NT.TXT", "old"}})) << error;
  }
}

}  // namespace
}  // namespace mirtote::pat
