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

const fs::path kSamples = fs::path(MIRTOTE_TEST_DATA) / "convert";

// The races of the sample log: race number, runners, scratched horse (0 for none).
struct SampleRace {
  int race;
  int runners;
  int scratched;
};
constexpr SampleRace kSampleRaces[] = {{1, 8, 0},  {2, 9, 0},   {3, 12, 7}, {4, 13, 0},
                                       {5, 14, 0}, {6, 16, 16}, {7, 18, 0}};

struct PatRace {
  pat::ZoContent zo;
  std::optional<pat::UoContent> uo;
};

// Odds that tell every bracket pair and horse pair apart; a bracket of one horse has no
// pair with itself, a scratched horse's pairs are not sold. Odds of 100 (bracket) and 1000
// (quinella) or more are whole numbers, since the odds text shows only their whole part.
PatRace MakePatRace(const RaceCardFields& card, const SampleRace& r) {
  const int n = r.runners;
  PatRace p{ZoFor(card, n), std::nullopt};
  std::array<int, 9> in_bracket{};
  for (const auto& e : card.entries) ++in_bracket[std::stoul(e.bracket)];
  const int scratched_bracket = r.scratched ? std::stoi(card.entries[r.scratched - 1].bracket) : 0;
  if (r.scratched) p.zo.horses[r.scratched - 1].state = pat::HorseOdds::State::kScratched;
  for (int k = 1; k <= pat::kBracketPairs; ++k) {
    const auto [a, b] = pat::BracketPairOf(k);
    PairOdds& slot = p.zo.brackets[k - 1];
    slot = {PairOdds::State::kSold, pat::OddsText(100 + 10 * a + b), 0, 0};
    if (in_bracket[b] == 0 || (a == b && in_bracket[a] < 2)) slot.state = PairOdds::State::kNoOdds;
    if (a == b && a == scratched_bracket) slot.state = PairOdds::State::kNotSold;
  }
  SetBracket(p.zo, 1, 2, "5.6");
  SetBracket(p.zo, 2, 3, "123.0");
  if (n > 8) {
    p.uo = UoFor(p.zo, n);
    for (int a = 1; a < n; ++a) {
      for (int b = a + 1; b <= n; ++b) {
        const bool out = a == r.scratched || b == r.scratched;
        SetQuinella(*p.uo, n, a, b, out ? "" : pat::OddsText(100 * a + b));
      }
    }
    SetQuinella(*p.uo, n, 1, 2, "12.3");
    SetQuinella(*p.uo, n, 1, 3, "1234.0");
  }
  return p;
}

class ForumLogTest : public ::testing::Test {
 protected:
  ForumLogTest() {
    settings_.Set(keys::kStartup, keys::kPatType, "PAT95");
    fs::create_directories(out_);
  }

  ForumLogResult Convert(std::vector<fs::path> logs) {
    return ConvertForumLogs({std::move(logs)}, session_);
  }

  // The lines of odds block `index` (1-7) of the sample log: its title line up to the
  // next message header.
  static std::vector<std::string> SampleBlock(int index) {
    const auto lines = SplitLines(text::DecodeCp932(ReadFile(kSamples / "forum.ODS")));
    std::vector<std::string> block;
    int found = 0;
    for (const std::string& line : lines) {
      if (line.starts_with("【オッズ】")) ++found;
      if (found == index && line.starts_with("#")) break;
      if (found == index) block.push_back(line);
    }
    return block;
  }

  fs::path WriteLog(const std::string& name, const std::vector<std::vector<std::string>>& parts) {
    std::string text;
    for (const auto& part : parts) {
      for (const auto& line : part) text += line + "\r\n";
    }
    return temp_.Write(name, Sjis(text));
  }

  std::vector<std::string> WrittenNames(const ForumLogResult& result) const {
    std::vector<std::string> names;
    for (const auto& path : result.files_written) names.push_back(path.filename().string());
    return names;
  }

  TempFolder temp_;
  fs::path out_ = temp_.path() / "FILE";  // PatFileFolder's default "File"
  ScriptedHost host_;
  MemorySettingsStore settings_;
  Session session_{temp_.path(), settings_, host_};
};

