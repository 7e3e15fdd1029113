#pragma once
// A settings store that holds the values written during the start-up check in memory and
// stores them only with the first value the command itself stores. A command that stores
// nothing (settings get, a report) so leaves the settings file as it was.

#include <string>
#include <vector>

#include "shell/settings_store.h"

namespace mirtote::cli {

class DeferredSettingsStore : public SettingsStore {
 public:
  explicit DeferredSettingsStore(SettingsStore& store) : store_(store) {}

  std::optional<std::string> Get(std::string_view section, std::string_view key) const override {
    for (auto it = held_.rbegin(); it != held_.rend(); ++it) {
      if (it->section == section && it->key == key) return it->value;
    }
    return store_.Get(section, key);
  }

  void Set(std::string_view section, std::string_view key, std::string_view value) override {
    SetValues({{std::string(section), std::string(key), std::string(value)}});
  }

  void SetValues(const std::vector<SettingValue>& values) override {
    held_.insert(held_.end(), values.begin(), values.end());
    if (holding_) return;
    // The held values and these in one write.
    store_.SetValues(held_);
    held_.clear();
  }

  // The start-up check is over: from now on a value stored goes to the store at once, the
  // held values with it.
  void EndStartUp() { holding_ = false; }

 private:
  SettingsStore& store_;
  bool holding_ = true;
  std::vector<SettingValue> held_;
};

}  // namespace mirtote::cli
