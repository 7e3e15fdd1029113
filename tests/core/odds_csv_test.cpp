#include "convert/odds_csv.h"

#include <gtest/gtest.h>

#include "shell/settings_keys.h"
#include "support/race_fixtures.h"
#include "support/test_support.h"

namespace mirtote::convert {
namespace {

namespace fs = std::filesystem;
using namespace mirtote::testing;
using Lines = std::vector<std::string>;

// Races 1, 10 and 11 of 東京 on 10 May 1998, with 8, 10 and 16 runners.
const fs::path kSample = fs::path(MIRTOTE_TEST_DATA) / "convert" / "OD980510.CSV";

class OddsCsvTest : public ::testing::Test {
 protected:
  OddsCsvTest() {
    settings_.Set(keys::kStartup, keys::kPatType, "PAT95");
    fs::create_directories(out_);
  }

  // Race cards of the sample's races (race 10 left out with `without_10`): race 1 for the
  // oldest age group alone, race 10 named in half-width katakana padded with blanks.
  void WriteCards(const fs::path& folder, const std::string& stem, bool without_10 = false,
                  const std::string& year = "98") {
    std::vector<RaceCardFields> cards(3);
    for (size_t i = 0; i < 3; ++i) {
      cards[i].year = year;
      cards[i].race_number = TwoDigits(i == 0 ? 1 : 9 + static_cast<int>(i));
      cards[i].entries = MakeEntries(i == 0 ? 8 : i == 1 ? 10 : 16);
    }
    cards[0].class_codes = {"000", "000", "000", "005"};
    cards[1].race_name = "ﾀﾞｰﾋﾞｰ" + std::string(54, ' ');
    if (without_10) cards.erase(cards.begin() + 1);
    WriteMeeting(temp_.path() / folder, stem, cards, {});
  }

  OddsCsvResult Convert(const fs::path& csv) { return ConvertOddsCsvFiles({{csv}}, session_); }

  // Race name, conditions and runner count of a written ZO file, joined with "|".
  std::string Header(const std::string& zo) const {
    const std::string bytes = ReadFile(out_ / zo);
    return Join({bytes.substr(48, 28), bytes.substr(76, 64), bytes.substr(140, 2)});
  }

