#pragma once
// The PAT results import: the "成績" choice of the PAT run dialog. It walks over PAT's result
// files and posts a results text per selected race through the same posting step as the odds
// run.

#include "pat/pat_run_state.h"
#include "shell/session.h"

namespace mirtote::results {

void RunPatResultsImport(Session& session, pat::PatRunState& state);

}  // namespace mirtote::results
