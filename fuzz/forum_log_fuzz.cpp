// A forum odds log through the log conversion into a pseudo-PAT folder: every file written
// is a whole ZO or UO file of the layout, and every message is UTF-8. Inputs of odd length
// are converted in the PAT31 layout, the others in PAT95.

#include "convert/forum_log.h"
#include "fuzz/fuzz_folder.h"
#include "fuzz/fuzz_input.h"
#include "pat/pat_file.h"
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

  for (const auto& message : result.messages) fuzz::CheckText(message);
  for (const auto& path : result.files_written) {
    if (path.parent_path() != start / "FILE") __builtin_trap();
  }
  fuzz::CheckPseudoPatFolder(start / "FILE", pat31 ? pat::kZoSizePat31 : pat::kZoSizePat95,
                             pat31 ? pat::kUoSizePat31 : pat::kUoSizePat95);
  return 0;
}
