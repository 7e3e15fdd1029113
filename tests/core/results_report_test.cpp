#include "results/results_report.h"

#include <gtest/gtest.h>

#include "results/payout_sections.h"
#include "results/placing_table.h"
#include "results/race_report.h"
#include "support/race_fixtures.h"
#include "support/results_fixtures.h"
#include "text/chars.h"
#include "vocab/code_tables.h"

namespace mirtote::results {
namespace {

using namespace mirtote::testing;

// Twelve runners of race 10: a dead heat for 2nd, weight changes, a demoted horse, a horse
// missing from the horse file, a jockey missing from the jockey file, four non-finishers.
ResultsFields NamedRace() {
  ResultsFields s{.race = "10", .weight_rule = "4", .race_name = "天皇賞（秋）", .edition = "058"};
  s.grade = "A";
  // clang-format off
  s.horse_results = {
      {.position = "01", .popularity = "03"},
      {.position = "02", .margin = "A  ", .time = "1584", .weight = "545"},
      {.position = "02", .margin = "D  ", .time = "1584", .popularity = "11"},
      {.position = "04", .margin = "112", .time = "1587"},
      {.position = "05", .margin = " 12", .time = "1588"},
      {.position = "06", .margin = "K  ", .time = "1588", .body_weight = "000"},
      {.position = "08", .abnormal = "7", .margin = "T  ", .time = "1599", .demotion = "07"},
      {.position = "07", .margin = "2  ", .time = "1593"},
      {.position = "00", .abnormal = "1", .time = "0000", .body_weight = "000"},
      {.position = "00", .abnormal = "2", .time = "0000"},
      {.position = "00", .abnormal = "4", .time = "0000"},
      {.position = "00", .abnormal = "5", .time = "1589", .popularity = "12"}};
  s.win = {"01:420"};
  s.place = {"01:150", "02:380", "03:290", "04:1110"};
  s.bracket = {"12:2540", "13:1980"};
  s.quinella = {"0102:3350", "0103:2870"};
  s.prize = {"132000", "53000", "33000", "20000", "13200", "53000", "0"};
  s.added = {"1500", "430", "210", "120", "430"};
  // clang-format on
  return s;
}

// Eight runners of an unnamed race 9 in 2000: win dead heat only, no quinella sold.
ResultsFields UnnamedRace() {
  ResultsFields s{.year = "00", .race = "09", .month_day = "0105", .race_type = "12"};
  s.class_code = "015";
  s.weight_rule = s.grade = " ";
  s.race_name = "";
  s.track = "24";
  s.distance = "1200";
  for (int i = 1; i <= 8; ++i) s.horse_results.push_back({.position = TwoDigits(i == 2 ? 1 : i)});
  s.horse_results[7] = {.position = "00", .abnormal = "3", .time = "0000"};
  s.win = {"01:160", "02:220"};
  s.quinella = {};
  return s;
}

// A start folder with the day's horse file (horse 8 missing) and the jockey file (J012
// missing, every form of the four-character name).
struct Day : StartFolder {
  Day(const std::string& stem, int horses) {
    std::vector<HorseFields> horses_file;
    const std::array<const char*, 5> earlier = {"468", "478", "480", "483", "495"};
    for (int i = 1; i <= horses; ++i) {
      if (i == 8) continue;
      horses_file.push_back({.id = "950000" + TwoDigits(i),
                             .name = "ウマ" + std::string(i == 1 ? "ナマエガナガイナ" : "") +
                                     vocab::FullWidthDigits(std::to_string(i)),
                             .sex = std::to_string(i % 4),
                             .birth_date = i == 3 ? "970401" : "950415",
                             .body_weight = i <= 5 ? earlier[i - 1] : "470",
                             .second_name = i == 9 ? "ジョイフル" : ""});
    }
    WriteMeeting(folder.path() / "DATA", stem, {}, horses_file);
    // clang-format off
    WriteJockeys(folder.path() / "DATA",
        {{"J001", "武", "豊"}, {"J002", "岡部", "幸雄"}, {"J003", "Ｍ．デムーロ", ""},
         {"J004", "ペリエ", "オリビエ"}, {"J005", "ペリエ", "オ"}, {"J006", "ペリエ", "オリ"},
         {"J007", "Ｏ．Ｐ．ペリエ", ""}, {"J008", "ア　イ", "エオ"}, {"J009", "ア　イ", "エ"},
         {"J010", "柴田", "善臣"}, {"J011", "的場", "均"}});
    // clang-format on
  }
};

TEST(ResultsReport, WholeRaceReports) {
  Day tokyo("東京19981004", 12);
  WriteResultsFile(tokyo.folder.path(), "東京19981004.SEI", {ResultsFields{}, NamedRace()});
  const auto named = RunResultsRaceReport({"19981004", 4, 10}, tokyo.session);
  ASSERT_TRUE(named.shown);
  EXPECT_EQ(named.label, "19981004");
  EXPECT_EQ(GoldenDiff(named.text, "results/race_named.txt"), "");
  ASSERT_EQ(tokyo.host.messages.size(), 1u);
  EXPECT_EQ(Join({tokyo.host.messages[0].text, tokyo.host.messages[0].title}),
            "J012が見つかりません。\r最新の騎手ファイルを使用してください\r|騎手コードエラー");

  Day nakayama("中山20000105", 8);
  WriteResultsFile(nakayama.folder.path(), "中山20000105.SEI", {UnnamedRace()});
  EXPECT_EQ(GoldenDiff(RunResultsRaceReport({"20000105", 5, 9}, nakayama.session).text,
                       "results/race_unnamed.txt"),
            "");
}

// The third line of the report: race number, then edition and name, or type and class.
TEST(ResultsReport, RaceLines) {
  const std::array<std::string, 5> cases[] = {
      {"11", "005", "毎日王冠", "999", "11R 第 5回 毎日王冠"},
      {"11", "100", "毎日王冠", "999", "11R 第 100回 毎日王冠"},
      {"09", "000", "毎日王冠", "999", " 9R 毎日王冠"},
      {"10", "000", "", "009", "10R ４歳以上 900万円以下"},
      {"01", "000", "", "701", " 1R ４歳以上　新　馬"},
  };
  ScriptedHost host;
  const text::RecordFile none;
  for (const auto& [race, edition, name, class_code, line] : cases) {
    ResultsFields s{.race = race, .class_code = class_code, .race_name = name, .edition = edition};
    const auto lines = SplitLines(
        RaceReport(ResultsRecord::Parse(ResultsRecordBytes(s)), "東京", {none, none}, host));
    // A race name keeps its "　" padding to 30 characters.
    const size_t padding = name.empty() ? 0 : 30 - text::CharCount(name);
    EXPECT_EQ(lines.at(2), line + text::Repeat("　", padding)) << line;
  }
}

TEST(ResultsReport, DeadHeatFlags) {
  struct Case {
    const char* what;
    std::string horses, f3, f4, w2, b2, slot8, slot9;
    char flag;
  };
  const Case cases[] = {
      {"win dead heat", "12", "1", "", "1:300", "", "0", "0", 'T'},
      {"12 runners, three places", "12", "1", "", "", "", "0", "0", '0'},
      {"12 runners, fourth place", "12", "1", "1", "", "", "0", "0", '1'},
      {"7 runners, third place", "07", "1", "", "", "", "0", "0", '1'},
      {"7 runners, bracket dead heat", "07", "1", "", "", "1:900", "0", "0", '2'},
      {"9 runners, 8 scratched", "09", "1", "", "", "", "1", "0", '1'},
      {"9 runners, 9 excluded", "09", "1", "", "", "", "0", "2", '1'},
      {"9 runners, 9 did not finish", "09", "1", "", "", "", "0", "4", '0'},
      {"9 runners written \" 9\"", " 9", "1", "", "", "", "1", "0", '0'},
  };
  for (const Case& c : cases) {
    ResultsFields s{.horse_count = c.horses};
    s.place = {"1:1", "2:1", c.f3.empty() ? "" : "3:" + c.f3, c.f4.empty() ? "" : "4:" + c.f4};
    s.win[1] = c.w2;
    s.bracket[1] = c.b2;
    s.horse_results.resize(9);
    s.horse_results[7].abnormal = c.slot8;
    s.horse_results[8].abnormal = c.slot9;
    EXPECT_EQ(DeadHeatFlag(ResultsRecord::Parse(ResultsRecordBytes(s))), c.flag) << c.what;
  }
}

// Flag "2" widens the prize header but prints no dead-heat values or lines.
TEST(ResultsReport, SecondDeadHeatFlagPrintsNoDeadHeatValues) {
  const ResultsRecord r = ResultsRecord::Parse(ResultsRecordBytes(NamedRace()));
  EXPECT_EQ(PayoutSection(r, '2').find("同　着"), std::string::npos);
  EXPECT_EQ(SplitLines(PrizeSection(r, '2')),
            (std::vector<std::string>{
                "☆★ 賞金情報 ★☆（単位：千円）",
                "　　　　　　 １　着 　２　着 　３　着 　４　着 　５　着 　同　着 　同　着",
                "　本 賞 金　 132000    53000    33000    20000    13200  ",
                "　付加賞金　   1500      430      210  ", std::string(78, '-')}));
}

// An unknown earlier weight stops the search; a zero one is passed over. A change of 10 or
// more takes one column more than one of 9.
TEST(ResultsReport, WeightChange) {
  using W = std::array<std::string, 5>;
  EXPECT_EQ(Join({WeightChange("480", W{"000", "470"}), WeightChange("480", W{"   ", "470"}),
                  WeightChange("480", W{"0  ", "470"}), WeightChange("480", W{}),
                  WeightChange("480", W{"471"}), WeightChange("480", W{"489"}),
                  WeightChange("480", W{"490"})}),
            "    |    |+10 |    | +9 | -9 |-10 ");
}

TEST(ResultsReport, ChecksAndMissingFiles) {
  Day day("東京19981004", 12);
  WriteResultsFile(day.folder.path(), "東京19981004.SEI", {ResultsFields{}});
  WriteMeeting(day.folder.path() / "DATA", "京都19981004", {}, {});
  // Request, then the message shown or (when none) the report text.
  const std::pair<ResultsRaceRequest, std::string> cases[] = {
      {{"19981004", -1, 11}, "開催場所を選択してください"},
      {{"19981004", 4, 0}, "レース番号を選択してください"},
      {{"19981004", 4, 12}, "成績ファイルに指定されたレースの\r\n結果が含まれていません"},
      {{"19981005", 4, 11}, "競走馬ファイルがありません"},
      {{"19981004", 7, 11}, "成績ファイルを読み込めませんでした。\r\n"},  // no results file
  };
  for (const auto& [request, expected] : cases) {
    day.host.messages.clear();
    const ResultsRaceResult result = RunResultsRaceReport(request, day.session);
    const std::string shown = result.shown ? result.text : day.host.messages.at(0).text;
    EXPECT_TRUE(shown.starts_with(expected)) << shown;
    EXPECT_EQ(day.host.messages.size(), result.shown ? 0u : 1u);
  }
}

}  // namespace
}  // namespace mirtote::results
