#pragma once
// The placing table of the single-race results report: one line per finisher in order of
// place (dead heats together, in horse-number order), then one line per horse without a
// placing (scratched, excluded, did not finish, disqualified).

#include <string>
#include <string_view>

#include "results/results_record.h"
#include "shell/host.h"
#include "text/files.h"

namespace mirtote::results {

struct PlacingSources {
  const text::RecordFile& horses;   // the day's horse file (1825-byte records)
  const text::RecordFile& jockeys;  // the jockey file (1065-byte records)
};

// The table's lines, each ending in CR LF (no rule lines). A jockey code missing from the
// jockey file is reported through `host` ("騎手コードエラー") and gets a blank name.
std::string PlacingTable(const ResultsRecord& record, const PlacingSources& sources, Host& host);

// Body weight change against the latest earlier race with a weight, four characters
// ("+12 ", " +2 ", "  0 ", " -3 ", "-15 "); four blanks when either weight is not known.
std::string WeightChange(std::string_view body_weight,
                         const std::array<std::string, 5>& earlier_weights);

}  // namespace mirtote::results
