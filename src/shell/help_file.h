#pragma once
// Where the help file is looked for: the start folder first, so that a user's own copy wins,
// then the installed copy beside the program, then the program's own folder (a run from the
// build folder, which keeps a copy next to the program).

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace mirtote {

// The folders searched, in order. Without a program folder only the start folder.
std::vector<std::filesystem::path> HelpFileFolders(const std::filesystem::path& start_folder,
                                                   const std::filesystem::path& program_folder);

// The first plain file, folder by folder, whose name, upper-cased, equals the upper-cased
// `help_file`; nothing when there is none.
std::optional<std::filesystem::path> FindHelpFile(const std::vector<std::filesystem::path>& folders,
                                                  std::string_view help_file);

}  // namespace mirtote
