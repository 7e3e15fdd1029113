#include "cli/command_registry.h"

#include "cli/convert_commands.h"
#include "cli/extract_command.h"
#include "cli/odds_history_command.h"
#include "cli/odds_view_command.h"
#include "cli/pat_run_command.h"
#include "cli/results_commands.h"
#include "cli/settings_command.h"

namespace mirtote::cli {

std::vector<std::unique_ptr<Command>> CreateCommands() {
  std::vector<std::unique_ptr<Command>> commands;
  // One line per command.
  commands.push_back(std::make_unique<SettingsCommand>());
  commands.push_back(std::make_unique<PatRunCommand>());
  commands.push_back(std::make_unique<ConvertLogCommand>());
  commands.push_back(std::make_unique<ConvertCsvCommand>());
  commands.push_back(std::make_unique<OddsViewCommand>());
  commands.push_back(std::make_unique<ExtractCommand>());
  commands.push_back(std::make_unique<ResultsDatesCommand>());
  commands.push_back(std::make_unique<ResultsRaceCommand>());
  commands.push_back(std::make_unique<ResultsDayCommand>());
  commands.push_back(std::make_unique<OddsHistoryCommand>());
  return commands;
}

std::unique_ptr<Command> FindCommand(std::string_view name) {
  for (auto& command : CreateCommands()) {
    if (command->name() == name) return std::move(command);
  }
  return nullptr;
}

}  // namespace mirtote::cli
