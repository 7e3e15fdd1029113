#include "cli/command_line.h"

#include <algorithm>
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

// "  left   english", then the Japanese description under the English one.
void AppendEntry(std::string& out, std::string_view left, std::string_view english,
                 std::string_view japanese, size_t width) {
  if (!japanese.empty() && left.empty() && english.empty()) {
    out += std::string(width + 2, ' ') + std::string(japanese) + "\n";
    return;
  }
  out += "  ";
  out += left;
  if (!english.empty()) {
    out += std::string(left.size() < width ? width - left.size() : 1, ' ');
    out += english;
  }
  out += '\n';
  if (!japanese.empty()) out += std::string(width + 2, ' ') + std::string(japanese) + "\n";
}

int UsageError(std::ostream& err, const std::string& reason) {
  err << kProgram << ": " << reason << "\n"
      << "`mir_tote --help` で使い方を表示します。\n";
  return kExitUsage;
}

std::string CommandUsage(const Command& command) {
  std::string text = "Usage:\n";
  for (const UsageLine& line : command.usage()) {
    AppendEntry(text, line.synopsis, line.description, line.japanese, 36);
  }
  return text;
}

}  // namespace

std::string UsageText() {
  std::string text = "Usage:\n";
  AppendEntry(text, "mir_tote [OPTIONS]", "open the main window", "メインウィンドウを開きます", 40);
  AppendEntry(text, "mir_tote [OPTIONS] COMMAND [ARGS...]", "run one command headless",
              "コマンドを一つ、ウィンドウなしで実行します", 40);
  AppendEntry(text, "mir_tote COMMAND --help", "show the usage of one command",
              "コマンドの使い方を表示します", 40);
  text += "\nOptions:\n";
  AppendEntry(text, "--start-folder DIR", "start folder (default: the current folder)",
              "開始フォルダ（省略時はカレントフォルダ）", 20);
  AppendEntry(text, "--settings FILE",
              "use FILE (INI, groups Startup and Form) instead of the per-user store",
              "利用者ごとの設定の代わりに FILE（INI 形式）を使います", 20);
  AppendEntry(text, "--yes", "answer Yes to the questions (otherwise No)",
              "問い合わせに「はい」と答えます（省略時は「いいえ」）", 20);
  AppendEntry(text, "--utf8", "write report text as UTF-8 instead of CP932",
              "出力を CP932 ではなく UTF-8 で書きます", 20);
  AppendEntry(text, "--no-splash", "open the main window without the splash window",
              "スプラッシュを表示せずにメインウィンドウを開きます", 20);
  AppendEntry(text, "--help", "show this text", "この説明を表示します", 20);
  AppendEntry(text, "--version", "show the version", "バージョンを表示します", 20);
  text += "\nCommands:\n";
  for (const auto& command : CreateCommands()) {
    for (const UsageLine& line : command->usage()) {
      AppendEntry(text, line.synopsis, line.description, line.japanese, 36);
    }
  }
  text +=
      "\nThe start folder's working folders are checked first.\n"
      "Exit status: 0 the command ran to its end, 1 it ended early, 2 bad usage.\n"
      "終了コード: 0 最後まで実行、1 途中で終了、2 使い方の誤り\n";
  return text;
}

int RunCommandLine(const std::vector<std::string>& args, const std::filesystem::path& start_folder,
                   std::ostream& out, std::ostream& err) {
  std::string error;
  std::optional<CommandLine> line = ParseCommandLine(args, error);
  if (!line) return UsageError(err, error);
  if (line->version) {
    out << runtime::kProgramVersion << " (build " << runtime::kBuildVersion << ")\n";
    return kExitOk;
  }
  if (line->help) {
    out << UsageText();
    return kExitOk;
  }
  if (line->command.empty()) return UsageError(err, "no command given");

  const std::string& name = line->command.front();
  std::unique_ptr<Command> command = FindCommand(name);
  if (!command) return UsageError(err, "unknown command: " + name);
  const std::vector<std::string> command_args(line->command.begin() + 1, line->command.end());
  if (std::find(command_args.begin(), command_args.end(), "--help") != command_args.end()) {
    out << CommandUsage(*command);
    return kExitOk;
  }
  if (!command->Parse(command_args, error)) return UsageError(err, name + ": " + error);

  try {
    auto settings = runtime::QtSettingsStore::Open(line->options.settings_file);
    if (auto problem = settings->Problem()) {
      err << kProgram << ": " << TerminalLines(*problem);
      return kExitFailed;
    }
    TerminalHost host(err, line->options.yes);
    std::filesystem::path folder = start_folder;
    if (line->options.start_folder) {
      folder = std::filesystem::absolute(start_folder / *line->options.start_folder);
      std::error_code error;
      if (!std::filesystem::is_directory(folder, error)) {
        err << kProgram << ": 開始フォルダがありません: " << *line->options.start_folder << "\n";
        return kExitFailed;
      }
    }
    Session session{folder, *settings, host};
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
