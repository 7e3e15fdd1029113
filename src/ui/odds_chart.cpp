#include "ui/odds_chart.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QScatterSeries>
#include <algorithm>

#include "history/history_report.h"
#include "ui/qt_support.h"

namespace mirtote::ui {

namespace {

// A race of one snapshot still gets an axis of some width around it.
constexpr int kLonePointMargin = 5;  // minutes

// Colours far apart for neighbouring numbers: hues around the circle, two shades.
QColor LineColour(size_t index, size_t count) {
  const int hue = static_cast<int>(index * 360 / std::max<size_t>(count, 1));
  return QColor::fromHsv(hue, 230, index % 2 == 0 ? 200 : 140);
}

class TimeScale {
 public:
  explicit TimeScale(const std::string& yyyymmdd) {
    day_ = QDate::fromString(QString::fromLatin1(yyyymmdd.c_str()), QStringLiteral("yyyyMMdd"));
    if (!day_.isValid()) day_ = QDate(2000, 1, 1);
  }
  QDateTime At(int minute) const { return QDateTime(day_, QTime(0, 0)).addSecs(minute * 60LL); }
  qreal X(int minute) const { return static_cast<qreal>(At(minute).toMSecsSinceEpoch()); }

 private:
  QDate day_;
};

void AddLine(QChart& chart, const history::MovementLine& line, const QColor& colour,
             const TimeScale& time, QAbstractAxis* x, QAbstractAxis* y) {
  auto* series = new QLineSeries;
  series->setName(ToQString(line.label));
  QPen pen(colour);
  pen.setWidthF(1.6);
  series->setPen(pen);
  for (const history::MovementPoint& point : line.points)
    series->append(time.X(point.minute), point.odds);
  // A line of one point would not show at all.
  series->setPointsVisible(line.points.size() < 2);
  chart.addSeries(series);
  series->attachAxis(x);
  series->attachAxis(y);
  if (line.points.empty()) return;

  // The number at the line's last point, so that a line can be told without the legend.
  auto* end = new QScatterSeries;
  end->setName(series->name());
  end->setMarkerSize(5);
  end->setColor(colour);
  end->setBorderColor(colour);
  const std::string number = line.label.substr(0, line.label.find_first_not_of("0123456789-"));
  end->setPointLabelsFormat(ToQString(number));
  end->setPointLabelsVisible(true);
  end->setPointLabelsClipping(false);
  end->setPointLabelsColor(colour);
  end->append(time.X(line.points.back().minute), line.points.back().odds);
  chart.addSeries(end);
  end->attachAxis(x);
  end->attachAxis(y);
  for (QLegendMarker* marker : chart.legend()->markers(end)) marker->setVisible(false);
}

void AddDrops(QChart& chart, const history::OddsMovement& movement, const TimeScale& time,
              QAbstractAxis* x, QAbstractAxis* y) {
  auto* drops = new QScatterSeries;
  drops->setName(ToQString(kDropSeriesName));
  drops->setMarkerShape(QScatterSeries::MarkerShapeCircle);
  drops->setMarkerSize(14);
  drops->setBrush(Qt::NoBrush);
  drops->setPen(QPen(QColor(0xd0, 0, 0), 2));
  for (const history::MovementDrop& drop : movement.drops) {
    if (drop.minute >= 0 && drop.odds > 0) drops->append(time.X(drop.minute), drop.odds);
  }
  chart.addSeries(drops);
  drops->attachAxis(x);
  drops->attachAxis(y);
}

}  // namespace

const char* OddsKindCaption(history::OddsKind kind) {
  switch (kind) {
    case history::OddsKind::kWin:
      return "単勝";
    case history::OddsKind::kPlace:
      return "複勝";
    case history::OddsKind::kBracket:
      return "枠連";
    case history::OddsKind::kQuinella:
      return "馬連";
  }
  return "";
}

void DrawOddsMovement(QChart& chart, const history::OddsMovement& movement, bool mark_drops) {
  chart.removeAllSeries();
  for (QAbstractAxis* axis : chart.axes()) {
    chart.removeAxis(axis);
    delete axis;
  }
  const history::RaceInfo& race = movement.race;
  chart.setTitle(ToQString(history::RaceLabel(race.key) + " " + race.race_name + "  " +
                           OddsKindCaption(movement.kind)));

  const TimeScale time(race.key.date);
  auto* x = new QDateTimeAxis;
  x->setFormat(QStringLiteral("HH:mm"));
  x->setTitleText(ToQString("オッズ時刻"));
  int first = movement.first_minute, last = movement.last_minute;
  if (first == last) {
    first -= kLonePointMargin;
    last += kLonePointMargin;
  }
  x->setRange(time.At(first), time.At(last));
  auto* y = new QLogValueAxis;
  // Base 2: a label at 1, 2, 4, 8, 16 ... reads odds better than one per power of ten.
  y->setBase(2);
  y->setLabelFormat(QStringLiteral("%.1f"));
  y->setMinorTickCount(1);
  y->setTitleText(ToQString("オッズ"));
  // The longest price at the top; a chart of odds 1.0 alone still has a height.
  y->setRange(1.0, std::max(movement.longest_odds, 1.1));
  chart.addAxis(x, Qt::AlignBottom);
  chart.addAxis(y, Qt::AlignLeft);

  for (size_t i = 0; i < movement.lines.size(); ++i) {
    AddLine(chart, movement.lines[i], LineColour(i, movement.lines.size()), time, x, y);
  }
  if (mark_drops && !movement.drops.empty()) AddDrops(chart, movement, time, x, y);
}

}  // namespace mirtote::ui
