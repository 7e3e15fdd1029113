#pragma once
// What the benchmarks share: a host that shows nothing, and generated data sets kept for the
// whole benchmark run.

#include <filesystem>
#include <map>
#include <memory>

#include "sample/season_data.h"
#include "shell/quiet_host.h"

namespace mirtote::bench {

// The seasons data set of that many race-card files, written once per benchmark run into
// the temporary folder, with the odds-log folder the posting writes to.
inline const std::filesystem::path& SeasonsDataSet(int race_card_files) {
  namespace fs = std::filesystem;
  static std::map<int, std::unique_ptr<fs::path>> sets;
  auto& set = sets[race_card_files];
  if (!set) {
    set = std::make_unique<fs::path>(fs::temp_directory_path() /
                                     ("mirtote_bench_" + std::to_string(race_card_files)));
    fs::remove_all(*set);
    sample::WriteSeasons(*set, {.race_card_files = race_card_files, .jockeys = 1000});
    fs::create_directories(*set / "FILE" / "File");
  }
  return *set;
}

}  // namespace mirtote::bench
