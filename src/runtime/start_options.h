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
  std::optional<std::string> start_folder;   // --start-folder DIR: instead of the current folder
};

// "MIR_TOTE 2.00" and the build's version.
inline constexpr const char* kProgramVersion = "MIR_TOTE 2.00";
inline constexpr const char* kBuildVersion = MIRTOTE_BUILD_VERSION;

}  // namespace mirtote::runtime
