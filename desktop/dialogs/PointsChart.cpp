#include "desktop/dialogs/PointsChart.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <utility>

#include "desktop/platform/QtText.h"

namespace zelvani {

namespace {

constexpr int kMargin = 8;
// The legend's sample of a line, with the seat's mark in its middle.
constexpr int kSampleWidth = 30;
constexpr int kSampleGap = 6;
constexpr int kEntryGap = 16;
constexpr qreal kLineWidth = 2;
constexpr qreal kMarkRadius = 3.5;
// Lines and marks stay this far inside the plot's frame.
constexpr int kPlotPadding = 6;
// Marks and round labels are thinned to at least this far apart.
constexpr int kMarkSpacing = 14;
constexpr int kLabelGap = 10;

// Colours that stay apart for the common kinds of colour blindness (Okabe and Ito's
// palette); each seat has its own dash and mark as well.
constexpr QRgb kSeatColours[kSeatCount] = {qRgb(0, 114, 178), qRgb(213, 94, 0), qRgb(0, 158, 115),
                                           qRgb(204, 121, 167)};
constexpr Qt::PenStyle kSeatDashes[kSeatCount] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                                  Qt::DashDotLine};

QString StartKeyText() {
  return QCoreApplication::translate("PointsChart", "開始点");
}

struct Geometry {
  PointsChart::Layout Layout;
  // Where round 0 and the axis' ends map to.
  QRectF Data;
  PointsAxis Axis;
  double RoundWidth = 0;
  QPointF At(int round, long long points) const {
    const double span = static_cast<double>(Axis.High - Axis.Low);
    return {Data.left() + round * RoundWidth,
            Data.bottom() - static_cast<double>(points - Axis.Low) * Data.height() / span};
  }
};

Geometry Measure(const QSize& size, const QFontMetrics& fm, const PointsSeries& series) {
  Geometry g;
  const int lineHeight = fm.height() + 4;
  // The legend flows in rows across the top; a name longer than a whole row is elided.
  const int rowWidth = size.width() - 2 * kMargin;
  int x = kMargin;
  int y = kMargin;
  const auto place = [&](const QString& name) {
    const int width = kSampleWidth + kSampleGap + fm.horizontalAdvance(name);
    if (x > kMargin && x + width > size.width() - kMargin) {
      x = kMargin;
      y += lineHeight;
    }
    const QRect box(x, y, width, lineHeight);
    x += width + kEntryGap;
    return box;
  };
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const QString name = fm.elidedText(ToQString(series.Names[seat]), Qt::ElideRight,
                                       std::max(1, rowWidth - kSampleWidth - kSampleGap));
    g.Layout.Legend.append({name, place(name)});
  }
  g.Layout.StartKey = place(StartKeyText());
  const int top = y + lineHeight + kMargin / 2 + fm.height() / 2;
  const int bottom = size.height() - kMargin - fm.height() - 4;
  const int maxTicks = std::max(2, (bottom - top) / (2 * fm.height()));
  g.Axis = ChoosePointsAxis(series, maxTicks);
  int labelWidth = 0;
  for (long long tick : g.Axis.Ticks)
    labelWidth = std::max(labelWidth, fm.horizontalAdvance(QString::number(tick)));
  const int left = kMargin + labelWidth + 6;
  const int right =
      size.width() - kMargin - fm.horizontalAdvance(QString::number(series.Rounds)) / 2;
  g.Layout.Plot =
      QRect(QPoint(left, top), QPoint(std::max(left + 1, right), std::max(top + 1, bottom)));
  g.Data = QRectF(g.Layout.Plot).adjusted(kPlotPadding, kPlotPadding, -kPlotPadding, -kPlotPadding);
  g.RoundWidth = g.Data.width() / std::max(1, series.Rounds);
  return g;
}

// The seat's mark: a circle, a square, a triangle or a diamond.
void DrawMark(QPainter& painter, int seat, const QPointF& at) {
  const qreal r = kMarkRadius;
  switch (seat) {
    case 0:
      painter.drawEllipse(at, r, r);
      break;
    case 1:
      painter.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
      break;
    case 2: {
      const qreal t = r * 1.25;
      const QPointF corners[] = {
          {at.x(), at.y() - t}, {at.x() + t, at.y() + t * 0.8}, {at.x() - t, at.y() + t * 0.8}};
      painter.drawPolygon(corners, 3);
      break;
    }
    default: {
      const qreal d = r * 1.35;
      const QPointF corners[] = {
          {at.x(), at.y() - d}, {at.x() + d, at.y()}, {at.x(), at.y() + d}, {at.x() - d, at.y()}};
      painter.drawPolygon(corners, 4);
      break;
    }
  }
}

QPen SeatPen(int seat) {
  return QPen(QColor(kSeatColours[seat]), kLineWidth, kSeatDashes[seat], Qt::RoundCap,
              Qt::RoundJoin);
}

}  // namespace

