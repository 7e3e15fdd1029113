// An LZH archive extracted into an empty folder, then through the whole extraction job.
// Extraction alone: nothing may be written outside that folder (the folder sits a few levels
// deep in the scratch folder, whose whole tree outside it is listed before and after); a
// failure leaves the folder empty; a success leaves only files in it, no subfolders.
// The job, on a start folder whose DATA and SEISEKI already hold good day files of the
// sample's days: a failed archive leaves Work empty, no file that held bytes is emptied, and
// no hidden file of the extraction stays in DATA or SEISEKI.

#include <map>
#include <set>

#include "fuzz/fuzz_folder.h"
#include "jravan/archive_extraction.h"
#include "jravan/lzh_extract.h"
#include "shell/quiet_host.h"
#include "shell/settings_store.h"

using namespace mirtote;
namespace fs = std::filesystem;

namespace {

// Bounds far below the program's, so that an input that inflates stays quick.
constexpr jravan::LzhLimits kLimits{.file_bytes = 1 << 20, .total_bytes = 4 << 20, .files = 100};

// Every path below `root` except those inside `skip`.
std::set<fs::path> TreeOutside(const fs::path& root, const fs::path& skip) {
  std::set<fs::path> paths;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
       ++it) {
    if (it->path() == skip) {
      it.disable_recursion_pending();
      continue;
    }
    paths.insert(it->path());
  }
  return paths;
}

class NoSettings : public SettingsStore {
 public:
  std::optional<std::string> Get(std::string_view, std::string_view) const override { return {}; }
  void Set(std::string_view, std::string_view, std::string_view) override {}
};

void CheckExtraction(const fs::path& root, const fs::path& archive) {
  const fs::path folder = root / "a" / "b" / "c" / "Work";
  fs::create_directories(folder);
  const auto before = TreeOutside(root, folder);
  const int status = jravan::ExtractLzh(archive, folder, kLimits);
  if (TreeOutside(root, folder) != before) __builtin_trap();
  if (!fs::is_directory(folder)) __builtin_trap();
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (status != jravan::kLzhOk || !entry.is_regular_file()) __builtin_trap();
  }
  if (status < jravan::kLzhOk || status > jravan::kLzhTooLarge) __builtin_trap();
}

// Sizes of the files of DATA and SEISEKI.
std::map<fs::path, uintmax_t> DayFileSizes(const fs::path& start) {
  std::map<fs::path, uintmax_t> sizes;
  for (const char* folder : {"DATA", "SEISEKI"}) {
    for (const auto& entry : fs::directory_iterator(start / folder)) {
      if (entry.is_regular_file()) sizes[entry.path()] = entry.file_size();
    }
  }
  return sizes;
}

void CheckJob(const fs::path& root, const fs::path& archive) {
  const fs::path start = root / "start";
  for (const char* folder : {"Work", "DATA", "SEISEKI"}) fs::create_directories(start / folder);
  for (const char* stem : {"東京19980516", "東京19980517", "京都19980516", "京都19980517"}) {
    for (const char* extension : {".DEN", ".UMA"}) {
      fuzz::WriteInput(start / "DATA" / (std::string(stem) + extension), "good");
    }
    fuzz::WriteInput(start / "SEISEKI" / (std::string(stem) + ".SEI"), "good");
  }
  fuzz::WriteInput(start / "DATA" / "騎手.DAT", "good");
  fuzz::WriteInput(start / "DATA" / "調教師.DAT", "good");
  const auto before = DayFileSizes(start);

  QuietHost host;
  NoSettings settings;
  const auto result = jravan::ExtractArchives({{archive}, kLimits}, {start, settings, host});
  if (!result.Complete() && !fs::is_empty(start / "Work")) __builtin_trap();
  const auto after = DayFileSizes(start);
  for (const auto& [path, size] : after) {
    if (path.filename().string().starts_with(".")) __builtin_trap();  // a kept old file stayed
  }
  for (const auto& [path, size] : before) {
    auto it = after.find(path);
    if (size > 0 && (it == after.end() || it->second == 0)) __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::ScratchFolder scratch;
  const fs::path& root = scratch.Fresh();
  const fs::path archive = root / "in.lzh";
  fuzz::WriteInput(archive, std::string_view(reinterpret_cast<const char*>(data), size));
  CheckExtraction(root, archive);
  CheckJob(root, archive);
  return 0;
}
