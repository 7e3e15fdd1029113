#include "ui/viewer_placement.h"

#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>

namespace mirtote::ui {

namespace {

constexpr int kCascadeStep = 24;  // about a title bar
constexpr int kCascadeCycle = 8;  // then back to the first place

// `frame` moved the least so that it lies inside `area` (its top-left kept inside when it is
// larger than the area).
QRect HeldInside(QRect frame, const QRect& area) {
  frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
  frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
  return frame;
}

// `frame` stepped `count` steps down and right, or up and left along an axis where the
// screen ends, then held inside `area`.
QRect Cascaded(QRect frame, const QRect& area, int count) {
  const int step = kCascadeStep * (count % kCascadeCycle);
  const int dx = frame.right() + step <= area.right() ? step : -step;
  const int dy = frame.bottom() + step <= area.bottom() ? step : -step;
  return HeldInside(frame.translated(dx, dy), area);
}

long long CoveredArea(const QRect& frame, const QRect& buttons) {
  const QRect covered = frame.intersected(buttons);
  return covered.isEmpty() ? 0 : static_cast<long long>(covered.width()) * covered.height();
}

}  // namespace

QPoint ViewerPosition(const QRect& area, const QRect& opener, const QRect& buttons, QSize viewer,
                      int cascade) {
  const std::array<QPoint, 4> corners = {
      QPoint(opener.right() + 1, opener.top()),
      QPoint(opener.left() - viewer.width(), opener.top()),
      QPoint(opener.left(), opener.bottom() + 1),
      QPoint(opener.left(), opener.top() - viewer.height()),
  };
  QRect best;
  long long best_covered = -1;
  for (const QPoint& corner : corners) {
    const QRect frame = Cascaded(HeldInside(QRect(corner, viewer), area), area, cascade);
    const long long covered = CoveredArea(frame, buttons);
    if (covered == 0) return frame.topLeft();
    if (best_covered < 0 || covered < best_covered) {
      best = frame;
      best_covered = covered;
    }
  }
  return best.topLeft();
}

void PlaceViewer(QWidget& viewer, const QWidget& opener) {
  const QScreen* screen = opener.screen();
  if (screen == nullptr || !opener.isVisible()) return;
  QRect buttons;
  for (const QPushButton* button : opener.findChildren<QPushButton*>()) {
    if (button->isVisible()) buttons |= QRect(button->mapToGlobal(QPoint(0, 0)), button->size());
  }
  // The viewer's frame is not known before it is shown: the opener's frame margins stand in.
  const QSize frame_extra = opener.frameGeometry().size() - opener.geometry().size();
  int cascade = 0;
  if (const QWidget* owner = viewer.parentWidget()) {
    for (const QWidget* other : owner->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (other != &viewer && other->isWindow() && other->isVisible() &&
          other->metaObject() == viewer.metaObject()) {
        ++cascade;
      }
    }
  }
  viewer.move(ViewerPosition(screen->availableGeometry(), opener.frameGeometry(), buttons,
                             viewer.size() + frame_extra, cascade));
}

}  // namespace mirtote::ui
