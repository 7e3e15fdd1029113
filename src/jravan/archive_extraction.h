#pragma once
// The archive extraction of the data service: each chosen LZH archive is unpacked into Work
// and the files it knows are distributed: race cards and horses into per-day files of DATA,
// results into per-day files of SEISEKI, jockeys and trainers copied into DATA.

#include <filesystem>
#include <vector>

#include "jravan/lzh_extract.h"
#include "shell/host.h"
#include "shell/session.h"

namespace mirtote::jravan {

namespace fs = std::filesystem;

struct ArchiveExtractionRequest {
  std::vector<fs::path> archives;  // in the order chosen
  LzhLimits limits = {};           // what one archive may put into Work
};

struct ArchiveOutcome {
  fs::path archive;
  int status = 0;            // the extraction's LzhStatus: 0 extracted
  bool distributed = false;  // extracted, held files the distribution knows, and all written
};

struct ArchiveExtractionResult {
  std::vector<ArchiveOutcome> archives;  // each archive handled, in order
  std::vector<fs::path> written;         // files written into DATA and SEISEKI, in order
  int skipped_records = 0;               // records that could not name their day's file
  bool stopped = false;  // a file could not be read or written: the command ended there

  // Every archive was extracted and distributed.
  bool Complete() const;
};

// Extracts and distributes each archive in turn, through the folders Work, DATA and SEISEKI
// below the start folder. Only the files of the archive at hand are distributed (names
// matched ignoring ASCII case); files found in Work that the distribution would act on are
// named and left alone. Each archive arrives whole or not at all: an archive that fails to
// extract, or holds nothing the distribution knows, is reported by name, leaves nothing in
// Work, DATA or SEISEKI, and the next one is still handled; a file that cannot be read or
// written is reported, what the archive had written is taken back, and the run ends.
// An empty horse, jockey or trainer file never replaces a non-empty one (said in a message).
ArchiveExtractionResult ExtractArchives(const ArchiveExtractionRequest& request,
                                        const Session& session);

// The open dialog of the menu command: initial folder from JravanFolder (default "Lzh",
// relative to the start folder), the LZH filter.
FileDialogRequest ArchiveDialogRequest(const Session& session);
// The archives of a dialog's answer, in the dialog's order.
std::vector<fs::path> ChosenArchives(const ChosenFiles& chosen);

}  // namespace mirtote::jravan
