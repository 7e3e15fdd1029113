#pragma once
// What the results selection offers: the race days of the results files in SEISEKI, the
// venues that have a file on a day, and the races a venue's file holds.

#include <array>
#include <string>
#include <vector>

#include "results/results_files.h"
#include "shell/session.h"

namespace mirtote::results {

struct ResultsDatesRequest {
  // The one-race mode tells the user when there is no results file at all.
  bool report_none = true;
};

struct ResultsDatesResult {
  std::vector<std::string> entries;  // date entries, sorted, each date once
  int files_found = 0;               // results files in SEISEKI
};

// Lists the days of the results files in SEISEKI below the start folder.
ResultsDatesResult ListResultsDates(const ResultsDatesRequest& request, const Session& session);

struct ResultsVenuesRequest {
  std::string date_stem;  // "19981004"
};

struct ResultsVenuesResult {
  std::array<bool, kVenueCount> present{};  // venue index has a results file on the day
};

ResultsVenuesResult FindResultsVenues(const ResultsVenuesRequest& request, const Session& session);

struct ResultsRacesRequest {
  std::string date_stem;
  int venue_index = -1;
};

struct ResultsRacesResult {
  std::string file_name;                     // venue name + stem + ".SEI"
  std::array<bool, kRaceCount> available{};  // race index has a record in the file
};

// The races of the venue's results file on the day, by the race number of each record.
ResultsRacesResult FindResultsRaces(const ResultsRacesRequest& request, const Session& session);

}  // namespace mirtote::results
