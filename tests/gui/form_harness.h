#pragma once
// A main window under test: a temporary start folder, a settings store in memory, a
// scripted host and recording stand-ins for the operations the menus start.

#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/main_form.h"
#include "shell/settings_keys.h"
#include "shell/settings_store.h"
#include "shell/work_folders.h"
#include "support/test_support.h"

// Store values and message texts compare as std::string and print as such.
namespace QTest {
template <>
inline char* toString(const std::string& text) {
  return qstrdup(text.c_str());
}
}  // namespace QTest

namespace mirtote::testing {

struct FormHarness {
  TempFolder folder;
  MemorySettingsStore store;
  ScriptedHost host;
  app::AppContext context{Session{{}, store, host}, {}};
  std::vector<std::string> calls;  // operations started, by name
  std::unique_ptr<app::Main_Form> form;

  // With `work_folders`, the five working folders exist in the start folder.
  explicit FormHarness(bool work_folders = true) {
    if (work_folders) {
      for (auto name : kWorkFolders) fs::create_directory(folder.path() / name);
    }
  }

  app::Main_Form& Make() {
    app::MainFormOptions options;
    options.no_splash = true;
    options.start_folder = folder.path();
    form = std::make_unique<app::Main_Form>(context, options, RecordingOperations());
    return *form;
  }

  // Builds the window and runs its start-up sequence.
  app::Main_Form& Load() {
    Make();
    loaded = form->MDIForm_Load();
    return *form;
  }

  std::string Startup(const char* key) const { return store.GetOr(keys::kStartup, key, "<none>"); }
  std::string Form(const char* key) const { return store.GetOr(keys::kForm, key, "<none>"); }

  bool loaded = false;

 private:
  app::MainFormOperations RecordingOperations() {
    auto record = [this](std::string name) {
      return [this, name](app::AppContext&) { calls.push_back(name); };
    };
    app::MainFormOperations operations;
    operations.pat_run = record("pat_run");
    operations.archive_extraction = record("archive_extraction");
    operations.forum_log_conversion = record("forum_log_conversion");
    operations.odds_csv_conversion = record("odds_csv_conversion");
    operations.results_selection = record("results_selection");
    operations.odds_selection = record("odds_selection");
    operations.folder_settings = record("folder_settings");
    operations.processing_window = record("processing_window");
    return operations;
  }
};

}  // namespace mirtote::testing
