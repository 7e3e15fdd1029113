// Writes made-up data for trying and measuring MIR_TOTE.
//
//   mir_tote_sample start START                      the sample meeting's start folder
//   mir_tote_sample seasons START [RACE_CARD_FILES]   DATA of many seasons and one 36-race day
//
// Nothing is taken from elsewhere: every byte comes from the writers of src/sample.

#include <cstdlib>
#include <iostream>
#include <string>

#include "sample/sample_start_folder.h"
#include "sample/season_data.h"

namespace {

int Usage() {
  std::cerr << "usage: mir_tote_sample start START\n"
               "       mir_tote_sample seasons START [RACE_CARD_FILES]\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "start" && argc == 3) {
    const auto result = mirtote::sample::WriteSampleStartFolder({argv[2], MIRTOTE_HELP_FILE});
    if (!result.ok) std::cerr << "mir_tote_sample: " << result.error << "\n";
    return result.ok ? 0 : 1;
  }
  if (command != "seasons" || argc < 3 || argc > 4) return Usage();
  mirtote::sample::SeasonsShape shape;
  if (argc > 3) shape.race_card_files = std::atoi(argv[3]);
  if (shape.race_card_files < 3 || shape.race_card_files > 100000) return Usage();
  mirtote::sample::WriteSeasons(argv[2], shape);
  return 0;
}
