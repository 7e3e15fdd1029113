#include "history/odds_movement.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <numeric>

#include "history/history_report.h"
#include "jravan/race_card_record.h"
#include "pat/horse_table.h"
#include "pat/race_card_data.h"
#include "pat/race_text.h"
#include "text/cp932.h"
#include "text/files.h"

namespace mirtote::history {

namespace {

// "HHMM" as minutes after midnight; nothing for no time.
std::optional<int> MinuteOf(const std::string& hhmm) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (hhmm.size() != 4 || !std::all_of(hhmm.begin(), hhmm.end(), digit)) return std::nullopt;
  return std::stoi(hhmm.substr(0, 2)) * 60 + std::stoi(hhmm.substr(2));
}

// The odds a line shows for a cell: win and quinella odds, the middle of a place range (its
// lower bound when the cell holds only that).
std::optional<double> DrawnOdds(std::string_view cell, OddsKind kind) {
  if (kind == OddsKind::kPlace) {
    if (const auto range = PlaceTenths(cell)) {
      return static_cast<double>(range->first + range->second) / 20.0;
    }
  }
  const auto tenths = OddsTenths(cell);
  if (!tenths || *tenths <= 0) return std::nullopt;
  return static_cast<double>(*tenths) / 10.0;
}

// The cell of column `column` (label `label`) of a snapshot; a snapshot taken with another
// runner count gives its cells by label.
std::string CellOf(const Snapshot& snap, OddsKind kind, size_t column, const std::string& label,
                   int runners) {
  if (snap.runners == runners) {
    const auto& cells = snap.Cells(kind);
    return column < cells.size() ? cells[column] : std::string();
  }
  return snap.Cell(kind, label);
}

// The columns drawn: every horse, or the quinella pairs with the lowest latest odds (ties in
// column order).
std::vector<size_t> DrawnColumns(const RaceInfo& race, const std::vector<Snapshot>& snapshots,
                                 OddsKind kind, const std::vector<std::string>& labels) {
  std::vector<size_t> columns(labels.size());
  std::iota(columns.begin(), columns.end(), size_t{0});
  if (kind != OddsKind::kQuinella) return columns;
  std::vector<double> latest(labels.size(), std::numeric_limits<double>::infinity());
  for (size_t c = 0; c < labels.size(); ++c) {
    for (auto snap = snapshots.rbegin(); snap != snapshots.rend(); ++snap) {
      if (const auto odds = DrawnOdds(CellOf(*snap, kind, c, labels[c], race.runners), kind)) {
        latest[c] = *odds;
        break;
      }
    }
  }
  std::erase_if(columns,
                [&](size_t c) { return latest[c] == std::numeric_limits<double>::infinity(); });
  std::stable_sort(columns.begin(), columns.end(),
                   [&](size_t a, size_t b) { return latest[a] < latest[b]; });
  if (columns.size() > kQuinellaLines) columns.resize(kQuinellaLines);
  return columns;
}

std::string HorseLabel(int horse, const std::vector<std::string>& names) {
  std::string label = std::to_string(horse);
  const size_t index = static_cast<size_t>(horse - 1);
  if (index < names.size() && !names[index].empty()) label += " " + names[index];
  return label;
}

std::string DropText(const Drop& drop, const std::vector<std::string>& names) {
  char percent[16];
  std::snprintf(percent, sizeof percent, "%.1f%%", drop.percent);
  return TimeLabel(drop.time_before) + "→" + TimeLabel(drop.time_after) + "  " +
         HorseLabel(drop.horse, names) + "  " + drop.odds_before + " → " + drop.odds_after + "  -" +
         percent;
}

// A name field without its padding (half-width and full-width spaces).
std::string TrimmedRight(std::string s) {
  static constexpr std::string_view kWideSpace = "\u3000";
  while (true) {
    if (!s.empty() && s.back() == ' ') {
      s.pop_back();
    } else if (s.ends_with(kWideSpace)) {
      s.resize(s.size() - kWideSpace.size());
    } else {
      return s;
    }
  }
}

}  // namespace