  TempFolder temp_;
  fs::path out_ = temp_.path() / "FILE";  // PatFileFolder's default "File"
  ScriptedHost host_;
  MemorySettingsStore settings_;
  Session session_{temp_.path(), settings_, host_};
};

TEST_F(OddsCsvTest, SampleGivesTheGoldenFilesInBothLayouts) {
  WriteCards("DATA", "東京19980510");
  for (const std::string type : {"PAT95", "PAT31"}) {
    fs::remove_all(out_);
    fs::create_directories(out_);
    settings_.Set(keys::kStartup, keys::kPatType, type);
    host_ = {};
    EXPECT_EQ(Convert(kSample).messages, Lines{"処理終了しました"});
    ExpectSameFiles(out_, kSample.parent_path() / ("csv_" + type));
    ASSERT_EQ(host_.progress_captions.size(), 4u);
    EXPECT_EQ(host_.progress_captions[0], "【 " + kSample.string() + " 】オッズデータ取り込み中");
    EXPECT_EQ(host_.progress_captions[2], "【  3 情報中  2 情報目 】を処理中です。");
  }
}

// Beside the 1998 goldens: a two-digit year below 50 is of the 2000s in the dates, the key and
// the race-card file looked up (東京20020510.DEN).
TEST_F(OddsCsvTest, YearsBelow50AreThe2000s) {
  WriteCards("DATA", "東京20020510", false, "02");
  std::string text;
  for (std::string line : SplitLines(ReadFile(kSample))) text += line.replace(2, 2, "02") + "\r\n";
  EXPECT_EQ(Convert(temp_.Write("OD020510.CSV", text)).messages, Lines{"処理終了しました"});
  for (const char* name : {"ZO-581.JRA", "UO-58A.JRA"}) {
    std::string expected = ReadFile(kSample.parent_path() / "csv_PAT95" / name);
    for (size_t at; (at = expected.find("1998")) != std::string::npos;) {
      expected.replace(at, 4, "2002");
    }
    EXPECT_EQ(ReadFile(out_ / name), expected) << name;
  }
}

TEST_F(OddsCsvTest, RaceCardsOfBothEnvironmentsAndTheirMessages) {
  const std::string file =
      "該当する出馬表ファイルが見つかりません。\r\nタイトルなどが空白になります。";
  const std::string record =
      "該当する出馬表レコードが見つかりません。\r\nタイトルなどが空白になります。";
  const std::string blank = Join({std::string(28, ' '), std::string(64, ' '), "10"});
  const std::string found =
      Join({SjisField("ﾀﾞｰﾋﾞｰ", 28), SjisField("サラ系４歳オープン", 64), "10"});
  struct Case {
    std::string environment, folder, stem;  // where the race cards are
    bool without_10;
    Lines messages;      // before the end message
    std::string race10;  // its header fields
  };
  const std::vector<Case> cases = {
      {"ORIGINAL", "DATA", "東京19980510", false, {}, found},
      {"ORIGINAL", "DATA", "東京19980510", true, {record}, blank},
      {"ORIGINAL", "DATA", "東京19980509", false, {file, file, file}, blank},
      {"TARGET", "FILE/DDATA", "980510全", false, {}, found},
      {"TARGET", "FILE/DDATA", "980510東", false, {}, found},
      {"TARGET", "FILE/DDATA", "980510中", false, {file, file, file}, blank},
  };
  for (const Case& c : cases) {
    fs::remove_all(temp_.path());
    fs::create_directories(out_);
    settings_.Set(keys::kStartup, keys::kEnvironment, c.environment);
    WriteCards(c.folder, c.stem, c.without_10);
    Lines expected = c.messages;
    expected.push_back("処理終了しました");
    EXPECT_EQ(Convert(kSample).messages, expected) << c.stem;
    EXPECT_EQ(Header("ZO-58A.JRA"), c.race10) << c.stem;
    if (&c != &cases[0]) continue;
    EXPECT_EQ(Header("ZO-581.JRA"), Join({Sjis("ＮＨＫマイルカップ　　　　　"),
                                          SjisField("サラ系４歳５００万下", 64), "08"}));
  }
}

TEST_F(OddsCsvTest, BadFilesAreToldWithFileAndLine) {
  WriteCards("DATA", "東京19980510");
  const Lines lines = SplitLines(ReadFile(kSample));
  // The sample's first `keep` lines and then `line` ("-" for an empty file).
  const auto csv = [&](const std::string& name, size_t keep, const std::string& line) {
    std::string text;
    for (size_t i = 0; i < keep; ++i) text += lines[i] + "\r\n";
    return temp_.Write(name, line == "-" ? "" : text + line + "\r\n");
  };
  struct Case {
    fs::path file;
    std::string message;
    size_t files;  // written before the failure
  };
  const std::vector<Case> cases = {
      {csv("a/OD980510.CSV", 9, lines[9].substr(0, 23) + "xx"),
       "10行目：馬番または枠番が読めません。", 1},
      {csv("b/OD980510.CSV", 8, "05983899,00,08"), "9行目：レース番号または開催日目が読めません。",
       1},
      {csv("c/OD980510.CSV", 8, lines[8].substr(0, 12)), "9行目：出走頭数が読めません。", 1},
      {csv("d/OD980510.CSV", 0, "-"), "オッズの行がありません。", 0},
      {csv("ODX.CSV", 1, ""), "ファイル名から開催日が読めません（OD + 年月日6桁 + .CSV）。", 0},
  };
  for (const Case& c : cases) {
    const OddsCsvResult result = Convert(c.file);
    EXPECT_EQ(result.messages, Lines{"ファイル：" + c.file.string() + "\r\n" + c.message +
                                     "\r\nこのファイルの変換を中止しました。"});
    EXPECT_EQ(result.files_written.size(), c.files) << c.message;
  }
  // A venue that is not one of the ten: its race is left out, the others converted.
  const fs::path odd = csv("e/OD980510.CSV", 8, "11" + lines[8].substr(2));
  const OddsCsvResult result = Convert(odd);
  EXPECT_EQ(result.messages[0],
            "ファイル：" + odd.string() +
                "\r\n9行目：開催場コード「11」が不明です。\r\nこのレースは変換しません。");
  EXPECT_EQ(result.races_written, 1);
}

// Horses without a line are named with the file and the race; the race is still written, their
// slots blank.
TEST_F(OddsCsvTest, MissingHorseLinesAreToldAndLeaveTheirPairsBlankInTheirOwnSlots) {
  WriteCards("DATA", "東京19980510");
  Lines lines = SplitLines(ReadFile(kSample));
  lines.erase(lines.begin() + 9);  // race 10, horse 2: pairs (2,3) to (2,10) are slots 10-17
  lines.pop_back();                // race 11 stops short of horse 16
  lines.pop_back();
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  const fs::path csv = temp_.Write("OD980510.CSV", text);
  const std::string at = "ファイル：" + csv.string() + "\r\n";
  const std::string blank = " の行がありません。\r\nその馬のオッズは空白で変換します。";
  EXPECT_EQ(Convert(csv).messages,
            (Lines{at + "9行目からの東京10R：馬番 2" + blank,
                   at + "18行目からの東京11R：馬番 15、16" + blank, "処理終了しました"}));
  const std::string uo = ReadFile(out_ / "UO-58A.JRA");
  EXPECT_EQ(uo.substr(142 + 12 * 9, 12 * 8), std::string(12 * 8, ' '));
  EXPECT_EQ(uo.substr(142 + 12 * 18, 12), "0 3- 5  30.5");
}

}  // namespace
}  // namespace mirtote::convert
