#pragma once
// The payout information of the results report: the dead-heat flag of a race, and the
// payout and prize sections that close the single-race report.

#include <string>

#include "results/results_record.h"

namespace mirtote::results {

// '0' no dead heat; 'T' a dead heat for the win alone; '1' dead-heat entries to print;
// '2' a seven-runner race with a third place payout after a bracket or quinella dead heat.
char DeadHeatFlag(const ResultsRecord& record);

// "☆★払戻金情報★☆" and the win, place, bracket quinella and quinella lines.
std::string PayoutSection(const ResultsRecord& record, char flag);
// "☆★ 賞金情報 ★☆（単位：千円）", the column header, prize and added money, a rule line.
std::string PrizeSection(const ResultsRecord& record, char flag);

// Shared layout pieces of the results texts.
std::string ResultsRule();                                     // 78 "-"
void AddResultsLine(std::string& out, std::string_view line);  // line + CR LF
std::string PayoutPicture(std::string_view field, int width);  // P(Val(field), width)

}  // namespace mirtote::results
