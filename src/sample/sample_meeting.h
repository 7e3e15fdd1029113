#pragma once
// A made-up weekend meeting for trying every command on: 東京 and 京都, Saturday 9 and
// Sunday 10 May 1998, 12 races each of 8 to 18 runners, with scratched horses, a horse
// excluded at the start, one that did not finish, a demoted horse and a dead heat for 2nd.
// Everything is drawn from fixed seeds with integer arithmetic, so the bytes never change.

#include <optional>
#include <string>
#include <vector>

#include "pat/pat_file.h"
#include "sample/race_data.h"
#include "sample/results_data.h"

namespace mirtote::sample {

struct SampleRace {
  RaceCardFields card;              // one entry per horse number, scratched horses included
  std::vector<HorseFields> horses;  // in horse-number order
  std::vector<int> strengths;       // per horse; 0 for a scratched horse
  std::string odds_time;            // "HHMM", ten minutes before the post time
};

struct SampleDay {
  std::string venue_code;  // "05"
  std::string date8;       // "19980510"
  std::string stem;        // "東京19980510"
  std::vector<SampleRace> races;
};

struct SampleMeeting {
  std::vector<SampleDay> days;  // Saturday's two venues, then Sunday's
  std::vector<JockeyFields> jockeys;
  std::string trainers;  // the trainer file as delivered (its layout is not read)
};

SampleMeeting PlanMeeting();

// The race's PAT odds: win and place odds from the strengths, pair odds from the chance that
// both horses fill the first two places; scratched horses and their pairs are not sold.
struct SampleOdds {
  pat::ZoContent zo;
  std::optional<pat::UoContent> uo;  // more than 8 runners
};
SampleOdds SampleOddsOf(const SampleRace& race);

// The odds file lines of the race (TARGET's OD*.CSV layout), CR LF after each.
std::string SampleCsvLines(const SampleRace& race, const SampleOdds& odds);

// The confirmed result of the race, paying at its odds, and PAT's result file (KS file).
ResultsFields SampleResult(const SampleRace& race, const SampleOdds& odds);
std::string SampleKsFile(const SampleRace& race, const ResultsFields& result);

}  // namespace mirtote::sample
