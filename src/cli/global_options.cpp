#include "cli/global_options.h"

namespace mirtote::cli {

namespace {

// The value of "NAME VALUE" or "NAME=VALUE" at args[i] (i is moved past it); nothing when the
// argument is another option, or, with `error` set, when the value is missing or empty.
std::optional<std::string> ValueOption(const std::vector<std::string>& args, size_t& i,
                                       std::string_view name, std::string_view what,
                                       std::string& error) {
  const std::string& arg = args[i];
  std::string value;
  if (arg == name) {
    if (i + 1 < args.size()) value = args[++i];
  } else if (arg.starts_with(std::string(name) + "=")) {
    value = arg.substr(name.size() + 1);
  } else {
    return std::nullopt;
  }
  if (value.empty()) {
    error = std::string(name) + " needs a " + std::string(what);
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string& error) {
  CommandLine line;
  size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--") {
      ++i;
      break;
    }
    if (arg.size() < 2 || arg[0] != '-') break;  // the command name

    if (arg == "--yes") {
      line.options.yes = true;
    } else if (arg == "--utf8") {
      line.options.utf8 = true;
    } else if (arg == "--no-splash") {
      line.options.no_splash = true;
    } else if (arg == "--help") {
      line.help = true;
    } else if (arg == "--version") {
      line.version = true;
    } else if (auto file = ValueOption(args, i, "--settings", "FILE", error)) {
      if (line.options.settings_file) {
        error = "--settings given twice";
        return std::nullopt;
      }
      line.options.settings_file = *file;
    } else if (auto folder = ValueOption(args, i, "--start-folder", "DIR", error)) {
      if (line.options.start_folder) {
        error = "--start-folder given twice";
        return std::nullopt;
      }
      line.options.start_folder = *folder;
    } else if (!error.empty()) {
      return std::nullopt;
    } else {
      error = "unknown option: " + arg;
      return std::nullopt;
    }
  }
  line.command.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
  return line;
}

}  // namespace mirtote::cli
