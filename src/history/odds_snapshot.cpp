#include "history/odds_snapshot.h"

#include <algorithm>

#include "pat/pat_file.h"
#include "text/century.h"
#include "text/cp932.h"

namespace mirtote::history {

namespace {

constexpr std::string_view kSourceNames[] = {"pat", "log", "csv"};
constexpr std::string_view kKindNames[] = {"win", "place", "bracket", "quinella"};
constexpr std::string_view kScratchedBytes = "\xC4\xD8\xB9\xBC";  // ﾄﾘｹｼ in CP932

bool AllDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A two-byte number field such as "03", " 5"; 0 when it holds anything else.
int SmallNumber(std::string_view field) {
  while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
  return AllDigits(field) ? std::stoi(std::string(field)) : 0;
}

// "HHMM" when the field is a time of day; empty otherwise (a blank hour: predicted odds).
std::string TimeOf(std::string_view field) {
  if (field.size() != 4 || !AllDigits(field)) return {};
  const int hour = std::stoi(std::string(field.substr(0, 2)));
  const int minute = std::stoi(std::string(field.substr(2)));
  return hour < 24 && minute < 60 ? std::string(field) : std::string();
}

// An odds field's bytes as a cell. `unsold` is the slot's state mark saying scratched or
// not sold. Text that is not an odds number (stray bytes) counts as no odds.
std::string CellOf(std::string_view field, bool unsold) {
  if (unsold) return "-";
  std::string text;
  for (char c : field) {
    if (c != ' ') text += c;
  }
  if (text == kScratchedBytes) return "-";
  const bool number = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return (c >= '0' && c <= '9') || c == '.';
  });
  return number ? text : std::string();
}

std::string TrimmedName(std::string_view bytes) {
  std::string name = text::DecodeCp932(bytes);
  for (;;) {
    if (!name.empty() && name.back() == ' ') {
      name.pop_back();
    } else if (name.ends_with("　")) {
      name.resize(name.size() - std::string_view("　").size());
    } else {
      return name;
    }
  }
}

int BracketsOf(int runners) {
  return std::min(runners, 8);
}

}  // namespace

std::string_view SourceName(SourceKind source) {
  return kSourceNames[static_cast<size_t>(source)];
}

std::string_view OddsKindName(OddsKind kind) {
  return kKindNames[static_cast<size_t>(kind)];
}

std::optional<OddsKind> ParseOddsKind(std::string_view name) {
  for (int k = 0; k < kOddsKinds; ++k) {
    if (kKindNames[k] == name) return static_cast<OddsKind>(k);
  }
  return std::nullopt;
}

std::string Snapshot::Cell(OddsKind kind, std::string_view label) const {
  const std::vector<std::string> labels = ColumnLabels(kind, runners);
  const std::vector<std::string>& row = Cells(kind);
  for (size_t i = 0; i < labels.size() && i < row.size(); ++i) {
    if (labels[i] == label) return row[i];
  }
  return {};
}

std::vector<std::string> ColumnLabels(OddsKind kind, int runners) {
  std::vector<std::string> labels;
  const auto pair = [](int a, int b) { return std::to_string(a) + "-" + std::to_string(b); };
  switch (kind) {
    case OddsKind::kWin:
    case OddsKind::kPlace:
      for (int i = 1; i <= runners; ++i) labels.push_back(std::to_string(i));
      break;
    case OddsKind::kBracket:
      for (int k = 1; k <= pat::kBracketPairs; ++k) {
        const auto [a, b] = pat::BracketPairOf(k);
        if (b <= BracketsOf(runners)) labels.push_back(pair(a, b));
      }
      break;
    case OddsKind::kQuinella:
      if (runners <= 8) break;
      for (int k = 1; k <= pat::QuinellaPairCount(runners); ++k) {
        const auto [a, b] = pat::QuinellaPairOf(k, runners);
        labels.push_back(pair(a, b));
      }
      break;
  }
  return labels;
}

CellState StateOf(std::string_view cell) {
  if (cell.empty()) return CellState::kNoOdds;
  return cell == "-" ? CellState::kScratched : CellState::kOdds;
}

