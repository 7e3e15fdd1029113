#include "cli/global_options.h"

namespace mirtote::cli {

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
    } else if (arg == "--settings" || arg.starts_with("--settings=")) {
      std::string file;
      if (arg == "--settings") {
        if (i + 1 >= args.size()) {
          error = "--settings needs a FILE";
          return std::nullopt;
        }
        file = args[++i];
      } else {
        file = arg.substr(std::string_view("--settings=").size());
      }
      if (file.empty()) {
        error = "--settings needs a FILE";
        return std::nullopt;
      }
      if (line.options.settings_file) {
        error = "--settings given twice";
        return std::nullopt;
      }
      line.options.settings_file = file;
    } else {
      error = "unknown option: " + arg;
      return std::nullopt;
    }
  }
  line.command.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
  return line;
}

}  // namespace mirtote::cli
