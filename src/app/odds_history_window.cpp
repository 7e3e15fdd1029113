// "オッズ推移": the odds history window.

#include "app/app_context.h"
#include "app/operations.h"
#include "ui/odds_history_form.h"

namespace mirtote::app {

void OpenOddsHistory(AppContext& context) {
  // One window at a time: opened again, it comes forward and reads the store again.
  ui::OddsHistoryForm* form = nullptr;
  if (context.main_window != nullptr) form = context.main_window->findChild<ui::OddsHistoryForm*>();
  if (form == nullptr) {
    form = new ui::OddsHistoryForm(DialogContextOf(context), context.main_window);
    form->setAttribute(Qt::WA_DeleteOnClose);
  }
  form->show();
  form->raise();
  form->activateWindow();
  form->Open();
}

void FollowOddsHistory(AppContext& context) {
  if (context.main_window == nullptr) return;
  if (auto* form = context.main_window->findChild<ui::OddsHistoryForm*>()) form->Follow();
}

}  // namespace mirtote::app
