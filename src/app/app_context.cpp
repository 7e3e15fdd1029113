#include "app/app_context.h"

#include <QMainWindow>
#include <QStatusBar>
#include <exception>
#include <string>

#include "app/confirm_exit.h"
#include "app/operations.h"
#include "ui/qt_support.h"

namespace mirtote::app {

namespace {

void ReportCommandFailure(Host& host, const std::string& reason) {
  host.SetBusy(false);
  host.CloseProgress();
  host.ShowMessage("処理中にエラーが発生したため、処理を中止しました。\r\n" + reason, "エラー",
                   MessageIcon::kCritical);
}

}  // namespace

void RunGuardedCommand(AppContext& context, const std::function<void()>& command) {
  if (!CanStartCommand(context)) return;
  {
    RunningCommand running(context);
    try {
      command();
    } catch (const std::exception& e) {
      ReportCommandFailure(context.session.host, e.what());
    } catch (...) {
      ReportCommandFailure(context.session.host, "原因不明のエラーです。");
    }
  }
  FollowOddsHistory(context);
}

ui::DialogContext DialogContextOf(AppContext& context) {
  return ui::DialogContext{
      context.session,
      [&context](const std::function<void()>& command) { RunGuardedCommand(context, command); },
      [&context] { ConfirmExit(context); },
      [&context](std::string_view text) {
        if (auto* window = qobject_cast<QMainWindow*>(context.main_window)) {
          window->statusBar()->showMessage(ui::ToQString(text));
        }
      },
      [&context] { return context.command_running; }};
}

}  // namespace mirtote::app
