#include "results/pat_results_import.h"

namespace mirtote::results {

// Not built yet: the "成績" choice posts nothing for now.
pat::PatRunResult RunPatResultsImport(const pat::PatRunRequest&, const Session&) {
  return {};
}

}  // namespace mirtote::results
