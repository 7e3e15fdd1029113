// "専門紙風ｵｯｽﾞ出力": the odds display selection.

#include "app/only_window.h"
#include "app/operations.h"
#include "ui/qt_support.h"
#include "ui/select_data.h"

namespace mirtote::app {

namespace {

constexpr int kWidthTwips = 5670;
constexpr int kHeightTwips = 3825;

}  // namespace

void OpenOddsSelection(AppContext& context) {
  // Opened again, it looks at the folder again, so that files converted meanwhile offer
  // their venue.
  const auto shown = ShowOnlyWindow<ui::SelectData>(context, [](ui::SelectData& dialog) {
    dialog.resize(ui::TwipsToPixels(kWidthTwips, kHeightTwips));
  });
  if (!shown.created) shown.form.OddsDataCheck();
}

}  // namespace mirtote::app