TEST_F(ForumLogTest, PostedOddsTextReadsBackToThePatSlots) {
  const fs::path pat = temp_.path() / "PAT", data = temp_.path() / "DATA";
  std::vector<std::array<std::string, 3>> jockeys;
  for (int i = 1; i <= 18; ++i) jockeys.push_back({"J0" + TwoDigits(i), "騎手", "太郎"});
  WriteJockeys(data, jockeys);
  std::vector<RaceCardFields> cards;
  std::vector<HorseFields> horses;
  for (const SampleRace& r : kSampleRaces) {
    RaceCardFields card;
    card.race_number = TwoDigits(r.race);
    card.entries = MakeEntries(r.runners);
    // An edition number, a one-digit class limit, a steeplechase and a race name of
    // half-width katakana in the header lines.
    if (r.race == 1) card.edition = "065";
    if (r.race == 2) card.class_codes = {"005", "000", "000", "000"};
    if (r.race == 4) card.race_name = "ＮＨＫﾏｲﾙｶｯﾌﾟ";
    if (r.race == 3) card.course = "51", card.class_codes = {"000", "999", "999", "000"};
    const PatRace p = MakePatRace(card, r);
    WritePatFiles(pat, ZoName(card), p.zo, UoName(card), p.uo);
    cards.push_back(card);
    for (const auto& h : HorsesFor(card)) horses.push_back(h);
  }
  WriteMeeting(data, "東京19980510", cards, horses);

  settings_.Set(keys::kStartup, keys::kPatInstFolder, "PAT");
  settings_.Set(keys::kStartup, keys::kOddsLogFolder, (temp_.path() / "FILE").string());
  pat::PatRunRequest request{.format = pat::OutputFormat::kNifTerm};
  request.selection.advance_sale = false;
  ASSERT_EQ(pat::RunPatOdds(request, session_).races_posted, 7);
  const fs::path log = out_ / "PAD_NT.TXT";

  host_.messages.clear();
  const ForumLogResult result = Convert({log});
  EXPECT_EQ(result.races_written, 7);
  EXPECT_EQ(result.files_written.size(), 13u);
  for (const RaceCardFields& card : cards) {
    for (const std::string& name : {ZoName(card), UoName(card)}) {
      EXPECT_EQ(fs::exists(pat / name), fs::exists(out_ / name)) << name;
      const std::string before = ReadFile(pat / name), after = ReadFile(out_ / name);
      if (before.empty()) continue;
      // Date, venue, race key and time kind; runner count and every slot.
      EXPECT_EQ(before.substr(0, 44), after.substr(0, 44)) << name;
      EXPECT_EQ(before.substr(140), after.substr(140)) << name;
    }
  }
  ASSERT_EQ(host_.messages.size(), 1u);
  EXPECT_EQ(host_.messages[0].text, "処理終了しました");
  EXPECT_EQ(host_.messages[0].title, "確認");
}

