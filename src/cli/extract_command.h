#pragma once
// extract ARCHIVE...: the archive extraction of the menu command, headless, for the archives
// named in that order. Per-day files go into DATA and SEISEKI as from the window.

#include <filesystem>
#include <vector>

#include "cli/command.h"

namespace mirtote::cli {

class ExtractCommand : public Command {
 public:
  std::string_view name() const override { return "extract"; }
  std::vector<UsageLine> usage() const override;
  bool Parse(const std::vector<std::string>& args, std::string& error) override;
  int Run(CommandContext& context, std::ostream& out, std::ostream& err) override;

 private:
  std::vector<std::filesystem::path> archives_;
};

}  // namespace mirtote::cli
