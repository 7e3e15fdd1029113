#include "pat/race_text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#include "pat/odds_tables.h"
#include "support/race_fixtures.h"
#include "support/test_support.h"

namespace mirtote::pat {
namespace {

using testing::HorseFields;
using testing::RaceCardFields;

class RaceTextTest : public ::testing::Test, protected testing::SessionFixture {
 protected:
  std::filesystem::path Data() const { return start.path() / "DATA"; }
  std::filesystem::path Pat() const { return start.path() / "PAT"; }

  // Writes the card's meeting and its ZO file, fetched at 9:05 local time on 10 May 1998.
  void WriteRace(const RaceCardFields& card, const ZoContent& zo,
                 const std::vector<HorseFields>& horses) {
    testing::WriteMeeting(Data(), "東京19980510", {card}, horses);
    const auto zo_path = testing::WritePatFiles(Pat(), testing::ZoName(card), zo);
    std::tm tm{};
    tm.tm_year = 98, tm.tm_mon = 4, tm.tm_mday = 10, tm.tm_hour = 9, tm.tm_min = 5;
    tm.tm_isdst = -1;
    const auto when = std::chrono::system_clock::from_time_t(std::mktime(&tm));
    std::filesystem::last_write_time(zo_path, std::chrono::file_clock::from_sys(when));
  }
  void WriteRace(const RaceCardFields& card) {
    WriteRace(card, testing::ZoFor(card, static_cast<int>(card.entries.size())),
              testing::HorsesFor(card));
  }

  std::string Build(const RaceCardFields& card, bool advance_sale = false) {
    race_ = BuildRaceText({Pat(), testing::ZoName(card), advance_sale}, session, carry_);
    return race_.text;
  }

