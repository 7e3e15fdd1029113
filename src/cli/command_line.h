#pragma once
// The headless program: global options, the working folder check, one command.

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace mirtote::cli {

// The usage text: the program's forms, its options and the commands that exist.
std::string UsageText();

// Runs the command line `args` (without the program name) in `start_folder`: --help prints
// the usage text; otherwise the working folders are checked (as at start-up of the window)
// and the command runs. Returns the exit status: 0 done, 1 ended early, 2 bad usage
// (also when no command is given; the caller opens the window in that case).
int RunCommandLine(const std::vector<std::string>& args, const std::filesystem::path& start_folder,
                   std::ostream& out, std::ostream& err);

}  // namespace mirtote::cli
