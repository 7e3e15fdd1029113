#pragma once
// The splits of the data service's multi-day files into per-day files: race cards and their
// horses (.DEN, .UMA) and results (.SEI). Records are copied as raw bytes. The files are
// built in memory; writing them is the caller's.

#include <string>
#include <string_view>
#include <vector>

#include "text/files.h"

namespace mirtote::jravan {

// A per-day file: its name in the target folder ("東京19980509.DEN") and its bytes.
struct DayFile {
  std::string name;
  std::string bytes;
};

struct SplitFiles {
  std::vector<DayFile> files;  // in the order they are to be written
  int skipped_records = 0;     // records whose venue code or date cannot name a file
};

// The 10-character stem of the day a race-card or results record starts: venue name, century
// ("19" for years 50-99, "20" for 00-49), year and month-day. Empty when the venue code is not
// "01"-"10" or the year or date is not all digits.
std::string DayStem(std::string_view record);

// Race cards grouped by day key (the first 6 bytes) into stem + ".DEN", each followed by
// stem + ".UMA" with the horse record of every entry with a horse id, in entry order. Days
// come in the order they first appear, each with all its records in file order (days whose
// records alternate each get all theirs). A horse is searched from the record after the
// previous match, going round to the first record at the end; a horse not found adds nothing.
SplitFiles SplitRaceCards(const text::RecordFile& cards, const text::RecordFile& horses);

// Results grouped by day key into stem + ".SEI", as the race cards are.
SplitFiles SplitResults(const text::RecordFile& results);

}  // namespace mirtote::jravan
