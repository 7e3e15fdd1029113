// The PAT odds run's output dialog. (Being built; until then the menu item does nothing.)
#include "app/app_context.h"
#include "app/operations.h"

namespace mirtote::app {
void OpenPatRunDialog(AppContext&) {}
}  // namespace mirtote::app
