#pragma once
// A settings store that holds the values written during the start-up check in memory and
// stores them only with the first value the command itself stores. A command that stores
// nothing (settings get, a report) so leaves the settings file as it was.

#include <string>
#include <tuple>
#include <vector>

#include "shell/settings_store.h"

namespace mirtote::cli {

class DeferredSettingsStore : public SettingsStore {
 public:
  explicit DeferredSettingsStore(SettingsStore& store) : store_(store) {}

  std::optional<std::string> Get(std::string_view section, std::string_view key) const override {
    for (auto it = held_.rbegin(); it != held_.rend(); ++it) {
      if (std::get<0>(*it) == section && std::get<1>(*it) == key) return std::get<2>(*it);
    }
    return store_.Get(section, key);
  }

  void Set(std::string_view section, std::string_view key, std::string_view value) override {
    if (holding_) {
      held_.emplace_back(section, key, value);
      return;
    }
    for (const auto& [held_section, held_key, held_value] : held_) {
      store_.Set(held_section, held_key, held_value);
    }
    held_.clear();
    store_.Set(section, key, value);
  }

  // The start-up check is over: from now on a value stored goes to the store at once, the
  // held values with it.
  void EndStartUp() { holding_ = false; }

 private:
  SettingsStore& store_;
  bool holding_ = true;
  std::vector<std::tuple<std::string, std::string, std::string>> held_;
};

}  // namespace mirtote::cli
