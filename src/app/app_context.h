#pragma once
// What the main window shares with every window and operation it starts; it lives as long
// as the program.

#include <functional>

#include "shell/session.h"
#include "ui/dialog_context.h"

class QWidget;

namespace mirtote::app {

struct AppContext {
  Session session;  // start folder, settings store, Qt host
  QWidget* main_window = nullptr;
  bool command_running = false;  // re-entry guard: one command at a time
  bool ending = false;           // exit confirmed: windows close without asking
};

// Holds the re-entry guard while one command runs; a command starts only when
// CanStartCommand is true.
inline bool CanStartCommand(const AppContext& context) {
  return !context.command_running && !context.ending;
}

class RunningCommand {
 public:
  explicit RunningCommand(AppContext& context) : flag_(context.command_running) { flag_ = true; }
  ~RunningCommand() { flag_ = false; }
  RunningCommand(const RunningCommand&) = delete;
  RunningCommand& operator=(const RunningCommand&) = delete;

 private:
  bool& flag_;
};

// Runs `command` as the one command running, when CanStartCommand allows. A failure that
// escapes it (an exception: out of memory, a fault in a library) ends that command only: the
// busy pointer and the progress window are taken down, the user is told, and the program
// keeps running.
void RunGuardedCommand(AppContext& context, const std::function<void()>& command);

// What the program's dialogs get of the context: the session, the command guard, the exit
// confirmation and the main window's status bar.
ui::DialogContext DialogContextOf(AppContext& context);

}  // namespace mirtote::app
