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
  // Grows the window so that every row of a sheet longer than ten rows shows.
  void FitRows();
  QTableWidget* Grid() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void FitCells();

  Ui::TfmScore* ui_;
  const ScoreSheet& sheet_;
};

}  // namespace zelvani
