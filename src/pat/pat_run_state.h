#pragma once
// Values of the PAT runs that live as long as the program: the run options chosen in the
// output dialog and the per-race values that the text builders, the odds tables and the
// posting step hand to each other. The program holds exactly one of these.

#include <array>
#include <string>

namespace mirtote::pat {

struct PatRunState {
  // Index 0: advance-sale pass wanted; 1-12: race r wanted.
  std::array<bool, 13> race_selection{true, true, true, true, true, true, true,
                                      true, true, true, true, true, true};
  char output_format = '0';  // '0' clipboard, '1' NifTerm script, '2' Air Craft script
  std::string posting_text;  // collected over the races of one run
  std::string race_text;     // the race being processed
  std::string subject_line;  // one-line title of the race being processed
  char race_state = '0';     // '1' when the race's text was built
  bool race_card_missing = false;
  bool jockey_missing = false;
};

}  // namespace mirtote::pat
