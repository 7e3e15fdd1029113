#include "jravan/lzh_extract.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/lzh_fixtures.h"
#include "support/test_support.h"

namespace mirtote::jravan {
namespace {

using namespace mirtote::testing;

TEST(ExtractLzh, BaseNamesOverwriteAndDecodedNames) {
  TempFolder root;
  root.Write("Work/A.DAT", "old");
  fs::path archive =
      root.Write("in.lzh", StoredLzh({{"A.DAT", "new A"},
                                      {"sub/B.DAT", "B"},
                                      {"dir\\C.DAT", "first C"},
                                      {Sjis("出馬表.DAT"), "cards"},  // 表 ends in byte 5C
                                      {"C.DAT", "second C"}}));
  ASSERT_EQ(ExtractLzh(archive, root.path() / "Work"), kLzhOk);
  EXPECT_EQ(FolderManifest(root.path() / "Work"),
            "A.DAT: 5 bytes\nB.DAT: 1 bytes\nC.DAT: 8 bytes\n出馬表.DAT: 5 bytes\n");
}

// Every failure leaves the folder as it was, also for the good entries read before it and
// for a file replaced before a later one could not be put in place (C.DAT is a folder).
TEST(ExtractLzh, FailuresWriteNothing) {
  struct Case {
    std::string bytes;
    int status;
    LzhLimits limits = {};
  };
  std::vector<Case> cases;
  for (const char* name : {"../../x", "/abs/x", "sub/../../x", "..\\x", ".."}) {
    cases.push_back({StoredLzh({{"A.DAT", "a"}, {name, "x"}}), kLzhBadName});
  }
  const std::string good = StoredLzh({{"A.DAT", "a"}, {"B.DAT", "0123456789"}});
  std::string bad_crc = good;
  bad_crc[good.size() - 5] ^= 1;  // a data byte of the second entry
  cases.push_back({good.substr(0, good.size() - 6), kLzhDamaged});
  cases.push_back({bad_crc, kLzhDamaged});
  cases.push_back({"JRA#DEN1.DAT as plain text\r\n", kLzhUnreadable});
  cases.push_back({good, kLzhTooLarge, {.file_bytes = 9}});
  cases.push_back({good, kLzhTooLarge, {.total_bytes = 10}});
  cases.push_back({good, kLzhTooLarge, {.files = 1}});
  cases.push_back({StoredLzh({{"A.DAT", "a"}, {"B.DAT", "b"}, {"C.DAT", "c"}}), kLzhWriteFailed});
  for (const auto& [bytes, status, limits] : cases) {
    TempFolder root, source;
    root.Write("a/Work/A.DAT", "old");
    fs::create_directory(root.path() / "a/Work/C.DAT");
    EXPECT_EQ(ExtractLzh(source.Write("in.lzh", bytes), root.path() / "a/Work", limits), status)
        << bytes;
    EXPECT_EQ(FolderManifest(root.path()), "a/Work/A.DAT: 3 bytes\n") << bytes;
    EXPECT_EQ(ReadFile(root.path() / "a/Work/A.DAT"), "old");
  }
  // Only a regular file is an archive: a pipe is refused at once, never waited on.
  TempFolder other;
  ASSERT_EQ(::mkfifo((other.path() / "pipe.lzh").c_str(), 0600), 0);
  for (const char* archive : {"pipe.lzh", "."}) {
    const StagedLzh staged = StageLzh(other.path() / archive, other.path());
    EXPECT_EQ(Join({std::to_string(staged.status), staged.problem}),
              std::string("5|通常のファイルではありません（") +
                  (archive[0] == '.' ? "フォルダ" : "名前付きパイプ") + "）");
  }
  EXPECT_EQ(ExtractLzh(TempFolder().path() / "missing.lzh", "."), kLzhUnreadable);
}

// Entries that a Unix archiver marks as no plain file: a symbolic link ("name|target") is
// refused and never made; a device ...
TEST(ExtractLzh, LinksAndDevicesAreNeverMade) {
  TempFolder root;
  root.Write("Work/A.DAT", "old");
  const fs::path links = root.Write(
      "links.lzh", StoredLzh({{"A.DAT", "new", 0100644}, {"B.DAT|/etc/passwd", "", 0120777}}));
  EXPECT_EQ(ExtractLzh(links, root.path() / "Work"), kLzhBadName);
  EXPECT_EQ(EntriesOf(root.path() / "Work"), Strings{"A.DAT"});
  const fs::path device = root.Write("device.lzh", StoredLzh({{"C.DAT", "", 0020644}}));
  EXPECT_EQ(ExtractLzh(device, root.path() / "Work"), kLzhOk);
  EXPECT_EQ(EntriesOf(root.path() / "Work"), (Strings{"A.DAT", "C.DAT"}));
  EXPECT_EQ(fs::status(root.path() / "Work/C.DAT").type(), fs::file_type::regular);
}

}  // namespace
}  // namespace mirtote::jravan
