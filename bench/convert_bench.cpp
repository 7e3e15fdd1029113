// The two odds source conversions, each beside its floor: the input read once and the files it
// gives written once through the careful writer. The forum logs are the posted text of the
// seasons data set's day: one posting of 36 races, and a day of 50 postings of 24 races
// (1,200 odds blocks). The odds CSV file holds 36 races of 16 runners (576 lines).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

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

constexpr int kPostings = 50;

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
  fs::path log, day_log, csv;

  explicit Conversion(const fs::path& root) : session{root, settings, host} {
    settings.Set(keys::kStartup, keys::kPatType, "PAT95");
    settings.Set(keys::kStartup, keys::kPatFileFolder, "PSEUDO");
    fs::create_directories(root / "PSEUDO");
    pat::PatRunRequest request;
    request.format = pat::OutputFormat::kNifTerm;
    // The script file is written again by the next run: the day's posting is kept apart.
    log = root / "POSTING.ODS";
    text::WriteFileAtomic(log, *text::ReadWholeFile(pat::RunPatOdds(request, session).script_file));
    // A posting of races 5 to 12, made 50 times over the day.
    for (int race = 1; race <= 4; ++race) request.selection.races[race - 1] = false;
    const std::string posting = *text::ReadWholeFile(pat::RunPatOdds(request, session).script_file);
    std::string day;
    for (int i = 0; i < kPostings; ++i) day += posting;
    day_log = root / "DAY.ODS";
    text::WriteFileAtomic(day_log, day);
    csv = root / "OD980510.CSV";
    text::WriteFileAtomic(csv, CsvDay());
  }
};

Conversion& DataSet() {
  static Conversion conversion(bench::SeasonsDataSet(100));
  return conversion;
}

template <typename Convert>
void RunConversion(benchmark::State& state, const fs::path& source, int races, Convert convert) {
  Conversion& c = DataSet();
  convert::ConversionResult result;
  for (auto _ : state) result = convert({{source}}, c.session);
  if (result.races_written != races) state.SkipWithError("the source did not convert whole");
  state.counters["files"] = static_cast<double>(result.files_written.size());
  state.counters["MB"] = static_cast<double>(fs::file_size(source)) / 1e6;
}

// The source read once (in one piece) and the files its conversion gives written once.
void RunFloor(benchmark::State& state, const fs::path& source,
              const std::vector<fs::path>& outputs) {
  std::vector<std::pair<fs::path, std::string>> files;
  for (const fs::path& path : outputs) files.emplace_back(path, *text::ReadWholeFile(path));
  for (auto _ : state) {
    benchmark::DoNotOptimize(text::ReadWholeFile(source, size_t{1} << 30));
    for (const auto& [path, bytes] : files) text::WriteFileAtomic(path, bytes);
  }
  state.counters["files"] = static_cast<double>(files.size());
}

void BM_ForumLogDay(benchmark::State& state) {
  RunConversion(state, DataSet().log, 36, convert::ConvertForumLogs);
}

void BM_ForumLogDayFloor(benchmark::State& state) {
  Conversion& c = DataSet();
  RunFloor(state, c.log, convert::ConvertForumLogs({{c.log}}, c.session).files_written);
}

void BM_ForumLog50Postings(benchmark::State& state) {
  RunConversion(state, DataSet().day_log, 24 * kPostings, convert::ConvertForumLogs);
}

void BM_ForumLog50PostingsFloor(benchmark::State& state) {
  Conversion& c = DataSet();
  RunFloor(state, c.day_log, convert::ConvertForumLogs({{c.day_log}}, c.session).files_written);
}

void BM_OddsCsvDay(benchmark::State& state) {
  RunConversion(state, DataSet().csv, 36, convert::ConvertOddsCsvFiles);
}

void BM_OddsCsvDayFloor(benchmark::State& state) {
  Conversion& c = DataSet();
  RunFloor(state, c.csv, convert::ConvertOddsCsvFiles({{c.csv}}, c.session).files_written);
}

BENCHMARK(BM_ForumLogDay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ForumLogDayFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ForumLog50Postings)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ForumLog50PostingsFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OddsCsvDay)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OddsCsvDayFloor)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirtote

BENCHMARK_MAIN();
