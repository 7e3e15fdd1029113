// Writes made-up data for trying and measuring MIR_TOTE.
//
//   mir_tote_sample seasons START [RACE_CARD_FILES]   DATA of many seasons and one 36-race day
//
// Nothing is taken from elsewhere: every byte comes from the writers of src/sample.

#include <cstdlib>
#include <iostream>
#include <string>

#include "sample/season_data.h"

int main(int argc, char** argv) {
  const std::string usage = "usage: mir_tote_sample seasons START [RACE_CARD_FILES]\n";
  if (argc < 3 || std::string(argv[1]) != "seasons") {
    std::cerr << usage;
    return 2;
  }
  mirtote::sample::SeasonsShape shape;
  if (argc > 3) shape.race_card_files = std::atoi(argv[3]);
  if (shape.race_card_files < 3 || shape.race_card_files > 100000) {
    std::cerr << usage;
    return 2;
  }
  mirtote::sample::WriteSeasons(argv[2], shape);
  return 0;
}
