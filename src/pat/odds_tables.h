#pragma once
// The combination odds tables appended after a race's horse table: quinella matrix for
// more than 8 runners and the bracket quinella matrix, then the closing rule.

#include <filesystem>
#include <string>

namespace mirtote::pat {

// The tables of a race, from its ZO and UO files looked up in `pat_folder` ignoring ASCII
// case; a missing or short file reads as no odds.
std::string BuildOddsTables(const std::filesystem::path& pat_folder, const std::string& zo_name,
                            const std::string& uo_name);

}  // namespace mirtote::pat
