#pragma once
// odds-view (--win | --quinella) --venue V --day D [--races LIST]: the newspaper-style odds
// output, headless. Prints the odds viewer's text as its Save writes it.

#include "cli/command.h"
#include "pat/odds_view.h"

namespace mirtote::cli {

class OddsViewCommand : public Command {
 public:
  std::string_view name() const override { return "odds-view"; }
  std::vector<UsageLine> usage() const override;
  bool Parse(const std::vector<std::string>& args, std::string& error) override;
  int Run(CommandContext& context, std::ostream& out, std::ostream& err) override;

 private:
  pat::OddsViewRequest request_;
};

}  // namespace mirtote::cli