PointsChart::PointsChart(const ScoreSheet& sheet, std::function<int()> startPoint, QWidget* parent)
    : QWidget(parent), sheet_(sheet), startPoint_(std::move(startPoint)) {
  setObjectName(QStringLiteral("pointsChart"));
  setAccessibleName(QCoreApplication::translate("PointsChart", "得点グラフ"));
  // Reached with Tab, so that a screen reader says what the chart shows.
  setFocusPolicy(Qt::StrongFocus);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
  Refresh();
}

QColor PointsChart::SeatColour(int seat) {
  return QColor(kSeatColours[std::clamp(seat, 0, kSeatCount - 1)]);
}

PointsChart::Layout PointsChart::ChartLayout() const {
  return Measure(size(), fontMetrics(), series_).Layout;
}

void PointsChart::Refresh() {
  series_ = ReadPointsSeries(sheet_, startPoint_ ? startPoint_() : RuleSettings{}.StartPoint);
  setAccessibleDescription(ToQString(DescribePoints(series_)));
  update();
}

void PointsChart::paintEvent(QPaintEvent*) {
  const QFontMetrics fm = fontMetrics();
  const Geometry g = Measure(size(), fm, series_);
  const QRect plot = g.Layout.Plot;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPalette& pal = palette();
  const QColor text = pal.color(QPalette::Text);
  QColor faint = text;
  faint.setAlphaF(0.15);
  QColor half = text;
  half.setAlphaF(0.55);

  // The points axis: a faint line at each tick, zero solid, the start points dashed.
  for (long long tick : g.Axis.Ticks) {
    const qreal y = g.At(0, tick).y();
    painter.setPen(QPen(tick == 0 ? half : faint, 1));
    painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    painter.setPen(text);
    painter.drawText(QRectF(kMargin, y - fm.height() / 2.0, plot.left() - kMargin - 6, fm.height()),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(tick));
  }
  const QPen startPen(half, 1, Qt::DashLine);
  const qreal startY = g.At(0, series_.StartPoint).y();
  painter.setPen(startPen);
  painter.drawLine(QPointF(plot.left(), startY), QPointF(plot.right(), startY));
  painter.setPen(QPen(text, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(plot).adjusted(0.5, 0.5, -0.5, -0.5));

  // The rounds axis, its labels thinned so that none touch.
  const int labelWidth = fm.horizontalAdvance(QString::number(series_.Rounds)) + kLabelGap;
  for (int round : RoundLabels(series_.Rounds, g.RoundWidth, labelWidth)) {
    const qreal x = g.At(round, g.Axis.Low).x();
    painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 3));
    painter.drawText(QRectF(x - labelWidth / 2.0, plot.bottom() + 4, labelWidth, fm.height()),
                     Qt::AlignHCenter | Qt::AlignTop, QString::number(round));
  }
  if (series_.Rounds == 0)
    painter.drawText(plot, Qt::AlignCenter,
                     QCoreApplication::translate("PointsChart", "まだ得点はありません"));

  // One line per seat, broken where the sheet holds no number, and its marks.
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const auto& points = series_.Points[seat];
    painter.setPen(SeatPen(seat));
    painter.setBrush(Qt::NoBrush);
    QPolygonF run;
    for (int round = 0; round <= series_.Rounds; ++round) {
      if (points[round]) {
        run.append(g.At(round, *points[round]));
        continue;
      }
      if (run.size() > 1)
        painter.drawPolyline(run);
      run.clear();
    }
    if (run.size() > 1)
      painter.drawPolyline(run);
    painter.setPen(QPen(pal.color(QPalette::Base), 1));
    painter.setBrush(SeatColour(seat));
    for (int round : MarkedRounds(series_.Rounds, seat, g.RoundWidth, kMarkSpacing))
      if (points[round])
        DrawMark(painter, seat, g.At(round, *points[round]));
  }

  // The legend: a sample of each line, with the seat's mark, and its name.
  const auto drawKey = [&](const QRect& box, const QPen& pen, const QString& name, int seat) {
    const qreal y = box.center().y() + 0.5;
    painter.setPen(pen);
    painter.drawLine(QPointF(box.left() + 1, y), QPointF(box.left() + kSampleWidth - 1, y));
    if (seat >= 0) {
      painter.setPen(QPen(pal.color(QPalette::Base), 1));
      painter.setBrush(SeatColour(seat));
      DrawMark(painter, seat, QPointF(box.left() + kSampleWidth / 2.0, y));
    }
    painter.setPen(text);
    painter.drawText(box.adjusted(kSampleWidth + kSampleGap, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter, name);
  };
  for (int seat = 0; seat < kSeatCount; ++seat)
    drawKey(g.Layout.Legend[seat].Box, SeatPen(seat), g.Layout.Legend[seat].Name, seat);
  drawKey(g.Layout.StartKey, startPen, StartKeyText(), -1);

  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(2, 2, -2, -2);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

}  // namespace zelvani
