// The score sheet window: a grid of the game's rounds, one column per seat, always
// filling the window without scrolling, closed with its OK button.
#pragma once

#include <QDialog>

#include "score/ScoreSheet.h"

namespace Ui {
class TfmScore;
}
class QTableWidget;

namespace zelvani {

class TfmScore : public QDialog {
  Q_OBJECT

 public:
  explicit TfmScore(const ScoreSheet& sheet, QWidget* parent = nullptr);
  ~TfmScore() override;

  // Copies the sheet's cells, caption, current cell and highlight into the grid.
  void Refresh();
  // Grows the window so that every row of a sheet longer than ten rows shows: the client
  // height becomes the row count times the height the rows had before the sheet grew,
  // plus the OK panel (never more than the screen holds).
  void FitRows();
  QTableWidget* Grid() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Column width = grid width / columns - 1, row height = grid height / rows - 1, so the
  // grid always fills the window without scrolling. Returns the row height.
  int FitCells();

  Ui::TfmScore* ui_;
  const ScoreSheet& sheet_;
  // The row height the window's size last gave; a sheet that just grew is laid out with
  // smaller rows until the window follows, so this is what the window grows by.
  int rowHeight_ = 1;
};

}  // namespace zelvani