TEST_F(ForumLogTest, SampleLogGivesTheGoldenFilesInBothLayouts) {
  for (const std::string type : {"PAT95", "PAT31"}) {
    fs::remove_all(out_);
    fs::create_directories(out_);
    settings_.Set(keys::kStartup, keys::kPatType, type);
    host_ = {};
    const ForumLogResult result = Convert({kSamples / "forum.ODS"});
    EXPECT_EQ(result.races_written, 7);
    EXPECT_EQ(result.sources_done, 1);
    ExpectSameFiles(out_, kSamples / ("log_" + type));
    ASSERT_EQ(host_.progress_captions.size(), 8u);
    EXPECT_EQ(host_.progress_captions[0], "【 KORVAN Log File 】オッズデータ取り込み中");
    EXPECT_EQ(host_.progress_captions[3], "【  7 情報中  3 情報目 】を処理中です。");
    EXPECT_EQ(host_.progress_values, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(result.messages, std::vector<std::string>{"処理終了しました"});
    EXPECT_FALSE(host_.progress_shown);
  }
}

TEST_F(ForumLogTest, Pat31DayCharacterFollowsTheAdvanceSaleSubjects) {
  settings_.Set(keys::kStartup, keys::kPatType, "PAT31");
  const fs::path presale =
      WriteLog("a.ODS", {{"#0001 KORVAN01  05/10【前売】ＮＨＫマイ [取得00:99]"},
                         SampleBlock(1),
                         SampleBlock(2),
                         {"#0003 KORVAN01  05/10  【 東京 　３Ｒ】    [取得14:42]"},
                         SampleBlock(3)});
  const fs::path plain = WriteLog("b.ODS", {SampleBlock(1)});
  const ForumLogResult result = Convert({presale, plain});
  // The flag goes back to "1" after each block; a log without subjects starts at "1".
  EXPECT_EQ(WrittenNames(result),
            (std::vector<std::string>{"ZO-521.JRA", "ZO-512.JRA", "UO-512.JRA", "ZO-513.JRA",
                                      "UO-513.JRA", "ZO-511.JRA"}));
  EXPECT_EQ(result.messages, (std::vector<std::string>{"処理終了しました", "処理終了しました"}));
}

TEST_F(ForumLogTest, BadBlocksAreToldWithFileAndLine) {
  struct Case {
    std::function<void(std::vector<std::string>&)> edit;
    int line;  // within the edited block
    std::string message;
  };
  const auto replace = [](int line, std::string from, std::string to) {
    return [=](std::vector<std::string>& b) {
      std::string& s = b[line - 1];
      s.replace(s.find(from), from.size(), to);
    };
  };
  const std::string stop = "\r\nこのファイルの変換を中止しました。";
  const std::vector<Case> cases = {
      {[](auto& b) { b.resize(13); }, 13, "オッズの途中でファイルが終わっています。" + stop},
      {replace(1, "'９８", "'９Ｘ"), 1, "タイトル行の日付またはレース番号が読めません。" + stop},
      {replace(3, " 8頭", "ｘｘ頭"), 3, "出走頭数が読めません。" + stop},
      {replace(1, "東京", "大井"), 1, "開催場「大井」が不明です。\r\nこのオッズは変換しません。"},
      {replace(2, "回  ", "回ＸＸＸＸＸＸＸＸＸＸＸ"), 0, "タイトル異常かもしれません。"},
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    std::vector<std::string> block = SampleBlock(1);
    cases[i].edit(block);
    const std::vector<std::string> first = SampleBlock(2);
    const fs::path log = WriteLog("bad" + std::to_string(i) + ".ODS", {first, block});
    fs::remove_all(out_);
    fs::create_directories(out_);
    const ForumLogResult result = Convert({log});
    std::string expected = cases[i].message;
    if (cases[i].line > 0) {
      expected = "ファイル：" + log.string() + "\r\n" +
                 std::to_string(first.size() + cases[i].line) + "行目：" + expected;
    }
    ASSERT_FALSE(result.messages.empty()) << i;
    EXPECT_EQ(result.messages[0], expected) << i;
    EXPECT_EQ(result.files_written.size(), 2u) << i;  // the first block's files stay
    // Only a left-out block lets the log run to its end.
    EXPECT_EQ(result.messages.size(), i == 3 ? 2u : 1u) << i;
  }
}

TEST_F(ForumLogTest, ShortLinesReadAsBlanksAndUnreadableLogsAreTold) {
  std::vector<std::string> block = SampleBlock(1);
  block[7].resize(block[7].find("3.3") + 3);  // horse 3 without its place odds
  const ForumLogResult result = Convert({WriteLog("short.ODS", {block}), temp_.path() / "none"});
  EXPECT_EQ(ReadFile(out_ / "ZO-581.JRA").substr(142 + 2 * 18, 18), "0 3  3.3          ");
  ASSERT_EQ(result.messages.size(), 2u);
  EXPECT_TRUE(result.messages[1].starts_with("ファイル：" + (temp_.path() / "none").string()));
  EXPECT_EQ(result.sources_failed, 1);

  settings_.Set(keys::kStartup, keys::kPatType, "PAT98");
  EXPECT_EQ(Convert({kSamples / "forum.ODS"}).messages,
            std::vector<std::string>{"PAT種別が不明です。"});
  EXPECT_EQ(host_.messages.back().title, "処理中止");
}

}  // namespace
}  // namespace mirtote::convert
