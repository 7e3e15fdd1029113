#include "app/window_frame.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>
#include <QWidget>

namespace mirtote::app {

namespace {

// Room the frame takes beside the title: the window icon, minimize / maximize / close and
// the margins of a usual window manager theme.
constexpr int kFrameAllowance = 4 * 28 + 32;

}  // namespace

int TitleFitWidth(const QString& title) {
  const QFontMetrics metrics(QFontDatabase::systemFont(QFontDatabase::TitleFont));
  return metrics.horizontalAdvance(title) + kFrameAllowance;
}

void FitBoxToTitle(QMessageBox& box) {
  // The box fixes its own size from its layout, so the width is asked for through the
  // layout: an empty item as wide as the title needs, across the whole grid.
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  const QMargins margins = grid->contentsMargins();
  const int width = TitleFitWidth(box.windowTitle()) - margins.left() - margins.right();
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                grid->rowCount(), 0, 1, grid->columnCount());
}

void CentreOver(QWidget& window, const QWidget* owner) {
  QRect area;
  if (owner != nullptr && owner->isVisible()) {
    area = owner->window()->frameGeometry();
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  } else {
    return;
  }
  QRect frame(QPoint(0, 0), window.frameGeometry().size());
  frame.moveCenter(area.center());
  window.move(frame.topLeft());
}

}  // namespace mirtote::app
