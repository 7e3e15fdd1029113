#pragma once
// One command of the command line. Each command is a class with its own argument parser;
// its output goes to the streams it is given, so tests can run it in-process.
// New commands are listed in command_registry.cpp.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/terminal_host.h"
#include "runtime/start_options.h"
#include "shell/session.h"

namespace mirtote::cli {

// Exit status of the program.
inline constexpr int kExitOk = 0;      // the command ran to its end (warnings included)
inline constexpr int kExitFailed = 1;  // it ended early on a failure or a refused precondition
inline constexpr int kExitUsage = 2;   // bad usage

// One line of the usage text: the synopsis (starting with the command name) and what it
// does, in English and in Japanese.
struct UsageLine {
  std::string synopsis;
  std::string description;
  std::string japanese = {};
};

// What a running command gets: start folder, settings and host, and the global options.
struct CommandContext {
  Session& session;
  TerminalHost& host;  // holds the clipboard text of the run
  const runtime::StartOptions& options;
};

class Command {
 public:
  virtual ~Command() = default;

  virtual std::string_view name() const = 0;
  virtual std::vector<UsageLine> usage() const = 0;

  // Reads the arguments after the command name. On bad usage returns false with the reason
  // in `error`; the program then ends with status 2 before touching anything.
  virtual bool Parse(const std::vector<std::string>& args, std::string& error) = 0;

  // Runs the parsed command once the working folders are ready: kExitOk or kExitFailed.
  virtual int Run(CommandContext& context, std::ostream& out, std::ostream& err) = 0;
};

}  // namespace mirtote::cli
