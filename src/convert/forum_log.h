#pragma once
// Forum odds log conversion: every odds block of the chosen logs becomes a ZO file and, for
// more than 8 runners, a UO file in the pseudo-PAT folder, in the layout of `PatType`.

#include <filesystem>
#include <vector>

#include "convert/conversion.h"
#include "shell/session.h"

namespace mirtote::convert {

struct ForumLogRequest {
  std::vector<std::filesystem::path> logs;  // in the order chosen; relative to the start folder
};

using ForumLogResult = ConversionResult;

// Converts the logs one after the other, each with its progress and its end message. A log
// is read line by line; each of its files is written once, with the last block of its race.
// A log that cannot be read or ends inside an odds block is reported and left; the files
// of its earlier blocks stay. A log without any odds block is told as a failure.
ForumLogResult ConvertForumLogs(const ForumLogRequest& request, const Session& session);

}  // namespace mirtote::convert
