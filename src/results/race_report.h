#pragma once
// The single-race results report: race header, placing table, payout and prize sections.

#include <string>
#include <string_view>

#include "results/placing_table.h"
#include "results/results_record.h"
#include "shell/host.h"

namespace mirtote::results {

// The whole report of one race of `venue_name`, each line ending in CR LF, closed by one
// rule line.
std::string RaceReport(const ResultsRecord& record, std::string_view venue_name,
                       const PlacingSources& sources, Host& host);

// Pieces of the title lines shared with the day payout table.
// Z(first year digit) Z(second) "年" Z(meeting) "回" venue Z(day) "日目".
std::string MeetingText(const ResultsRecord& record, std::string_view venue_name);
// yy "年" month "月" day "日" "(" weekday ")", a leading zero of month or day as a blank.
std::string RaceDateText(const ResultsRecord& record);

}  // namespace mirtote::results
