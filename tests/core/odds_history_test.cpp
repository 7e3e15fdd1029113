#include <gtest/gtest.h>
#include <sqlite3.h>

#include <ctime>

#include "convert/forum_log.h"
#include "history/history_report.h"
#include "history/history_store.h"
#include "history/odds_movement.h"
#include "pat/pat_run.h"
#include "shell/settings_keys.h"
#include "support/race_fixtures.h"
#include "support/test_support.h"
#include "text/cp932.h"
#include "text/files.h"

namespace mirtote::history {
namespace {

namespace fs = std::filesystem;
using namespace mirtote::testing;

const fs::path kForumSample = fs::path(MIRTOTE_TEST_DATA) / "convert" / "forum.ODS";

std::string ReplaceOnce(std::string line, const std::string& from, const std::string& to) {
  const size_t at = line.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? line : line.replace(at, from.size(), to);
}

// The second block of the sample log (race 2, 9 runners) posted at three fetch times, horse
// 3's win odds and the pair 1-2 moving.
std::string ThreePostings() {
  std::vector<std::string> block;
  int found = 0;
  for (const auto& line : SplitLines(text::DecodeCp932(ReadFile(kForumSample)))) {
    found += line.starts_with("【オッズ】");
    if (found == 2 && line.starts_with("#")) break;
    if (found == 2) block.push_back(line);
  }
  const std::string times[] = {"10:05", "10:35", "11:05"};
  const std::string win3[] = {"  3.3", "  2.1", "  1.5"};
  const std::string pair12[] = {"  12.3", "  11.0", "   9.8"};
  std::string log;
  for (int i = 0; i < 3; ++i) {
    for (size_t k = 0; k < block.size(); ++k) {
      std::string line = block[k];
      if (k == 0) line = ReplaceOnce(line, "14:42", times[i]);
      if (line.starts_with("(３)")) line = ReplaceOnce(line, "  3.3", win3[i]);
      if (line.starts_with("１ -----")) line = ReplaceOnce(line, "  12.3", pair12[i]);
      log += line + "\r\n";
    }
  }
  return Sjis(log);
}

std::unique_ptr<HistoryStore> OpenToRead(const fs::path& start) {
  std::string error;
  auto store = HistoryStore::Open(HistoryPath(start), HistoryStore::Mode::kRead, error);
  EXPECT_TRUE(store) << error;
  return store;
}

class OddsHistoryTest : public ::testing::Test, protected SessionFixture {
 protected:
  OddsHistoryTest() { settings.Set(keys::kStartup, keys::kPatType, "PAT95"); }
};

TEST_F(OddsHistoryTest, EveryPostingOfALogIsOneSnapshotAndAgainAddsNone) {
  fs::create_directories(start.path() / "File");
  const fs::path log = start.Write("LOG.ODS", ThreePostings());
  EXPECT_EQ(convert::ConvertForumLogs({{log}}, session).snapshots_added, 3);

  auto store = OpenToRead(start.path());
  std::string error;
  const RaceKey key{"19980510", 5, 2};
  const auto race = store->FindRace(key, error);
  ASSERT_TRUE(race) << error;
  const auto snapshots = store->Snapshots(key, error);
  std::string csv;
  for (OddsKind kind : {OddsKind::kWin, OddsKind::kPlace, OddsKind::kBracket, OddsKind::kQuinella})
    csv += SnapshotsCsv(*race, snapshots, kind);
  EXPECT_EQ(GoldenDiff(csv, "history/three_postings.csv"), "");

  EXPECT_EQ(convert::ConvertForumLogs({{log}}, session).snapshots_added, 0);
  EXPECT_EQ(store->ListRaces("", error).at(0).snapshots, 3);
}

// Two races of 東京, day 8: race 1 of 10 runners timed by its header, race 2 of 8 whose
// header gives the post time, so the file's modification time is the odds time.
class PatRunHistoryTest : public OddsHistoryTest {
 protected:
  PatRunHistoryTest() {
    std::vector<RaceCardFields> cards;
    for (int r = 1; r <= 2; ++r) {
      RaceCardFields card;
      card.race_number = TwoDigits(r);
      card.post_time = "1005";
      card.entries = MakeEntries(r == 1 ? 10 : 8);
      cards.push_back(card);
    }
    const fs::path pat = start.path() / "File";
    pat::ZoContent zo = ZoFor(cards[0], 10);
    zo.horses[1] = {pat::HorseOdds::State::kScratched, "", "", ""};
    SetBracket(zo, 1, 2, "5.6");
    pat::UoContent uo = UoFor(zo, 10);
    SetQuinella(uo, 10, 1, 3, "12.3");
    uo.pairs[0].state = pat::PairOdds::State::kNotSold;
    WritePatFiles(pat, ZoName(cards[0]), zo, UoName(cards[0]), uo);

    pat::ZoContent zo2 = ZoFor(cards[1], 8);
    zo2.header.time_kind2 = "11";
    const fs::path zo2_path = WritePatFiles(pat, ZoName(cards[1]), zo2, "", std::nullopt);
    std::tm local{};
    local.tm_year = 98, local.tm_mon = 4, local.tm_mday = 10, local.tm_hour = 10;
    local.tm_min = 7, local.tm_isdst = -1;
    fs::last_write_time(zo2_path, std::chrono::file_clock::from_sys(
                                      std::chrono::system_clock::from_time_t(std::mktime(&local))));
    WriteMeeting(start.path() / "DATA", "東京19980510", cards, HorsesFor(cards[0]));
  }

