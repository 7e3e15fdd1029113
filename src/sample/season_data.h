#pragma once
// A large made-up data set for measuring the odds run: DATA holding the race-card files of
// many past meeting days, a 1,000-jockey file, and one 36-race day (東京, 京都 and 阪神, 12
// races of 18 runners each) whose files come last in name order among their venue's, with
// its horse files and its PAT odds files in FILE.

#include <filesystem>

namespace mirtote::sample {

struct SeasonsShape {
  int race_card_files = 3000;  // .DEN files in DATA, the day's three included
  int jockeys = 1000;
};

// Writes the data set below `start` (DATA and FILE). The bytes depend only on `shape`.
void WriteSeasons(const std::filesystem::path& start, const SeasonsShape& shape);

}  // namespace mirtote::sample
