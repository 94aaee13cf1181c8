#include "desktop/dialogs/ScoreSheetWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QWheelEvent>
#include <algorithm>
#include <utility>
#include <vector>

#include "desktop/dialogs/PointsChart.h"
#include "desktop/platform/QtText.h"
#include "logic/scoring/ScoreSheetView.h"
#include "ui_ScoreSheetWindow.h"

namespace zelvani {

ScoreSheetWindow::ScoreSheetWindow(const ScoreSheet& sheet, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui_(new Ui::ScoreSheetWindow),
      sheet_(sheet) {
  ui_->setupUi(this);
  setObjectName(QStringLiteral("scoreSheetWindow"));
  QTableWidget* grid = ui_->grid;
  // The colour of button faces; the highlighted column keeps the selection's colours, in
  // an inactive window too. The player moves the current cell, never the highlight.
  QPalette pal = grid->palette();
  pal.setColor(QPalette::Base, pal.color(QPalette::Button));
  for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
    pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
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
  // Never so narrow that the centred OK button would cover the chart button.
  const QRect chartButton = ui_->chartButton->geometry();
  setMinimumWidth(2 * (chartButton.right() + chartButton.left()) + ui_->okButton->width());
  connect(ui_->chartButton, &QPushButton::clicked, this, [this] {
    const bool chart = !ChartShown();
    ShowChart(chart);
    emit ViewChanged(chart);
  });
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    move(area.center() - rect().center());
  }
  // Lay the grid out now: the sheet may have to grow before the window is first shown.
  layout()->activate();
  ui_->views->layout()->activate();  // the grid is a page of its own layout
  tenRowHeight_ = qMax(1, grid->height() / ScoreSheet::kInitialRows - 1);
  Refresh();
}

ScoreSheetWindow::~ScoreSheetWindow() {
  delete ui_;
}

QTableWidget* ScoreSheetWindow::Grid() const {
  return ui_->grid;
}

QString ScoreSheetWindow::CellText(int col, int row) const {
  // The round labels are the game's words, in the player's language; the rest are names and
  // numbers.
  if (col == 0 && row > 0 && !sheet_.Cell(col, row).empty())
    return ToQString(RoundLabel(row));
  return ToQString(sheet_.Cell(col, row));
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
      const std::string& text = sheet_.Cell(col, row);
      item->setText(CellText(col, row));
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      // A screen reader gives a cell of points with its round and seat.
      const bool points = row > 0 && col > 0 && !text.empty();
      item->setData(Qt::AccessibleTextRole,
                    points ? QVariant(QCoreApplication::translate("ScoreSheetWindow", "%1%2 %3点")
                                          .arg(CellText(0, row), CellText(col, 0), ToQString(text)))
                           : QVariant());
    }
  }
  setWindowTitle(ToQString(sheet_.Caption));
  grid->clearSelection();
  grid->setCurrentCell(sheet_.Row, sheet_.Col);
  const GridSelection& s = sheet_.Selection;
  grid->setRangeSelected(QTableWidgetSelectionRange(s.Top, s.Left, s.Bottom, s.Right), true);
  FitCells();
  if (chart_)
    chart_->Refresh();
}

void ScoreSheetWindow::ShowChart(bool chart) {
  if (chart && !chart_) {
    chart_ = new PointsChart(
        sheet_, [this] { return startPoint_ ? startPoint_() : RuleSettings{}.StartPoint; },
        ui_->views);
    ui_->views->addWidget(chart_);
    setTabOrder(ui_->grid, chart_);
    setTabOrder(chart_, ui_->chartButton);
  }
  // The button's words say where it leads.
  ui_->chartButton->setText(chart ? QCoreApplication::translate("ScoreSheetWindow", "表(&G)")
                                  : QCoreApplication::translate("ScoreSheetWindow", "グラフ(&G)"));
  QWidget* shown = ui_->views->currentWidget();
  const bool focused = shown && shown->hasFocus();
  ui_->views->setCurrentWidget(chart ? static_cast<QWidget*>(chart_) : ui_->grid);
  if (focused)
    ui_->views->currentWidget()->setFocus();
  FitCells();
}

bool ScoreSheetWindow::ChartShown() const {
  return chart_ && ui_->views->currentWidget() == chart_;
}

void ScoreSheetWindow::SetStartPointSource(std::function<int()> startPoint) {
  startPoint_ = std::move(startPoint);
  if (chart_)
    chart_->Refresh();
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
  // What each column's longest text needs, with the margins the cells draw it within.
  const QFontMetrics metrics(grid->font());
  const int textMargins =
      2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1) + 1;
  std::vector<int> needs(columns, 0);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c)
      if (const QTableWidgetItem* item = grid->item(r, c); item && !item->text().isEmpty())
        needs[c] = std::max(needs[c], metrics.horizontalAdvance(item->text()) + textMargins);
  const std::vector<int> widths = ShareColumnWidths(grid->width() - barWidth, needs);
  grid->horizontalHeader()->setDefaultSectionSize(widths.back());
  grid->verticalHeader()->setDefaultSectionSize(rowHeight);
  for (int c = 0; c < columns; ++c)
    grid->setColumnWidth(c, qMax(1, widths[c]));
  for (int r = 0; r < rows; ++r)
    grid->setRowHeight(r, rowHeight);
  const QPoint gridAt = grid->mapTo(this, QPoint(0, 0));
  scroller_->setGeometry(gridAt.x() + grid->width() - barWidth, gridAt.y(), barWidth,
                         grid->height());
  scroller_->setVisible(scrolls && !ChartShown());
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
  // The wheel over the button panel scrolls the grid too.
  if (scroller_->isVisible())
    QApplication::sendEvent(scroller_, event);
}

}  // namespace zelvani
