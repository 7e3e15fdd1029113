// "MIR_OTTE": the output dialog of the PAT runs.

#include "app/app_context.h"
#include "app/operations.h"
#include "ui/select_format.h"

namespace mirtote::app {

void OpenPatRunDialog(AppContext& context) {
  // One dialog at a time: opened again, it comes forward with its choices as they are.
  if (context.main_window != nullptr) {
    if (auto* open = context.main_window->findChild<ui::SelectFormat*>()) {
      open->show();
      open->raise();
      open->activateWindow();
      return;
    }
  }
  auto* dialog = new ui::SelectFormat(DialogContextOf(context), context.main_window);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->resize(420, 440);
  dialog->show();
}

}  // namespace mirtote::app
