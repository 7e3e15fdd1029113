#include "jravan/archive_extraction.h"

#include <gtest/gtest.h>

#include "jravan/lzh_extract.h"
#include "results/results_selection.h"
#include "support/fault_injection.h"
#include "support/lzh_fixtures.h"
#include "support/race_fixtures.h"
#include "support/results_fixtures.h"
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
  ArchiveExtractionResult Run(std::vector<fs::path> archives, LzhLimits limits = {}) {
    return ExtractArchives({archives, limits}, session);
  }
  std::string File(const char* relative) const { return ReadFile(root.path() / relative); }
  // An archive outside the start folder.
  fs::path Archive(const char* name, const std::string& bytes) { return lzh.Write(name, bytes); }
  TempFolder lzh;
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

// Every message, "title|text", one after the other.
std::string Messages(const ScriptedHost& host) {
  std::string out;
  for (const auto& m : host.messages) out += m.title + "|" + m.text + "\n";
  return out;
}

// Results of 東京 on 9 and 10 May 1998 (race 1 each).
std::string TwoDaysOfResults() {
  return ResultsRecordBytes({.day = "1", .race = "01", .month_day = "0509"}) +
         ResultsRecordBytes({.day = "2", .race = "01", .month_day = "0510"});
}

TEST(ExtractArchives, LowerCaseNamesFillDataAsUpperCaseOnesAndAnArchiveOfNothingKnownIsSaid) {
  Fixture upper, lower;
  upper.Run({kFullArchive});
  TempFolder plain;
  ASSERT_EQ(ExtractLzh(kFullArchive, plain.path()), kLzhOk);
  std::vector<LzhEntry> entries;
  for (const std::string& name : text::ListPlainFiles(plain.path())) {
    std::string low = name;
    for (char& c : low) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    entries.push_back({low, ReadFile(plain.path() / name)});
  }
  const ArchiveExtractionResult result =
      lower.Run({lower.root.Write("low.lzh", StoredLzh(entries)),
                 lower.root.Write("readme.lzh", StoredLzh({{"README.TXT", "x"}}))});
  for (const char* folder : {"DATA", "SEISEKI"}) {
    EXPECT_EQ(FolderManifest(lower.root.path() / folder),
              FolderManifest(upper.root.path() / folder));
  }
  EXPECT_EQ(FolderManifest(lower.root.path() / "Work"), "jra#hyo1.dat: 20 bytes\n");
  EXPECT_EQ(Messages(lower.host),
            "確認|指定されたファイル【 readme.lzh 】には、使えるファイル（JRA#DEN1.DAT など）が"
            "ありませんでした。\n");
  EXPECT_FALSE(result.Complete());
}

TEST(ExtractArchives, A2000sDayIsNamedAndListedWithItsCentury) {
  Fixture f;
  f.Run({f.root.Write(
      "a.lzh",
      StoredLzh({{"JRA#SEI1.DAT",
                  ResultsRecordBytes({.venue_code = "06", .year = "01", .month_day = "0106"})}}))});
  EXPECT_EQ(FolderManifest(f.root.path() / "SEISEKI"), "中山20010106.SEI: 06014211\n");
  EXPECT_EQ(results::ListResultsDates({}, f.session).entries,
            std::vector<std::string>{"2001年 1月 6日"});
}

