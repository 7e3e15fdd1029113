#pragma once
// The combination odds tables appended after a race's horse table: quinella matrix for
// more than 8 runners and the bracket quinella matrix, then the closing rule.

#include <filesystem>
#include <string>
#include <string_view>

namespace mirtote::pat {

// The tables of a race from the bytes of its ZO and UO files; short or empty bytes read as
// no odds (dashes).
std::string BuildOddsTables(std::string_view zo_bytes, std::string_view uo_bytes);
// Whether the tables of a race need its UO file (more than 8 runners).
bool NeedsQuinellaFile(std::string_view zo_bytes);

// The tables of a race, from its ZO and UO files looked up in `pat_folder` ignoring ASCII
// case; a missing or short file reads as no odds.
std::string BuildOddsTables(const std::filesystem::path& pat_folder, const std::string& zo_name,
                            const std::string& uo_name);

}  // namespace mirtote::pat
