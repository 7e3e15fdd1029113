#pragma once
// pat-run --market M|D|S --format 0|1|2 [--races LIST] [--no-presale]: the PAT odds run of
// the output dialog, headless. The market is stored as the dialog stores it; format 0 prints
// the clipboard text of the run on standard output once, at the end.

#include <array>

#include "cli/command.h"

namespace mirtote::cli {

class PatRunCommand : public Command {
 public:
  std::string_view name() const override { return "pat-run"; }
  std::vector<UsageLine> usage() const override;
  bool Parse(const std::vector<std::string>& args, std::string& error) override;
  int Run(CommandContext& context, std::ostream& out, std::ostream& err) override;

 private:
  char market_ = 'M';
  char format_ = '0';
  std::array<bool, 13> selection_{};  // index 0 advance sale, 1-12 races
};

}  // namespace mirtote::cli
