// The race-card split of one delivery: two days of three venues, 12 races of 16 runners,
// against a horse file of N records (the day's horses spread through it). The horse file is
// indexed once, so the work should grow linearly with N, not with N times the runners.

#include <benchmark/benchmark.h>

#include <string>

#include "jravan/day_split.h"
#include "jravan/race_card_record.h"

namespace {

using namespace mirtote;

std::string Id(int n) {
  std::string digits = std::to_string(n);
  return std::string(8 - digits.size(), '0') + digits;
}

void BM_SplitRaceCards(benchmark::State& state) {
  const int horses_in_file = static_cast<int>(state.range(0));
  std::string cards;
  int runner = 0;
  for (const char* day : {"0509", "0510"}) {
    for (const char* venue : {"05", "08", "03"}) {
      for (int race = 1; race <= 12; ++race) {
        std::string card(jravan::kRaceCardLength, ' ');
        card.replace(0, 12,
                     std::string(venue) + "983" + (day[3] == '9' ? "1" : "2") +
                         (race < 10 ? "0" : "") + std::to_string(race) + day);
        for (int i = 0; i < 16; ++i, ++runner) {
          card.replace(168 + 23 * i, 9, "1" + Id(runner * 7 % horses_in_file));
        }
        cards += card;
      }
    }
  }
  std::string horses;
  for (int n = 0; n < horses_in_file; ++n) {
    horses += Id(n) + std::string(jravan::kHorseLength - 8, ' ');
  }
  const text::RecordFile card_file(cards, jravan::kRaceCardLength);
  const text::RecordFile horse_file(horses, jravan::kHorseLength);
  for (auto _ : state) {
    benchmark::DoNotOptimize(jravan::SplitRaceCards(card_file, horse_file));
  }
  state.SetComplexityN(horses_in_file);
}
BENCHMARK(BM_SplitRaceCards)->Arg(2000)->Arg(8000)->Arg(32000)->Complexity();

}  // namespace

BENCHMARK_MAIN();
