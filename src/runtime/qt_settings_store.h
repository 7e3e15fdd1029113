#pragma once
// The settings store kept by QSettings: the per-user store of application MIR_TOTE
// ($XDG_CONFIG_HOME/MIR_TOTE/MIR_TOTE.conf on Linux) or an INI file named by the user.
// Needs no application object (QtCore only), so the window and the command line share it.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "shell/settings_store.h"

class QSettings;

namespace mirtote::runtime {

class QtSettingsStore : public SettingsStore {
 public:
  // The per-user store.
  QtSettingsStore();
  // An INI file (groups Startup and Form); created on the first write.
  explicit QtSettingsStore(const std::filesystem::path& ini_file);
  ~QtSettingsStore() override;
  QtSettingsStore(const QtSettingsStore&) = delete;
  QtSettingsStore& operator=(const QtSettingsStore&) = delete;

  // The per-user store, or the INI file when one is given.
  static std::unique_ptr<QtSettingsStore> Open(const std::optional<std::string>& ini_file);

  std::optional<std::string> Get(std::string_view section, std::string_view key) const override;
  // Stores the value and writes the file at once.
  void Set(std::string_view section, std::string_view key, std::string_view value) override;

  // Path of the file behind the store (UTF-8).
  std::string FilePath() const;
  // A Japanese description of the last failure to read or write the file; nothing when
  // every access worked.
  std::optional<std::string> Problem() const;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace mirtote::runtime
