#include "jravan/archive_extraction.h"

#include <gtest/gtest.h>

#include "jravan/lzh_extract.h"
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
      fs::create_directories(root.path() / folder);
  }
  ArchiveExtractionResult Run(std::vector<fs::path> archives) {
    return ExtractArchives({archives}, session);
  }
  std::string Bytes(const std::vector<fs::path>& files, std::string_view extension) const {
    std::string out;
    for (const fs::path& f : files)
      out += extension.empty() || f.extension() == extension ? ReadFile(f) : "";
    return out;
  }
};

TEST(ExtractArchives, FullArchiveGivesThePerDayFilesTwiceAlike) {
  Fixture f;
  f.root.Write("DATA/騎手.DAT", "old jockeys");
  const ArchiveExtractionResult first = f.Run({kFullArchive});
  EXPECT_EQ(FolderManifest(f.root.path()),
            ReadFile(fs::path(MIRTOTE_TEST_DATA) / "archive/full_split.txt"));
  EXPECT_TRUE(f.host.messages.empty());

  // Records are copied whole: the per-day files in the order written give back the sources.
  TempFolder plain;
  ASSERT_EQ(ExtractLzh(kFullArchive, plain.path()), kLzhOk);
  EXPECT_EQ(f.Bytes(first.written, ".DEN"), ReadFile(plain.path() / "JRA#DEN1.DAT"));
  EXPECT_EQ(f.Bytes(first.written, ".SEI"), ReadFile(plain.path() / "JRA#SEI1.DAT"));
  EXPECT_EQ(ReadFile(f.root.path() / "DATA/騎手.DAT"), ReadFile(plain.path() / "JRA#KISI.DAT"));
  EXPECT_EQ(ReadFile(f.root.path() / "DATA/調教師.DAT"), ReadFile(plain.path() / "JRA#CHOK.DAT"));

  const std::string before = f.Bytes(first.written, "");
  const ArchiveExtractionResult second = f.Run({kFullArchive});
  EXPECT_EQ(second.written, first.written);
  EXPECT_EQ(f.Bytes(second.written, ""), before);
}

TEST(ExtractArchives, AFailingArchiveIsNamedAndTheNextStillRuns) {
  Fixture f;
  f.root.Write("DATA/騎手.DAT", "old jockeys");
  const fs::path a = f.root.Write("LZH/a.lzh", StoredLzh({{"JRA#KISI.DAT", "new jockeys"}}));
  const fs::path b = f.root.Write("LZH/b.lzh", "not an archive");
  const fs::path c = f.root.Write("LZH/c.lzh", StoredLzh({{"JRA#CHOK.DAT", "trainers"}}));
  const ArchiveExtractionResult result = f.Run({a, b, c});
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(Join({f.host.messages[0].text, f.host.messages[0].title}),
            "指定されたファイル【 b.lzh 】を解凍できませんでした。|確認");
  ASSERT_EQ(result.archives.size(), 3u);
  EXPECT_EQ(result.archives[1].status, kLzhUnreadable);
  EXPECT_EQ(ReadFile(f.root.path() / "DATA/騎手.DAT") + ReadFile(f.root.path() / "DATA/調教師.DAT"),
            "new jockeystrainers");
  EXPECT_EQ(FolderManifest(f.root.path() / "Work"), "");
  EXPECT_EQ(f.host.yields, 2);
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
  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(result.archives.size(), 1u);
  EXPECT_EQ(result.skipped_records, 2);
  ASSERT_EQ(f.host.messages.size(), 2u);
  EXPECT_EQ(f.host.messages[0].text,
            "場コードまたは日付が正しくないレコードを読み飛ばしました。\r\nJRA#SEI1.DAT： 2件");
  EXPECT_TRUE(f.host.messages[1].text.starts_with("ファイルを書き込めませんでした。\r\n"));
  EXPECT_TRUE(f.host.messages[1].text.ends_with("\r\n処理を中止します。"));
  EXPECT_EQ(f.host.messages[1].title, "処理中止");
  EXPECT_EQ(FolderManifest(f.root.path() / "Work"), "JRA#SEI1.DAT: 5292 bytes\n");
  EXPECT_EQ(FolderManifest(f.root.path() / "SEISEKI"), "東京19980509.SEI: 05983101\n");
  EXPECT_EQ(ReadFile(f.root.path() / "DATA/騎手.DAT"), "jockeys");
}

}  // namespace
}  // namespace mirtote::jravan
