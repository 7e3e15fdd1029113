#pragma once
// The commands the program knows, in the order the usage text lists them.

#include <memory>
#include <string_view>
#include <vector>

#include "cli/command.h"

namespace mirtote::cli {

// A fresh instance of every command.
std::vector<std::unique_ptr<Command>> CreateCommands();

// The command named `name`, or null.
std::unique_ptr<Command> FindCommand(std::string_view name);

}  // namespace mirtote::cli
