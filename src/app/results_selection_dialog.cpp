// "確定成績表示(JRA-VAN成績ﾃﾞｰﾀ利用)": the results selection.

#include "app/app_context.h"
#include "app/operations.h"
#include "ui/s_data_select.h"

namespace mirtote::app {

void OpenResultsSelection(AppContext& context) {
  // One form at a time: opened again, it comes forward with its date list built afresh.
  ui::SDataSelect* form = nullptr;
  if (context.main_window != nullptr) form = context.main_window->findChild<ui::SDataSelect*>();
  if (form == nullptr) {
    form = new ui::SDataSelect(DialogContextOf(context), context.main_window);
    form->setAttribute(Qt::WA_DeleteOnClose);
  }
  form->show();
  form->raise();
  form->activateWindow();
  form->Open();
}

}  // namespace mirtote::app
