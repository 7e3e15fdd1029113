#pragma once
// What the window tests share: finding controls by name, and the real main window with its
// real operations under test, with a temporary start folder, a settings store in memory and
// a scripted host.

#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <map>
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

inline QString Q(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// The child of that object name; the test stops when there is none.
template <typename T>
T* Child(const QObject* parent, const std::string& name) {
  T* child = parent->findChild<T*>(QString::fromStdString(name));
  if (child == nullptr) qFatal("no child %s", name.c_str());
  return child;
}

// Moves a shown window to the bottom-right corner of its screen: a viewer then has room only
// above it.
inline void MoveToScreenCorner(QWidget& window) {
  const QRect area = window.screen()->availableGeometry();
  window.move(area.right() + 1 - window.frameGeometry().width(),
              area.bottom() + 1 - window.frameGeometry().height());
}

// A viewer opened from `opener` lies whole on the screen, over none of the opener's buttons.
inline bool PlacedBeside(const QWidget& viewer, const QWidget& opener) {
  const QRect frame = viewer.frameGeometry();
  if (!viewer.screen()->availableGeometry().contains(frame)) return false;
  for (const QPushButton* button : opener.findChildren<QPushButton*>()) {
    if (frame.intersects(QRect(button->mapToGlobal(QPoint(0, 0)), button->size()))) return false;
  }
  return true;
}

struct FormHarness {
  TempFolder folder;
  MemorySettingsStore store;
  ScriptedHost host;
  app::AppContext context{Session{{}, store, host}};
  std::unique_ptr<app::Main_Form> form;
  bool loaded = false;
  fs::path program_folder;  // none: the help file is looked for in the start folder only

  // With `work_folders`, the five working folders exist in the start folder.
  explicit FormHarness(bool work_folders = true) {
    if (work_folders) {
      for (auto name : kWorkFolders) fs::create_directory(folder.path() / name);
    }
  }

  // Builds the window and runs its start-up sequence (without the splash).
  app::Main_Form& Load(std::chrono::milliseconds splash = {}, bool no_splash = true) {
    app::MainFormOptions options;
    options.no_splash = no_splash;
    options.splash_time = splash;
    options.start_folder = folder.path();
    options.program_folder = program_folder;
    form = std::make_unique<app::Main_Form>(context, options);
    loaded = form->MDIForm_Load();
    return *form;
  }

  QAction* Item(const char* name) const { return Child<QAction>(form.get(), name); }
  QAction* Button(const char* key) const {
    for (QAction* action : form->Toolbar1()->actions()) {
      if (action->data().toString() == Q(key)) return action;
    }
    qFatal("no toolbar button %s", key);
  }

  std::string Startup(const char* key) const { return store.GetOr(keys::kStartup, key, "<none>"); }
  std::string Form(const char* key) const { return store.GetOr(keys::kForm, key, "<none>"); }

  // The visible window of that class the main window owns; none: nullptr.
  template <typename T>
  T* Shown() const {
    for (T* window : form->findChildren<T*>()) {
      if (window->isVisible()) return window;
    }
    return nullptr;
  }
};

}  // namespace mirtote::testing

// The names every window test uses.
using namespace std::string_literals;
using mirtote::testing::Child;
using mirtote::testing::FormHarness;
using mirtote::testing::Q;
namespace fs = std::filesystem;
namespace keys = mirtote::keys;
