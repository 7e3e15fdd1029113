#include "history/history_report.h"

#include <algorithm>
#include <cstdio>

#include "text/chars.h"
#include "vocab/venues.h"

namespace mirtote::history {

namespace {

constexpr std::string_view kEnd = "\r\n";

std::string CsvTime(const std::string& hhmm) {
  return hhmm.size() == 4 ? hhmm.substr(0, 2) + ":" + hhmm.substr(2) : std::string();
}

// The cells of a snapshot in the race's columns (a snapshot taken with another runner
// count gives its cells by label).
std::vector<std::string> RowOf(const Snapshot& snap, OddsKind kind,
                               const std::vector<std::string>& labels, int runners) {
  if (snap.runners == runners) {
    std::vector<std::string> row = snap.Cells(kind);
    row.resize(labels.size());
    return row;
  }
  std::vector<std::string> row;
  for (const std::string& label : labels) row.push_back(snap.Cell(kind, label));
  return row;
}

std::string Padded(const std::string& s, size_t width, bool right) {
  const size_t w = static_cast<size_t>(text::DisplayWidth(s));
  const std::string fill(width > w ? width - w : 0, ' ');
  return right ? fill + s : s + fill;
}

}  // namespace

std::string TimeLabel(const std::string& hhmm) {
  return hhmm.size() == 4 ? CsvTime(hhmm) : "--:--";
}

std::string RaceLabel(const RaceKey& key) {
  const vocab::Venue* venue = vocab::VenueByNumber(key.venue);
  return key.date + " " + std::string(venue ? venue->name : "??") + " " +
         Padded(std::to_string(key.race) + "R", 3, true);
}

std::string SnapshotsCsv(const RaceInfo& race, const std::vector<Snapshot>& snapshots,
                         OddsKind kind) {
  const std::vector<std::string> labels = ColumnLabels(kind, race.runners);
  std::string out = "time,source";
  if (kind == OddsKind::kQuinella && labels.empty()) return out + std::string(kEnd);
  for (const std::string& label : labels) out += "," + label;
  out += kEnd;
  for (const Snapshot& snap : snapshots) {
    out += CsvTime(snap.odds_time) + "," + std::string(SourceName(snap.source));
    for (const std::string& cell : RowOf(snap, kind, labels, race.runners)) out += "," + cell;
    out += kEnd;
  }
  return out;
}

std::string SnapshotsTable(const RaceInfo& race, const std::vector<Snapshot>& snapshots,
                           OddsKind kind) {
  const std::vector<std::string> labels = ColumnLabels(kind, race.runners);
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> head = {"時刻", "元"};
  head.insert(head.end(), labels.begin(), labels.end());
  rows.push_back(std::move(head));
  for (const Snapshot& snap : snapshots) {
    std::vector<std::string> row = {TimeLabel(snap.odds_time),
                                    std::string(SourceName(snap.source))};
    for (std::string& cell : RowOf(snap, kind, labels, race.runners))
      row.push_back(std::move(cell));
    rows.push_back(std::move(row));
  }
  std::vector<size_t> widths(rows.front().size(), 0);
  for (const auto& row : rows) {
    for (size_t i = 0; i < row.size(); ++i) {
      widths[i] = std::max(widths[i], static_cast<size_t>(text::DisplayWidth(row[i])));
    }
  }
  std::string out = RaceLabel(race.key) + " " + race.race_name + " " +
                    std::to_string(race.runners) + "頭 " + std::string(OddsKindName(kind)) +
                    std::string(kEnd);
  for (const auto& row : rows) {
    std::string line;
    for (size_t i = 0; i < row.size(); ++i) {
      line += (i == 0 ? "" : " ") + Padded(row[i], widths[i], i >= 2);
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line + std::string(kEnd);
  }
  return out;
}

std::string RaceListText(const std::vector<RaceSummary>& races) {
  std::string out;
  for (const RaceSummary& r : races) {
    out += RaceLabel(r.race.key) + " " + Padded(std::to_string(r.race.runners), 2, true) + "頭 " +
           Padded(std::to_string(r.snapshots), 3, true) + "件 " + TimeLabel(r.first_time) + " " +
           TimeLabel(r.last_time) + std::string(kEnd);
  }
  return out;
}

std::string DropsText(const std::vector<Drop>& drops) {
  std::string out;
  for (const Drop& d : drops) {
    char percent[16];
    std::snprintf(percent, sizeof percent, "%.1f%%", d.percent);
    out += RaceLabel(d.race.key) + " " + Padded(std::to_string(d.horse), 2, true) + "番 " +
           TimeLabel(d.time_before) + "→" + TimeLabel(d.time_after) + " " +
           Padded(d.odds_before, 6, true) + "→" + Padded(d.odds_after, 6, true) + " -" + percent +
           std::string(kEnd);
  }
  return out;
}

}  // namespace mirtote::history
