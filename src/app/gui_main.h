#pragma once
// Start of the windowed program (no command on the command line).

#include "runtime/start_options.h"

namespace mirtote::app {

// Creates the application object, runs the start-up sequence and the event loop.
int RunGui(int& argc, char** argv, const runtime::StartOptions& options);

}  // namespace mirtote::app
