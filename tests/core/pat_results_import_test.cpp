#include "results/pat_results_import.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>

#include "results/pat_result_text.h"
#include "shell/settings_keys.h"
#include "support/race_fixtures.h"
#include "support/results_fixtures.h"

namespace mirtote::results {
namespace {

using namespace mirtote::testing;

// A KS file of race `race` of 東京 on 4 October 1998 (meeting 4, day 2): three placings,
// horses 1 and 2 dead-heated for the win, horses 3 and 12 scratched. Horse 2 is missing from
// the horse file, horse 10's jockey from the jockey file.
std::string KsFile(const std::string& race) {
  std::string ks(560, ' ');
  // clang-format off
  const std::pair<size_t, std::string> fields[] = {
      {1, "19981004"}, {15, "980402" + race}, {27, "良 "}, {31, "稍 "},
      {91, "1  1"}, {113, "1.58.3"}, {131, "1  2"}, {153, "1.58.3"}, {171, "3 10"}, {193, "1.58.9"},
      {375, " 1     250"}, {385, " 2     310"}, {405, " 1     120"}, {415, " 2     150"},
      {425, "10     480"}, {456, "1-2    1230"}, {492, "01-02     990"}, {506, "01-10    2890"},
      {533, "1"}, {535, " 3 12"}};
  // clang-format on
  for (const auto& [position, text] : fields) Put(ks, position - 1, Sjis(text));
  return ks;
}

class PatResultsImportTest : public ::testing::Test {
 protected:
  PatResultsImportTest() {
    start_.settings.Set(keys::kStartup, keys::kPatInstFolder, "PAT");
    card_.meeting = "4";
    card_.day = "2";
    card_.month_day = "1004";
    card_.class_codes = {"005", "005", "000", "000"};
    card_.course = "24";
    card_.entries = MakeEntries(12);
    card_.entries[0].carried_weight = "530";
    card_.entries[1].carried_weight = "575";
    card_.entries[9].jockey_code = "J099";  // not in the jockey file
    std::vector<HorseFields> horses = HorsesFor(card_);
    horses.erase(horses.begin() + 1);  // horse 2 is not in the horse file
    WriteMeeting(start_.folder.path() / "DATA", "東京19981004", {card_}, horses);
    std::vector<JockeyFields> jockeys;
    for (int i = 1; i <= 12; ++i) jockeys.push_back({"J0" + TwoDigits(i), "騎手", "太郎"});
    WriteJockeys(start_.folder.path() / "DATA", jockeys);
  }

