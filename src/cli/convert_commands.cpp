#include "cli/convert_commands.h"

#include <system_error>

#include "cli/arguments.h"
#include "convert/forum_log.h"
#include "convert/odds_csv.h"

namespace mirtote::cli {

namespace {

// The command ran to its end when every file was converted to its end.
int StatusOf(const convert::ConversionResult& result) {
  return result.stopped || result.sources_failed > 0 ? kExitFailed : kExitOk;
}

}  // namespace

bool ConvertCommand::Parse(const std::vector<std::string>& args, std::string& error) {
  auto parsed = ParseArguments(args, {}, {}, error);
  if (!parsed) return false;
  if (parsed->positional.empty()) {
    error = "FILE expected";
    return false;
  }
  // File names are taken as the shell gives them, relative to the folder the command runs in.
  for (const std::string& file : parsed->positional) {
    std::error_code ignored;
    files_.push_back(std::filesystem::absolute(file, ignored));
  }
  return true;
}

std::vector<UsageLine> ConvertLogCommand::usage() const {
  return {{"convert-log FILE...", "forum odds logs to pseudo-PAT files",
           "会議室ログから疑似PATファイルを作ります"}};
}

int ConvertLogCommand::Run(CommandContext& context, std::ostream&, std::ostream&) {
  return StatusOf(convert::ConvertForumLogs({files_}, context.session));
}

std::vector<UsageLine> ConvertCsvCommand::usage() const {
  return {{"convert-csv FILE...", "odds CSV files (OD*.CSV) to pseudo-PAT files",
           "オッズファイル（OD*.CSV）から疑似PATファイルを作ります"}};
}

int ConvertCsvCommand::Run(CommandContext& context, std::ostream&, std::ostream&) {
  return StatusOf(convert::ConvertOddsCsvFiles({files_}, context.session));
}

}  // namespace mirtote::cli
