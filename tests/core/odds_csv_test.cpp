#include "convert/odds_csv.h"

#include <gtest/gtest.h>

#include "shell/settings_keys.h"
#include "support/race_fixtures.h"
#include "support/test_support.h"

namespace mirtote::convert {
namespace {

namespace fs = std::filesystem;
using namespace mirtote::testing;

const fs::path kSamples = fs::path(MIRTOTE_TEST_DATA) / "convert";
const std::string kSampleCsv = "OD980510.CSV";  // races 1, 10 and 11 of 東京 on 10 May 1998

class OddsCsvTest : public ::testing::Test {
 protected:
  OddsCsvTest() {
    settings_.Set(keys::kStartup, keys::kPatType, "PAT95");
    fs::create_directories(out_);
  }

  // Race cards of the sample's three races; race 10 has an edition number.
  std::vector<RaceCardFields> Cards() const {
    std::vector<RaceCardFields> cards(3);
    const int races[] = {1, 10, 11}, runners[] = {8, 10, 16};
    for (size_t i = 0; i < 3; ++i) {
      cards[i].race_number = TwoDigits(races[i]);
      cards[i].entries = MakeEntries(runners[i]);
    }
    cards[0].class_codes = {"000", "000", "000", "005"};
    cards[1].race_name = "ﾀﾞｰﾋﾞｰ" + std::string(54, ' ');  // half-width, padded with blanks
    return cards;
  }

  OddsCsvResult Convert(const fs::path& csv) { return ConvertOddsCsvFiles({{csv}}, session_); }

  // Race name and conditions fields of a written ZO file, joined with "|".
  std::string NameAndConditions(const std::string& zo) const {
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
  WriteMeeting(temp_.path() / "DATA", "東京19980510", Cards(), {});
  for (const std::string type : {"PAT95", "PAT31"}) {
    fs::remove_all(out_);
    fs::create_directories(out_);
    settings_.Set(keys::kStartup, keys::kPatType, type);
    host_ = {};
    const OddsCsvResult result = Convert(kSamples / kSampleCsv);
    EXPECT_EQ(result.races_written, 3);
    ExpectSameFiles(out_, kSamples / ("csv_" + type));
    EXPECT_EQ(result.messages, std::vector<std::string>{"処理終了しました"});
    ASSERT_EQ(host_.progress_captions.size(), 4u);
    EXPECT_EQ(host_.progress_captions[0],
              "【 " + (kSamples / kSampleCsv).string() + " 】オッズデータ取り込み中");
    EXPECT_EQ(host_.progress_captions[2], "【  3 情報中  2 情報目 】を処理中です。");
  }
}

TEST_F(OddsCsvTest, RaceCardsOfBothEnvironmentsAndTheirMessages) {
  const std::string no_file =
      "該当する出馬表ファイルが見つかりません。\r\nタイトルなどが空白になります。";
  const std::string no_record =
      "該当する出馬表レコードが見つかりません。\r\nタイトルなどが空白になります。";
  const std::string blank = Join({std::string(28, ' '), std::string(64, ' '), "10"});
  const std::string found =
      Join({SjisField("ﾀﾞｰﾋﾞｰ", 28), SjisField("サラ系４歳オープン", 64), "10"});
  struct Case {
    std::string environment, folder, stem;  // where the race cards are written
    std::vector<std::string> messages;      // before the end message
    std::string race10;                     // its name and conditions
  };
  const std::vector<Case> cases = {
      {"ORIGINAL", "DATA", "東京19980510", {}, found},
      {"ORIGINAL", "DATA", "東京19980509", {no_file, no_file, no_file}, blank},
      {"TARGET", "FILE/DDATA", "980510全", {}, found},
      {"TARGET", "FILE/DDATA", "980510東", {}, found},
      {"TARGET", "FILE/DDATA", "980510中", {no_file, no_file, no_file}, blank},
      {"TARGET", "DATA", "東京19980510", {no_file, no_file, no_file}, blank},
  };
  for (const Case& c : cases) {
    fs::remove_all(temp_.path());
    fs::create_directories(out_);
    settings_.Set(keys::kStartup, keys::kEnvironment, c.environment);
    WriteMeeting(temp_.path() / c.folder, c.stem, Cards(), {});
    std::vector<std::string> expected = c.messages;
    expected.push_back("処理終了しました");
    EXPECT_EQ(Convert(kSamples / kSampleCsv).messages, expected) << c.stem;
    EXPECT_EQ(NameAndConditions("ZO-58A.JRA"), c.race10) << c.stem;
  }
  // A file without race 10's record; race 1's class of the oldest group alone.
  std::vector<RaceCardFields> cards = Cards();
  cards.erase(cards.begin() + 1);
  WriteMeeting(temp_.path() / "FILE/DDATA", "980510全", cards, {});
  EXPECT_EQ(Convert(kSamples / kSampleCsv).messages[0], no_record);
  EXPECT_EQ(NameAndConditions("ZO-58A.JRA"), blank);
  EXPECT_EQ(NameAndConditions("ZO-581.JRA"), Join({Sjis("ＮＨＫマイルカップ　　　　　"),
                                                   SjisField("サラ系４歳５００万下", 64), "08"}));
}

TEST_F(OddsCsvTest, BadFilesAreToldWithFileAndLine) {
  WriteMeeting(temp_.path() / "DATA", "東京19980510", Cards(), {});
  const auto lines = SplitLines(ReadFile(kSamples / kSampleCsv));
  const auto csv = [&](const std::string& name, size_t cut, const std::string& line) {
    std::vector<std::string> l(lines.begin(), lines.begin() + cut);
    l.push_back(line);
    std::string text;
    for (const auto& s : l) text += s + "\r\n";
    return temp_.Write(name, line == "-" ? "" : text);
  };
  const std::string stop = "\r\nこのファイルの変換を中止しました。";
  struct Case {
    fs::path file;
    std::string message;
    size_t files;
  };
  const std::vector<Case> cases = {
      {csv("OD980510.CSV", 9, lines[9].substr(0, 23) + "xx"),
       "10行目：馬番または枠番が読めません。", 1},
      {csv("OD980511.CSV", 8, "05983899,00,08"), "9行目：レース番号または開催日目が読めません。",
       1},
      {csv("OD980512.CSV", 8, lines[8].substr(0, 12) + "  "), "9行目：出走頭数が読めません。", 1},
      {csv("OD980513.CSV", 0, "-"), "オッズの行がありません。", 0},
      {csv("ODX.CSV", 1, ""), "ファイル名から開催日が読めません（OD + 年月日6桁 + .CSV）。", 0},
  };
  for (const Case& c : cases) {
    fs::remove_all(out_);
    fs::create_directories(out_);
    const OddsCsvResult result = Convert(c.file);
    EXPECT_EQ(result.messages.back(), "ファイル：" + c.file.string() + "\r\n" + c.message + stop);
    EXPECT_EQ(result.files_written.size(), c.files) << c.message;
  }
  // A venue that is not one of the ten: its race is left out, the others converted.
  const fs::path odd = csv("v/OD980510.CSV", 8, "11" + lines[8].substr(2));
  const OddsCsvResult result = Convert(odd);
  EXPECT_EQ(result.messages[0],
            "ファイル：" + odd.string() +
                "\r\n9行目：開催場コード「11」が不明です。\r\nこのレースは変換しません。");
  EXPECT_EQ(result.races_written, 1);
  EXPECT_EQ(result.races_skipped, 1);
}

}  // namespace
}  // namespace mirtote::convert
