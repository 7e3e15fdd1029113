#pragma once
// The day payout table of one venue: a row per ticked race with the win, place, bracket
// quinella and quinella payouts and the refunded horses, dead-heat rows after a race with a
// dead heat, and the day's average payouts.

#include <array>
#include <string>
#include <string_view>

#include "results/results_files.h"
#include "text/files.h"

namespace mirtote::results {

// `file` is the venue's results file (1323-byte records); record n stands for race n and is
// used when races[n - 1] is ticked. Each line ends in CR LF; the text ends with an empty line.
std::string DayPayoutTable(const text::RecordFile& file, std::string_view venue_name,
                           const std::array<bool, kRaceCount>& races);

}  // namespace mirtote::results
