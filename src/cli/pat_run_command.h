#pragma once
// pat-run --market M|D|S --format 0|1|2 [--races LIST] [--no-presale]: the PAT run of the
// output dialog, headless. Format 0 prints the text the clipboard would hold on standard
// output once, at the end; formats 1 and 2 name the script file written on standard error.
// With --watch it runs again after every fetch of PAT until SIGINT or SIGTERM.

#include "cli/command.h"
#include "pat/pat_run_request.h"

namespace mirtote::cli {

class PatRunCommand : public Command {
 public:
  std::string_view name() const override { return "pat-run"; }
  std::vector<UsageLine> usage() const override;
  bool Parse(const std::vector<std::string>& args, std::string& error) override;
  int Run(CommandContext& context, std::ostream& out, std::ostream& err) override;

 private:
  int Watch(CommandContext& context, std::ostream& out, std::ostream& err);

  pat::PatRunRequest request_;
  bool watch_ = false;
};

}  // namespace mirtote::cli
