#pragma once
// The PAT results import: the "成績" choice of the PAT run dialog. It walks over PAT's result
// files and posts a results text per selected race through the same posting step as the odds
// run.

#include "pat/pat_run_request.h"
#include "shell/session.h"

namespace mirtote::results {

pat::PatRunResult RunPatResultsImport(const pat::PatRunRequest& request, const Session& session);

}  // namespace mirtote::results