  StartFolder start_;
  RaceCardFields card_;
};

// Race 11 is posted, race 7 passed over, race 1 has no race card.
TEST_F(PatResultsImportTest, PostsSelectedRaces) {
  for (const char* race : {"11", " 7", " 1"}) {
    const std::string name = std::string("KS-5042") + pat::RaceChar(std::stoi(race)) + ".JRA";
    start_.folder.Write(fs::path("PAT") / name, KsFile(race));
  }
  pat::PatRunRequest request{.market = pat::Market::kResults};
  request.selection.races = {true,  false, false, false, false, false,
                             false, false, false, false, true,  false};
  const pat::PatRunResult result = RunPatResultsImport(request, start_.session);
  EXPECT_EQ(Join({std::to_string(result.file_count), std::to_string(result.files_met),
                  std::to_string(result.races_posted)}),
            "3|3|1");
  EXPECT_EQ(start_.host.progress_captions,
            (std::vector<std::string>{"【 PAT for Win 】競走成績データ取り込み中",
                                      "【  3 ﾌｧｲﾙ中  1 ﾌｧｲﾙ目 】を処理中です。",
                                      "【  3 ﾌｧｲﾙ中  2 ﾌｧｲﾙ目 】はキャンセルです。",
                                      "【  3 ﾌｧｲﾙ中  3 ﾌｧｲﾙ目 】を処理中です。"}));
  EXPECT_EQ(GoldenDiff(result.posted_text, "results/pat_result_race.txt"), "");
  EXPECT_EQ(start_.host.clipboard, result.posted_text);
  ASSERT_EQ(start_.host.messages.size(), 3u);
  EXPECT_EQ(Join({start_.host.messages[0].text, start_.host.messages[0].title,
                  start_.host.messages[1].title, start_.host.messages[2].title}),
            "95000002|登録馬パラメータエラー|出馬表ファイル確認|騎手ファイル確認");
}

TEST_F(PatResultsImportTest, NoResultFiles) {
  start_.folder.Write("PAT/ZO-5042B.JRA", "");
  const pat::PatRunResult result = RunPatResultsImport({}, start_.session);
  EXPECT_EQ(result.races_posted, 0);
  EXPECT_FALSE(start_.host.progress_shown);
  ASSERT_EQ(start_.host.messages.size(), 1u);
  EXPECT_EQ(Join({start_.host.messages[0].text, start_.host.messages[0].title}),
            "該当する競走成績データが無いようです。\rPATセンターよりデータを取得しましょう。\r|"
            "競走成績データ確認");
}

// A KS file that cannot be read is named after the run, as the odds run names its files; the
// other races are posted.
TEST_F(PatResultsImportTest, UnreadableResultFilesAreNamed) {
  start_.folder.Write("PAT/KS-5042B.JRA", KsFile("11"));
  const fs::path bad = start_.folder.path() / "PAT" / "KS-50427.JRA";
  const std::string not_regular = " を読めません: 通常のファイルではありません";
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[&] { fs::create_directory(bad); }, not_regular + "（フォルダ）"},
      {[&] { ::mkfifo(bad.c_str(), 0644); }, not_regular + "（名前付きパイプ）"},
      {[&] { fs::create_symlink("/dev/zero", bad); }, not_regular + "（デバイス）"},
      {[&] {
         start_.folder.Write(bad.lexically_relative(start_.folder.path()), KsFile(" 7"));
         fs::permissions(bad, fs::perms::none);
       },
       " を開けません: Permission denied"},
  };
  for (const auto& [make, reason] : cases) {
    fs::remove_all(bad);
    make();
    start_.host = {};
    pat::PatRunResult result;
    // As "nobody" when run as root, whom file permissions do not stop.
    const bool root = ::geteuid() == 0;
    if (root) {
      ASSERT_EQ(::setegid(65534) + ::seteuid(65534), 0);
    }
    result = RunPatResultsImport({}, start_.session);
    if (root) {
      ASSERT_EQ(::seteuid(0) + ::setegid(0), 0);
    }
    EXPECT_EQ(result.read_failures, std::vector<std::string>{bad.string() + reason});
    EXPECT_EQ(result.races_posted, 1) << reason;
    ASSERT_GE(start_.host.messages.size(), 2u);
    EXPECT_EQ(start_.host.messages[1].title, "ファイル読み込み確認") << reason;
  }
}

// The track and the going field read for each kind of course code; of six scratched horses
// the data line lists the five it has room for.
TEST(PatResultText, CourseCodesAndFiveScratchedHorses) {
  std::string bytes = KsFile("11");
  Put(bytes, 534, " 3 12 13 14 15 16");
  const results::KsFile ks(bytes);
  RaceCardFields card;
  card.entries = MakeEntries(12);
  const text::RecordFile none;
  ScriptedHost host;
  const std::pair<const char*, std::string> cases[] = {{"11", "芝　　 1600m良     "},
                                                       {"22", "芝　　 1600m良     "},
                                                       {"23", "ダート 1600m稍     "},
                                                       {"52", "障害　 1600m良 稍 "},
                                                       {"34", "Ｒ  1600mサラ系"}};
  for (const auto& [course, piece] : cases) {
    card.course = course;
    const jravan::RaceCardRecord record = jravan::RaceCardRecord::Parse(RaceCardBytes(card));
    bool jockey_missing = false;
    const std::string text =
        PatResultText({ks, record, "東京", "05", none, none}, host, jockey_missing);
    EXPECT_NE(text.find(piece), std::string::npos) << course << "\n" << text;
    EXPECT_EQ(text.substr(21, text.find("\r\n") - 21),
              "5///" + std::string(22, ' ') + "取消・除外馬番 : 03 12 13 14 15");
  }
}

TEST(AgeClassText, Groups) {
  const std::pair<std::array<std::string, 4>, std::string> cases[] = {
      {{"005", "005", "000", "000"}, "3歳以上(500万下)"},
      {{"000", "010", "010", "000"}, "4歳以上(1000万下)"},
      {{"999", "000", "000", "000"}, "3歳(オープン)"},
      {{"000", "999", "999", "000"}, "4歳以上(オープン)"},
      {{"000", "000", "000", "005"}, "6歳以上(500万下)"},
      {{"000", "000", "702", "702"}, "5歳以上(未出走)"},
      {{"009", "009", "009", "009"}, "4歳以上(900万下)"},
  };
  for (const auto& [codes, text] : cases) EXPECT_EQ(AgeClassText(codes), text) << codes[0];
}

}  // namespace
}  // namespace mirtote::results