// A failed archive leaves nothing of its own in Work, DATA or SEISEKI, takes back what it
// had written, and the next archive is not disturbed by it. A file in Work that the
// extraction did not put there is named and left alone.
TEST(ExtractArchives, AFailedArchiveLeavesNothingBehind) {
  Fixture f;
  f.root.Write("Work/jra#kisi.dat", "stale");
  f.root.Write("DATA/騎手.DAT", "old jockeys");
  f.root.Write("SEISEKI/東京19980509.SEI", "old results");
  // Race cards, then a horse file past the bound of one file (the test's bound: 1000 bytes).
  const fs::path big = f.Archive("big.lzh", StoredLzh({{"JRA#DEN1.DAT", RaceCardBytes({})},
                                                       {"JRA#UMAJ.DAT", std::string(1001, 'h')}}));
  const fs::path trainers = f.Archive("c.lzh", StoredLzh({{"JRA#CHOK.DAT", "trainers"}}));
  const ArchiveExtractionResult first = f.Run({big, trainers}, {.file_bytes = 1000});
  EXPECT_EQ(first.archives[0].status, kLzhTooLarge);
  EXPECT_TRUE(!first.Complete() && first.archives[1].distributed);

  fs::create_directories(f.root.path() / "SEISEKI/東京19980510.SEI");  // cannot be replaced
  const ArchiveExtractionResult second =
      f.Run({f.Archive("blocked.lzh", StoredLzh({{"JRA#SEI1.DAT", TwoDaysOfResults()},
                                                 {"JRA#KISI.DAT", "new jockeys"},
                                                 {"JRA#HYO1.DAT", "h"}}))});
  EXPECT_TRUE(second.stopped && second.written.empty());
  EXPECT_EQ(FolderManifest(f.root.path()),
            "DATA/調教師.DAT: 8 bytes\nDATA/騎手.DAT: old jock\n"
            "SEISEKI/東京19980509.SEI: old resu\nWork/jra#kisi.dat: 5 bytes\n");
  const std::string foreign =
      "確認|Work フォルダの次のファイルは解凍したものではないため、使わずに残します。\r\n"
      "jra#kisi.dat\n";
  const std::string shown = Messages(f.host);
  EXPECT_EQ(shown.substr(0, shown.find("処理中止|")),
            foreign +
                "確認|指定されたファイル【 big.lzh 】を解凍できませんでした。\r\n"
                "JRA#UMAJ.DAT が大きすぎます（上限 1000 バイト）\n" +
                foreign);
  EXPECT_TRUE(
      shown.ends_with("\r\n指定されたファイル【 blocked.lzh 】からは何も書き込んで"
                      "いません。\r\n処理を中止します。\n"));
}

// An archive without horses, or with an empty jockey file, never empties a day's good file;
// a new day still gets its (empty) horse file. A short tail of records is named.
TEST(ExtractArchives, APartialArchiveNeverEmptiesAFile) {
  Fixture f;
  f.root.Write("DATA/東京19980510.UMA", "good horses");
  f.root.Write("DATA/騎手.DAT", "jockeys");
  RaceCardFields card;
  const std::string saturday = RaceCardBytes(card);
  card.day = "9";
  card.month_day = "0511";
  const std::string cards = saturday + RaceCardBytes(card) + std::string(100, ' ');
  const ArchiveExtractionResult result =
      f.Run({f.Archive("a.lzh", StoredLzh({{"JRA#DEN1.DAT", cards}, {"JRA#KISI.DAT", ""}}))});
  EXPECT_TRUE(result.Complete());
  EXPECT_EQ(FolderManifest(f.root.path()),
            "DATA/東京19980510.DEN: 05983811\nDATA/東京19980510.UMA: good hor\n"
            "DATA/東京19980511.DEN: 05983911\nDATA/東京19980511.UMA:\nDATA/騎手.DAT: jockeys\n");
  EXPECT_EQ(Messages(f.host),
            "確認|JRA#DEN1.DAT の最後の 100 バイトはレコード（584 バイト）に足りないため"
            "読み飛ばしました。\n"
            "確認|指定されたファイル【 a.lzh 】には競走馬データ（JRA#UMAJ.DAT）がありません。\r\n"
            "次の競走馬ファイルは前のままにしました。\r\n東京19980510.UMA\r\n"
            "次の競走馬ファイルは空です。\r\n東京19980511.UMA\n"
            "確認|JRA#KISI.DAT が空のため、騎手.DAT は前のままにしました。\n");
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
