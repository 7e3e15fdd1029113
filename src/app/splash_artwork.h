#pragma once
// The product picture of the splash and version window: a racecourse under a morning sky
// with its odds board, painted at run time.

#include <QPixmap>
#include <QSize>

namespace mirtote::app {

QPixmap PaintSplashArtwork(const QSize& size);

}  // namespace mirtote::app
