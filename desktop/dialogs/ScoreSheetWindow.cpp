#include "desktop/dialogs/ScoreSheetWindow.h"

#include <QApplication>
#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QWheelEvent>

#include "ui_ScoreSheetWindow.h"

namespace zelvani {

ScoreSheetWindow::ScoreSheetWindow(const ScoreSheet& sheet, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui_(new Ui::ScoreSheetWindow),
      sheet_(sheet) {
  ui_->setupUi(this);
  setObjectName(QStringLiteral("scoreSheetWindow"));
  QTableWidget* grid = ui_->grid;
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
  scroller_ = new QScrollBar(Qt::Vertical, this);
  scroller_->setObjectName(QStringLiteral("scroller"));
  scroller_->hide();
  QScrollBar* gridBar = grid->verticalScrollBar();
  connect(gridBar, &QScrollBar::rangeChanged, scroller_, &QScrollBar::setRange);
  connect(gridBar, &QScrollBar::valueChanged, scroller_, &QScrollBar::setValue);
  connect(scroller_, &QScrollBar::valueChanged, gridBar, &QScrollBar::setValue);
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
  // Lay the grid out now: the sheet may have to grow before the window is first shown.
  layout()->activate();
  tenRowHeight_ = qMax(1, grid->height() / ScoreSheet::kInitialRows - 1);
  Refresh();
}

ScoreSheetWindow::~ScoreSheetWindow() {
  delete ui_;
}

QTableWidget* ScoreSheetWindow::Grid() const {
  return ui_->grid;
}

void ScoreSheetWindow::Refresh() {
  QTableWidget* grid = ui_->grid;
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

void ScoreSheetWindow::FitRows() {
  if (sheet_.RowCount() <= ScoreSheet::kInitialRows) {
    if (heightBeforeGrowing_ > 0) {
      const int before = heightBeforeGrowing_;
      heightBeforeGrowing_ = 0;
      resize(width(), before);
    }
    return;
  }
  if (heightBeforeGrowing_ == 0)
    heightBeforeGrowing_ = height();
  int height = sheet_.RowCount() * tenRowHeight_ + ui_->okPanel->height();
  const QScreen* screen = this->screen();
  if (!screen) {
    resize(width(), height);
    return;
  }
  // A sheet longer than the screen stays on it, title bar included, and scrolls; a window
  // grown down past the screen's foot moves up. Until the window manager has framed the
  // window its title bar is unknown, and Qt's own title bar height stands in.
  const QRect area = screen->availableGeometry();
  const int titleBar = qMax(frameGeometry().height() - this->height(),
                            style()->pixelMetric(QStyle::PM_TitleBarHeight) +
                                2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
  resize(width(), qMin(height, area.height() - titleBar));
  const int frameBottom = y() + titleBar + this->height() - 1;  // y() is the frame's top
  if (frameBottom > area.bottom())
    move(x(), qMax(area.top(), area.bottom() + 1 - titleBar - this->height()));
}

void ScoreSheetWindow::FitCells() {
  QTableWidget* grid = ui_->grid;
  const int columns = grid->columnCount();
  const int rows = grid->rowCount();
  if (columns <= 0 || rows <= 0)
    return;
  int rowHeight = qMax(1, grid->height() / rows - 1);
  if (rows > ScoreSheet::kInitialRows)
    rowHeight = qMax(rowHeight, tenRowHeight_);
  else if (heightBeforeGrowing_ == 0)
    tenRowHeight_ = rowHeight;
  const bool scrolls = rows * rowHeight > grid->height();
  const int barWidth = scrolls ? scroller_->sizeHint().width() : 0;
  const int colWidth = qMax(1, (grid->width() - barWidth) / columns - 1);
  grid->horizontalHeader()->setDefaultSectionSize(colWidth);
  grid->verticalHeader()->setDefaultSectionSize(rowHeight);
  for (int c = 0; c < columns; ++c)
    grid->setColumnWidth(c, colWidth);
  for (int r = 0; r < rows; ++r)
    grid->setRowHeight(r, rowHeight);
  scroller_->setGeometry(grid->x() + grid->width() - barWidth, grid->y(), barWidth, grid->height());
  scroller_->setVisible(scrolls);
}

void ScoreSheetWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  QWidget* button = ui_->okButton;
  button->move(ui_->okPanel->width() / 2 - button->width() / 2, button->y());
  FitCells();
}

void ScoreSheetWindow::showEvent(QShowEvent* event) {
  Refresh();
  QDialog::showEvent(event);
}

void ScoreSheetWindow::wheelEvent(QWheelEvent* event) {
  // The disabled grid passes the wheel on to the window.
  if (scroller_->isVisible())
    QApplication::sendEvent(scroller_, event);
}

}  // namespace zelvani
