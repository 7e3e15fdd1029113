#include "cli/arguments.h"

namespace mirtote::cli {

namespace {

// A race number 1-12 written with one or two digits.
std::optional<int> RaceNumber(std::string_view text) {
  if (text.empty() || text.size() > 2) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < 1 || value > 12) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::string> ParsedArguments::Value(const std::string& option) const {
  auto it = values.find(option);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

std::optional<ParsedArguments> ParseArguments(const std::vector<std::string>& args,
                                              const std::set<std::string>& value_options,
                                              const std::set<std::string>& flag_options,
                                              std::string& error) {
  ParsedArguments parsed;
  bool options_ended = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options_ended || arg.size() < 2 || arg[0] != '-') {
      parsed.positional.push_back(arg);
      continue;
    }
    if (arg == "--") {
      options_ended = true;
      continue;
    }
    size_t equals = arg.find('=');
    std::string name = arg.substr(0, equals);
    if (parsed.Has(name)) {
      error = name + " given twice";
      return std::nullopt;
    }
    if (value_options.count(name)) {
      if (equals != std::string::npos) {
        parsed.values[name] = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        parsed.values[name] = args[++i];
      } else {
        error = name + " needs a value";
        return std::nullopt;
      }
    } else if (flag_options.count(name) && equals == std::string::npos) {
      parsed.flags.insert(name);
    } else {
      error = "unknown option: " + arg;
      return std::nullopt;
    }
  }
  return parsed;
}

std::optional<std::array<bool, 13>> ParseRaceList(std::string_view list) {
  std::array<bool, 13> races{};
  if (list.empty()) return std::nullopt;
  size_t start = 0;
  while (start <= list.size()) {
    size_t comma = list.find(',', start);
    std::string_view item = list.substr(
        start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
    size_t dash = item.find('-');
    std::optional<int> first = RaceNumber(item.substr(0, dash));
    std::optional<int> last =
        dash == std::string_view::npos ? first : RaceNumber(item.substr(dash + 1));
    if (!first || !last || *first > *last) return std::nullopt;
    for (int r = *first; r <= *last; ++r) races[static_cast<size_t>(r)] = true;
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return races;
}

}  // namespace mirtote::cli
