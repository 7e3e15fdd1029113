// The two odds source conversions on a 36-race day: the forum log is the posted text of the
// seasons data set's day, the odds CSV file holds 36 races of 16 runners (576 lines).

#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_support.h"
#include "convert/forum_log.h"
#include "convert/odds_csv.h"
#include "pat/pat_run.h"
#include "shell/settings_keys.h"
#include "shell/settings_store.h"
#include "text/files.h"

namespace mirtote {
namespace {

namespace fs = std::filesystem;

std::string TwoDigits(int n) {
  return (n < 10 ? "0" : "") + std::to_string(n);
}

// Three venues of 12 races, 16 runners each, every field at its position.
std::string CsvDay() {
  std::string out;
  for (const char* venue : {"05", "06", "08"}) {
    for (int race = 1; race <= 12; ++race) {
      for (int k = 1; k <= 16; ++k) {
        std::string line(270, ' ');
        const auto put = [&](size_t pos, const std::string& s) {
          line.replace(pos - 1, s.size(), s);
        };
        put(1, venue + std::string("9838") + TwoDigits(race));
        put(13, "16");
        put(19, "1530");
        put(24, TwoDigits(k));
        put(28, std::to_string((k + 1) / 2));
        put(42, " 12.3");
        put(50, "  1.5");
        put(58, "  2.5");
        for (size_t p = 1; p <= 18; ++p) put(57 + 8 * p, "  45.6");
        for (size_t b = 1; b <= 8; ++b) put(202 + 8 * b, " 12.3");
        out += line + "\r\n";
      }
    }
  }
  return out;
}

struct Conversion {
  MemorySettingsStore settings;
  QuietHost host;
  Session session;
  fs::path log, csv;

  explicit Conversion(const fs::path& root) : session{root, settings, host} {
    settings.Set(keys::kStartup, keys::kPatType, "PAT95");
    settings.Set(keys::kStartup, keys::kPatFileFolder, "PSEUDO");
    fs::create_directories(root / "PSEUDO");
    pat::PatRunRequest request;
    request.format = pat::OutputFormat::kNifTerm;
    log = pat::RunPatOdds(request, session).script_file;
    csv = root / "OD980510.CSV";
    text::WriteFileAtomic(csv, CsvDay());
  }
};

Conversion& DataSet() {
  static Conversion conversion(bench::SeasonsDataSet(100));
  return conversion;
}

void BM_ForumLogDay(benchmark::State& state) {
  Conversion& c = DataSet();
  int races = 0;
  for (auto _ : state) races = convert::ConvertForumLogs({{c.log}}, c.session).races_written;
  if (races != 36) state.SkipWithError("the log did not convert whole");
}

void BM_OddsCsvDay(benchmark::State& state) {
  Conversion& c = DataSet();
  int races = 0;
  for (auto _ : state) races = convert::ConvertOddsCsvFiles({{c.csv}}, c.session).races_written;
  if (races != 36) state.SkipWithError("the CSV did not convert whole");
}

BENCHMARK(BM_ForumLogDay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OddsCsvDay)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirtote

BENCHMARK_MAIN();
