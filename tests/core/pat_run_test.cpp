#include "pat/pat_run.h"

#include <gtest/gtest.h>

#include <regex>

#include "shell/settings_keys.h"
#include "support/race_fixtures.h"
#include "support/test_support.h"

namespace mirtote::pat {
namespace {

namespace fs = std::filesystem;
using namespace mirtote::testing;

class PatRunTest : public ::testing::Test {
 protected:
  PatRunTest() {
    fs::create_directories(pat_);
    std::vector<JockeyFields> jockeys;
    for (int i = 1; i <= 18; ++i) jockeys.push_back({"J0" + TwoDigits(i), "騎手", "太郎"});
    WriteJockeys(data_, jockeys);
  }

  RaceCardFields Card(int day, int race, int runners = 8) const {
    RaceCardFields card;
    card.day = std::to_string(day);
    card.race_number = TwoDigits(race);
    card.month_day = "05" + TwoDigits(9 + day);
    card.entries = MakeEntries(runners);
    card.race_name = "D" + card.day + "R" + card.race_number;  // found again by Posted()
    return card;
  }

  // Race cards and PAT files of races `first`..`last` of a day at 東京; `lower` writes the
  // PAT file names in lower case.
  void WriteDay(int day, int first, int last, bool lower = false, int runners = 8) {
    std::vector<RaceCardFields> cards;
    for (int race = first; race <= last; ++race) {
      RaceCardFields card = Card(day, race, runners);
      ZoContent zo = ZoFor(card, runners);
      std::string zo_name = ZoName(card), uo_name = UoName(card);
      for (std::string* name : {&zo_name, &uo_name}) {
        if (lower) std::transform(name->begin(), name->end(), name->begin(), ::tolower);
      }
      std::optional<UoContent> uo;
      if (runners > 8) uo = UoFor(zo, runners);
      WritePatFiles(pat_, zo_name, zo, uo_name, uo);
      cards.push_back(card);
    }
    WriteMeeting(data_, "東京199805" + TwoDigits(9 + day), cards, HorsesFor(cards.front()));
  }

  void Select(int first, int last, bool advance_sale) {
    request_.selection.advance_sale = advance_sale;
    for (int race = 1; race <= 12; ++race)
      request_.selection.races[race - 1] = race >= first && race <= last;
  }

  PatRunResult Run() { return last_ = RunPatOdds(request_, session_); }

  // Day and race number of each race in the last run's posted text, in order.
  std::vector<std::pair<int, int>> Posted() const {
    static const std::regex kName("D(\\d)R(\\d\\d)");
    const std::string& text = last_.posted_text;
    std::vector<std::pair<int, int>> races;
    for (std::sregex_iterator it(text.begin(), text.end(), kName), end; it != end; ++it) {
      races.emplace_back(std::stoi((*it)[1]), std::stoi((*it)[2]));
    }
    return races;
  }
  using Races = std::vector<std::pair<int, int>>;

