#pragma once
// The header lines of a race's odds text and the subject line of its forum post, built from
// the race's race-card record.

#include <string>
#include <string_view>

#include "jravan/race_card_record.h"

namespace mirtote::pat {

// The fetch time of the advance-sale pass.
inline constexpr std::string_view kAdvanceSaleFetchTime = "00:99";

// The rule, title, race name, conditions and dashed rule lines, each ending with CR LF.
// `fetch_time` is "H:MM" with a space before a one-digit hour (" 9:05", "15:35").
std::string BuildRaceHeader(const jravan::RaceCardRecord& card, std::string_view venue_name,
                            std::string_view fetch_time);

// The subject line of the forum post (no line end); `advance_sale` gives the advance-sale
// form with the start of the race name.
std::string BuildSubjectLine(const jravan::RaceCardRecord& card, std::string_view venue_name,
                             std::string_view fetch_time, bool advance_sale);

}  // namespace mirtote::pat
