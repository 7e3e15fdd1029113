#include "history/history_store.h"

#include <sqlite3.h>

#include <cmath>
#include <iterator>
#include <system_error>

namespace mirtote::history {

namespace {

namespace fs = std::filesystem;

// Step i brings the schema from version i to i + 1; the first creates it. A later version
// appends its step here and never changes an earlier one.
constexpr const char* kMigrations[] = {
    "CREATE TABLE races("
    " id INTEGER PRIMARY KEY,"
    " race_date TEXT NOT NULL, venue INTEGER NOT NULL, race INTEGER NOT NULL,"
    " meeting INTEGER NOT NULL, day INTEGER NOT NULL, runners INTEGER NOT NULL,"
    " race_name TEXT NOT NULL DEFAULT '', post_time TEXT NOT NULL DEFAULT '',"
    " UNIQUE(race_date, venue, race));"
    "CREATE TABLE snapshots("
    " id INTEGER PRIMARY KEY,"
    " race_id INTEGER NOT NULL REFERENCES races(id),"
    " odds_time TEXT NOT NULL, source INTEGER NOT NULL, source_file TEXT NOT NULL,"
    " runners INTEGER NOT NULL,"
    " win TEXT NOT NULL, place TEXT NOT NULL, bracket TEXT NOT NULL, quinella TEXT NOT NULL);"
    "CREATE INDEX snapshots_of_race ON snapshots(race_id, odds_time, source);",
};
static_assert(std::size(kMigrations) == kSchemaVersion);

// Pages kept in memory while writing (KiB): a run's transaction stays in the cache, so
// readers in the other process are not shut out before the commit.
constexpr const char* kWriterCache = "PRAGMA cache_size = -16384";

std::string Reason(sqlite3* db) {
  const int code = sqlite3_extended_errcode(db);
  switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return "ほかのMIR_TOTEが使用中です（ロックが解除されませんでした）。";
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
      return "オッズ履歴のファイルではないか、壊れています。";
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
      return "書き込めません（読み取り専用のファイルかフォルダ）。";
    case SQLITE_FULL:
      return "ディスクがいっぱいです。";
    default:
      return std::string("SQLiteのエラー：") + sqlite3_errmsg(db);
  }
}

class Statement {
 public:
  Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
  ~Statement() { sqlite3_finalize(stmt_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool ok() const { return stmt_ != nullptr; }
  Statement& Bind(int i, const std::string& value) {
    sqlite3_bind_text(stmt_, i, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    return *this;
  }
  Statement& Bind(int i, long long value) {
    sqlite3_bind_int64(stmt_, i, value);
    return *this;
  }
  // SQLITE_ROW, SQLITE_DONE or an error code.
  int Step() { return stmt_ ? sqlite3_step(stmt_) : SQLITE_ERROR; }
  void Reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
  }
  long long Int(int i) const { return sqlite3_column_int64(stmt_, i); }
  std::string Text(int i) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, i));
    return p ? std::string(p, static_cast<size_t>(sqlite3_column_bytes(stmt_, i))) : "";
  }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

bool Exec(sqlite3* db, const char* sql, std::string& error) {
  if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK) return true;
  error = Reason(db);
  return false;
}

// The integer a one-value query answers; nothing on a failure.
std::optional<long long> QueryInt(sqlite3* db, const char* sql, std::string& error) {
  Statement s(db, sql);
  if (s.Step() == SQLITE_ROW) return s.Int(0);
  error = Reason(db);
  return std::nullopt;
}

std::string Joined(const std::vector<std::string>& cells) {
  std::string out;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) out += ',';
    out += cells[i];
  }
  return out;
}

