#pragma once
// Hand-made results files for the results tests: results records built from named fields,
// written into SEISEKI.

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "sample/results_data.h"
#include "shell/session.h"
#include "shell/settings_store.h"
#include "support/test_support.h"

namespace mirtote::testing {

namespace fs = std::filesystem;

using sample::ResultsFields;
using sample::ResultsRecordBytes;
using sample::SlotFields;
using sample::WriteResultsFile;

// A start folder with a scripted host and the settings in memory.
struct StartFolder {
  TempFolder folder;
  ScriptedHost host;
  MemorySettingsStore settings;
  Session session{folder.path(), settings, host};
};

}  // namespace mirtote::testing
