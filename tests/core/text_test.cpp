#include <gtest/gtest.h>

#include "support/test_support.h"
#include "text/century.h"
#include "text/chars.h"
#include "text/cp932.h"
#include "text/files.h"
#include "text/number.h"

namespace mirtote::text {
namespace {

using testing::ReadFile;
using testing::TempFolder;

TEST(Cp932, RoundTripsEveryCharacterClassTheProgramWrites) {
  struct Case {
    const char* utf8;
    std::string bytes;
  };
  const Case cases[] = {
      {"０９", "\x82\x4f\x82\x58"},  // full-width digits
      {"　", "\x81\x40"},            // full-width space
      {"ﾄﾘｹｼ", "\xc4\xd8\xb9\xbc"},  // half-width katakana: one byte each
      {"～", "\x81\x60"},            // wave dash as CP932 has it
      {"－", "\x81\x7c"},            // full-width minus
      {"①髙", "\x87\x40\xfb\xfc"},   // NEC and IBM extensions
      {"東京 ABC", "\x93\x8c\x8b\x9e ABC"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EncodeCp932(c.utf8), c.bytes) << c.utf8;
    EXPECT_EQ(DecodeCp932(c.bytes), c.utf8) << c.utf8;
  }
}

TEST(Cp932, InvalidBytesDecodeToReplacementAndGoOn) {
  EXPECT_EQ(DecodeCp932("A\x81 B"), "A\xEF\xBF\xBD B");  // lead byte + bad trail
  EXPECT_EQ(DecodeCp932("\xa0X"), "\xEF\xBF\xBDX");      // undefined single byte
  EXPECT_EQ(DecodeCp932("X\x82"), "X\xEF\xBF\xBD");      // cut off at the end
  EXPECT_EQ(DecodeCp932("\x85\x40@"), "\xEF\xBF\xBD@");  // a pair CP932 leaves unassigned
}

TEST(Cp932, UnmappableCharactersEncodeToQuestionMark) {
  EXPECT_EQ(EncodeCp932("a😀b"), "a?b");
  EXPECT_EQ(EncodeCp932("é東"), "?\x93\x8c");
}

TEST(Cp932, ReadCharsCountsTwoByteCharactersOnce) {
  std::string bytes = EncodeCp932("AB東京ﾄﾘｹｼ");
  EXPECT_EQ(ReadChars(bytes, 3, 2), "東京");
  EXPECT_EQ(ReadChars(bytes, 1, 3), "AB東");
  EXPECT_EQ(ReadChars(bytes, 7, 4), "ﾄﾘｹｼ");
  EXPECT_EQ(ReadChars(bytes, 9, 10), "ｹｼ");  // stops at the end
  EXPECT_EQ(ReadChars(bytes, 50, 2), "");
  EXPECT_EQ(DecodeField(bytes, 2, 4), "東京");
  EXPECT_EQ(DecodeField(bytes, 100, 4), "");
}

TEST(Chars, PositionsCountCharactersAndWidthsCountColumns) {
  std::string s = "３歳　ﾄﾘｹｼA";
  EXPECT_EQ(CharCount(s), 8u);
  EXPECT_EQ(Left(s, 2), "３歳");
  EXPECT_EQ(Mid(s, 3, 2), "　ﾄ");
  EXPECT_EQ(Mid(s, 8), "A");
  EXPECT_EQ(Mid(s, 20), "");
  EXPECT_EQ(Right(s, 3), "ｹｼA");
  EXPECT_EQ(Right(s, 30), s);
  EXPECT_EQ(DisplayWidth(s), 2 + 2 + 2 + 4 + 1);
  EXPECT_EQ(AsciiUpper("zo-53a.jra東"), "ZO-53A.JRA東");
  EXPECT_FALSE(EqualsIgnoringAsciiCase("DATA", "DAT"));
}

TEST(Number, ValIsLenient) {
  for (const char* zero : {" ﾄﾘｹｼ", "  ﾄﾘｹｼ", "     ", "", ".", "-"}) EXPECT_EQ(Val(zero), 0);
  // Exactly the double of the decimal text, as a one-step conversion gives it.
  EXPECT_EQ(Val("  3.5"), 3.5);
  EXPECT_EQ(Val("0.3"), 0.3);
  EXPECT_EQ(Val("4.35"), 4.35);
  EXPECT_EQ(Val("0950"), 950);
  EXPECT_EQ(Val("12ab"), 12);
  EXPECT_EQ(Val("-7.5x"), -7.5);
  EXPECT_EQ(Val(" +7.5"), 7.5);
  EXPECT_EQ(ValInt(" 5"), 5);
  EXPECT_EQ(ValInt("99999999999999999999999"), 9000000000000000000LL);
  EXPECT_EQ(ValInt("-" + std::string(400, '9')), -9000000000000000000LL);
  EXPECT_EQ(ValInt("0." + std::string(400, '0') + "1"), 0);
}

TEST(Number, DecimalTextAndPicture) {
  EXPECT_EQ(DecimalText(5), " 5");
  EXPECT_EQ(DecimalText(0), " 0");
  EXPECT_EQ(DecimalText(-5), "-5");
  EXPECT_EQ(Picture(7, 3), "  7");
  EXPECT_EQ(Picture(12345, 3), "12345");  // never cut
  EXPECT_TRUE(IsBlank(""));
  EXPECT_FALSE(IsBlank(" 0 "));
}

TEST(Century, SplitsAtFifty) {
  EXPECT_EQ(FullYear(49), 2049);
  EXPECT_EQ(FullYear(50), 1950);
  EXPECT_EQ(FullYear(99), 1999);
  EXPECT_EQ(FullYear(0), 2000);
  EXPECT_EQ(CenturyText("98"), "19");
  EXPECT_EQ(CenturyText("05"), "20");
  EXPECT_EQ(AgeInRaceYear(98, 95), 4);
  EXPECT_EQ(AgeInRaceYear(1, 98), 4);  // across the century
}

TEST(Files, RecordFileIgnoresShortTailAndRangeErrors) {
  RecordFile file(std::string(10 * 3 + 4, 'x'), 10);
  EXPECT_EQ(file.count(), 3u);
  EXPECT_EQ(file.Record(3).size(), 10u);
  EXPECT_TRUE(file.Record(0).empty());
  EXPECT_TRUE(file.Record(4).empty());
  RecordFile empty(std::string(), 584);
  EXPECT_EQ(empty.count(), 0u);

  RecordFileBuilder builder(4);
  builder.Append("ab");
  builder.Append("abcdef");
  EXPECT_EQ(builder.bytes(), "ab  abcd");
}

TEST(Files, WriteTextFileReplacesWholeInCp932WithCrLf) {
  TempFolder dir;
  fs::path target = dir.path() / "OUT.TXT";
  std::string error;
  ASSERT_TRUE(WriteTextFile(target, "旧", &error)) << error;
  ASSERT_TRUE(WriteTextFile(target, "東京\r\n１", &error)) << error;
  EXPECT_EQ(ReadFile(target), "\x93\x8c\x8b\x9e\r\n\x82\x50\r\n");
  // A write that cannot replace its target says which file and leaves no temporary file.
  dir.Write("DIR.TXT/keep", "x");
  EXPECT_FALSE(WriteTextFile(dir.path() / "DIR.TXT", "a", &error));
  EXPECT_NE(error.find("DIR.TXT"), std::string::npos);
  EXPECT_FALSE(WriteTextFile(dir.path() / "missing" / "X.TXT", "a", &error));
  EXPECT_EQ(testing::EntriesOf(dir.path()), (testing::Strings{"DIR.TXT", "OUT.TXT"}));
}

// A file or a folder setting exactly at its bound is taken; one byte more is refused.
TEST(Files, InputsExactlyAtTheirBound) {
  TempFolder dir;
  const fs::path file = dir.Write("UO-511.JRA", "12345");
  EXPECT_EQ(ReadWholeFile(file, 5), "12345");
  EXPECT_FALSE(ReadWholeFile(file, 4));
  EXPECT_FALSE(FolderSettingProblem(std::string(kMaxFolderSettingLength, 'a')));
  EXPECT_TRUE(FolderSettingProblem(std::string(kMaxFolderSettingLength + 1, 'a')));
}

TEST(Files, ListingIsSortedPlainFilesOnly) {
  TempFolder dir;
  dir.Write("b.DEN", "");
  dir.Write("A.DEN", "");
  dir.Write(".hidden", "");
  dir.Write("sub/C.DEN", "");
  EXPECT_EQ(ListPlainFiles(dir.path()), (std::vector<std::string>{"A.DEN", "b.DEN"}));
  EXPECT_TRUE(ListPlainFiles(dir.path() / "nowhere").empty());
}

TEST(Files, NamesAndFoldersAreFoundIgnoringCase) {
  TempFolder dir;
  dir.Write("FILE/zo-53a.jra", "x");
  EXPECT_EQ(ResolveFolder(dir.path(), "File"), dir.path() / "FILE");
  EXPECT_EQ(ResolveFolder(dir.path(), "File\\"), dir.path() / "FILE");
  EXPECT_EQ(ResolveFolder(dir.path(), dir.path().string() + "/file"), dir.path() / "FILE");
  EXPECT_EQ(ResolveFolder(dir.path(), "New"), dir.path() / "New");
  for (const char* root : {"/", "\\", "//", "/.."}) EXPECT_EQ(ResolveFolder(dir.path(), root), "/");
  auto found = FindIgnoringCase(dir.path() / "FILE", "ZO-53A.JRA");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->filename(), "zo-53a.jra");
}

TEST(Files, NameMatchesIgnoresAsciiCase) {
  EXPECT_TRUE(NameMatches("OD*.CSV", "od980510.csv"));
  EXPECT_FALSE(NameMatches("ZO-?A.JRA", "ZO-53A.JRA"));
  EXPECT_TRUE(NameMatches("??19980510.DEN", "東京19980510.DEN"));  // "?" is one character
  EXPECT_TRUE(NameMatches("*.*", "MIR_TOTE"));                     // as every file listing takes it
  EXPECT_FALSE(NameMatches("*.JRA", "ZO-53A"));
}

}  // namespace
}  // namespace mirtote::text
