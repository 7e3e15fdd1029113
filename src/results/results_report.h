#pragma once
// The results report run of the results selection: the single-race report of one venue and
// race, or the day payout table of each ticked venue, from the results files of SEISEKI.

#include <array>
#include <string>
#include <vector>

#include "results/results_files.h"
#include "shell/session.h"

namespace mirtote::results {

struct ResultsRaceRequest {
  std::string date_stem;  // "19981004"
  int venue_index = -1;   // 0-9; -1 when no venue is chosen
  int race = 0;           // 1-12; 0 when no race is chosen
};

struct ResultsRaceResult {
  bool shown = false;               // a text for the single-race viewer
  std::string text;                 // the report, or "競走馬ファイルがありません"
  std::string label;                // the viewer's label: the race date stem
  bool horse_file_missing = false;  // the text only says that the horse file is missing
};

// Checks the choices (a missing one is reported and ends the run), finds the day's horse file
// in DATA and the race in the venue's results file, and builds the race's report.
ResultsRaceResult RunResultsRaceReport(const ResultsRaceRequest& request, const Session& session);

struct ResultsDayRequest {
  std::string date_stem;
  std::string date_entry;  // "1998年10月 4日", the viewer's caption
  std::array<bool, kVenueCount> venues{};
  std::array<bool, kRaceCount> races{};
};

struct VenueReport {
  std::string venue;  // tab caption: the venue name
  std::string text;
};

struct ResultsDayResult {
  bool shown = false;
  std::vector<VenueReport> venues;  // one per ticked venue, in venue order
  std::string caption;              // the date entry
};

// Checks the choices and builds the day payout table of every ticked venue. A ticked venue
// without a results file on the day is reported and ends the run.
ResultsDayResult RunResultsDayReport(const ResultsDayRequest& request, const Session& session);

}  // namespace mirtote::results
