#pragma once
// The results reports of the results selection, headless:
//   results-dates                                    the date entries, one per line
//   results-race --date YYYYMMDD --venue NAME --race N
//   results-day  --date YYYYMMDD --venues NAME[,NAME...] [--races LIST]
// The reports go to standard output as the viewers save them (the day report as "全結果").

#include <array>
#include <string>

#include "cli/command.h"
#include "results/results_report.h"

namespace mirtote::cli {

class ResultsDatesCommand : public Command {
 public:
  std::string_view name() const override { return "results-dates"; }
  std::vector<UsageLine> usage() const override;
  bool Parse(const std::vector<std::string>& args, std::string& error) override;
  int Run(CommandContext& context, std::ostream& out, std::ostream& err) override;
};

class ResultsRaceCommand : public Command {
 public:
  std::string_view name() const override { return "results-race"; }
  std::vector<UsageLine> usage() const override;
  bool Parse(const std::vector<std::string>& args, std::string& error) override;
  int Run(CommandContext& context, std::ostream& out, std::ostream& err) override;

 private:
  results::ResultsRaceRequest request_;
};

class ResultsDayCommand : public Command {
 public:
  std::string_view name() const override { return "results-day"; }
  std::vector<UsageLine> usage() const override;
  bool Parse(const std::vector<std::string>& args, std::string& error) override;
  int Run(CommandContext& context, std::ostream& out, std::ostream& err) override;

 private:
  results::ResultsDayRequest request_;
};

}  // namespace mirtote::cli
