#pragma once
// The combination odds tables appended after a race's horse table: quinella matrix for
// more than 8 runners and the bracket quinella matrix, then the closing rule.

#include <filesystem>
#include <string>

#include "pat/pat_run_state.h"

namespace mirtote::pat {

// Appends the tables of the race to state.race_text; does nothing unless state.race_state
// is '1'. The files are looked up in `pat_folder` ignoring ASCII case.
void AppendOddsTables(const std::filesystem::path& pat_folder, const std::string& zo_name,
                      const std::string& uo_name, PatRunState& state);

}  // namespace mirtote::pat
