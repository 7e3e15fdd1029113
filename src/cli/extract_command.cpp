#include "cli/extract_command.h"

#include "cli/arguments.h"
#include "jravan/archive_extraction.h"

namespace mirtote::cli {

std::vector<UsageLine> ExtractCommand::usage() const {
  return {{"extract ARCHIVE...", "extract JRA-VAN LZH archives into the per-day files",
           "JRA-VAN の LZH ファイルを解凍し、開催日ごとのファイルにします"}};
}

bool ExtractCommand::Parse(const std::vector<std::string>& args, std::string& error) {
  auto parsed = ParseArguments(args, {}, {}, error);
  if (!parsed) return false;
  if (parsed->positional.empty()) {
    error = "an archive expected";
    return false;
  }
  // Archive paths are the user's, taken from where the command was typed.
  archives_.clear();
  for (const std::string& arg : parsed->positional) {
    archives_.push_back(std::filesystem::absolute(arg));
  }
  return true;
}

// An archive that could not be extracted is reported and the others are still handled, but
// the run did not do all it was asked: the status says so.
int ExtractCommand::Run(CommandContext& context, std::ostream&, std::ostream&) {
  const auto result = jravan::ExtractArchives({archives_}, context.session);
  return result.Complete() ? kExitOk : kExitFailed;
}

}  // namespace mirtote::cli
