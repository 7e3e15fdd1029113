#include "convert/csv_race.h"

#include <algorithm>

#include "text/century.h"
#include "text/number.h"
#include "vocab/venues.h"

namespace mirtote::convert {

namespace {

using pat::HorseOdds;
using pat::PairOdds;

constexpr int kBrackets = 8;
constexpr std::string_view kZero5 = "  0.0";
constexpr std::string_view kZero6 = "   0.0";
constexpr std::string_view kTimeKind = "11";  // the time at offset 44 is the odds time

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A number of one or two ASCII characters within [low, high]; 0 otherwise.
int NumberIn(const std::string& text, int low, int high) {
  const long long n = text::ValInt(text);
  return n >= low && n <= high ? static_cast<int>(n) : 0;
}

}  // namespace

std::string CsvRaceIdentity(const SourceLine& line) {
  return line.Get(1, 8);
}

std::optional<CsvRace> CsvRace::Start(const SourceLine& line, std::string_view date6,
                                      std::string& error, bool& unknown_venue) {
  CsvRace race;
  race.identity_ = CsvRaceIdentity(line);
  const vocab::Venue* venue = vocab::VenueByCode2(line.Get(1, 2));
  const std::string day = line.Get(6, 1);
  const int number = NumberIn(line.Get(7, 2), 1, 12);
  race.runners_ = NumberIn(line.Get(13, 2), 1, pat::kMaxHorses);
  unknown_venue = venue == nullptr;
  if (venue == nullptr) {
    error = "開催場コード「" + line.Get(1, 2) + "」が不明です。";
  } else if (number == 0 || !IsDigit(day[0])) {
    error = "レース番号または開催日目が読めません。";
  } else if (race.runners_ == 0) {
    error = "出走頭数が読めません。";
  }
  if (!error.empty()) return std::nullopt;

  race.venue_char_ = venue->code_char;
  race.day_char_ = day[0];
  race.race_char_ = pat::RaceChar(number);
  race.singles_ = race.runners_ > 16 ? 0 : std::min(16 - race.runners_, kBrackets);
  pat::PatHeader& h = race.zo_.header;
  h.date8 = text::CenturyText(date6.substr(0, 2)) + std::string(date6);
  h.venue_name = std::string(venue->name);
  h.year2 = line.Get(3, 2);
  h.century2 = text::CenturyText(h.year2);
  h.meeting2 = "0" + line.Get(5, 1);
  h.day2 = "0" + day;
  h.race2 = line.Get(7, 2);
  h.time_kind2 = std::string(kTimeKind);
  h.time4 = line.Get(19, 4);
  h.runners_text = line.Get(13, 2);
  h.runners = race.runners_;
  for (auto& slot : race.zo_.brackets) slot = {PairOdds::State::kBlank, {}, 0, 0};
  race.pairs_.assign(pat::kQuinellaPairs, PairOdds{PairOdds::State::kBlank, {}, 0, 0});
  race.seen_.assign(static_cast<size_t>(race.runners_), false);
  return race;
}

bool CsvRace::AddHorse(const SourceLine& line, std::string& error) {
  const int k = NumberIn(line.Get(24, 2), 1, pat::kMaxHorses);
  const int f = NumberIn(line.Get(28, 1), 1, kBrackets);
  if (k == 0 || f == 0) {
    error = "馬番または枠番が読めません。";
    return false;
  }
  if (k <= runners_) seen_[static_cast<size_t>(k - 1)] = true;
  // A scratched horse has win odds of 0; any other odds, 10.0 included, run.
  HorseOdds& horse = zo_.horses[static_cast<size_t>(k - 1)];
  if (text::Val(line.Get(42, 5)) == 0) {
    horse = {HorseOdds::State::kScratched, {}, {}, {}};
  } else {
    horse = {HorseOdds::State::kRunning, line.Get(42, 5), line.Get(50, 5), line.Get(58, 5)};
  }

  // This horse's bracket with itself and every later bracket.
  for (int b = f; b <= kBrackets; ++b) {
    const std::string cell = line.Get(202 + 8 * static_cast<size_t>(b), 5);
    PairOdds& slot = zo_.brackets[static_cast<size_t>(pat::BracketSlotOf(f, b) - 1)];
    if (b == f && cell == kZero5) {
      slot = {b > singles_ ? PairOdds::State::kNotSold : PairOdds::State::kNoOdds, {}, 0, 0};
    } else if (b != f && b > runners_) {
      slot = {PairOdds::State::kNoOdds, {}, 0, 0};
    } else {
      slot = {PairOdds::State::kSold, cell, 0, 0};
    }
  }

  // This horse with every later horse, each pair in its own slot of the race's order.
  if (runners_ > kBrackets) {
    for (int p = k + 1; p <= runners_; ++p) {
      const std::string cell = line.Get(57 + 8 * static_cast<size_t>(p), 6);
      PairOdds& slot = pairs_[static_cast<size_t>(pat::QuinellaSlotOf(k, p, runners_) - 1)];
      slot = cell == kZero6 ? PairOdds{PairOdds::State::kNotSold, {}, 0, 0}
                            : PairOdds{PairOdds::State::kSold, cell, 0, 0};
    }
  }
  return true;
}

void CsvRace::SetCardTexts(std::string race_name, std::string conditions) {
  zo_.header.race_name = std::move(race_name);
  zo_.header.conditions = std::move(conditions);
}

std::vector<int> CsvRace::MissingHorses() const {
  std::vector<int> missing;
  for (size_t i = 0; i < seen_.size(); ++i) {
    if (!seen_[i]) missing.push_back(static_cast<int>(i + 1));
  }
  return missing;
}

std::optional<pat::UoContent> CsvRace::uo() const {
  if (runners_ <= kBrackets) return std::nullopt;
  return pat::UoContent{zo_.header, pairs_};
}

std::string CsvRace::FileName(pat::PatKind kind, pat::PatLayout layout) const {
  const char day = layout == pat::PatLayout::kPat31 ? '1' : day_char_;
  return pat::PatFileName(kind, venue_char_, day, race_char_);
}

}  // namespace mirtote::convert
