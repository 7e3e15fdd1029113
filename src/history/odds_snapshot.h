#pragma once
// One moment of a race's odds, as the odds history keeps it: the race it belongs to, when
// and where it was taken, and the odds of the four kinds as cells.
//
// A cell is the odds field's text without its spaces ("8.3", "123.4", "1234", for place
// "low-high" such as "1.2-1.5"), "-" for a scratched horse or an unsold pair, and the empty
// text when no odds exist. Columns: horses 1..n (win, place); the bracket pairs (a, b) with
// both brackets in the field, in the files' slot order; the quinella pairs of n runners in
// slot order (none for 8 or fewer runners).

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirtote::history {

// Where a snapshot was taken. The numbers are stored; never renumber them.
enum class SourceKind { kPatRun = 0, kForumLog = 1, kOddsCsv = 2 };
// "pat", "log", "csv".
std::string_view SourceName(SourceKind source);

enum class OddsKind { kWin = 0, kPlace = 1, kBracket = 2, kQuinella = 3 };
inline constexpr int kOddsKinds = 4;
// "win", "place", "bracket", "quinella"; ParseOddsKind is its inverse.
std::string_view OddsKindName(OddsKind kind);
std::optional<OddsKind> ParseOddsKind(std::string_view name);

// Which race: the meeting date, the venue and the race number identify it.
struct RaceKey {
  std::string date;  // "YYYYMMDD"
  int venue = 0;     // venue number 1-10
  int race = 0;      // 1-12
  auto operator<=>(const RaceKey&) const = default;
};

struct RaceInfo {
  RaceKey key;
  int meeting = 0;        // 回
  int day = 0;            // 日目
  int runners = 0;        // as the latest snapshot recorded gives it
  std::string race_name;  // UTF-8, trailing spaces removed; empty when unknown
  std::string post_time;  // "HHMM"; empty when no source gave it
};

struct Snapshot {
  std::string odds_time;  // "HHMM"; empty when the source gives no odds time
  SourceKind source = SourceKind::kPatRun;
  std::string source_file;  // the file it was read from (or the log holding it)
  int runners = 0;
  std::array<std::vector<std::string>, kOddsKinds> cells;  // [OddsKind]: in column order

  const std::vector<std::string>& Cells(OddsKind kind) const {
    return cells[static_cast<size_t>(kind)];
  }
  // The cell of column `label` (as ColumnLabels gives it); empty when the snapshot has none.
  std::string Cell(OddsKind kind, std::string_view label) const;
};

// A snapshot with the race it belongs to, as a job records it.
struct RaceSnapshot {
  RaceInfo race;
  Snapshot snapshot;
};

// Column labels of a kind for a race of `runners`: "1".."n", or pairs "a-b".
std::vector<std::string> ColumnLabels(OddsKind kind, int runners);

// A cell's state and value.
enum class CellState { kNoOdds, kOdds, kScratched };
CellState StateOf(std::string_view cell);
// Odds of a cell in tenths: "8.3" -> 83, "1234" -> 12340; place cells give their lower
// bound. Nothing for "-", the empty cell or any other text.
std::optional<long long> OddsTenths(std::string_view cell);
// Place cell's bounds in tenths; nothing unless the cell holds both.
std::optional<std::pair<long long, long long>> PlaceTenths(std::string_view cell);

// Where a PAT odds file's race is: the venue number and the race number come from the file
// name (or the block a conversion read), the rest from the header.
struct PatSource {
  SourceKind source = SourceKind::kPatRun;
  std::string source_file;
  int venue = 0;
  int race = 0;
  // Odds time used when the header's time is not the odds' time (a PAT file's modification
  // time); empty for none.
  std::string fallback_time;
};

// The snapshot of a race's ZO file and UO file (PAT95 layout; `uo` empty when the race has
// none). Nothing when the header names no readable date, meeting or day.
std::optional<RaceSnapshot> SnapshotOfPatFiles(std::string_view zo, std::string_view uo,
                                               const PatSource& source);

}  // namespace mirtote::history
