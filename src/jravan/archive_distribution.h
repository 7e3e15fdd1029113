#pragma once
// What one extracted archive brings into DATA, SEISEKI and Work, worked out in memory before
// anything is written, so that the archive can arrive as one.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "jravan/lzh_extract.h"

namespace mirtote::jravan {

namespace fs = std::filesystem;

struct ArchiveFolders {
  fs::path work;     // extraction target
  fs::path data;     // .DEN, .UMA, 騎手.DAT, 調教師.DAT
  fs::path seiseki;  // .SEI
};

struct FileWrite {
  fs::path target;
  std::string bytes;
};

struct FileMove {
  fs::path from;  // the staged file
  fs::path to;    // its name in Work
};

struct DistributionPlan {
  std::vector<FileWrite> writes;   // in the order they are to be written
  std::vector<FileMove> moves;     // files that stay in Work
  std::vector<std::string> notes;  // to be shown once the archive has arrived
  int skipped_records = 0;
  bool known = false;                  // the archive held a file the distribution knows
  std::optional<std::string> failure;  // a staged file could not be read: why
};

// The race cards and horses split into per-day files of DATA, the results into SEISEKI, the
// jockeys and trainers copied into DATA; JRA#HYO1.DAT, JRA#HYO3.DAT, any file not known and
// a horse file without race cards stay in Work. A horse file that comes out empty (no horse
// file in the archive, or none of the day's horses in it) never replaces a non-empty one of
// DATA; neither does an empty jockey or trainer file. `archive_name` is the archive's name
// as the messages show it.
DistributionPlan PlanDistribution(const StagedLzh& staged, std::string_view archive_name,
                                  const ArchiveFolders& folders);

// Whether the distribution acts on a file of this name (ASCII case ignored) and never leaves
// it in Work: such a file found in Work before an archive is extracted was not put there by
// the extraction.
bool IsDistributedName(std::string_view name);

}  // namespace mirtote::jravan
