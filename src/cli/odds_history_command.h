#pragma once
// odds-history --list | --drops | --date --venue --race: questions of the odds history
// store, answered on standard output (CP932, or UTF-8 with --utf8; CR LF lines).

#include "cli/command.h"
#include "history/history_query.h"

namespace mirtote::cli {

class OddsHistoryCommand : public Command {
 public:
  std::string_view name() const override { return "odds-history"; }
  std::vector<UsageLine> usage() const override;
  bool Parse(const std::vector<std::string>& args, std::string& error) override;
  int Run(CommandContext& context, std::ostream& out, std::ostream& err) override;

 private:
  history::OddsHistoryRequest request_;
};

}  // namespace mirtote::cli