  RaceText race_;
  RaceTextCarry carry_;
};

// Race 5, month 5, day 10, edition 65, post time 9:50; horse 3 scratched, horses 7 and 8
// share bracket 7; jockeys of 1, 2 and 3 family-name characters, initials, one unknown;
// previous weights "000" and "999" unknown; bracket odds of each size, one pair not sold.
TEST_F(RaceTextTest, WholeRaceTextOfEightRunners) {
  RaceCardFields card;
  card.meeting = "2";
  card.day = "4";
  card.race_number = "05";
  card.weekday = "7";
  card.post_time = "0950";
  card.race_name = "テレビ東京杯青葉賞";
  card.edition = "065";
  card.weight_rule = "1";
  card.class_codes = {"000", "005", "010", "010"};
  card.distance = "1400";
  card.course = "24";
  card.grade = "E";
  card.entries = testing::MakeEntries(8, {"1", "2", "3", "4", "5", "6", "7", "7"});
  card.entries[1].carried_weight = "570";
  std::vector<HorseFields> horses = testing::HorsesFor(card);
  horses[3].sex = "2";
  horses[4].sex = "3";
  horses[4].birth_date = "880301";  // 11 years old
  horses[5].body_weight = "000";
  horses[6].body_weight = "999";
  ZoContent zo = testing::ZoFor(card, 8);
  zo.horses[1] = {HorseOdds::State::kRunning, "123.4", "12.3", "45.6"};
  zo.horses[2].state = HorseOdds::State::kScratched;
  zo.horses[7].win = "999.9";
  for (const auto& [a, b, odds] : {std::tuple{1, 1, "3.5"},
                                   {1, 2, "12.3"},
                                   {2, 8, "123.4"},
                                   {3, 3, ""},
                                   {8, 8, "1234"}}) {  // "" not sold; " 1234"
    testing::SetBracket(zo, a, b, odds);
  }
  WriteRace(card, zo, horses);
  testing::WriteJockeys(Data(), {{"J001", "武", "豊"},
                                 {"J002", "岡部", "幸雄"},
                                 {"J003", "横山", "典"},
                                 {"J004", "佐々木", "晶三"},
                                 {"J005", "Ｏ．ペリエ", "オリビエ"},
                                 {"J007", "武", "幸四郎"},
                                 {"J008", "Ｍ．Ｊ．キネーン", "マイケル"}});

  Build(card);
  const std::string text =
      race_.text + BuildOddsTables(Pat(), testing::ZoName(card), testing::UoName(card));

  EXPECT_EQ(testing::GoldenDiff(text, "pat/race_text_eight_runners.txt"), "");
  EXPECT_EQ(race_.subject_line, "05/10  【 東京 　５Ｒ】    [取得 9:05]");
  EXPECT_TRUE(race_.built);
  EXPECT_TRUE(race_.jockey_missing);  // J006
  EXPECT_FALSE(race_.race_card_missing);
  EXPECT_TRUE(host.messages.empty());
}

// Horses 10 to 18 take two half-width digits; the age counts across the century; no
// weekday for code 9; a three-digit edition.
TEST_F(RaceTextTest, EighteenRunnersAndTheCentury) {
  RaceCardFields card;
  card.year = "02";
  card.month_day = "1228";
  card.weekday = "9";
  card.post_time = "1535";
  card.edition = "100";
  card.race_name = "有馬記念";
  card.course = "13";
  card.entries = testing::MakeEntries(18);
  std::vector<HorseFields> horses = testing::HorsesFor(card);  // born 95: 8 in 2002
  horses[17].birth_date = "920101";                            // 11 in 2002
  WriteRace(card, testing::ZoFor(card, 18), horses);

  EXPECT_EQ(testing::GoldenDiff(Build(card), "pat/race_text_eighteen_runners.txt"), "");
}

// The first six characters of the race name; each half-width space stands for the
// columns left to 12 by the characters before it.
TEST_F(RaceTextTest, AdvanceSaleSubjectAndFetchTime) {
  RaceCardFields card;
  card.entries = testing::MakeEntries(8);
  const std::string six(6, ' ');
  for (const auto& [name, subject] :
       {std::pair<std::string, std::string>{"青葉賞 ステークス", "青葉賞" + six + "ステ"},
        {"青葉賞  Ｓ", "青葉賞" + six + six + "Ｓ"},
        {"ダービー", "ダービー　　"}}) {
    card.race_name = name;
    WriteRace(card);
    EXPECT_NE(Build(card, /*advance_sale=*/true).find("（日） 取得 00:99\r\n"), std::string::npos);
    EXPECT_EQ(race_.subject_line, "05/10【前売】" + subject + " [取得00:99]");
  }
}

TEST_F(RaceTextTest, TimeWindowBoundsAreInclusive) {
  RaceCardFields card;  // post time 15:40
  card.entries = testing::MakeEntries(8);
  WriteRace(card);
  for (const auto& [start, end, inside] :
       {std::tuple{"1540", "1540", true}, {"0900", "1539", false}, {"1541", "1700", false}}) {
    settings.Set("Startup", "StartTime", start);
    settings.Set("Startup", "EndTime", end);
    Build(card);
    EXPECT_EQ(race_.built, inside) << start << "-" << end;
    EXPECT_EQ(race_.text.empty(), !inside);
    EXPECT_EQ(race_.subject_line.empty(), !inside);
    EXPECT_FALSE(race_.race_card_missing);
  }
}

// Horse 1 is missing: reported, its line left blank; horse 2 is then found by a search from
// the start of the file, horse 3 as the record after it (not the earlier record of its id).
TEST_F(RaceTextTest, HorseFileSearchAndMissingHorse) {
  RaceCardFields card;
  card.entries = testing::MakeEntries(3);
  std::vector<HorseFields> horses = testing::HorsesFor(card);
  HorseFields early = horses[2];
  early.name = "サキ";
  WriteRace(card, testing::ZoFor(card, 3), {early, horses[1], horses[2]});
  const std::string text = Build(card);
  EXPECT_EQ(host.Log(), testing::Strings{"登録馬パラメータエラー|!|95000001"});
  EXPECT_NE(text.find("\r\n(１)  １    1.3   1.1- 2.1 " + std::string(23 + 5 + 11, ' ') +
                      "　　　　 55.0\r\n(２)  ２    2.3   1.2- 2.2 ウマ２"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("ウマ３"), std::string::npos);
  EXPECT_EQ(text.find("サキ"), std::string::npos);
}

TEST_F(RaceTextTest, NamesAreFoundIgnoringCaseAndTheFirstRaceCardFileWins) {
  RaceCardFields card;
  card.entries = testing::MakeEntries(8);
  RaceCardFields copy = card;
  copy.race_name = "ウラ";
  const auto data = start.path() / "data";
  testing::WriteMeeting(data, "東京19980510", {card}, testing::HorsesFor(card), ".den", ".uma");
  testing::WriteMeeting(data, "東京19980511", {copy}, {}, ".DEN", ".UMA");
  testing::WriteJockeys(data, {{"J001", "武", "豊"}});
  std::filesystem::rename(data / "騎手.DAT", data / "騎手.dat");
  testing::WritePatFiles(Pat(), "zo-58b.jra", testing::ZoFor(card, 8));
  const std::string text = Build(card);
  for (const char* piece : {"ＮＨＫマイルカップ", "ウマ８", "武　　豊"}) {
    EXPECT_NE(text.find(piece), std::string::npos) << piece;
  }
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace mirtote::pat
