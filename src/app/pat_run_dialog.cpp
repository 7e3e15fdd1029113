// "MIR_OTTE": the output dialog of the PAT runs.

#include "app/only_window.h"
#include "app/operations.h"
#include "ui/select_format.h"

namespace mirtote::app {

void OpenPatRunDialog(AppContext& context) {
  // Opened again, it comes forward with its choices as they are.
  ShowOnlyWindow<ui::SelectFormat>(context,
                                   [](ui::SelectFormat& dialog) { dialog.resize(420, 440); });
}

}  // namespace mirtote::app
