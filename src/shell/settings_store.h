#pragma once
// The settings store: a two-level table section -> key -> text value.
// A missing key and an empty value are different; every reader gives its own default.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirtote {

// One value to store.
struct SettingValue {
  std::string section, key, value;
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or nothing when the key does not exist.
  virtual std::optional<std::string> Get(std::string_view section, std::string_view key) const = 0;
  // Creates or replaces the key; the value is stored at once.
  virtual void Set(std::string_view section, std::string_view key, std::string_view value) = 0;
  // Stores the values in order; a store kept in a file writes it once for all of them.
  virtual void SetValues(const std::vector<SettingValue>& values) {
    for (const SettingValue& v : values) Set(v.section, v.key, v.value);
  }

  // The stored text, or `fallback` when the key does not exist (an empty value stays empty).
  std::string GetOr(std::string_view section, std::string_view key,
                    std::string_view fallback) const {
    auto value = Get(section, key);
    return value ? *value : std::string(fallback);
  }
};

// A store held in memory only: tests and throw-away runs.
class MemorySettingsStore : public SettingsStore {
 public:
  std::optional<std::string> Get(std::string_view section, std::string_view key) const override {
    auto it = values_.find(Compose(section, key));
    if (it == values_.end()) return std::nullopt;
    return it->second;
  }
  void Set(std::string_view section, std::string_view key, std::string_view value) override {
    values_[Compose(section, key)] = std::string(value);
  }
  size_t size() const { return values_.size(); }

 private:
  static std::string Compose(std::string_view section, std::string_view key) {
    return std::string(section) + '/' + std::string(key);
  }
  std::map<std::string, std::string> values_;
};

}  // namespace mirtote
