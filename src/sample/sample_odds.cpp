// Odds of the sample meeting: the PAT odds files and TARGET's odds file lines of a race.

#include <algorithm>
#include <cmath>

#include "sample/sample_meeting.h"

namespace mirtote::sample {

namespace {

using pat::PairOdds;

// Win chances from the strengths (plain arithmetic, the same bytes on every machine).
std::vector<double> WinChances(const SampleRace& race) {
  double total = 0;
  for (int s : race.strengths) total += s;
  std::vector<double> chances;
  for (int s : race.strengths) chances.push_back(s / total);
  return chances;
}

// The chance that horses a and b (from 1) fill the first two places.
double PairChance(const std::vector<double>& win, int a, int b) {
  const double pa = win[static_cast<size_t>(a - 1)], pb = win[static_cast<size_t>(b - 1)];
  if (pa <= 0 || pb <= 0) return 0;
  return pa * pb / (1 - pa) + pb * pa / (1 - pb);
}

std::string Odds(double value, double floor, long long max_tenths) {
  return pat::OddsText(std::min(max_tenths, std::llround(std::max(value, floor) * 10)));
}

// Pair odds; from `whole_from` tenths on they are whole numbers, as the posted odds tables
// show them without tenths there (so the forum log gives back the same odds).
PairOdds PairOf(double chance, double floor, long long max_tenths, long long whole_from) {
  if (chance <= 0) return {PairOdds::State::kNotSold, "", 0, 0};
  long long tenths = std::min(max_tenths, std::llround(std::max(0.75 / chance, floor) * 10));
  if (tenths >= whole_from) tenths = std::min(max_tenths / 10 * 10, (tenths + 5) / 10 * 10);
  return {PairOdds::State::kSold, pat::OddsText(tenths), 0, 0};
}

int Runners(const SampleRace& race) {
  return static_cast<int>(race.card.entries.size());
}

int BracketOf(const SampleRace& race, int horse) {
  return race.card.entries[static_cast<size_t>(horse - 1)].bracket[0] - '0';
}

std::string SoldOdds(const PairOdds& pair) {
  return pair.state == PairOdds::State::kSold ? pair.odds : "0.0";
}

}  // namespace

SampleOdds SampleOddsOf(const SampleRace& race) {
  const RaceCardFields& card = race.card;
  const int runners = Runners(race);
  const int number = std::stoi(card.race_number);
  pat::ZoContent zo = ZoFor(card, runners);
  zo.header.race2 = number < 10 ? " " + std::to_string(number) : card.race_number;
  zo.header.time4 = race.odds_time;
  zo.header.race_name = card.race_name;

  const std::vector<double> win = WinChances(race);
  for (int n = 1; n <= runners; ++n) {
    pat::HorseOdds& horse = zo.horses[static_cast<size_t>(n - 1)];
    const double p = win[static_cast<size_t>(n - 1)];
    if (p <= 0) {
      horse = {pat::HorseOdds::State::kScratched, "", "", ""};
      continue;
    }
    const double odds = std::max(1.1, 0.8 / p);
    // Place odds stay below 100: the odds text shows only their last four bytes.
    const double high = std::min(99.9, std::max(1.1, (1.0 + (odds - 1.0) * 0.2) * 1.6));
    horse = {pat::HorseOdds::State::kRunning, Odds(odds, 1.1, 9999),
             Odds(std::max(1.0, high / 1.6), 1.0, 999), Odds(high, 1.1, 999)};
  }
  for (int k = 1; k <= pat::kBracketPairs; ++k) {
    const auto [a, b] = pat::BracketPairOf(k);
    bool any = false;
    double chance = 0;
    for (int x = 1; x <= runners; ++x) {
      for (int y = x + 1; y <= runners; ++y) {
        const int bx = BracketOf(race, x), by = BracketOf(race, y);
        if (std::min(bx, by) != a || std::max(bx, by) != b) continue;
        any = true;
        chance += PairChance(win, x, y);
      }
    }
    zo.brackets[static_cast<size_t>(k - 1)] =
        any ? PairOf(chance, 1.5, 9999, 1000) : PairOdds{PairOdds::State::kNoOdds, "", 0, 0};
  }
  if (runners <= 8) return {zo, std::nullopt};
  pat::UoContent uo = UoFor(zo, runners);
  for (int k = 1; k <= pat::QuinellaPairCount(runners); ++k) {
    const auto [a, b] = pat::QuinellaPairOf(k, runners);
    uo.pairs[static_cast<size_t>(k - 1)] = PairOf(PairChance(win, a, b), 2.0, 99999, 10000);
  }
  return {zo, std::move(uo)};
}

std::string SampleCsvLines(const SampleRace& race, const SampleOdds& odds) {
  const RaceCardFields& c = race.card;
  const int runners = Runners(race);
  const pat::ZoContent& zo = odds.zo;
  const std::string key = c.venue_code + c.year + c.meeting + c.day + c.race_number;
  std::string lines;
  for (int k = 1; k <= runners; ++k) {
    const pat::HorseOdds& horse = zo.horses[static_cast<size_t>(k - 1)];
    const bool out = horse.state != pat::HorseOdds::State::kRunning;
    std::string line = key + ",00," + TwoDigits(runners) + ",00," + race.odds_time + "," +
                       TwoDigits(k) + " ," + std::to_string(BracketOf(race, k)) + ",0000000000 ," +
                       RightAligned(out ? "0.0" : horse.win, 5) + "  ," +
                       RightAligned(out ? "0.0" : horse.place_low, 5) + "  ," +
                       RightAligned(out ? "0.0" : horse.place_high, 5) + " ,";
    for (int p = 1; p <= 18; ++p) {
      const int slot = pat::QuinellaSlotOf(std::min(k, p), std::max(k, p), runners);
      const std::string cell = p == k || slot == 0 || !odds.uo
                                   ? "0.0"
                                   : SoldOdds(odds.uo->pairs[static_cast<size_t>(slot - 1)]);
      line += RightAligned(cell, 6) + (p < 18 ? " ," : "  ,");
    }
    const int f = BracketOf(race, k);
    for (int b = 1; b <= 8; ++b) {
      const int slot = pat::BracketSlotOf(std::min(f, b), std::max(f, b));
      line += RightAligned(SoldOdds(zo.brackets[static_cast<size_t>(slot - 1)]), 5) +
              (b < 8 ? "  ," : "\r\n");
    }
    lines += line;
  }
  return lines;
}

}  // namespace mirtote::sample
