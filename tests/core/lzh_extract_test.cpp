#include "jravan/lzh_extract.h"

#include <gtest/gtest.h>

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

// Every failure leaves the folder as it was, also for the good entry read before it.
TEST(ExtractLzh, FailuresWriteNothing) {
  const std::string good = StoredLzh({{"JRA#KISI.DAT", "kisi"}, {"B.DAT", "0123456789"}});
  std::string bad_crc = good;
  bad_crc[bad_crc.size() - 5] ^= 1;  // a data byte of the second entry
  const struct {
    const char* label;
    std::string bytes;
    int status;
  } kCases[] = {
      {"parent", StoredLzh({{"A.DAT", "a"}, {"../../x", "x"}}), kLzhBadName},
      {"absolute", StoredLzh({{"A.DAT", "a"}, {"/abs/x", "x"}}), kLzhBadName},
      {"climbing", StoredLzh({{"A.DAT", "a"}, {"sub/../../x", "x"}}), kLzhBadName},
      {"backslash", StoredLzh({{"A.DAT", "a"}, {"..\\x", "x"}}), kLzhBadName},
      {"dot-dot", StoredLzh({{"A.DAT", "a"}, {"..", "x"}}), kLzhBadName},
      {"truncated", good.substr(0, good.size() - 6), kLzhDamaged},
      {"bad CRC", bad_crc, kLzhDamaged},
      {"not LZH", "JRA#DEN1.DAT is plain text\r\n", kLzhUnreadable},
  };
  for (const auto& c : kCases) {
    TempFolder root;
    root.Write("a/Work/A.DAT", "old");
    const std::string before = FolderManifest(root.path());
    fs::path archive = root.Write("a/in.lzh", c.bytes);
    EXPECT_EQ(ExtractLzh(archive, root.path() / "a/Work"), c.status) << c.label;
    fs::remove(archive);
    EXPECT_EQ(FolderManifest(root.path()), before) << c.label;
  }
  TempFolder root;
  EXPECT_EQ(ExtractLzh(root.path() / "missing.lzh", root.path()), kLzhUnreadable);
}

}  // namespace
}  // namespace mirtote::jravan
