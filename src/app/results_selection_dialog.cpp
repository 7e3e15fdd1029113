// "確定成績表示(JRA-VAN成績ﾃﾞｰﾀ利用)": the results selection.

#include "app/only_window.h"
#include "app/operations.h"
#include "ui/s_data_select.h"

namespace mirtote::app {

void OpenResultsSelection(AppContext& context) {
  // Opened again, it comes forward with its date list built afresh.
  ShowOnlyWindow<ui::SDataSelect>(context).form.Open();
}

}  // namespace mirtote::app
