#include "score/TfmScore.h"

#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QTableWidget>

#include "ui_fmScore.h"

namespace zelvani {

TfmScore::TfmScore(const ScoreSheet& sheet, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui_(new Ui::TfmScore),
      sheet_(sheet) {
  ui_->setupUi(this);
  setObjectName(QStringLiteral("fmScore"));
  QTableWidget* grid = ui_->grScore;
  // The grid is disabled so nobody edits or moves through it, yet it keeps the colours
  // of an enabled one, the highlighted column included.
  QPalette pal = grid->palette();
  for (auto role : {QPalette::Text, QPalette::Highlight, QPalette::HighlightedText})
    pal.setColor(QPalette::Disabled, role, pal.color(QPalette::Active, role));
  pal.setColor(QPalette::Base, pal.color(QPalette::Button));
  pal.setColor(QPalette::Disabled, QPalette::Base, pal.color(QPalette::Button));
  grid->setPalette(pal);
  grid->horizontalHeader()->setMinimumSectionSize(1);
  grid->verticalHeader()->setMinimumSectionSize(1);
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
  // Lay the grid out now: the sheet may have to grow before the window is first shown.
  layout()->activate();
  Refresh();
  rowHeight_ = FitCells();
}

TfmScore::~TfmScore() {
  delete ui_;
}

QTableWidget* TfmScore::Grid() const {
  return ui_->grScore;
}

void TfmScore::Refresh() {
  QTableWidget* grid = ui_->grScore;
  grid->setRowCount(sheet_.RowCount());
  for (int row = 0; row < sheet_.RowCount(); ++row) {
    for (int col = 0; col < ScoreSheet::kColumns; ++col) {
      QTableWidgetItem* item = grid->item(row, col);
      if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row, col, item);
      }
      item->setText(QString::fromStdString(sheet_.Cell(col, row)));
    }
  }
  setWindowTitle(QString::fromStdString(sheet_.Caption));
  grid->clearSelection();
  grid->setCurrentCell(sheet_.Row, sheet_.Col);
  const GridSelection& s = sheet_.Selection;
  grid->setRangeSelected(QTableWidgetSelectionRange(s.Top, s.Left, s.Bottom, s.Right), true);
  FitCells();
}

void TfmScore::FitRows() {
  if (sheet_.RowCount() <= ScoreSheet::kInitialRows)
    return;
  int height = sheet_.RowCount() * rowHeight_ + ui_->pnlOK->height();
  // A sheet longer than the screen squeezes its rows rather than leave the screen.
  if (const QScreen* screen = this->screen())
    height = qMin(height, screen->availableGeometry().height());
  resize(width(), height);
}

int TfmScore::FitCells() {
  QTableWidget* grid = ui_->grScore;
  const int columns = grid->columnCount();
  const int rows = grid->rowCount();
  if (columns <= 0 || rows <= 0)
    return rowHeight_;
  const int colWidth = grid->width() / columns - 1;
  const int rowHeight = grid->height() / rows - 1;
  grid->horizontalHeader()->setDefaultSectionSize(qMax(1, colWidth));
  grid->verticalHeader()->setDefaultSectionSize(qMax(1, rowHeight));
  for (int c = 0; c < columns; ++c)
    grid->setColumnWidth(c, qMax(1, colWidth));
  for (int r = 0; r < rows; ++r)
    grid->setRowHeight(r, qMax(1, rowHeight));
  return qMax(1, rowHeight);
}

void TfmScore::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  QWidget* button = ui_->btnOK;
  button->move(ui_->pnlOK->width() / 2 - button->width() / 2, button->y());
  rowHeight_ = FitCells();
}

void TfmScore::showEvent(QShowEvent* event) {
  Refresh();
  QDialog::showEvent(event);
}

}  // namespace zelvani
