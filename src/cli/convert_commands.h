#pragma once
// convert-log FILE... and convert-csv FILE...: the forum odds log and odds CSV conversions,
// headless. The pseudo-PAT files go where the window writes them (PatFileFolder, in the
// layout of PatType); messages become blocks on standard error.

#include <filesystem>

#include "cli/command.h"

namespace mirtote::cli {

// The shape both commands share: one or more source files, no options.
class ConvertCommand : public Command {
 public:
  bool Parse(const std::vector<std::string>& args, std::string& error) override;

 protected:
  std::vector<std::filesystem::path> files_;  // absolute, in the order given
};

class ConvertLogCommand : public ConvertCommand {
 public:
  std::string_view name() const override { return "convert-log"; }
  std::vector<UsageLine> usage() const override;
  int Run(CommandContext& context, std::ostream& out, std::ostream& err) override;
};

class ConvertCsvCommand : public ConvertCommand {
 public:
  std::string_view name() const override { return "convert-csv"; }
  std::vector<UsageLine> usage() const override;
  int Run(CommandContext& context, std::ostream& out, std::ostream& err) override;
};

}  // namespace mirtote::cli
