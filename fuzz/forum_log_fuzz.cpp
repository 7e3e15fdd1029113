// A forum odds log through the log conversion into a pseudo-PAT folder: every file written
// is a whole ZO or UO file of the layout, and every message is UTF-8. Inputs of odd length
// are converted in the PAT31 layout, the others in PAT95.

#include "convert/forum_log.h"
#include "fuzz/fuzz_folder.h"
#include "shell/settings_keys.h"

using namespace mirtote;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::ScratchFolder scratch;
  const std::filesystem::path& start = scratch.Fresh();
  const bool pat31 = size % 2 == 1;
  fuzz::WriteInput(start / "forum.ODS",
                   std::string_view(reinterpret_cast<const char*>(data), size));
  std::filesystem::create_directories(start / "FILE");  // PatFileFolder's default

  MemorySettingsStore settings;
  settings.Set(keys::kStartup, keys::kPatType, pat31 ? "PAT31" : "PAT95");
  QuietHost host;
  const Session session{start, settings, host};
  const auto result = convert::ConvertForumLogs({{"forum.ODS"}}, session);

  fuzz::CheckConversion(result, start / "FILE", pat31);
  return 0;
}