  pat::PatRunResult Run() { return pat::RunPatOdds({}, session); }
};

TEST_F(PatRunHistoryTest, APatRunRecordsWhatTheFilesHoldAndAgainAddsNone) {
  EXPECT_EQ(Run().snapshots_added, 2);
  auto store = OpenToRead(start.path());
  std::string error;
  std::string csv;
  for (int r = 1; r <= 2; ++r) {
    const RaceKey key{"19980510", 5, r};
    const auto race = store->FindRace(key, error);
    ASSERT_TRUE(race) << error;
    const auto snapshots = store->Snapshots(key, error);
    for (OddsKind kind :
         {OddsKind::kWin, OddsKind::kPlace, OddsKind::kBracket, OddsKind::kQuinella}) {
      csv += SnapshotsCsv(*race, snapshots, kind);
    }
  }
  EXPECT_EQ(GoldenDiff(csv, "history/pat_run.csv"), "");
  EXPECT_EQ(Run().snapshots_added, 0);
}

// A store the recording cannot use leaves the job as it would be without the history,
// the store untouched, and says so once, naming the store.
TEST_F(PatRunHistoryTest, AStoreThatCannotBeUsedLeavesTheJobAsItIs) {
  settings.Set(keys::kStartup, keys::kOddsHistory, "0");
  const std::string posted = Run().posted_text;
  const size_t messages = host.messages.size();
  settings.Set(keys::kStartup, keys::kOddsHistory, "1");
  const fs::path store_path = HistoryPath(start.path());

  struct Case {
    const char* name;
    std::function<void()> make;
  };
  sqlite3* holder = nullptr;
  const auto sql = [&](const char* text) {
    sqlite3_open(store_path.c_str(), &holder);
    sqlite3_exec(holder, text, nullptr, nullptr, nullptr);
  };
  const Case cases[] = {{"damaged", [&] { start.Write(kHistoryFileName, std::string(4096, 'x')); }},
                        {"foreign", [&] { sql("CREATE TABLE t(a)"); }},
                        {"newer schema",
                         [&] {
                           Run();  // a store of this version, made newer and emptied
                           sql("PRAGMA user_version = 99; DELETE FROM snapshots");
                         }},
                        {"locked", [&] {
                           Run();
                           sql("BEGIN EXCLUSIVE; DELETE FROM snapshots");
                         }}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.make();
    if (holder && c.name != std::string("locked")) sqlite3_close(holder), holder = nullptr;
    const std::string before = ReadFile(store_path);
    host.messages.clear();
    EXPECT_EQ(Run().posted_text, posted);
    if (holder) sqlite3_close(holder), holder = nullptr;
    EXPECT_EQ(host.messages.size(), messages + 1);
    EXPECT_NE(host.Log().back().find(text::PathText(store_path)), std::string::npos);
    EXPECT_EQ(ReadFile(store_path), before);
    fs::remove(store_path);
  }
}

TEST(DropsTest, OnlyFallsOfAtLeastTheLimitBetweenTimedOddsCount) {
  RaceInfo race{{"20260510", 5, 11}, 3, 8, 5, "", ""};
  const auto snap = [](const char* time, std::vector<std::string> win) {
    Snapshot s;
    s.odds_time = time;
    s.runners = 5;
    s.cells[0] = std::move(win);
    return s;
  };
  // Horse 1 falls 40%, horse 2 20%, horse 3 exactly 30%, horse 4 is scratched, horse 5
  // has no odds in the first snapshot.
  const std::vector<Snapshot> snapshots = {snap("1000", {"10.0", "5.0", "20.0", "3.0", ""}),
                                           snap("1030", {"6.0", "4.0", "14.0", "-", "9.9"})};
  std::vector<std::string> found;
  for (const Drop& d : FindDrops(race, snapshots, 30)) {
    found.push_back(std::to_string(d.horse) + " " + d.odds_before + ">" + d.odds_after);
  }
  EXPECT_EQ(found, (std::vector<std::string>{"1 10.0>6.0", "3 20.0>14.0"}));
  EXPECT_EQ(FindDrops(race, snapshots, 35).size(), 1u);
}

TEST(OddsMovementTest, QuinellaDrawsTheTenPairsWithTheLowestLatestOdds) {
  RaceInfo race{{"20260510", 5, 11}, 3, 8, 9, "", ""};
  const std::vector<std::string> pairs = ColumnLabels(OddsKind::kQuinella, 9);
  ASSERT_EQ(pairs.size(), 36u);
  // Column c is sold at 100 - c; the pair "1-2" is unsold at last, its earlier odds the lowest.
  Snapshot untimed, early, late;
  for (Snapshot* s : {&untimed, &early, &late}) {
    s->runners = 9;
    for (size_t c = 0; c < pairs.size(); ++c) {
      s->cells[3].push_back(std::to_string(100 - c) + ".0");
    }
  }
  early.odds_time = "1000";
  early.cells[3][0] = "1.5";
  late.odds_time = "1030";
  late.cells[3][0] = "-";
  const OddsMovement movement =
      BuildOddsMovement(race, {untimed, early, late}, OddsKind::kQuinella, {}, 30);
  std::vector<std::string> labels;
  for (const MovementLine& line : movement.lines) labels.push_back(line.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"1-2", "8-9", "7-9", "7-8", "6-9", "6-8", "6-7",
                                              "5-9", "5-8", "5-7"}));
  EXPECT_EQ(movement.lines[0].points.size(), 1u);  // the unsold pair has no point at 10:30
  EXPECT_EQ(movement.lines[1].points.size(), 2u);  // the untimed snapshot is not drawn
  EXPECT_EQ(movement.untimed, 1u);
  EXPECT_EQ(movement.longest_odds, 73.0);
  EXPECT_EQ(movement.csv, SnapshotsCsv(race, {untimed, early, late}, OddsKind::kQuinella));
}

TEST(OddsMovementTest, HorseNamesComeFromTheRaceCardAndAnUnreadableFileIsTold) {
  TempFolder start;
  RaceCardFields card;
  card.entries = MakeEntries(3);
  WriteMeeting(start.path() / "DATA", "東京19980510", {card}, HorsesFor(card));
  MemorySettingsStore settings;
  ScriptedHost host;
  const Session session{start.path(), settings, host};
  const RaceInfo race{{"19980510", 5, 11}, 3, 8, 3, "", ""};
  HorseNames found = HorseNamesOf(race, session);
  EXPECT_EQ(found.names.size(), 18u);
  EXPECT_EQ(found.names[2], "ウマ３");
  EXPECT_TRUE(found.read_failures.empty());

  // The day's horse file is a folder: no names, and the file named.
  const fs::path horses = start.path() / "DATA" / "東京19980510.UMA";
  fs::remove(horses);
  fs::create_directory(horses);
  found = HorseNamesOf(race, session);
  EXPECT_EQ(found.names[2], "");
  ASSERT_EQ(found.read_failures.size(), 1u);
  EXPECT_NE(found.read_failures[0].find("東京19980510.UMA"), std::string::npos);
}

}  // namespace
}  // namespace mirtote::history
