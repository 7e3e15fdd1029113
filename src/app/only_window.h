#pragma once
// The windows the menus open one at a time: opened again, the window there is comes forward
// instead of a second one.

#include <QWidget>
#include <functional>

#include "app/app_context.h"

namespace mirtote::app {

template <typename Form>
struct OnlyWindow {
  Form& form;
  bool created;  // there was none: this one is new
};

// Shows the main window's one window of class Form, made (owned by the main window, deleted
// when closed, `prepare_new` applied before it first shows) when there is none.
template <typename Form>
OnlyWindow<Form> ShowOnlyWindow(AppContext& context,
                                const std::function<void(Form&)>& prepare_new = {}) {
  Form* form = context.main_window ? context.main_window->findChild<Form*>() : nullptr;
  const bool created = form == nullptr;
  if (created) {
    form = new Form(DialogContextOf(context), context.main_window);
    form->setAttribute(Qt::WA_DeleteOnClose);
    if (prepare_new) prepare_new(*form);
  }
  form->show();
  form->raise();
  form->activateWindow();
  return {*form, created};
}

}  // namespace mirtote::app
