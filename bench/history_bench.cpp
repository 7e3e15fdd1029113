// What keeping the odds history costs the jobs that record it:
// - the 36-race posting of the ten-season data set (3,000 race-card files) with recording on
//   (each run a new fetch: the store holds the races but none of the run's snapshots) and off;
// - a forum log of 1,200 odds blocks (33 postings of the 36-race day at other fetch times,
//   about 4.5 MB) converted with recording on (a fresh store) and off, beside a bare SQLite
//   loop that writes the same rows in one transaction.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>

#include "bench_support.h"
#include "convert/forum_log.h"
#include "history/history_store.h"
#include "pat/pat_run.h"
#include "shell/settings_keys.h"
#include "shell/settings_store.h"
#include "text/files.h"

namespace mirtote {
namespace {

namespace fs = std::filesystem;

constexpr int kPostings = 33;

void Exec(const fs::path& db_path, const char* sql) {
  sqlite3* db = nullptr;
  sqlite3_open(db_path.c_str(), &db);
  sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
  sqlite3_close(db);
}

void BM_PostingDayHistory(benchmark::State& state) {
  const fs::path& root = bench::SeasonsDataSet(3000);
  MemorySettingsStore settings;
  settings.Set(keys::kStartup, keys::kOddsHistory, state.range(0) ? "1" : "0");
  QuietHost host;
  const Session session{root, settings, host};
  pat::PatRunRequest request;
  request.format = pat::OutputFormat::kNifTerm;
  const fs::path store = history::HistoryPath(root);
  int posted = 0, added = 0;
  for (auto _ : state) {
    state.PauseTiming();
    if (fs::exists(store)) Exec(store, "DELETE FROM snapshots");
    state.ResumeTiming();
    const auto result = pat::RunPatOdds(request, session);
    posted = result.races_posted;
    added = result.snapshots_added;
  }
  if (posted != 36 || added != (state.range(0) ? 36 : 0) || host.messages != 0) {
    state.SkipWithError("the day did not post or record whole");
  }
}

// The day's script posted 33 times, each posting at its own fetch time (the title's
// "取得 HH:MM"), so that every block is a snapshot of its own.
struct BigLog {
  MemorySettingsStore settings;
  QuietHost host;
  Session session;
  fs::path log;

  explicit BigLog(const fs::path& root) : session{root, settings, host} {
    settings.Set(keys::kStartup, keys::kPatType, "PAT95");
    settings.Set(keys::kStartup, keys::kPatFileFolder, "PSEUDO");
    settings.Set(keys::kStartup, keys::kOddsHistory, "0");
    fs::create_directories(root / "PSEUDO");
    pat::PatRunRequest request;
    request.format = pat::OutputFormat::kNifTerm;
    const std::string script = *text::ReadWholeFile(pat::RunPatOdds(request, session).script_file);
    const std::string mark = "\x8e\xe6\x93\xbe ";  // 取得 in CP932, before the fetch time
    std::string text;
    for (int i = 0; i < kPostings; ++i) {
      std::string posting = script;
      const std::string time =
          std::to_string(10 + i / 6) + ":" + std::to_string(i % 6) + "0";  // 10:00, 10:10, ...
      for (size_t at = posting.find(mark); at != std::string::npos;
           at = posting.find(mark, at + 1)) {
        posting.replace(at + mark.size(), 5, time);
      }
      text += posting;
    }
    log = root / "BIG.ODS";
    text::WriteFileAtomic(log, text);
  }
};

BigLog& BigLogDataSet() {
  static BigLog set(bench::SeasonsDataSet(100));
  return set;
}

void BM_BigLogHistory(benchmark::State& state) {
  BigLog& big = BigLogDataSet();
  big.settings.Set(keys::kStartup, keys::kOddsHistory, state.range(0) ? "1" : "0");
  const fs::path store = history::HistoryPath(big.session.start_folder);
  convert::ForumLogResult result;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove(store);
    state.ResumeTiming();
    result = convert::ConvertForumLogs({{big.log}}, big.session);
  }
  state.counters["bytes"] = static_cast<double>(fs::file_size(big.log));
  if (result.races_written != 36 * kPostings ||
      result.snapshots_added != (state.range(0) ? 36 * kPostings : 0)) {
    state.SkipWithError("the log did not convert or record whole");
  }
}

// The rows the recording wrote, inserted again by a bare loop: one prepared statement, one
// transaction, into a fresh file with the same tables.
void BM_BareSqliteRows(benchmark::State& state) {
  BigLog& big = BigLogDataSet();
  const fs::path store = history::HistoryPath(big.session.start_folder);
  big.settings.Set(keys::kStartup, keys::kOddsHistory, "1");
  fs::remove(store);
  convert::ConvertForumLogs({{big.log}}, big.session);
  struct Row {
    std::string time, file;
    long long race;
    std::string cells[4];
  };
  std::vector<Row> rows;
  sqlite3* db = nullptr;
  sqlite3_open(store.c_str(), &db);
  sqlite3_stmt* read = nullptr;
  sqlite3_prepare_v2(db,
                     "SELECT odds_time, source_file, race_id, win, place, bracket, quinella "
                     "FROM snapshots ORDER BY id",
                     -1, &read, nullptr);
  const auto text = [&](int i) {
    return std::string(reinterpret_cast<const char*>(sqlite3_column_text(read, i)));
  };
  while (sqlite3_step(read) == SQLITE_ROW) {
    rows.push_back(
        {text(0), text(1), sqlite3_column_int64(read, 2), {text(3), text(4), text(5), text(6)}});
  }
  sqlite3_finalize(read);
  sqlite3_close(db);

  const fs::path bare = big.session.start_folder / "bare.sqlite";
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove(bare);
    state.ResumeTiming();
    sqlite3_open(bare.c_str(), &db);
    sqlite3_exec(db,
                 "CREATE TABLE snapshots(id INTEGER PRIMARY KEY, race_id INTEGER, odds_time TEXT,"
                 " source INTEGER, source_file TEXT, runners INTEGER, win TEXT, place TEXT,"
                 " bracket TEXT, quinella TEXT); BEGIN",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO snapshots VALUES(NULL, ?, ?, 1, ?, 16, ?, ?, ?, ?)", -1,
                       &insert, nullptr);
    for (const Row& row : rows) {
      sqlite3_bind_int64(insert, 1, row.race);
      sqlite3_bind_text(insert, 2, row.time.c_str(), -1, SQLITE_STATIC);
      sqlite3_bind_text(insert, 3, row.file.c_str(), -1, SQLITE_STATIC);
      for (int k = 0; k < 4; ++k)
        sqlite3_bind_text(insert, 4 + k, row.cells[k].c_str(), -1, SQLITE_STATIC);
      sqlite3_step(insert);
      sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
  }
  if (rows.size() != 36 * kPostings) state.SkipWithError("the rows were not recorded");
}

BENCHMARK(BM_PostingDayHistory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BigLogHistory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareSqliteRows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirtote

BENCHMARK_MAIN();
