// The score sheet's chart: each seat's points after every round as a line of its own
// colour, dash and mark, named in a legend above the plot, with the start points and zero
// marked. The numbers come from the sheet; the arithmetic from logic/scoring's
// ScoreSheetView. Drawn in the window's own coordinates, so it is sharp at any scale.
#pragma once

#include <QList>
#include <QWidget>
#include <functional>

#include "logic/scoring/ScoreSheetView.h"

namespace zelvani {

class PointsChart : public QWidget {
  Q_OBJECT

 public:
  // `startPoint` tells the start points of the game the sheet holds.
  PointsChart(const ScoreSheet& sheet, std::function<int()> startPoint, QWidget* parent = nullptr);

  struct LegendEntry {
    QString Name;
    // The sample of the seat's line and the name beside it.
    QRect Box;
  };
  struct Layout {
    // Every line and mark lies inside.
    QRect Plot;
    // One entry per seat, then the key to the start points' dashed line.
    QList<LegendEntry> Legend;
    QRect StartKey;
  };
  // Where things go at the chart's present size and font.
  Layout ChartLayout() const;
  static QColor SeatColour(int seat);

  // Reads the sheet again (a round was added, a new game began) and repaints.
  void Refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const ScoreSheet& sheet_;
  std::function<int()> startPoint_;
  PointsSeries series_;
};

}  // namespace zelvani