  TempFolder temp_;
  fs::path pat_ = temp_.path() / "FILE";  // PatInstFolder's default "File"
  fs::path data_ = temp_.path() / "DATA";
  ScriptedHost host_;
  MemorySettingsStore settings_;
  Session session_{temp_.path(), settings_, host_};
  PatRunRequest request_;
  PatRunResult last_;
};

TEST_F(PatRunTest, LowerCaseNamesAreFoundAndRace11IsTheBFile) {
  WriteDay(1, 10, 12, /*lower=*/true, /*runners=*/12);
  ASSERT_TRUE(fs::exists(pat_ / "zo-51b.jra") && fs::exists(pat_ / "uo-51b.jra"));
  Select(1, 12, false);
  PatRunResult summary = Run();
  EXPECT_EQ(summary.file_count, 3);
  EXPECT_EQ(summary.races_posted, 3);
  EXPECT_EQ(Posted(), (Races{{1, 10}, {1, 11}, {1, 12}}));
  // The quinella table of 12 runners comes from the lower-case UO file.
  EXPECT_NE(summary.posted_text.find("９  １０  １１  １２"), std::string::npos);
  EXPECT_EQ(host_.clipboard, summary.posted_text);
  EXPECT_TRUE(host_.messages.empty());
}

TEST_F(PatRunTest, SecondHalfOnlyCancelsRaces1To6WithExactCaptions) {
  WriteDay(1, 1, 12);
  WriteDay(3, 1, 1);  // a later day of the venue: counted, never processed
  Select(7, 12, false);
  PatRunResult summary = Run();
  EXPECT_EQ(summary.file_count, 13);
  EXPECT_EQ(summary.files_met, 12);

  std::vector<std::string> expected = {"【 PAT for Win 】オッズデータ取り込み中"};
  for (int m = 1; m <= 12; ++m) {
    expected.push_back("【  13 ﾌｧｲﾙ中  " + std::to_string(m) + " ﾌｧｲﾙ目 】" +
                       (m <= 6 ? "はキャンセルです。" : "を処理中です。"));
  }
  EXPECT_EQ(host_.progress_captions, expected);
  std::vector<int> values = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  EXPECT_EQ(host_.progress_values, values);
  EXPECT_FALSE(host_.progress_shown);
  EXPECT_EQ(Posted(), (Races{{1, 7}, {1, 8}, {1, 9}, {1, 10}, {1, 11}, {1, 12}}));
}

TEST_F(PatRunTest, AdvanceSaleFollowsDayOneWithEveryRaceOfDayTwo) {
  WriteDay(1, 1, 3);
  WriteDay(2, 1, 3);
  Select(2, 3, true);
  PatRunResult summary = Run();
  EXPECT_EQ(summary.races_posted, 5);
  EXPECT_EQ(Posted(), (Races{{1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}}));
  // The fixed fetch time starts with the advance-sale pass.
  const std::string& text = summary.posted_text;
  EXPECT_GT(text.find("取得 00:99"), text.find("D1R03"));
  EXPECT_LT(text.find("取得 00:99"), text.find("D2R01"));
  // No cancel caption in the advance-sale pass, though race 1 is not selected.
  EXPECT_EQ(host_.progress_captions[1], "【  6 ﾌｧｲﾙ中  1 ﾌｧｲﾙ目 】はキャンセルです。");
  EXPECT_EQ(host_.progress_captions[4], "【  6 ﾌｧｲﾙ中  4 ﾌｧｲﾙ目 】を処理中です。");

  // Without the advance sale only day 1 is posted.
  Select(1, 12, false);
  Run();
  EXPECT_EQ(Posted(), (Races{{1, 1}, {1, 2}, {1, 3}}));

  // Day 2 alone is the earliest day: posted once, by the main pass.
  for (const char* name : {"ZO-511.JRA", "ZO-512.JRA", "ZO-513.JRA"}) fs::remove(pat_ / name);
  Select(1, 12, true);
  EXPECT_EQ(Run().races_posted, 3);
  EXPECT_EQ(Posted(), (Races{{2, 1}, {2, 2}, {2, 3}}));
}

TEST_F(PatRunTest, MissingRaceCardAndJockeyAreReportedInOrderAfterTheRun) {
  WriteDay(1, 1, 1);
  // Race 2 has PAT files but no race card; race 1's horse 3 has an unknown jockey.
  WritePatFiles(pat_, ZoName(Card(1, 2)), ZoFor(Card(1, 2), 8));
  RaceCardFields card = Card(1, 1);
  card.entries[2].jockey_code = "X999";
  WriteMeeting(data_, "東京19980510", {card}, HorsesFor(card));
  Select(1, 12, false);
  PatRunResult result = Run();
  EXPECT_EQ(result.races_posted, 1);
  EXPECT_TRUE(result.race_card_missing && result.jockey_missing);

  EXPECT_EQ(host_.Log(),
            (Strings{"出馬表ファイル確認|!|該当する出馬表ファイルが無いようです。\rJRA-VANより"
                     "LZH形式ファイルを入手し、\r本ソフトで解凍してください。\r",
                     "騎手ファイル確認|!|一部の騎手名が検索できなかったため、\rスペースで置き換え"
                     "ました。\r最新の騎手ファイルを使用してください。\r"}));
}

TEST_F(PatRunTest, OddNamesAndFoldersDoNotCountAndNoOddsFileIsTold) {
  for (const char* name : {"ZO-1X1.JRA", "ZO-191.JRA", "ZO-101.JRA", "ZO-Z11.JRA", "ZOJRA", "ZO",
                           "UO-111.JRA", "ZO-111.TXT", "ＺＯ-111.JRA"}) {
    temp_.Write(fs::path("FILE") / name, "short");
  }
  fs::create_directories(pat_ / "ZO-112.JRA");
  temp_.Write("FILE/KS-51118.JRA", "results");
  PatRunResult summary = Run();
  // Every ZO*JRA plain file is counted, but none names a venue and a day 1-8: no output, and
  // the user is told which folder had no odds file.
  EXPECT_EQ(summary.file_count, 5);
  EXPECT_EQ(summary.files_met, 0);
  EXPECT_TRUE(summary.posted_text.empty());
  EXPECT_EQ(host_.clipboard_writes, 0);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(
      Join({host_.messages[0].title, host_.messages[0].text}),
      "オッズデータ確認|PATのオッズファイル（ZO-*.JRA）が見つかりません。\r\n" + pat_.string());
  EXPECT_TRUE(host_.progress_captions.empty());
}

TEST_F(PatRunTest, MissingFolderIsReportedAndEndsTheRun) {
  settings_.Set(keys::kStartup, keys::kPatInstFolder, "PAT");
  PatRunResult summary = Run();
  EXPECT_TRUE(summary.folder_missing);
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0].title, "PATフォルダ確認");
  EXPECT_NE(host_.messages[0].text.find((temp_.path() / "PAT").string()), std::string::npos);
  EXPECT_TRUE(host_.progress_captions.empty());
}

// The job stores the market; the results market runs the results import, not the odds run.
TEST_F(PatRunTest, OutputJobStoresTheMarketAndRoutesResultsToTheImport) {
  WriteDay(1, 1, 2);
  request_.market = Market::kResults;
  EXPECT_EQ(RunPatOutput(request_, session_).races_posted, 0);
  EXPECT_EQ(settings_.GetOr(keys::kStartup, keys::kOddsTeam, ""), "S");
  request_.market = Market::kNoon;
  EXPECT_EQ(RunPatOutput(request_, session_).races_posted, 2);
  EXPECT_EQ(settings_.GetOr(keys::kStartup, keys::kOddsTeam, ""), "D");
}

}  // namespace
}  // namespace mirtote::pat
