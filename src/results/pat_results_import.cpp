#include "results/pat_results_import.h"

namespace mirtote::results {

// Not built yet: the "成績" choice does nothing for now.
void RunPatResultsImport(Session&, pat::PatRunState&) {}

}  // namespace mirtote::results
