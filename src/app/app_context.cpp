#include "app/app_context.h"

#include "app/confirm_exit.h"

namespace mirtote::app {

ui::DialogContext DialogContextOf(AppContext& context) {
  return ui::DialogContext{context.session,
                           [&context](const std::function<void()>& command) {
                             if (!CanStartCommand(context)) return;
                             RunningCommand running(context);
                             command();
                           },
                           [&context] { ConfirmExit(context); }};
}

}  // namespace mirtote::app