std::vector<std::string> Split(const std::string& text, size_t columns) {
  std::vector<std::string> cells;
  if (columns == 0) return cells;
  size_t start = 0;
  for (;;) {
    const size_t comma = text.find(',', start);
    cells.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  cells.resize(columns);
  return cells;
}

constexpr const char* kRaceColumns =
    "race_date, venue, race, meeting, day, runners, race_name, post_time";

RaceInfo RaceOfRow(const Statement& s, int first) {
  RaceInfo race;
  race.key = {s.Text(first), static_cast<int>(s.Int(first + 1)),
              static_cast<int>(s.Int(first + 2))};
  race.meeting = static_cast<int>(s.Int(first + 3));
  race.day = static_cast<int>(s.Int(first + 4));
  race.runners = static_cast<int>(s.Int(first + 5));
  race.race_name = s.Text(first + 6);
  race.post_time = s.Text(first + 7);
  return race;
}

// Whether the file's schema can be used; brings it up to date when writing.
bool CheckSchema(sqlite3* db, HistoryStore::Mode mode, std::string& error) {
  const auto application = QueryInt(db, "PRAGMA application_id", error);
  const auto version = application ? QueryInt(db, "PRAGMA user_version", error) : std::nullopt;
  const auto objects =
      version ? QueryInt(db, "SELECT count(*) FROM sqlite_master", error) : std::nullopt;
  if (!objects) return false;
  const bool empty = *application == 0 && *version == 0 && *objects == 0;
  if (!empty && *application != kApplicationId) {
    error = "オッズ履歴のファイルではありません（ほかのプログラムのデータベースです）。";
    return false;
  }
  if (*version > kSchemaVersion) {
    error = "新しい版のMIR_TOTEが作った形式です（形式 " + std::to_string(*version) +
            "、この版が扱えるのは " + std::to_string(kSchemaVersion) + " まで）。";
    return false;
  }
  if (*version == kSchemaVersion || (mode == HistoryStore::Mode::kRead && empty)) return true;
  if (mode == HistoryStore::Mode::kRead) {
    error = "古い形式です。記録する処理を一度実行すると新しい形式になります。";
    return false;
  }
  // Another process may upgrade at the same moment: read the version again inside the lock.
  if (!Exec(db, "BEGIN IMMEDIATE", error)) return false;
  auto current = QueryInt(db, "PRAGMA user_version", error);
  bool ok = current.has_value();
  for (long long v = current.value_or(0); ok && v < kSchemaVersion; ++v) {
    ok = Exec(db, kMigrations[v], error);
  }
  const std::string stamp = "PRAGMA application_id = " + std::to_string(kApplicationId) +
                            "; PRAGMA user_version = " + std::to_string(kSchemaVersion);
  ok = ok && Exec(db, stamp.c_str(), error) && Exec(db, "COMMIT", error);
  if (!ok) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
  return ok;
}

}  // namespace

struct HistoryStore::Statements {
  explicit Statements(sqlite3* db)
      : race(db,
             "INSERT INTO races(race_date, venue, race, meeting, day, runners, race_name, "
             "post_time) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8) "
             "ON CONFLICT(race_date, venue, race) DO UPDATE SET meeting = excluded.meeting, "
             "day = excluded.day, runners = excluded.runners, "
             "race_name = CASE WHEN excluded.race_name <> '' THEN excluded.race_name "
             "ELSE race_name END, "
             "post_time = CASE WHEN excluded.post_time <> '' THEN excluded.post_time "
             "ELSE post_time END RETURNING id"),
        snapshot(db,
                 "INSERT INTO snapshots(race_id, odds_time, source, source_file, runners, win, "
                 "place, bracket, quinella) SELECT ?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9 "
                 "WHERE NOT EXISTS (SELECT 1 FROM snapshots WHERE race_id = ?1 AND "
                 "odds_time = ?2 AND source = ?3 AND win = ?6 AND place = ?7 AND "
                 "bracket = ?8 AND quinella = ?9)") {}
  bool ok() const { return race.ok() && snapshot.ok(); }
  Statement race;
  Statement snapshot;
};

fs::path HistoryPath(const fs::path& start_folder) {
  return start_folder / kHistoryFileName;
}

HistoryStore::HistoryStore(fs::path path, sqlite3* db) : path_(std::move(path)), db_(db) {}

HistoryStore::~HistoryStore() {
  statements_.reset();
  sqlite3_close_v2(db_);
}

