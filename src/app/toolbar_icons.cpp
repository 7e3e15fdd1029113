#include "app/toolbar_icons.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace mirtote::app {

namespace {

// Symbols are drawn on a 32 x 32 grid and scaled to each pixmap size.
using Symbol = std::function<void(QPainter&)>;

QPen SymbolPen(qreal width = 2.0) {
  return QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PaintTile(QPainter& p, const QColor& base) {
  QLinearGradient gradient(0, 1, 0, 31);
  gradient.setColorAt(0, base.lighter(125));
  gradient.setColorAt(1, base.darker(115));
  p.setPen(QPen(base.darker(150), 1));
  p.setBrush(gradient);
  p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
}

// "MIR_OTTE": an odds board on its post.
void OddsBoard(QPainter& p) {
  p.setPen(SymbolPen());
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(7, 6, 18, 16));
  p.drawLine(QPointF(16, 22), QPointF(16, 26));
  p.drawLine(QPointF(11, 26), QPointF(21, 26));
  p.setPen(SymbolPen(1.6));
  const qreal lengths[] = {9, 5, 7};
  for (int row = 0; row < 3; ++row) {
    const qreal y = 10.5 + row * 4;
    p.drawPoint(QPointF(10, y));
    p.drawLine(QPointF(13, y), QPointF(13 + lengths[row], y));
  }
}

// "ﾌｧｲﾙ解凍": an open box with an arrow coming out.
void Unpack(QPainter& p) {
  p.setPen(SymbolPen());
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(8, 16, 16, 10));
  p.drawLine(QPointF(8, 16), QPointF(5, 12));
  p.drawLine(QPointF(24, 16), QPointF(27, 12));
  p.drawLine(QPointF(16, 21), QPointF(16, 5));
  p.drawLine(QPointF(12, 9), QPointF(16, 5));
  p.drawLine(QPointF(20, 9), QPointF(16, 5));
}

// "ログ": a written page with a folded corner.
void LogPage(QPainter& p) {
  p.setPen(SymbolPen());
  p.setBrush(Qt::NoBrush);
  QPainterPath page;
  page.moveTo(9, 5);
  page.lineTo(19, 5);
  page.lineTo(24, 10);
  page.lineTo(24, 27);
  page.lineTo(9, 27);
  page.closeSubpath();
  p.drawPath(page);
  p.drawPolyline(QPolygonF({QPointF(19, 5), QPointF(19, 10), QPointF(24, 10)}));
  p.setPen(SymbolPen(1.6));
  for (int row = 0; row < 4; ++row) {
    const qreal y = 14 + row * 3.5;
    p.drawLine(QPointF(12, y), QPointF(row % 2 ? 18 : 21, y));
  }
}

// "ｵｯｽﾞﾌｧｲﾙ": a table with a filled heading row.
void Table(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(6, 7, 20, 5));
  p.setPen(SymbolPen(1.6));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(6, 7, 20, 18));
  for (qreal y : {15.5, 20.0}) p.drawLine(QPointF(6, y), QPointF(26, y));
  for (qreal x : {12.7, 19.3}) p.drawLine(QPointF(x, 12), QPointF(x, 25));
}

// "成績表示": a three-step winners' podium.
void Podium(QPainter& p, const QColor& tile) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(5, 16, 7, 10));
  p.drawRect(QRectF(12.5, 10, 7, 16));
  p.drawRect(QRectF(20, 19, 7, 7));
  QFont font;
  font.setPixelSize(6);
  font.setBold(true);
  p.setFont(font);
  p.setPen(tile.darker(140));
  p.drawText(QRectF(12.5, 10, 7, 8), Qt::AlignCenter, QStringLiteral("1"));
  p.drawText(QRectF(5, 16, 7, 8), Qt::AlignCenter, QStringLiteral("2"));
  p.drawText(QRectF(20, 19, 7, 7), Qt::AlignCenter, QStringLiteral("3"));
  p.setPen(SymbolPen(1.6));
  p.drawLine(QPointF(16, 4), QPointF(16, 8));
  p.drawLine(QPointF(11, 6), QPointF(13, 8));
  p.drawLine(QPointF(21, 6), QPointF(19, 8));
}

// "ヘルプ" and "ﾊﾞｰｼﾞｮﾝ": a letter in a ring.
void RingLetter(QPainter& p, const QString& letter) {
  p.setPen(SymbolPen());
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(16, 16), 10, 10);
  QFont font;
  font.setPixelSize(14);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRectF(6, 6, 20, 20), Qt::AlignCenter, letter);
}

// "終　了": the power symbol.
void Power(QPainter& p) {
  p.setPen(SymbolPen(2.4));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(7, 8, 18, 18), 125 * 16, -250 * 16);
  p.drawLine(QPointF(16, 5), QPointF(16, 15));
}

QPixmap Render(int size, const QColor& tile, const Symbol& symbol) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(size / 32.0, size / 32.0);
  PaintTile(p, tile);
  symbol(p);
  return pixmap;
}

}  // namespace

QIcon ToolbarIcon(const QString& key) {
  QColor tile;
  Symbol symbol;
  if (key == QStringLiteral("MIR_OTTE")) {
    tile = QColor(0x2e, 0x7d, 0x32);
    symbol = OddsBoard;
  } else if (key == QStringLiteral("ﾌｧｲﾙ解凍")) {
    tile = QColor(0xe6, 0x6a, 0x10);
    symbol = Unpack;
  } else if (key == QStringLiteral("ログ")) {
    tile = QColor(0x15, 0x65, 0xc0);
    symbol = LogPage;
  } else if (key == QStringLiteral("ｵｯｽﾞﾌｧｲﾙ")) {
    tile = QColor(0x00, 0x83, 0x8f);
    symbol = Table;
  } else if (key == QStringLiteral("成績表示")) {
    tile = QColor(0xd8, 0x9a, 0x0c);
    symbol = [tile](QPainter& p) { Podium(p, tile); };
  } else if (key == QStringLiteral("ヘルプ")) {
    tile = QColor(0x6a, 0x1b, 0x9a);
    symbol = [](QPainter& p) { RingLetter(p, QStringLiteral("?")); };
  } else if (key == QStringLiteral("ﾊﾞｰｼﾞｮﾝ")) {
    tile = QColor(0x45, 0x5a, 0x64);
    symbol = [](QPainter& p) { RingLetter(p, QStringLiteral("i")); };
  } else if (key == QStringLiteral("終　了")) {
    tile = QColor(0xc6, 0x28, 0x28);
    symbol = Power;
  } else {
    return {};
  }
  QIcon icon;
  for (int size : {16, 24, 32, 48}) icon.addPixmap(Render(size, tile, symbol));
  return icon;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) {
    icon.addPixmap(Render(size, QColor(0x1a, 0x3d, 0x5c), OddsBoard));
  }
  return icon;
}

}  // namespace mirtote::app
