#pragma once
// The exit confirmation that the exit command, the toolbar's "終　了", the close of the main
// window and the "全終了" buttons of the other windows share.

namespace mirtote::app {

struct AppContext;

// Asks whether to end the program. Yes: stores the main window's placement and ends the
// program, closing every window (true). No: nothing happens (false).
bool ConfirmExit(AppContext& context);

// Ends the program at once: every window closes without asking anything.
void EndProgram(AppContext& context);

}  // namespace mirtote::app
