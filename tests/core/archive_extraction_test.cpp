#include "jravan/archive_extraction.h"

#include <gtest/gtest.h>

#include "jravan/lzh_extract.h"
#include "support/fault_injection.h"
#include "support/lzh_fixtures.h"
#include "support/test_support.h"

namespace mirtote::jravan {
namespace {

using namespace mirtote::testing;

const fs::path kFullArchive = fs::path(MIRTOTE_TEST_DATA) / "archive/full.lzh";

struct Fixture {
  TempFolder root;
  MemorySettingsStore settings;
  ScriptedHost host;
  Session session{root.path(), settings, host};
  Fixture() {
    for (const char* folder : {"Work", "DATA", "SEISEKI"})
      fs::create_directory(root.path() / folder);
  }
  ArchiveExtractionResult Run(std::vector<fs::path> archives) {
    return ExtractArchives({archives}, session);
  }
  std::string File(const char* relative) const { return ReadFile(root.path() / relative); }
};

// The written files with the extension, one after the other.
std::string Joined(const std::vector<fs::path>& files, std::string_view extension = {}) {
  std::string out;
  for (const fs::path& f : files)
    out += extension.empty() || f.extension() == extension ? ReadFile(f) : "";
  return out;
}

TEST(ExtractArchives, FullArchiveGivesThePerDayFilesTwiceAlike) {
  Fixture f;
  f.root.Write("DATA/騎手.DAT", "old jockeys");
  const ArchiveExtractionResult first = f.Run({kFullArchive});
  EXPECT_EQ(FolderManifest(f.root.path()),
            ReadFile(fs::path(MIRTOTE_TEST_DATA) / "archive/full_split.txt"));
  EXPECT_TRUE(f.host.messages.empty() && first.Complete());
  // Records are copied whole: the per-day files in the order written give back the sources.
  TempFolder plain;
  ASSERT_EQ(ExtractLzh(kFullArchive, plain.path()), kLzhOk);
  EXPECT_EQ(Joined(first.written, ".DEN") + Joined(first.written, ".SEI") +
                f.File("DATA/騎手.DAT") + f.File("DATA/調教師.DAT"),
            ReadFile(plain.path() / "JRA#DEN1.DAT") + ReadFile(plain.path() / "JRA#SEI1.DAT") +
                ReadFile(plain.path() / "JRA#KISI.DAT") + ReadFile(plain.path() / "JRA#CHOK.DAT"));

  const std::string before = Joined(first.written);
  const ArchiveExtractionResult second = f.Run({kFullArchive});
  EXPECT_EQ(second.written, first.written);
  EXPECT_EQ(Joined(second.written), before);
}

TEST(ExtractArchives, AFailingArchiveIsNamedAndTheNextStillRuns) {
  Fixture f;
  f.root.Write("DATA/騎手.DAT", "old jockeys");
  const ArchiveExtractionResult result =
      f.Run({f.root.Write("LZH/a.lzh", StoredLzh({{"JRA#KISI.DAT", "new jockeys"}})),
             f.root.Write("LZH/b.lzh", "not an archive"),
             f.root.Write("LZH/c.lzh", StoredLzh({{"JRA#CHOK.DAT", "trainers"}}))});
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(Join({f.host.messages[0].text, f.host.messages[0].title}),
            "指定されたファイル【 b.lzh 】を解凍できませんでした。|確認");
  ASSERT_EQ(result.archives.size(), 3u);
  EXPECT_EQ(result.archives[1].status, kLzhUnreadable);
  EXPECT_EQ(f.File("DATA/騎手.DAT") + f.File("DATA/調教師.DAT"), "new jockeystrainers");
  EXPECT_EQ(FolderManifest(f.root.path() / "Work") + std::to_string(f.host.yields), "2");
}

// A split whose files cannot all be written keeps its source in Work and ends the run.
// Records whose venue code or date cannot name a file are skipped.
TEST(ExtractArchives, SourcesStayUntilEverythingMadeOfThemIsWritten) {
  Fixture f;
  fs::create_directories(f.root.path() / "SEISEKI/東京19980510.SEI");  // cannot be replaced
  std::string results;
  for (const char* key : {"059831010509", "999831020509", "0598320305/.", "059832030510"}) {
    results += key + std::string(1311, ' ');
  }
  const fs::path archive =
      f.root.Write("a.lzh", StoredLzh({{"JRA#SEI1.DAT", results}, {"JRA#KISI.DAT", "jockeys"}}));
  const ArchiveExtractionResult result = f.Run({archive, archive});
  EXPECT_TRUE(result.stopped && result.archives.size() == 1 && result.skipped_records == 2);
  const auto& m = f.host.messages;
  ASSERT_EQ(m.size(), 2u);
  EXPECT_EQ(Join({m[0].text, m[1].title, m[1].text.substr(0, m[1].text.find('\n') + 1)}),
            "場コードまたは日付が正しくないレコードを読み飛ばしました。\r\nJRA#SEI1.DAT： 2件|"
            "処理中止|ファイルを書き込めませんでした。\r\n");
  EXPECT_EQ(FolderManifest(f.root.path() / "Work") + FolderManifest(f.root.path() / "SEISEKI"),
            "JRA#SEI1.DAT: 5292 bytes\n東京19980509.SEI: 05983101\n");
  EXPECT_EQ(f.File("DATA/騎手.DAT"), "jockeys");
}

// Whichever open, write, fsync or rename fails, the user is told and the steps after the
// failing one do not run; each file of DATA and SEISEKI is the old one or the whole new one,
// and no temporary file is left in Work.
TEST(ExtractArchives, EachFailingCallIsToldAndStopsTheLaterSteps) {
  std::unique_ptr<Fixture> f;
  ArchiveExtractionResult result;
  const auto prepare = [&] {
    f = std::make_unique<Fixture>();
    f->root.Write("DATA/騎手.DAT", "old jockeys");
  };
  const auto run = [&] { result = f->Run({kFullArchive}); };
  const auto written = [&] {
    std::vector<fs::path> relative;
    for (const fs::path& path : result.written)
      relative.push_back(fs::relative(path, f->root.path()));
    return relative;
  };
  prepare();
  run();
  const std::vector<fs::path> all_written = written();
  const FileTree data = FilesBelow(f->root.path() / "DATA");
  const FileTree seiseki = FilesBelow(f->root.path() / "SEISEKI");
  ForEachFailingCall(prepare, run, [&](const std::string& call) {
    SCOPED_TRACE(call);
    EXPECT_FALSE(result.Complete());
    EXPECT_FALSE(f->host.messages.empty());
    const std::vector<fs::path> now = written();
    EXPECT_TRUE(now.size() < all_written.size() &&
                std::equal(now.begin(), now.end(), all_written.begin()));
    EXPECT_EQ(OldOrNew(f->root.path() / "DATA", {{"騎手.DAT", "old jockeys"}}, data), "");
    EXPECT_EQ(OldOrNew(f->root.path() / "SEISEKI", {}, seiseki), "");
    for (const std::string& name : EntriesOf(f->root.path() / "Work")) EXPECT_NE(name[0], '.');
  });
}

}  // namespace
}  // namespace mirtote::jravan
