// A TARGET odds CSV file and the race-card file of its day (joined with the file separator)
// through the CSV conversion into a pseudo-PAT folder: every file written is a whole ZO or UO
// file of the layout, and every message is UTF-8. Inputs of odd length are converted in the
// PAT31 layout, the others in PAT95.

#include "convert/odds_csv.h"
#include "fuzz/fuzz_folder.h"
#include "fuzz/fuzz_input.h"
#include "shell/settings_keys.h"

using namespace mirtote;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::ScratchFolder scratch;
  const std::filesystem::path& start = scratch.Fresh();
  const bool pat31 = size % 2 == 1;
  const auto files = fuzz::SplitFiles(data, size, 2);
  // The sample's day and venue: 東京 on 10 May 1998.
  fuzz::WriteInput(start / "OD980510.CSV", files[0]);
  if (!files[1].empty()) {
    fuzz::WriteInput(start / "DATA" / "東京19980510.DEN", files[1]);
  }
  std::filesystem::create_directories(start / "FILE");  // PatFileFolder's default

  MemorySettingsStore settings;
  settings.Set(keys::kStartup, keys::kPatType, pat31 ? "PAT31" : "PAT95");
  QuietHost host;
  const Session session{start, settings, host};
  const auto result = convert::ConvertOddsCsvFiles({{"OD980510.CSV"}}, session);

  fuzz::CheckConversion(result, start / "FILE", pat31);
  return 0;
}
