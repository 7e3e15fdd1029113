#pragma once
// The odds movement of one race as the odds history window draws it: a line per horse (or per
// quinella pair) over the odds time, the falls of the win odds, and the snapshots as CSV.
// Reads the store of the start folder and, for the horse names, the race card in DATA.

#include <optional>
#include <string>
#include <vector>

#include "history/history_store.h"
#include "history/odds_snapshot.h"
#include "shell/session.h"

namespace mirtote::history {

// The lines of the quinella chart: the pairs with the lowest latest odds.
inline constexpr size_t kQuinellaLines = 10;

struct MovementPoint {
  int minute = 0;       // odds time as minutes after midnight
  double odds = 0;      // win odds; place: the middle of the range
  size_t snapshot = 0;  // index into the race's snapshots
};

struct MovementLine {
  std::string label;  // "7" or "7 ホワイトライン", "（取消）" after a scratched horse's; "3-7"
  std::vector<MovementPoint> points;
  bool scratched = false;  // ends where the horse was scratched
};

struct MovementDrop {
  Drop drop;
  int minute = 0;    // odds time after the fall
  double odds = 0;   // odds after the fall
  std::string text;  // "10:45  7 ホワイトライン  12.3 → 6.6  46.5%"
};

struct OddsMovement {
  RaceInfo race;
  OddsKind kind = OddsKind::kWin;
  std::vector<Snapshot> snapshots;
  std::vector<MovementLine> lines;
  std::vector<MovementDrop> drops;  // always the win odds'
  double longest_odds = 1.0;        // largest odds drawn (at least 1.0)
  int first_minute = 0, last_minute = 0;
  size_t untimed = 0;  // snapshots without an odds time: in the table, not on the chart
  std::string csv;     // SnapshotsCsv of the kind
};

// The drawing of `snapshots` (in the store's order) of `race` for `kind`; `names` gives a
// horse's name by number - 1 (empty when unknown).
OddsMovement BuildOddsMovement(const RaceInfo& race, std::vector<Snapshot> snapshots, OddsKind kind,
                               const std::vector<std::string>& names, double min_drop_percent);

// The horse names of the race card of `race` in the start folder's DATA, by horse number - 1
// (empty when the card, its horse file or a horse is missing there), and the files of DATA
// that could not be read on the way (name and reason).
struct HorseNames {
  std::vector<std::string> names;
  std::vector<std::string> read_failures;
};
HorseNames HorseNamesOf(const RaceInfo& race, const Session& session);

struct OddsMovementRequest {
  RaceKey race;
  OddsKind kind = OddsKind::kWin;
  double min_drop_percent = 30;
};

// The window's question of the store. `movement` is set when the race has snapshots; otherwise
// `message` says why not (no store, unreadable store, no snapshots for the race).
struct OddsMovementAnswer {
  std::optional<OddsMovement> movement;
  std::string message;
  std::vector<std::string> read_failures;  // of DATA, while looking for the names
};
OddsMovementAnswer ReadOddsMovement(const OddsMovementRequest& request, const Session& session);

}  // namespace mirtote::history
