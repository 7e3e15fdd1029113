// A ZO file and a UO file (joined with the file separator) through the PAT file readers and
// the odds tables of a race.

#include "fuzz/fuzz_input.h"
#include "pat/odds_tables.h"
#include "pat/pat_file.h"

using namespace mirtote;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto files = fuzz::SplitFiles(data, size, 2);
  const pat::ZoReader zo(files[0]);
  const pat::UoReader uo(files[1]);
  std::string fields = zo.RaceKey("05");
  if (zo.RunnerCount() < 0 || zo.RunnerCount() > 99) __builtin_trap();
  // One slot before and after each run of slots, as a careless caller would ask.
  for (int horse = 0; horse <= pat::kMaxHorses + 1; ++horse) {
    fields += zo.WinOdds(horse);
    fields += zo.PlaceLow(horse);
    fields += zo.PlaceHigh(horse);
    fields += zo.HorseState(horse);
  }
  for (int k = 0; k <= pat::kBracketPairs + 1; ++k) fields += zo.BracketOdds(k);
  for (int k = 0; k <= pat::kQuinellaPairs + 1; ++k) fields += uo.QuinellaOdds(k);
  fuzz::CheckText(zo.Text(pat::kOffsetVenueName, 4) + zo.Text(pat::kOffsetRaceName, 28) +
                  zo.Text(pat::kOffsetConditions, 64));
  fuzz::CheckText(pat::BuildOddsTables(files[0], files[1]));
  return 0;
}