OddsMovement BuildOddsMovement(const RaceInfo& race, std::vector<Snapshot> snapshots, OddsKind kind,
                               const std::vector<std::string>& names, double min_drop_percent) {
  OddsMovement movement;
  movement.race = race;
  movement.kind = kind;
  movement.csv = SnapshotsCsv(race, snapshots, kind);
  const std::vector<std::string> labels = ColumnLabels(kind, race.runners);

  std::vector<std::optional<int>> minutes;
  for (const Snapshot& snap : snapshots) {
    minutes.push_back(MinuteOf(snap.odds_time));
    if (!minutes.back()) ++movement.untimed;
  }
  bool any_minute = false;
  for (const auto& minute : minutes) {
    if (!minute) continue;
    movement.first_minute = any_minute ? std::min(movement.first_minute, *minute) : *minute;
    movement.last_minute = any_minute ? std::max(movement.last_minute, *minute) : *minute;
    any_minute = true;
  }

  for (size_t column : DrawnColumns(race, snapshots, kind, labels)) {
    MovementLine line;
    line.label = kind == OddsKind::kQuinella ? labels[column]
                                             : HorseLabel(static_cast<int>(column) + 1, names);
    for (size_t s = 0; s < snapshots.size(); ++s) {
      const std::string cell = CellOf(snapshots[s], kind, column, labels[column], race.runners);
      // A scratched horse's line ends at its scratching; the quinella's "-" is an unsold pair.
      if (kind != OddsKind::kQuinella && StateOf(cell) == CellState::kScratched) {
        line.scratched = true;
        break;
      }
      const auto odds = DrawnOdds(cell, kind);
      if (!odds || !minutes[s]) continue;
      line.points.push_back({*minutes[s], *odds, s});
      movement.longest_odds = std::max(movement.longest_odds, *odds);
    }
    if (line.scratched) line.label += "（取消）";
    movement.lines.push_back(std::move(line));
  }

  for (Drop& drop : FindDrops(race, snapshots, min_drop_percent)) {
    MovementDrop mark;
    mark.minute = MinuteOf(drop.time_after).value_or(-1);
    mark.odds = DrawnOdds(drop.odds_after, OddsKind::kWin).value_or(0);
    mark.text = DropText(drop, names);
    mark.drop = std::move(drop);
    movement.drops.push_back(std::move(mark));
  }
  movement.snapshots = std::move(snapshots);
  return movement;
}

HorseNames HorseNamesOf(const RaceInfo& race, const Session& session) {
  const RaceKey& key = race.key;
  if (key.date.size() != 8 || key.venue < 1 || key.venue > 99 || key.race < 1 || key.race > 99) {
    return {};
  }
  // The race card's key: venue, the year's last two digits, the last digit of the meeting and
  // of the day, the race number.
  char card_key[16];
  std::snprintf(card_key, sizeof card_key, "%02d%s%d%d%02d", key.venue,
                key.date.substr(2, 2).c_str(), race.meeting % 10, race.day % 10, key.race);
  pat::RaceCardData data(pat::DataFolder(session));
  HorseNames result;
  const auto found = data.FindCard(card_key);
  if (!found) {
    result.read_failures = data.TakeReadFailures();
    return result;
  }
  const text::RecordFile& horses =
      data.Records(pat::HorseFileOf(found->file_name), jravan::kHorseLength);
  result.read_failures = data.TakeReadFailures();
  pat::HorseFinder finder(horses);
  std::vector<std::string>& names = result.names;
  for (const jravan::HorseEntry& entry : found->card.entries) {
    std::string name;
    if (entry.HasHorse()) {
      const std::string_view record = finder.Find(text::EncodeCp932(entry.horse_id));
      if (!record.empty()) name = TrimmedRight(jravan::HorseRecord::Parse(record).name);
    }
    names.push_back(std::move(name));
  }
  return result;
}

OddsMovementAnswer ReadOddsMovement(const OddsMovementRequest& request, const Session& session) {
  OddsMovementAnswer answer;
  std::string error;
  const std::filesystem::path path = HistoryPath(session.start_folder);
  auto store = HistoryStore::Open(path, HistoryStore::Mode::kRead, error);
  std::optional<RaceInfo> race;
  std::vector<Snapshot> snapshots;
  if (store) race = store->FindRace(request.race, error);
  if (race) snapshots = store->Snapshots(request.race, error);
  if (!error.empty()) {
    answer.message =
        "オッズ履歴を読めません。\r\nファイル：" + text::PathText(path) + "\r\n理由：" + error;
    return answer;
  }
  if (snapshots.empty()) {
    answer.message = RaceLabel(request.race) + " のスナップショットはオッズ履歴にありません。";
    return answer;
  }
  HorseNames names = HorseNamesOf(*race, session);
  answer.read_failures = std::move(names.read_failures);
  answer.movement = BuildOddsMovement(*race, std::move(snapshots), request.kind, names.names,
                                      request.min_drop_percent);
  return answer;
}

}  // namespace mirtote::history
