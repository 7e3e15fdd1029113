#pragma once
// Helpers for the argument parsers of the commands: "--name VALUE" options and flags,
// and race lists such as "1-12" or "7,9-12".

#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace mirtote::cli {

struct ParsedArguments {
  std::map<std::string, std::string> values;  // "--market" -> "M"
  std::set<std::string> flags;                // "--no-presale"
  std::vector<std::string> positional;        // everything else, in order

  bool Has(const std::string& option) const {
    return values.count(option) != 0 || flags.count(option) != 0;
  }
  // The value of an option, or nothing when it was not given.
  std::optional<std::string> Value(const std::string& option) const;
};

// Reads `args`: options in `value_options` take the next argument (or "=VALUE"), options in
// `flag_options` take none, "--" ends the options. An unknown option, a missing value or an
// option given twice is bad usage: nothing is returned and `error` says why.
std::optional<ParsedArguments> ParseArguments(const std::vector<std::string>& args,
                                              const std::set<std::string>& value_options,
                                              const std::set<std::string>& flag_options,
                                              std::string& error);

// Races of a LIST: numbers 1 to 12 and ranges "a-b", separated by commas. Element r (1-12)
// of the result is true when race r is listed; element 0 is unused (false). Nothing when
// the text is not such a list.
std::optional<std::array<bool, 13>> ParseRaceList(std::string_view list);

}  // namespace mirtote::cli
