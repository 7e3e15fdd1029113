#pragma once
// The options in front of the command that the window and the command line both take.

#include <optional>
#include <string>

namespace mirtote::runtime {

struct StartOptions {
  std::optional<std::string> settings_file;  // --settings FILE: INI file instead of the user store
  bool yes = false;                          // --yes: answer start-up questions with Yes
  bool utf8 = false;                         // --utf8
  bool no_splash = false;                    // --no-splash
};

}  // namespace mirtote::runtime
