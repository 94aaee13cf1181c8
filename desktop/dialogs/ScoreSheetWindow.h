// The score sheet window: a grid of the game's rounds, one column per seat, filling the
// window, closed with its OK button. Past ten rows the rows keep the height they had at
// ten and the window grows; a sheet that would outgrow the screen scrolls. The grid can
// be read and moved through, never edited. Its "グラフ(&G)" button shows the same points
// as a chart instead, made when first asked for; "表(&G)" brings the grid back.
#pragma once

#include <QDialog>
#include <functional>

#include "logic/table/ScoreSheet.h"

namespace Ui {
class ScoreSheetWindow;
}
class QScrollBar;
class QTableWidget;

namespace zelvani {

class PointsChart;

class ScoreSheetWindow : public QDialog {
  Q_OBJECT

 public:
  explicit ScoreSheetWindow(const ScoreSheet& sheet, QWidget* parent = nullptr);
  ~ScoreSheetWindow() override;

  // Copies the sheet's cells, caption, current cell and highlight into the grid.
  void Refresh();
  // Grows the window so that every row of a sheet longer than ten rows shows: the client
  // height becomes the row count times the height of a ten-row sheet's rows, plus the OK
  // panel, never more than the screen holds. A sheet back at ten rows (a new game) gets
  // the window's size from before it grew.
  void FitRows();
  QTableWidget* Grid() const;

  // The chart in place of the grid, or the grid again.
  void ShowChart(bool chart);
  bool ChartShown() const;
  // Nothing until the chart is first shown.
  PointsChart* Chart() const { return chart_; }
  // Where the chart learns the start points of the game on the sheet.
  void SetStartPointSource(std::function<int()> startPoint);

 signals:
  // The player switched between the grid and the chart.
  void ViewChanged(bool chart);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // A cell as the player reads it.
  QString CellText(int col, int row) const;
  // Column width = grid width / columns - 1, row height = grid height / rows - 1, so the
  // grid fills the window; rows past the tenth are never lower than a ten-row sheet's,
  // and scroll when they do not fit. A column whose text needs more gets it, the round
  // labels first.
  void FitCells();

  Ui::ScoreSheetWindow* ui_;
  const ScoreSheet& sheet_;
  // The grid's own bars are off, so that its cells' arithmetic is the window's: this bar
  // stands over its right edge when the rows do not fit.
  QScrollBar* scroller_;
  PointsChart* chart_ = nullptr;
  std::function<int()> startPoint_;
  // The row height of a ten-row sheet in this window, which longer sheets keep.
  int tenRowHeight_ = 1;
  // The window's height before its sheet grew past ten rows; 0 while it has not.
  int heightBeforeGrowing_ = 0;
};

}  // namespace zelvani
