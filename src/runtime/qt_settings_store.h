#pragma once
// The settings store kept in an INI file: the per-user store of application MIR_TOTE (the file
// QSettings uses, $XDG_CONFIG_HOME/MIR_TOTE/MIR_TOTE.conf on Linux) or an INI file named by
// the user. Read as QSettings reads it; written by the careful writer (temporary file, then
// renamed), one "key=value" line changed and every other line kept as it was.

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "runtime/ini_values.h"
#include "shell/settings_store.h"

namespace mirtote::runtime {

class QtSettingsStore : public SettingsStore {
 public:
  // The per-user store; its folder is created with the first write.
  QtSettingsStore();
  // An INI file (groups Startup and Form), taken below `base_folder` when relative; created
  // on the first write. A file the store
  // could not keep whole (IniFileProblem) is refused: the store then reads nothing, writes
  // nothing, and Problem() says why.
  QtSettingsStore(const std::filesystem::path& ini_file, const std::filesystem::path& base_folder);

  // The per-user store, or the INI file when one is given (relative: below `base_folder`).
  static std::unique_ptr<QtSettingsStore> Open(const std::optional<std::string>& ini_file,
                                               const std::filesystem::path& base_folder);

  std::optional<std::string> Get(std::string_view section, std::string_view key) const override;
  // Stores the value and writes the file at once (not when the value is already stored).
  void Set(std::string_view section, std::string_view key, std::string_view value) override;
  // Rereads the file (keeping what another run stored meanwhile) and writes it once with the
  // values. Nothing is written when a key is not a plain name, a value is not UTF-8, or the
  // file can no longer be kept whole; Problem() then says why.
  void SetValues(const std::vector<SettingValue>& values) override;

  // Called with the Problem() text whenever a write fails (the window tells the user at once;
  // a command reads Problem() when it ends).
  void SetFailureHandler(std::function<void(const std::string&)> handler) {
    failure_handler_ = std::move(handler);
  }

  // Path of the file behind the store.
  std::string FilePath() const;
  // A Japanese description of why the file was refused, or of the last failure to read or
  // write it; nothing when every access worked.
  std::optional<std::string> Problem() const;

 private:
  void Load();
  std::optional<std::string> WriteProblem(const std::vector<SettingValue>& values);

  std::filesystem::path path_;
  bool create_folder_ = false;
  IniValues values_;
  std::optional<std::string> refusal_;
  std::optional<std::string> failure_;
  std::function<void(const std::string&)> failure_handler_;
};

}  // namespace mirtote::runtime
