#include "convert/forum_log.h"

#include <gtest/gtest.h>

#include <functional>

#include "pat/pat_run.h"
#include "shell/settings_keys.h"
#include "support/race_fixtures.h"
#include "support/test_support.h"
#include "text/cp932.h"

namespace mirtote::convert {
namespace {

namespace fs = std::filesystem;
using namespace mirtote::testing;
using pat::PairOdds;
using Lines = std::vector<std::string>;

const fs::path kSamples = fs::path(MIRTOTE_TEST_DATA) / "convert";

class ForumLogTest : public ::testing::Test {
 protected:
  ForumLogTest() {
    settings_.Set(keys::kStartup, keys::kPatType, "PAT95");
    fs::create_directories(out_);
  }

  ForumLogResult Convert(std::vector<fs::path> logs) {
    return ConvertForumLogs({std::move(logs)}, session_);
  }

  // Odds block `index` (1-7) of the sample log: its title line up to the next message header.
  static Lines SampleBlock(int index) {
    Lines block;
    int found = 0;
    for (const auto& line : SplitLines(text::DecodeCp932(ReadFile(kSamples / "forum.ODS")))) {
      found += line.starts_with("【オッズ】");
      if (found == index && line.starts_with("#")) break;
      if (found == index) block.push_back(line);
    }
    return block;
  }

  fs::path WriteLog(const std::string& name, const std::vector<Lines>& parts) {
    std::string text;
    for (const auto& part : parts) {
      for (const auto& line : part) text += line + "\r\n";
    }
    return temp_.Write(name, Sjis(text));
  }

