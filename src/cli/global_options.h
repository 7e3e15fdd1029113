#pragma once
// The options in front of the command: --start-folder DIR, --settings FILE, --yes, --utf8,
// --no-splash, --help, --version.

#include <optional>
#include <string>
#include <vector>

#include "runtime/start_options.h"

namespace mirtote::cli {

struct CommandLine {
  runtime::StartOptions options;
  bool help = false;
  bool version = false;
  // The command name and its arguments; empty when the main window is to be opened.
  std::vector<std::string> command;
};

// Reads the program arguments (without the program name). The first argument that is not
// a global option names the command; everything after it belongs to the command.
// Nothing on bad usage, with the reason in `error`.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& error);

}  // namespace mirtote::cli
