#include "shell/help_file.h"

#include <string>

#include "text/chars.h"
#include "text/files.h"

namespace mirtote {

namespace fs = std::filesystem;

std::vector<fs::path> HelpFileFolders(const fs::path& start_folder,
                                      const fs::path& program_folder) {
  std::vector<fs::path> folders{start_folder};
  if (program_folder.empty()) return folders;
  folders.push_back((program_folder / ".." / "share" / "mir_tote").lexically_normal());
  folders.push_back(program_folder);
  return folders;
}

std::optional<fs::path> FindHelpFile(const std::vector<fs::path>& folders,
                                     std::string_view help_file) {
  const std::string wanted = text::AsciiUpper(help_file);
  for (const fs::path& folder : folders) {
    for (const std::string& name : text::ListPlainFiles(folder)) {
      if (text::AsciiUpper(name) == wanted) return folder / name;
    }
  }
  return std::nullopt;
}

}  // namespace mirtote
