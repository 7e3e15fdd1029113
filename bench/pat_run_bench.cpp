// The 36-race posting of a day against DATA folders of 100, 1,000 and 3,000 race-card files,
// each beside its I/O floor: the same bytes read once and the script written once.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_support.h"
#include "pat/pat_run.h"
#include "shell/settings_store.h"
#include "text/files.h"

namespace mirtote {
namespace {

namespace fs = std::filesystem;

void BM_PostingDay(benchmark::State& state) {
  const fs::path& root = bench::SeasonsDataSet(static_cast<int>(state.range(0)));
  MemorySettingsStore settings;
  QuietHost host;
  const Session session{root, settings, host};
  pat::PatRunRequest request;
  request.format = pat::OutputFormat::kNifTerm;
  int posted = 0;
  for (auto _ : state) posted = pat::RunPatOdds(request, session).races_posted;
  if (posted != 36 || host.messages != 0) state.SkipWithError("the day did not post whole");
}

// Every .DEN file, the day's horse files, the jockey file and the PAT files read once, and a
// script of the run's size written once.
void BM_IoFloor(benchmark::State& state) {
  const fs::path& root = bench::SeasonsDataSet(static_cast<int>(state.range(0)));
  const auto script_size = fs::file_size(root / "FILE" / "File" / "PAD_NT.TXT");
  size_t bytes = 0;
  for (auto _ : state) {
    for (const auto& folder : {root / "DATA", root / "FILE"}) {
      for (const std::string& name : text::ListPlainFiles(folder)) {
        if (auto file = text::ReadWholeFile(folder / name)) bytes += file->size();
      }
    }
    text::WriteFileAtomic(root / "floor.txt", std::string(script_size, 'x'), nullptr,
                          text::Durability::kNoSync);
  }
  benchmark::DoNotOptimize(bytes);
}

// The floor runs after the posting of the same size, which leaves the script behind.
BENCHMARK(BM_PostingDay)->Arg(100)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IoFloor)->Arg(100)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirtote

BENCHMARK_MAIN();
