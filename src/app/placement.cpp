#include "app/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <string>

#include "shell/settings_keys.h"
#include "shell/settings_store.h"
#include "text/number.h"
#include "ui/qt_support.h"

namespace mirtote::app {

using ui::PixelsToTwips;
using ui::TwipsToPixels;

namespace {

std::string StoredText(long long value) {
  return std::to_string(value);
}

// A placement stored for screens that are no longer there would open the window out of
// sight or beyond every edge: such a window goes to the top left corner of the primary
// screen, and is no larger than the screens together.
void KeepOnScreen(QWidget& window) {
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (primary == nullptr) return;
  window.resize(window.size().boundedTo(primary->availableVirtualGeometry().size()));
  const QRect frame(window.pos(), window.size());
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().intersects(frame)) return;
  }
  window.move(primary->availableGeometry().topLeft());
}

}  // namespace

void RestoreMainPlacement(QWidget& window, const SettingsStore& settings) {
  using text::ValInt;
  const long long state = ValInt(settings.GetOr(keys::kForm, keys::kState, "2"));
  const int top = TwipsToPixels(ValInt(settings.GetOr(keys::kForm, keys::kTop, "0")));
  const int left = TwipsToPixels(ValInt(settings.GetOr(keys::kForm, keys::kLeft, "0")));
  window.move(left, top);

  int height = window.height();
  int width = window.width();
  if (!settings.GetOr(keys::kForm, keys::kHeight, "").empty()) {
    height = TwipsToPixels(ValInt(settings.GetOr(keys::kForm, keys::kHeight, "8000")));
  }
  if (!settings.GetOr(keys::kForm, keys::kWidth, "").empty()) {
    width = TwipsToPixels(ValInt(settings.GetOr(keys::kForm, keys::kWidth, "8000")));
  }
  window.resize(width, height);
  KeepOnScreen(window);

  Qt::WindowStates window_state = Qt::WindowNoState;
  if (state == 2) window_state = Qt::WindowMaximized;
  if (state == 1) window_state = Qt::WindowMinimized;
  window.setWindowState(window_state);
}

void SaveMainPlacement(const QWidget& window, SettingsStore& settings) {
  int state = 0;
  if (window.isMinimized()) {
    state = 1;
  } else if (window.isMaximized()) {
    state = 2;
  }
  if (state == 0) {
    settings.Set(keys::kForm, keys::kTop, StoredText(PixelsToTwips(window.y())));
    settings.Set(keys::kForm, keys::kLeft, StoredText(PixelsToTwips(window.x())));
    settings.Set(keys::kForm, keys::kHeight, StoredText(PixelsToTwips(window.height())));
    settings.Set(keys::kForm, keys::kWidth, StoredText(PixelsToTwips(window.width())));
  }
  settings.Set(keys::kForm, keys::kState, StoredText(state));
}

}  // namespace mirtote::app
