#pragma once
// What a dialog started from the main window needs from the program around it: the session,
// a way to run its command as the one command running, the program's exit confirmation and
// its status bar.

#include <functional>
#include <string_view>

#include "shell/session.h"

namespace mirtote::ui {

struct DialogContext {
  Session& session;
  // Runs the command unless another one is running or the program is ending.
  std::function<void(const std::function<void()>& command)> run_command;
  // The exit confirmation of the "全終了" buttons.
  std::function<void()> confirm_exit;
  // A line in the main window's status bar (where a run put its file).
  std::function<void(std::string_view)> show_status;
  // True while a command runs (a window that looks at files on a timer waits for its end).
  std::function<bool()> command_running;
};

}  // namespace mirtote::ui
