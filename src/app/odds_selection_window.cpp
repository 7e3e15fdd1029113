// "専門紙風ｵｯｽﾞ出力": the odds display selection.

#include "app/app_context.h"
#include "app/operations.h"
#include "ui/qt_support.h"
#include "ui/select_data.h"

namespace mirtote::app {

namespace {

constexpr int kWidthTwips = 5670;
constexpr int kHeightTwips = 3825;

}  // namespace

void OpenOddsSelection(AppContext& context) {
  // One window at a time: opened again, it comes forward and looks at the folder again, so
  // that files converted meanwhile offer their venue.
  if (context.main_window != nullptr) {
    if (auto* open = context.main_window->findChild<ui::SelectData*>()) {
      open->OddsDataCheck();
      open->show();
      open->raise();
      open->activateWindow();
      return;
    }
  }
  auto* dialog = new ui::SelectData(DialogContextOf(context), context.main_window);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->resize(ui::TwipsToPixels(kWidthTwips, kHeightTwips));
  dialog->show();
}

}  // namespace mirtote::app
