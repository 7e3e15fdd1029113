// Stand-in for the windowed program until the main window is built.

#include <cstdio>

#include "app/gui_main.h"

namespace mirtote::app {

int RunGui(int&, char**, const StartOptions&) {
  std::fputs("window not built yet\n", stderr);
  return 1;
}

}  // namespace mirtote::app
