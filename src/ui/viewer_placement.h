#pragma once
// Where a report viewer opens: beside the selection window that opened it, or over it, but
// never over that window's buttons, and whole on the screen.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace mirtote::ui {

// The top-left corner of the frame of a viewer whose frame is `viewer` large, opened from the
// window whose frame is `opener` and whose buttons lie within `buttons`, on the screen area
// `area` (all in screen coordinates). Tried in order: right of the opener, left of it, below,
// above; each held inside `area`. The first that leaves the buttons uncovered wins; when none
// does, the one covering the least of them. The `cascade`-th viewer of one opener steps down
// and to the right (up or left where the screen ends), so that the earlier ones keep their
// title bars in sight.
QPoint ViewerPosition(const QRect& area, const QRect& opener, const QRect& buttons, QSize viewer,
                      int cascade);

// Moves `viewer` (sized, not shown yet) to its place beside `opener`, on the opener's screen.
void PlaceViewer(QWidget& viewer, const QWidget& opener);

}  // namespace mirtote::ui
