// The text of one race (header, horse table, odds tables) of the seasons data set's day, with
// its race data read afresh and with the run's race data already read.

#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "pat/odds_tables.h"
#include "pat/race_card_data.h"
#include "pat/race_text.h"
#include "shell/settings_store.h"
#include "text/files.h"

namespace mirtote {
namespace {

void BM_OneRaceText(benchmark::State& state) {
  const auto& root = bench::SeasonsDataSet(static_cast<int>(state.range(0)));
  MemorySettingsStore settings;
  QuietHost host;
  const Session session{root, settings, host};
  const std::string zo = "ZO-55C.JRA", uo = "UO-55C.JRA";  // 東京 race 12 of the day
  bool built = false;
  for (auto _ : state) {
    pat::RaceTextCarry carry;
    const pat::RaceText text = pat::BuildRaceText({root / "FILE", zo, false}, session, carry);
    built = text.built && !text.jockey_missing;
    benchmark::DoNotOptimize(pat::BuildOddsTables(root / "FILE", zo, uo));
  }
  if (!built || host.messages != 0) state.SkipWithError("race not built");
}

void BM_OneRaceTextDataAlreadyRead(benchmark::State& state) {
  const auto& root = bench::SeasonsDataSet(100);
  MemorySettingsStore settings;
  QuietHost host;
  const Session session{root, settings, host};
  const auto zo_path = root / "FILE" / "ZO-55C.JRA";
  const std::string zo = text::ReadWholeFile(zo_path).value_or("");
  const std::string uo = text::ReadWholeFile(root / "FILE" / "UO-55C.JRA").value_or("");
  pat::RaceCardData data(root / "DATA");
  for (auto _ : state) {
    pat::RaceTextCarry carry;
    const pat::RaceText text =
        pat::BuildRaceText({zo_path, zo, "ZO-55C.JRA", false}, session, data, carry);
    benchmark::DoNotOptimize(text.text + pat::BuildOddsTables(zo, uo));
  }
}

BENCHMARK(BM_OneRaceText)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneRaceTextDataAlreadyRead)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mirtote

BENCHMARK_MAIN();
