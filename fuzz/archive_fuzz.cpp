// An LZH archive extracted into an empty folder. Nothing may be written outside that folder:
// the folder sits a few levels deep in the scratch folder, whose whole tree outside it is
// listed before and after. A failure leaves the folder empty; a success leaves only files in
// it, no subfolders.

#include <set>

#include "fuzz/fuzz_folder.h"
#include "jravan/lzh_extract.h"

using namespace mirtote;
namespace fs = std::filesystem;

namespace {

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::ScratchFolder scratch;
  const fs::path& root = scratch.Fresh();
  const fs::path archive = root / "in.lzh";
  const fs::path folder = root / "a" / "b" / "c" / "Work";
  fuzz::WriteInput(archive, std::string_view(reinterpret_cast<const char*>(data), size));
  fs::create_directories(folder);

  const auto before = TreeOutside(root, folder);
  const int status = jravan::ExtractLzh(archive, folder);
  if (TreeOutside(root, folder) != before) __builtin_trap();
  if (!fs::is_directory(folder)) __builtin_trap();
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (status != jravan::kLzhOk || !entry.is_regular_file()) __builtin_trap();
  }
  if (status < jravan::kLzhOk || status > jravan::kLzhWriteFailed) __builtin_trap();
  return 0;
}
