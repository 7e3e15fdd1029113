#include "app/confirm_exit.h"

#include <QApplication>
#include <QWidget>
#include <string>

#include "app/app_context.h"
#include "app/placement.h"

namespace mirtote::app {

bool ConfirmExit(AppContext& context) {
  const std::string text = std::string("【ＭＩＲ＿ＴＯＴＥ for KORVAN】") + "\r\n" + "\r\n" +
                           "終了してよろしいですか？" + "\r";
  if (!context.session.host.AskYesNo(text, "確認", MessageIcon::kInformation)) return false;
  if (context.main_window) SaveMainPlacement(*context.main_window, context.session.settings);
  EndProgram(context);
  return true;
}

void EndProgram(AppContext& context) {
  context.ending = true;
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

}  // namespace mirtote::app
