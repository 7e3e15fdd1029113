#pragma once
// Start of the windowed program (no command on the command line).

#include <optional>
#include <string>

namespace mirtote::app {

struct StartOptions {
  std::optional<std::string> settings_file;  // --settings FILE: INI file instead of the user store
  bool yes = false;                          // --yes: answer start-up questions with Yes
  bool utf8 = false;                         // --utf8
  bool no_splash = false;                    // --no-splash
};

// Creates the application object, runs the start-up sequence and the event loop.
int RunGui(int& argc, char** argv, const StartOptions& options);

}  // namespace mirtote::app
