#pragma once
// What every operation gets from its caller: the start folder, the settings store and
// the user interface. The start folder never changes while the program runs; it is the
// "current folder" that relative folder settings are taken from when no operation runs.

#include <filesystem>

#include "shell/host.h"
#include "shell/settings_store.h"

namespace mirtote {

struct Session {
  std::filesystem::path start_folder;
  SettingsStore& settings;
  Host& host;
};

}  // namespace mirtote
