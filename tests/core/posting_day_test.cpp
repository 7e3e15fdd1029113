// A whole posting run over two venues whose race cards share a key across files: the script
// must be exactly the same bytes however the race cards are found.

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#include "pat/pat_run.h"
#include "support/race_fixtures.h"
#include "support/test_support.h"

namespace mirtote::pat {
namespace {

namespace fs = std::filesystem;
using namespace mirtote::testing;

void SetFetchTime(const fs::path& file, int hour, int minute) {
  std::tm tm{};
  tm.tm_year = 98;
  tm.tm_mon = 4;
  tm.tm_mday = 9;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_isdst = -1;
  const auto when = std::chrono::system_clock::from_time_t(std::mktime(&tm));
  fs::last_write_time(file, std::chrono::file_clock::from_sys(when));
}

RaceCardFields Card(const std::string& venue_code, int race, int runners, std::string name) {
  RaceCardFields card;
  card.venue_code = venue_code;
  card.day = "1";
  card.race_number = TwoDigits(race);
  card.month_day = "0509";
  card.weekday = "6";
  card.post_time = std::to_string(955 + race * 30);
  card.race_name = std::move(name);
  card.entries = MakeEntries(runners);
  return card;
}

class PostingDayTest : public ::testing::Test {
 protected:
  PostingDayTest() {
    const fs::path data = root_.path() / "DATA", pat = root_.path() / "FILE";
    WriteJockeys(data, {{"J001", "武", "豊"}, {"J002", "岡部", "幸雄"}, {"J003", "横山", "典"}});

    // 中山 sorts before 東京: its file's copy of 東京's race 2 key is the one found.
    std::vector<RaceCardFields> nakayama, tokyo;
    for (int race = 1; race <= 3; ++race) {
      nakayama.push_back(Card("06", race, 8 + race * 3, "中山" + TwoDigits(race)));
      tokyo.push_back(Card("05", race, 7 + race * 2, "東京" + TwoDigits(race)));
    }
    nakayama.push_back(Card("05", 2, 11, "重複"));
    WriteMeeting(data, "中山19980509", nakayama, HorsesFor(nakayama[2]));
    WriteMeeting(data, "東京19980509", tokyo, HorsesFor(tokyo[2]));
    WriteMeeting(data, "東京19970101", {Card("05", 9, 8, "前年")}, {});

    int minute = 0;
    for (const auto* cards : {&nakayama, &tokyo}) {
      for (const RaceCardFields& card : *cards) {
        const int runners = static_cast<int>(card.entries.size());
        ZoContent zo = ZoFor(card, runners);
        SetBracket(zo, 1, 2, "12.3");
        std::optional<UoContent> uo;
        if (runners > 8) {
          uo = UoFor(zo, runners);
          SetQuinella(*uo, runners, 1, runners, "123.4");
        }
        const fs::path zo_path = WritePatFiles(pat, ZoName(card), zo, UoName(card), uo);
        SetFetchTime(zo_path, 9, minute++);
      }
    }
    settings_.Set("Startup", "OddsLogFolder", ".");  // the script beside the PAT files
  }

  PatRunResult Run() {
    PatRunRequest request;
    request.format = OutputFormat::kNifTerm;
    return RunPatOdds(request, session_);
  }

  TempFolder root_;
  ScriptedHost host_;
  MemorySettingsStore settings_;
  const Session session_{root_.path(), settings_, host_};
};

TEST_F(PostingDayTest, ScriptMatchesTheReviewedBytes) {
  const PatRunResult result = Run();
  EXPECT_EQ(result.races_posted, 6);
  EXPECT_EQ(ReadFile(result.script_file),
            ReadFile(fs::path(MIRTOTE_TEST_DATA) / "pat" / "multi_venue_day_PAD_NT.TXT"));
}

// Empty start and end times (cancelled input boxes) leave every race out: the run says so.
TEST_F(PostingDayTest, EveryRaceOutsideTheTimeWindowIsReportedOnce) {
  settings_.Set("Startup", "StartTime", "");
  settings_.Set("Startup", "EndTime", "");
  EXPECT_EQ(Run().races_posted, 0);
  ASSERT_FALSE(host_.messages.empty());
  EXPECT_EQ(host_.messages.back().title, "確　認");
  EXPECT_EQ(host_.messages.back().text, "処理対象の発走時刻（～）のレースがありませんでした。");
  settings_.Set("Startup", "StartTime", "1100");  // after the last race (10:45)
  settings_.Set("Startup", "EndTime", "1700");
  EXPECT_EQ(Run().races_posted, 0);
  EXPECT_EQ(host_.messages.back().text,
            "処理対象の発走時刻（1100～1700）のレースがありませんでした。");
  host_.messages.clear();
  settings_.Set("Startup", "StartTime", "0900");  // race 1 of each venue (posted at "985")
  settings_.Set("Startup", "EndTime", "1000");
  EXPECT_EQ(Run().races_posted, 2);
  for (const auto& message : host_.messages) EXPECT_NE(message.title, "確　認");
}

}  // namespace
}  // namespace mirtote::pat
