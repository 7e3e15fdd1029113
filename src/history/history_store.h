#pragma once
// The odds history store: one SQLite file in the start folder that keeps every odds snapshot
// the jobs met (PAT runs, forum logs, odds CSV files), and the questions asked of it.
//
// Schema (PRAGMA user_version 1, PRAGMA application_id kApplicationId):
//   races(id, race_date 'YYYYMMDD', venue 1-10, race 1-12, meeting, day, runners,
//         race_name, post_time 'HHMM' or '')                 one row per (race_date, venue, race)
//   snapshots(id, race_id, odds_time 'HHMM' or '', source 0 pat / 1 log / 2 csv,
//             source_file, runners, win, place, bracket, quinella)
// Each odds column holds the snapshot's cells (odds_snapshot.h) joined by ",".
// A file under the name that is not this store (another program's database, a damaged file)
// is never written; a newer schema is refused; an older one is brought up to date in one
// transaction when the store is opened for writing.
//
// Two processes may use the store at once (the window and a command): a lock held by the
// other is waited for at most kBusyTimeoutMs, then the operation fails with a reason.

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "history/odds_snapshot.h"

struct sqlite3;

namespace mirtote::history {

inline constexpr std::string_view kHistoryFileName = "MIR_TOTE_HISTORY.sqlite";
inline constexpr int kSchemaVersion = 1;
inline constexpr int kApplicationId = 0x4D544F48;  // "MTOH"
inline constexpr int kBusyTimeoutMs = 2000;

// The store file of a start folder.
std::filesystem::path HistoryPath(const std::filesystem::path& start_folder);

// A race with the number of its snapshots and the span of their odds times.
struct RaceSummary {
  RaceInfo race;
  int snapshots = 0;
  std::string first_time;  // "HHMM" of the earliest timed snapshot; empty when none has a time
  std::string last_time;
};

// A fall of a horse's win odds between two consecutive snapshots of its race.
struct Drop {
  RaceInfo race;
  int horse = 0;
  std::string time_before;  // "HHMM" or empty
  std::string time_after;
  std::string odds_before;  // the cells, e.g. "12.3"
  std::string odds_after;
  double percent = 0;  // (before - after) / before * 100
};

// Every drop of at least `min_drop_percent` in the race's snapshots (given in time order):
// consecutive snapshots that both hold win odds for the horse; a scratching is no drop.
// In snapshot order, then horse number.
std::vector<Drop> FindDrops(const RaceInfo& race, const std::vector<Snapshot>& snapshots,
                            double min_drop_percent);

class HistoryStore {
 public:
  enum class Mode {
    kRead,  // never writes; a missing file is a failure
    kWrite  // creates the file when missing; brings an older schema up to date
  };

  // Opens the store; nothing with the reason (Japanese) in `error` when it cannot be used.
  static std::unique_ptr<HistoryStore> Open(const std::filesystem::path& path, Mode mode,
                                            std::string& error);
  ~HistoryStore();
  HistoryStore(const HistoryStore&) = delete;
  HistoryStore& operator=(const HistoryStore&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // ---- writing: one transaction per run ----
  bool Begin(std::string& error);
  // Adds the snapshot unless one of the same race, odds time, source kind and odds is
  // stored. `added` tells which. False with the reason on a failure of the store.
  bool Add(const RaceSnapshot& snapshot, bool& added, std::string& error);
  bool Commit(std::string& error);
  void Rollback();

  // ---- reading; on a failure the answer is empty and `error` holds the reason ----
  // The races that have snapshots, by date, venue and race; `date` "YYYYMMDD" or empty
  // for all.
  std::vector<RaceSummary> ListRaces(const std::string& date, std::string& error);
  std::optional<RaceInfo> FindRace(const RaceKey& key, std::string& error);
  // The race's snapshots: those without a time first, then by time, then by source kind,
  // then in the order recorded.
  std::vector<Snapshot> Snapshots(const RaceKey& key, std::string& error);
  // FindDrops over every race of `date` (empty: all), in the order of ListRaces.
  std::vector<Drop> Drops(const std::string& date, double min_drop_percent, std::string& error);
  // A number that grows whenever a snapshot is added (by any process): a viewer that keeps
  // it can tell when to read again.
  long long ChangeMark(std::string& error);

 private:
  struct Statements;
  HistoryStore(std::filesystem::path path, sqlite3* db);
  long long RaceId(const RaceInfo& race, std::string& error);

  std::filesystem::path path_;
  sqlite3* db_;
  std::unique_ptr<Statements> statements_;  // the writing statements, prepared at Begin
  std::map<RaceKey, long long> race_ids_;   // races met in this transaction
};

}  // namespace mirtote::history
