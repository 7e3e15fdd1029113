#pragma once
// settings get [SECTION/]KEY, settings set [SECTION/]KEY VALUE: read or write one value of
// the settings store. The section is Startup or Form (Startup when left out).

#include <string>

#include "cli/command.h"

namespace mirtote::cli {

class SettingsCommand : public Command {
 public:
  std::string_view name() const override { return "settings"; }
  std::vector<UsageLine> usage() const override;
  bool Parse(const std::vector<std::string>& args, std::string& error) override;
  int Run(CommandContext& context, std::ostream& out, std::ostream& err) override;

 private:
  bool set_ = false;
  std::string section_;
  std::string key_;
  std::string value_;
};

}  // namespace mirtote::cli
