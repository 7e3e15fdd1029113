#pragma once
// The texts of `odds-history`: the CSV of a race's snapshots (also what the odds history
// window copies), its readable table, the list of races and the list of drops.
// Texts are UTF-8; every line ends with CR LF.

#include <string>
#include <vector>

#include "history/history_store.h"
#include "history/odds_snapshot.h"

namespace mirtote::history {

// First line "time,source,<columns of the race>", then one line per snapshot: "HH:MM" or
// empty, "pat|log|csv", the cells. Quinella of 8 or fewer runners: the first line alone,
// "time,source".
std::string SnapshotsCsv(const RaceInfo& race, const std::vector<Snapshot>& snapshots,
                         OddsKind kind);

// The same snapshots as a table with aligned columns, under a title line naming the race.
std::string SnapshotsTable(const RaceInfo& race, const std::vector<Snapshot>& snapshots,
                           OddsKind kind);

// One line per race: date, venue, race, runners, snapshots, first and last odds time.
std::string RaceListText(const std::vector<RaceSummary>& races);

// One line per drop: date, venue, race, horse, times, odds before and after, percent.
std::string DropsText(const std::vector<Drop>& drops);

// "HH:MM" of "HHMM"; "--:--" for no time.
std::string TimeLabel(const std::string& hhmm);
// "20260510 東京 11R" as the lists name a race.
std::string RaceLabel(const RaceKey& key);

}  // namespace mirtote::history