std::unique_ptr<HistoryStore> HistoryStore::Open(const fs::path& path, Mode mode,
                                                 std::string& error) {
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    error = "通常のファイルではありません。";
    return nullptr;
  }
  if (mode == Mode::kRead && !fs::exists(status)) {
    error = "ファイルがありません。";
    return nullptr;
  }
  sqlite3* db = nullptr;
  const int flags =
      mode == Mode::kRead ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
  std::unique_ptr<HistoryStore> store(new HistoryStore(path, db));
  if (rc != SQLITE_OK) {
    error = db ? Reason(db) : "開けません。";
    return nullptr;
  }
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  sqlite3_extended_result_codes(db, 1);
  if (!CheckSchema(db, mode, error)) return nullptr;
  return store;
}

bool HistoryStore::Begin(std::string& error) {
  if (!Exec(db_, kWriterCache, error) || !Exec(db_, "BEGIN IMMEDIATE", error)) return false;
  statements_ = std::make_unique<Statements>(db_);
  if (!statements_->ok()) {
    error = Reason(db_);
    Rollback();
    return false;
  }
  race_ids_.clear();
  return true;
}

long long HistoryStore::RaceId(const RaceInfo& race, std::string& error) {
  if (auto known = race_ids_.find(race.key); known != race_ids_.end()) return known->second;
  Statement& s = statements_->race;
  s.Bind(1, race.key.date).Bind(2, race.key.venue).Bind(3, race.key.race);
  s.Bind(4, race.meeting).Bind(5, race.day).Bind(6, race.runners);
  s.Bind(7, race.race_name).Bind(8, race.post_time);
  long long id = 0;
  if (s.Step() == SQLITE_ROW) id = s.Int(0);
  if (id == 0 || s.Step() != SQLITE_DONE) {
    error = Reason(db_);
    id = 0;
  }
  s.Reset();
  if (id != 0) race_ids_.emplace(race.key, id);
  return id;
}

bool HistoryStore::Add(const RaceSnapshot& snapshot, bool& added, std::string& error) {
  added = false;
  if (!statements_) {
    error = "記録が始まっていません。";
    return false;
  }
  const long long race_id = RaceId(snapshot.race, error);
  if (race_id == 0) return false;
  const Snapshot& snap = snapshot.snapshot;
  Statement& s = statements_->snapshot;
  s.Bind(1, race_id).Bind(2, snap.odds_time).Bind(3, static_cast<long long>(snap.source));
  s.Bind(4, snap.source_file).Bind(5, snap.runners);
  for (int k = 0; k < kOddsKinds; ++k) s.Bind(6 + k, Joined(snap.cells[static_cast<size_t>(k)]));
  const int rc = s.Step();
  s.Reset();
  if (rc != SQLITE_DONE) {
    error = Reason(db_);
    return false;
  }
  added = sqlite3_changes(db_) > 0;
  return true;
}

bool HistoryStore::Commit(std::string& error) {
  statements_.reset();
  if (Exec(db_, "COMMIT", error)) return true;
  Rollback();
  return false;
}

