#pragma once
// What the main window shares with every window and operation it starts; it lives as long
// as the program.

#include "pat/pat_run_state.h"
#include "shell/session.h"

class QWidget;

namespace mirtote::app {

struct AppContext {
  Session session;           // start folder, settings store, Qt host
  pat::PatRunState pat_run;  // run options and per-race values of the PAT runs
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

}  // namespace mirtote::app
