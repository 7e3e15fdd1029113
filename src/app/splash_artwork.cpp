#include "app/splash_artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace mirtote::app {

namespace {

// Drawn on a 320 x 200 grid and scaled to the requested size.
constexpr qreal kGridWidth = 320;
constexpr qreal kGridHeight = 200;

void PaintSky(QPainter& p) {
  QLinearGradient sky(0, 0, 0, 90);
  sky.setColorAt(0, QColor(0x5d, 0x9c, 0xd8));
  sky.setColorAt(1, QColor(0xe8, 0xf1, 0xf8));
  p.fillRect(QRectF(0, 0, kGridWidth, 92), sky);
  QRadialGradient sun(QPointF(262, 28), 26);
  sun.setColorAt(0, QColor(255, 250, 220, 230));
  sun.setColorAt(1, QColor(255, 250, 220, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(sun);
  p.drawEllipse(QPointF(262, 28), 26, 26);
  // Hills behind the course.
  QPainterPath hills;
  hills.moveTo(0, 92);
  hills.cubicTo(60, 62, 110, 80, 160, 70);
  hills.cubicTo(210, 60, 260, 78, kGridWidth, 66);
  hills.lineTo(kGridWidth, 92);
  hills.closeSubpath();
  p.setBrush(QColor(0x7d, 0x9e, 0x86));
  p.drawPath(hills);
}

void PaintCourse(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x4c, 0x8c, 0x3e));
  p.drawRect(QRectF(0, 90, kGridWidth, kGridHeight - 90));
  // The oval seen from the stand: turf outside, dirt inside, infield in the middle.
  const QRectF outer(-40, 100, 400, 130);
  p.setBrush(QColor(0x5f, 0xa8, 0x4a));
  p.drawEllipse(outer);
  p.setBrush(QColor(0xb9, 0x8a, 0x57));
  p.drawEllipse(outer.adjusted(26, 12, -26, -12));
  p.setBrush(QColor(0x6c, 0xa6, 0x55));
  p.drawEllipse(outer.adjusted(48, 22, -48, -22));
  p.setBrush(QColor(0x8c, 0xc4, 0xe0));
  p.drawEllipse(QRectF(130, 150, 70, 18));  // pond in the infield
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 1.4));
  p.drawEllipse(outer.adjusted(-2, -2, 2, 2));
  p.drawEllipse(outer.adjusted(25, 11, -25, -11));
  // Furlong poles along the far side.
  p.setPen(QPen(QColor(0xd3, 0x2f, 0x2f), 1.2));
  for (qreal x : {70.0, 120.0, 200.0, 250.0}) p.drawLine(QPointF(x, 99), QPointF(x, 93));
}

void PaintRunners(QPainter& p) {
  // Silks of a small field coming round the bend.
  const QColor silks[] = {Qt::white,
                          QColor(0x21, 0x21, 0x21),
                          QColor(0xd3, 0x2f, 0x2f),
                          QColor(0x19, 0x76, 0xd2),
                          QColor(0xfb, 0xc0, 0x2d),
                          QColor(0x38, 0x8e, 0x3c)};
  for (int i = 0; i < 6; ++i) {
    const QPointF at(92 + i * 15 + (i % 2) * 4, 108 + (i % 3) * 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5d, 0x40, 0x37));
    p.drawEllipse(QRectF(at.x() - 5, at.y(), 10, 4));    // horse
    p.drawRect(QRectF(at.x() - 4, at.y() + 3, 1.2, 3));  // legs
    p.drawRect(QRectF(at.x() + 3, at.y() + 3, 1.2, 3));
    p.drawEllipse(QRectF(at.x() + 4, at.y() - 2, 3.5, 3));  // head
    p.setBrush(silks[i]);
    p.drawEllipse(QRectF(at.x() - 2, at.y() - 4, 4, 4));  // jockey
  }
}

void PaintStand(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xcf, 0xd8, 0xdc));
  p.drawRect(QRectF(0, 150, 112, 50));
  p.setBrush(QColor(0x37, 0x47, 0x4f));
  QPainterPath roof;
  roof.moveTo(0, 144);
  roof.lineTo(118, 140);
  roof.lineTo(112, 152);
  roof.lineTo(0, 152);
  roof.closeSubpath();
  p.drawPath(roof);
  p.setBrush(QColor(0x90, 0xa4, 0xae));
  for (int row = 0; row < 3; ++row) {
    p.drawRect(QRectF(4, 158 + row * 12, 104, 5));
  }
}

void PaintOddsBoard(QPainter& p) {
  const QRectF board(206, 122, 104, 70);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x42, 0x42, 0x42));
  p.drawRect(QRectF(board.center().x() - 3, board.bottom(), 6, 8));
  p.setBrush(QColor(0x1b, 0x1b, 0x1b));
  p.setPen(QPen(QColor(0x75, 0x75, 0x75), 1.5));
  p.drawRoundedRect(board, 3, 3);

  QFont font(QStringLiteral("monospace"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPixelSize(9);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(0x8b, 0xc3, 0x4a));
  p.drawText(QRectF(board.left() + 6, board.top() + 3, 92, 10), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("WIN   ODDS"));
  const char* rows[] = {" 1    3.4", " 2   12.8", " 3    5.1", " 4   27.6", " 5    8.9"};
  p.setPen(QColor(0xff, 0xb3, 0x00));
  for (int i = 0; i < 5; ++i) {
    p.drawText(QRectF(board.left() + 6, board.top() + 14 + i * 10.5, 92, 10),
               Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(rows[i]));
  }
}

}  // namespace

QPixmap PaintSplashArtwork(const QSize& size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(size.width() / kGridWidth, size.height() / kGridHeight);
  p.setClipRect(QRectF(0, 0, kGridWidth, kGridHeight));
  PaintSky(p);
  PaintCourse(p);
  PaintRunners(p);
  PaintStand(p);
  PaintOddsBoard(p);
  return pixmap;
}

}  // namespace mirtote::app