std::optional<long long> OddsTenths(std::string_view cell) {
  cell = cell.substr(0, cell.find('-'));
  const size_t point = cell.find('.');
  const std::string_view whole = cell.substr(0, point);
  if (!AllDigits(whole) || whole.size() > 9) return std::nullopt;
  long long tenths = std::stoll(std::string(whole)) * 10;
  if (point != std::string_view::npos) {
    const std::string_view decimals = cell.substr(point + 1);
    if (decimals.empty() || !AllDigits(decimals)) return std::nullopt;
    tenths += decimals.front() - '0';
  }
  return tenths;
}

std::optional<std::pair<long long, long long>> PlaceTenths(std::string_view cell) {
  const size_t dash = cell.find('-');
  if (dash == std::string_view::npos) return std::nullopt;
  const auto low = OddsTenths(cell.substr(0, dash));
  const auto high = OddsTenths(cell.substr(dash + 1));
  if (!low || !high) return std::nullopt;
  return std::pair{*low, *high};
}

std::optional<RaceSnapshot> SnapshotOfPatFiles(std::string_view zo, std::string_view uo,
                                               const PatSource& source) {
  const pat::ZoReader z(zo);
  const std::string_view date = z.Field(pat::kOffsetDate, 8);
  RaceSnapshot out;
  RaceInfo& race = out.race;
  race.meeting = SmallNumber(z.Field(pat::kOffsetMeeting, 2));
  race.day = SmallNumber(z.Field(pat::kOffsetDay, 2));
  if (date.size() != 8 || !AllDigits(date) || race.meeting == 0 || race.day == 0 ||
      source.venue == 0 || source.race == 0) {
    return std::nullopt;
  }
  race.key = {text::CenturyText(date.substr(2, 2)) + std::string(date.substr(2)), source.venue,
              source.race};
  race.runners = std::clamp(z.RunnerCount(), 0, pat::kMaxHorses);
  race.race_name = TrimmedName(z.Field(pat::kOffsetRaceName, 28));

  Snapshot& snap = out.snapshot;
  snap.source = source.source;
  snap.source_file = source.source_file;
  snap.runners = race.runners;
  const std::string_view kind = z.Field(pat::kOffsetTimeKind, 2);
  const std::string time = TimeOf(z.Field(pat::kOffsetTime, 4));
  if (kind.starts_with("0")) {
    snap.odds_time = time;
  } else {
    snap.odds_time = source.fallback_time;
    if (kind.starts_with("1")) race.post_time = time;
  }

  const int n = race.runners;
  auto& win = snap.cells[static_cast<size_t>(OddsKind::kWin)];
  auto& place = snap.cells[static_cast<size_t>(OddsKind::kPlace)];
  for (int i = 1; i <= n; ++i) {
    const bool scratched = z.HorseState(i) == "9";
    win.push_back(CellOf(z.WinOdds(i), scratched));
    const std::string low = CellOf(z.PlaceLow(i), scratched);
    const std::string high = CellOf(z.PlaceHigh(i), scratched);
    if (low == "-" || high == "-") {
      place.push_back("-");
    } else if (low.empty() && high.empty()) {
      place.emplace_back();
    } else {
      place.push_back(low + "-" + high);
    }
  }
  auto& bracket = snap.cells[static_cast<size_t>(OddsKind::kBracket)];
  for (int k = 1; k <= pat::kBracketPairs; ++k) {
    if (pat::BracketPairOf(k).second > BracketsOf(n)) continue;
    const std::string_view state = z.BracketState(k);
    bracket.push_back(state == "0" || state == "9" ? CellOf(z.BracketOdds(k), state == "9")
                                                   : std::string());
  }
  if (n > 8) {
    const pat::UoReader u(uo);
    auto& quinella = snap.cells[static_cast<size_t>(OddsKind::kQuinella)];
    for (int k = 1; k <= pat::QuinellaPairCount(n); ++k) {
      quinella.push_back(CellOf(u.QuinellaOdds(k), u.QuinellaState(k) == "9"));
    }
  }
  return out;
}

}  // namespace mirtote::history