  TempFolder temp_;
  fs::path out_ = temp_.path() / "FILE";  // PatFileFolder's default "File"
  ScriptedHost host_;
  MemorySettingsStore settings_;
  Session session_{temp_.path(), settings_, host_};
};

// PAT files of 8 to 18 runners, posted by the odds run and read back from the posted text.
// The odds tell every pair apart; a bracket of one horse has no pair with itself, a
// scratched horse's pairs are not sold. Odds of 100 (bracket) or 1000 (quinella) and more
// are whole numbers, as the posted text shows only their whole part.
TEST_F(ForumLogTest, PostedOddsTextReadsBackToThePatSlots) {
  const fs::path pat = temp_.path() / "PAT";
  struct Race {
    int runners, scratched;
  };
  const Race races[] = {{8, 0}, {9, 0}, {12, 7}, {13, 0}, {14, 0}, {16, 16}, {18, 0}};
  std::vector<RaceCardFields> cards(7);
  for (int r = 1; r <= 7; ++r) {
    const auto [n, scratched] = races[r - 1];
    RaceCardFields& card = cards[r - 1];
    card.race_number = TwoDigits(r);
    card.entries = MakeEntries(n);
    pat::ZoContent zo = ZoFor(card, n);
    std::array<int, 9> in_bracket{};
    for (const auto& e : card.entries) ++in_bracket[std::stoul(e.bracket)];
    const int out = scratched ? std::stoi(card.entries[scratched - 1].bracket) : 0;
    if (scratched) zo.horses[scratched - 1].state = pat::HorseOdds::State::kScratched;
    for (int k = 1; k <= pat::kBracketPairs; ++k) {
      const auto [a, b] = pat::BracketPairOf(k);
      zo.brackets[k - 1] = {a == b && a == out                 ? PairOdds::State::kNotSold
                            : in_bracket[b] < (a == b ? 2 : 1) ? PairOdds::State::kNoOdds
                                                               : PairOdds::State::kSold,
                            pat::OddsText(100 + 10 * a + b), 0, 0};
    }
    SetBracket(zo, 1, 2, "5.6");
    SetBracket(zo, 2, 3, "123.0");
    std::optional<pat::UoContent> uo;
    if (n > 8) {
      uo = UoFor(zo, n);
      for (int a = 1; a < n; ++a) {
        for (int b = a + 1; b <= n; ++b) {
          SetQuinella(*uo, n, a, b,
                      a == scratched || b == scratched ? "" : pat::OddsText(100 * a + b));
        }
      }
      SetQuinella(*uo, n, 1, 2, "12.3");
      SetQuinella(*uo, n, 1, 3, "1234.0");
    }
    WritePatFiles(pat, ZoName(card), zo, UoName(card), uo);
  }
  WriteMeeting(temp_.path() / "DATA", "東京19980510", cards, {});

  settings_.Set(keys::kStartup, keys::kPatInstFolder, "PAT");
  settings_.Set(keys::kStartup, keys::kOddsLogFolder, out_.string());
  pat::PatRunRequest request{.format = pat::OutputFormat::kNifTerm};
  request.selection.advance_sale = false;
  ASSERT_EQ(pat::RunPatOdds(request, session_).races_posted, 7);
  host_.messages.clear();
  const ForumLogResult result = Convert({out_ / "PAD_NT.TXT"});
  EXPECT_EQ(result.files_written.size(), 13u);
  for (const RaceCardFields& card : cards) {
    for (const std::string& name : {ZoName(card), UoName(card)}) {
      const std::string before = ReadFile(pat / name), after = ReadFile(out_ / name);
      EXPECT_EQ(before.empty(), after.empty()) << name;
      if (before.empty()) continue;
      // Date, venue, race key and time kind; runner count and every slot.
      EXPECT_EQ(before.substr(0, 44), after.substr(0, 44)) << name;
      EXPECT_EQ(before.substr(140), after.substr(140)) << name;
    }
  }
  EXPECT_EQ(result.messages, Lines{"処理終了しました"});
}

TEST_F(ForumLogTest, SampleLogGivesTheGoldenFilesInBothLayouts) {
  for (const std::string type : {"PAT95", "PAT31"}) {
    fs::remove_all(out_);
    fs::create_directories(out_);
    settings_.Set(keys::kStartup, keys::kPatType, type);
    host_ = {};
    const ForumLogResult result = Convert({kSamples / "forum.ODS"});
    ExpectSameFiles(out_, kSamples / ("log_" + type));
    EXPECT_EQ(result.messages, Lines{"処理終了しました"});
    ASSERT_EQ(host_.progress_captions.size(), 8u);
    EXPECT_EQ(host_.progress_captions[0], "【 KORVAN Log File 】オッズデータ取り込み中");
    EXPECT_EQ(host_.progress_captions[3], "【  7 情報中  3 情報目 】を処理中です。");
    EXPECT_EQ(host_.progress_values, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
  }
}

// Beside the 1998 goldens: a two-digit year below 50 is of the 2000s in the dates and the key.
TEST_F(ForumLogTest, TitleYearsBelow50AreThe2000s) {
  Lines block = SampleBlock(1);
  block[0].replace(block[0].find("'９８"), std::string("'９８").size(), "'０２");
  Convert({WriteLog("2002.ODS", {block})});
  std::string expected = ReadFile(kSamples / "log_PAT95" / "ZO-581.JRA");
  for (size_t at; (at = expected.find("1998")) != std::string::npos;) {
    expected.replace(at, 4, "2002");
  }
  EXPECT_EQ(ReadFile(out_ / "ZO-581.JRA"), expected);
}

// A race posted again later in the day: its files are written once, with the last block's
// odds; the other races' files stay as they were.
TEST_F(ForumLogTest, EachFileIsWrittenOnceWithTheLastBlockOfItsRace) {
  Lines later = SampleBlock(1);
  later[5].replace(later[5].find("1.3"), 3, "9.9");  // horse 1's win odds
  const ForumLogResult result =
      Convert({WriteLog("day.ODS", {SampleBlock(1), SampleBlock(2), later})});
  Lines names;
  for (const auto& path : result.files_written) names.push_back(path.filename().string());
  EXPECT_EQ(names, (Lines{"ZO-581.JRA", "ZO-582.JRA", "UO-582.JRA"}));
  EXPECT_EQ(ReadFile(out_ / "ZO-581.JRA").substr(142, 18), "0 1  9.9  1.1  2.1");
  EXPECT_EQ(ReadFile(out_ / "UO-582.JRA"), ReadFile(kSamples / "log_PAT95" / "UO-582.JRA"));
  EXPECT_EQ(result.races_written, 3);
}

// The log is read in 64 KiB pieces: a CR LF split between two of them is one line end.
TEST_F(ForumLogTest, LineEndSplitBetweenReadsIsOneLineEnd) {
  const Lines block = SampleBlock(1);
  size_t head = 0;  // bytes of the block up to horse 1's CR
  for (size_t i = 0; i <= 5; ++i) head += Sjis(block[i]).size() + 2;
  const std::string pad(65536 - (head - 1) - 2, 'x');
  Convert({WriteLog("split.ODS", {{pad}, block})});
  EXPECT_EQ(ReadFile(out_ / "ZO-581.JRA"), ReadFile(kSamples / "log_PAT95" / "ZO-581.JRA"));
}

TEST_F(ForumLogTest, Pat31DayCharacterFollowsTheAdvanceSaleSubjects) {
  settings_.Set(keys::kStartup, keys::kPatType, "PAT31");
  const ForumLogResult result =
      Convert({WriteLog("a.ODS", {{"#0001 KORVAN01  05/10【前売】ＮＨＫマイ [取得00:99]"},
                                  SampleBlock(1),
                                  SampleBlock(2),
                                  {"#0003 KORVAN01  05/10  【 東京 　３Ｒ】    [取得14:42]"},
                                  SampleBlock(3)}),
               WriteLog("b.ODS", {SampleBlock(1)})});
  // The mark goes back to "1" after each block; a log without subjects starts at "1".
  Lines names;
  for (const auto& path : result.files_written) names.push_back(path.filename().string());
  EXPECT_EQ(names, (Lines{"ZO-521.JRA", "ZO-512.JRA", "UO-512.JRA", "ZO-513.JRA", "UO-513.JRA",
                          "ZO-511.JRA"}));
  EXPECT_EQ(result.messages, (Lines{"処理終了しました", "処理終了しました"}));
}

TEST_F(ForumLogTest, BadBlocksAreToldWithFileAndLine) {
  const auto replace = [](size_t line, std::string from, std::string to) {
    return [=](Lines& b) { b[line - 1].replace(b[line - 1].find(from), from.size(), to); };
  };
  const std::string stop = "\r\nこのファイルの変換を中止しました。";
  struct Case {
    std::function<void(Lines&)> edit;
    size_t line;  // within the edited block; 0 for a message without file and line
    std::string message;
  };
  const std::vector<Case> cases = {
      {[](Lines& b) { b.resize(13); }, 13, "オッズの途中でファイルが終わっています。" + stop},
      {replace(1, "'９８", "'９Ｘ"), 1, "タイトル行の日付またはレース番号が読めません。" + stop},
      {replace(3, " 8頭", "ｘｘ頭"), 3, "出走頭数が読めません。" + stop},
      {replace(1, "東京", "大井"), 1, "開催場「大井」が不明です。\r\nこのオッズは変換しません。"},
      {replace(2, "回  ", "回ＸＸＸＸＸＸＸＸＸＸＸ"), 0, "タイトル異常かもしれません。"},
  };
  const Lines first = SampleBlock(2);  // converted before the bad block; its files stay
  for (size_t i = 0; i < cases.size(); ++i) {
    Lines block = SampleBlock(1);
    cases[i].edit(block);
    const fs::path log = WriteLog("bad" + std::to_string(i) + ".ODS", {first, block});
    const ForumLogResult result = Convert({log});
    const std::string at = cases[i].line == 0
                               ? ""
                               : "ファイル：" + log.string() + "\r\n" +
                                     std::to_string(first.size() + cases[i].line) + "行目：";
    // Only the left-out block lets the log run to its end.
    Lines expected{at + cases[i].message};
    if (i == 3) expected.push_back("処理終了しました");
    EXPECT_EQ(result.messages, expected);
    EXPECT_EQ(result.files_written.size(), 2u) << i;
  }
}

TEST_F(ForumLogTest, ShortLinesReadAsBlanksAndUnreadableOrOddsLessLogsAreTold) {
  Lines block = SampleBlock(1);
  block[7].resize(block[7].find("3.3") + 3);  // horse 3 without its place odds
  const fs::path talk = WriteLog("talk.ODS", {{"#0001 KORVAN01  05/10 雑談", "こんにちは"}});
  const ForumLogResult result =
      Convert({WriteLog("short.ODS", {block}), temp_.path() / "none", talk});
  EXPECT_EQ(ReadFile(out_ / "ZO-581.JRA").substr(142 + 2 * 18, 18), "0 3  3.3          ");
  ASSERT_EQ(result.messages.size(), 3u);
  EXPECT_TRUE(result.messages[1].starts_with("ファイル：" + (temp_.path() / "none").string()));
  // A wrong file chosen: no end message as if it had been converted.
  EXPECT_EQ(result.messages[2],
            "ファイル：" + talk.string() + "\r\nオッズが見つかりませんでした。");
  EXPECT_EQ(result.sources_failed, 2);
  EXPECT_EQ(host_.messages.back().title, "確認");
}

}  // namespace
}  // namespace mirtote::convert
