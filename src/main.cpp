// Entry point: with a command, runs it headless; without, opens the main window.

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "app/gui_main.h"
#include "cli/command_line.h"
#include "cli/global_options.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);

  std::string error;
  auto line = mirtote::cli::ParseCommandLine(args, error);
  if (line && !line->help && !line->version && line->command.empty()) {
    return mirtote::app::RunGui(argc, argv, line->options);
  }

  // The folder the program was started in; it is never changed.
  std::error_code ec;
  const std::filesystem::path start_folder = std::filesystem::current_path(ec);
  if (ec) {
    std::cerr << "mir_tote: the current folder cannot be read (" << ec.message() << ")\n";
    return 1;
  }
  return mirtote::cli::RunCommandLine(args, start_folder, std::cout, std::cerr);
}
