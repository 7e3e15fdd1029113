// Building and reading PAT odds files, and parsing the fixed records, for one meeting day
// (12 races) per iteration.

#include <benchmark/benchmark.h>

#include <string>

#include "jravan/race_card_record.h"
#include "pat/pat_file.h"
#include "results/results_record.h"
#include "text/files.h"

namespace {

using namespace mirtote;

pat::PatHeader Header(int race) {
  pat::PatHeader h;
  h.date8 = "19981004";
  h.venue_name = "東京";
  h.century2 = "19";
  h.year2 = "98";
  h.meeting2 = "04";
  h.day2 = "02";
  h.race2 = std::to_string(race);  // the writer right-aligns it
  h.time_kind2 = "01";
  h.time4 = "1540";
  h.race_name = "毎日王冠";
  h.conditions = "サラ系４歳上オープン";
  h.runners = 18;
  return h;
}

pat::ZoContent Zo(int race) {
  pat::ZoContent zo;
  zo.header = Header(race);
  for (int i = 0; i < pat::kMaxHorses; ++i) {
    zo.horses[i] = {pat::HorseOdds::State::kRunning, pat::OddsText(15 + 37 * i),
                    pat::OddsText(11 + i), pat::OddsText(20 + 3 * i)};
  }
  for (auto& b : zo.brackets) b = {pat::PairOdds::State::kSold, "12.3", 0, 0};
  return zo;
}

pat::UoContent Uo(int race) {
  pat::UoContent uo;
  uo.header = Header(race);
  uo.pairs.assign(pat::kQuinellaPairs, {pat::PairOdds::State::kSold, "123.4", 0, 0});
  return uo;
}

void BM_BuildPatFiles(benchmark::State& state) {
  const auto layout = state.range(0) ? pat::PatLayout::kPat31 : pat::PatLayout::kPat95;
  const pat::ZoContent zo = Zo(11);
  const pat::UoContent uo = Uo(11);
  for (auto _ : state) {
    for (int race = 1; race <= 12; ++race) {
      benchmark::DoNotOptimize(pat::BuildZoFile(zo, layout));
      benchmark::DoNotOptimize(pat::BuildUoFile(uo, layout));
    }
  }
}
BENCHMARK(BM_BuildPatFiles)->Arg(0)->Arg(1);

void BM_ReadPatFiles(benchmark::State& state) {
  const std::string zo = pat::BuildZoFile(Zo(11), pat::PatLayout::kPat95);
  const std::string uo = pat::BuildUoFile(Uo(11), pat::PatLayout::kPat95);
  for (auto _ : state) {
    for (int race = 1; race <= 12; ++race) {
      const pat::ZoReader z(zo);
      const pat::UoReader u(uo);
      benchmark::DoNotOptimize(z.RaceKey("05"));
      benchmark::DoNotOptimize(z.Text(pat::kOffsetRaceName, 28));
      const int n = z.RunnerCount();
      for (int i = 1; i <= n; ++i) {
        benchmark::DoNotOptimize(z.WinOdds(i));
        benchmark::DoNotOptimize(z.PlaceLow(i));
        benchmark::DoNotOptimize(z.PlaceHigh(i));
      }
      for (int k = 1; k <= pat::kBracketPairs; ++k) benchmark::DoNotOptimize(z.BracketOdds(k));
      for (int k = 1; k <= pat::QuinellaPairCount(n); ++k) {
        benchmark::DoNotOptimize(u.QuinellaOdds(k));
      }
    }
  }
}
BENCHMARK(BM_ReadPatFiles);

void BM_ParseRaceCardRecords(benchmark::State& state) {
  std::string record(jravan::kRaceCardLength, '0');
  record.replace(17, 8, "\x96\x88\x93\xfa\x89\xa4\x8a\xa5");  // 毎日王冠
  for (auto _ : state) {
    for (int race = 1; race <= 12; ++race) {
      benchmark::DoNotOptimize(jravan::RaceCardRecord::Parse(record));
    }
  }
}
BENCHMARK(BM_ParseRaceCardRecords);

void BM_FindAndParseResults(benchmark::State& state) {
  std::string bytes;
  for (int race = 1; race <= 12; ++race) {
    std::string record(results::kResultsLength, '0');
    record[6] = static_cast<char>('0' + race / 10);  // race number, two digits
    record[7] = static_cast<char>('0' + race % 10);
    bytes += record;
  }
  const mirtote::text::RecordFile file(bytes, results::kResultsLength);
  for (auto _ : state) {
    for (int race = 1; race <= 12; ++race) {
      benchmark::DoNotOptimize(results::FindRace(file, race));
    }
  }
}
BENCHMARK(BM_FindAndParseResults);

}  // namespace

BENCHMARK_MAIN();
