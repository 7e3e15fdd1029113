#include "cli/command_line.h"

#include <exception>
#include <memory>

#include "cli/command_registry.h"
#include "cli/global_options.h"
#include "cli/terminal_host.h"
#include "runtime/qt_settings_store.h"
#include "shell/work_folders.h"

namespace mirtote::cli {

namespace {

constexpr std::string_view kProgram = "mir_tote";

void AppendColumns(std::string& out, std::string_view left, std::string_view right, size_t width) {
  out += "  ";
  out += left;
  if (!right.empty()) {
    out += std::string(left.size() < width ? width - left.size() : 1, ' ');
    out += right;
  }
  out += '\n';
}

int UsageError(std::ostream& err, const std::string& reason) {
  err << kProgram << ": " << reason << "\n\n" << UsageText();
  return kExitUsage;
}

}  // namespace

std::string UsageText() {
  std::string text = "Usage:\n";
  AppendColumns(text, "mir_tote [--settings FILE] [--yes] [--utf8] [--no-splash]",
                "open the main window", 64);
  AppendColumns(text, "mir_tote [--settings FILE] [--yes] [--utf8] COMMAND [ARGS...]",
                "run one command headless", 64);
  text += "\nOptions:\n";
  AppendColumns(text, "--settings FILE",
                "use FILE (INI, groups Startup and Form) instead of the per-user store", 18);
  AppendColumns(text, "--yes", "answer Yes to the questions (otherwise No)", 18);
  AppendColumns(text, "--utf8", "write report text as UTF-8 instead of CP932", 18);
  AppendColumns(text, "--no-splash", "open the main window without the splash window", 18);
  AppendColumns(text, "--help", "show this text", 18);
  text += "\nCommands:\n";
  for (const auto& command : CreateCommands()) {
    for (const UsageLine& line : command->usage()) {
      AppendColumns(text, line.synopsis, line.description, 36);
    }
  }
  text +=
      "\nThe current folder is the start folder; its working folders are checked first.\n"
      "Exit status: 0 the command ran to its end, 1 it ended early, 2 bad usage.\n";
  return text;
}

int RunCommandLine(const std::vector<std::string>& args, const std::filesystem::path& start_folder,
                   std::ostream& out, std::ostream& err) {
  std::string error;
  std::optional<CommandLine> line = ParseCommandLine(args, error);
  if (!line) return UsageError(err, error);
  if (line->help) {
    out << UsageText();
    return kExitOk;
  }
  if (line->command.empty()) return UsageError(err, "no command given");

  const std::string& name = line->command.front();
  std::unique_ptr<Command> command = FindCommand(name);
  if (!command) return UsageError(err, "unknown command: " + name);
  const std::vector<std::string> command_args(line->command.begin() + 1, line->command.end());
  if (!command->Parse(command_args, error)) return UsageError(err, name + ": " + error);

  try {
    auto settings = runtime::QtSettingsStore::Open(line->options.settings_file);
    if (auto problem = settings->Problem()) {
      err << kProgram << ": " << TerminalLines(*problem);
      return kExitFailed;
    }
    TerminalHost host(err, line->options.yes);
    Session session{start_folder, *settings, host};
    if (PrepareWorkFolders(session) != PrepareResult::kReady) return kExitFailed;

    CommandContext context{session, host, line->options};
    int status = command->Run(context, out, err);
    out.flush();
    if (auto problem = settings->Problem()) {
      err << kProgram << ": " << TerminalLines(*problem);
      return kExitFailed;
    }
    return status;
  } catch (const std::exception& e) {
    err << kProgram << ": " << name << ": " << e.what() << "\n";
    return kExitFailed;
  }
}

}  // namespace mirtote::cli
