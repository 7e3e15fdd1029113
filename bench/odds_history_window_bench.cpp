// How long the odds history window takes to open on a race of 18 horses and 60 snapshots:
// the store read, the horse names found in a 100-file DATA, the chart built and the window
// painted once (offscreen).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <cstdlib>

#include "bench_support.h"
#include "history/history_store.h"
#include "pat/pat_run.h"
#include "shell/settings_keys.h"
#include "shell/settings_store.h"
#include "ui/odds_history_form.h"

namespace mirtote {
namespace {

namespace fs = std::filesystem;

constexpr int kSnapshots = 60;

// The day posted once with recording on, then one race's snapshot again at 59 later odds
// times, every horse's odds moving.
const fs::path& StoreOfOneRace() {
  static const fs::path root = [] {
    const fs::path& data_set = bench::SeasonsDataSet(100);
    fs::remove(history::HistoryPath(data_set));
    MemorySettingsStore settings;
    QuietHost host;
    pat::PatRunRequest request;
    request.format = pat::OutputFormat::kNifTerm;
    pat::RunPatOdds(request, {data_set, settings, host});
    std::string error;
    auto store = history::HistoryStore::Open(history::HistoryPath(data_set),
                                             history::HistoryStore::Mode::kWrite, error);
    const auto races = store->ListRaces("", error);
    history::RaceSnapshot snap{races.back().race,
                               store->Snapshots(races.back().race.key, error)[0]};
    store->Begin(error);
    for (int i = 1; i < kSnapshots; ++i) {
      char time[8];
      std::snprintf(time, sizeof time, "%02d%02d", 16 + i / 60, i % 60);  // after every other race
      snap.snapshot.odds_time = time;
      for (std::string& cell : snap.snapshot.cells[0]) {
        cell = std::to_string(2 + (i * 7 + cell.size()) % 90) + "." + std::to_string(i % 10);
      }
      bool added = false;
      store->Add(snap, added, error);
    }
    store->Commit(error);
    return data_set;
  }();
  return root;
}

void BM_OpenOddsHistoryWindow(benchmark::State& state) {
  const fs::path& root = StoreOfOneRace();
  MemorySettingsStore settings;
  QuietHost host;
  Session session{root, settings, host};
  ui::DialogContext context{
      session, [](const std::function<void()>& command) { command(); }, {}, {}, {}};
  size_t lines = 0, points = 0;
  for (auto _ : state) {
    ui::OddsHistoryForm form(context);
    form.show();
    form.Open();
    benchmark::DoNotOptimize(form.grab());
    lines = form.shown() ? form.shown()->lines.size() : 0;
    points = form.shown() ? form.shown()->lines.front().points.size() : 0;
    form.close();
  }
  if (lines != 18 || points != kSnapshots) {
    state.SkipWithError(("the race was not drawn whole: " + std::to_string(lines) + " lines, " +
                         std::to_string(points) + " points")
                            .c_str());
  }
}
BENCHMARK(BM_OpenOddsHistoryWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace mirtote

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
