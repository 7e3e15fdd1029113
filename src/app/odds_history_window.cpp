// "オッズ推移": the odds history window.

#include "app/only_window.h"
#include "app/operations.h"
#include "ui/odds_history_form.h"

namespace mirtote::app {

void OpenOddsHistory(AppContext& context) {
  // Opened again, it comes forward and reads the store again.
  ShowOnlyWindow<ui::OddsHistoryForm>(context).form.Open();
}

void FollowOddsHistory(AppContext& context) {
  if (context.main_window == nullptr) return;
  if (auto* form = context.main_window->findChild<ui::OddsHistoryForm*>()) form->Follow();
}

}  // namespace mirtote::app