void HistoryStore::Rollback() {
  statements_.reset();
  if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

std::vector<RaceSummary> HistoryStore::ListRaces(const std::string& date, std::string& error) {
  const std::string sql = std::string("SELECT ") + kRaceColumns +
                          ", (SELECT count(*) FROM snapshots s WHERE s.race_id = r.id),"
                          " (SELECT min(odds_time) FROM snapshots s WHERE s.race_id = r.id"
                          "  AND odds_time <> ''),"
                          " (SELECT max(odds_time) FROM snapshots s WHERE s.race_id = r.id)"
                          " FROM races r WHERE (?1 = '' OR race_date = ?1)"
                          " AND EXISTS (SELECT 1 FROM snapshots s WHERE s.race_id = r.id)"
                          " ORDER BY race_date, venue, race";
  std::vector<RaceSummary> races;
  Statement s(db_, sql.c_str());
  s.Bind(1, date);
  int rc;
  while ((rc = s.Step()) == SQLITE_ROW) {
    races.push_back({RaceOfRow(s, 0), static_cast<int>(s.Int(8)), s.Text(9), s.Text(10)});
  }
  if (rc != SQLITE_DONE) {
    error = Reason(db_);
    races.clear();
  }
  return races;
}

std::optional<RaceInfo> HistoryStore::FindRace(const RaceKey& key, std::string& error) {
  const std::string sql = std::string("SELECT ") + kRaceColumns +
                          " FROM races WHERE race_date = ?1 AND venue = ?2 AND race = ?3";
  Statement s(db_, sql.c_str());
  s.Bind(1, key.date).Bind(2, key.venue).Bind(3, key.race);
  const int rc = s.Step();
  if (rc == SQLITE_ROW) return RaceOfRow(s, 0);
  if (rc != SQLITE_DONE) error = Reason(db_);
  return std::nullopt;
}

std::vector<Snapshot> HistoryStore::Snapshots(const RaceKey& key, std::string& error) {
  Statement s(db_,
              "SELECT odds_time, source, source_file, s.runners, win, place, bracket, quinella"
              " FROM snapshots s JOIN races r ON r.id = s.race_id"
              " WHERE race_date = ?1 AND venue = ?2 AND race = ?3"
              " ORDER BY odds_time, source, s.id");
  s.Bind(1, key.date).Bind(2, key.venue).Bind(3, key.race);
  std::vector<Snapshot> snapshots;
  int rc;
  while ((rc = s.Step()) == SQLITE_ROW) {
    Snapshot snap;
    snap.odds_time = s.Text(0);
    snap.source = static_cast<SourceKind>(s.Int(1));
    snap.source_file = s.Text(2);
    snap.runners = static_cast<int>(s.Int(3));
    for (int k = 0; k < kOddsKinds; ++k) {
      snap.cells[static_cast<size_t>(k)] =
          Split(s.Text(4 + k), ColumnLabels(static_cast<OddsKind>(k), snap.runners).size());
    }
    snapshots.push_back(std::move(snap));
  }
  if (rc != SQLITE_DONE) {
    error = Reason(db_);
    snapshots.clear();
  }
  return snapshots;
}

std::vector<Drop> HistoryStore::Drops(const std::string& date, double min_drop_percent,
                                      std::string& error) {
  std::vector<Drop> drops;
  for (const RaceSummary& summary : ListRaces(date, error)) {
    const auto snapshots = Snapshots(summary.race.key, error);
    if (!error.empty()) return {};
    for (Drop& drop : FindDrops(summary.race, snapshots, min_drop_percent)) {
      drops.push_back(std::move(drop));
    }
  }
  return error.empty() ? drops : std::vector<Drop>{};
}

long long HistoryStore::ChangeMark(std::string& error) {
  return QueryInt(db_, "SELECT coalesce(max(id), 0) FROM snapshots", error).value_or(0);
}

std::vector<Drop> FindDrops(const RaceInfo& race, const std::vector<Snapshot>& snapshots,
                            double min_drop_percent) {
  std::vector<Drop> drops;
  for (size_t i = 1; i < snapshots.size(); ++i) {
    const Snapshot& before = snapshots[i - 1];
    const Snapshot& after = snapshots[i];
    const auto& was_cells = before.Cells(OddsKind::kWin);
    const auto& now_cells = after.Cells(OddsKind::kWin);
    for (size_t h = 0; h < was_cells.size() && h < now_cells.size(); ++h) {
      const int horse = static_cast<int>(h) + 1;
      const std::string& was = was_cells[h];
      const std::string& now = now_cells[h];
      const auto b = OddsTenths(was), a = OddsTenths(now);
      if (!b || !a || *b <= 0) continue;
      const double percent = static_cast<double>(*b - *a) * 100.0 / static_cast<double>(*b);
      // Compared in tenths of a percent, so that 30% of 10.0 -> 7.0 counts whatever the
      // rounding of the division.
      if ((*b - *a) * 1000 < std::llround(min_drop_percent * 10) * *b) continue;
      drops.push_back({race, horse, before.odds_time, after.odds_time, was, now, percent});
    }
  }
  return drops;
}

}  // namespace mirtote::history
