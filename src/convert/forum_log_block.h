#pragma once
// One odds block of a forum log (the posted odds text of one race) read back into the
// contents of its pseudo-PAT files. Every position read is one that the odds text writes.

#include <optional>
#include <string>
#include <string_view>

#include "convert/source_lines.h"
#include "pat/pat_file.h"

namespace mirtote::convert {

struct LogBlock {
  pat::ZoContent zo;
  std::optional<pat::UoContent> uo;  // more than 8 runners
  char venue_char = 0;
  char day_char = 0;  // the day of the meeting, as the title line gives it
  char race_char = 0;
};

struct BlockOutcome {
  enum class Status {
    kParsed,
    kUnknownVenue,   // the title names no venue: the block is left out
    kTitleAbnormal,  // an edition prefix without the space that ends it
    kFailed          // malformed text or the end of the log inside the block
  };
  Status status = Status::kParsed;
  LogBlock block;
  size_t line = 0;     // the line a message names
  std::string reason;  // kUnknownVenue, kFailed
};

// Reads the block whose title line `title` (line number `title_line`) was just taken from
// `reader`; the reader is left after the block's last line. `title` is read before the
// reader moves on. `time_kind` is written at
// header offset 42 ("01" or "03").
BlockOutcome ParseOddsBlock(const SourceLine& title, size_t title_line, LineReader& reader,
                            std::string_view time_kind);

}  // namespace mirtote::convert
