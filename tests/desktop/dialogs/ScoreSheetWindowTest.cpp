// The score sheet window: its grid always fills the window, grows past ten rows and can be
// read by a screen reader; its chart is one button away.
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include "desktop/dialogs/PointsChart.h"
#include "desktop/dialogs/ScoreSheetWindow.h"
#include "logic/table/ScoreSheet.h"

using namespace zelvani;

namespace {

// Rows 1..rounds filled as the rounds write them.
void FillRounds(ScoreSheet& sheet, int rounds) {
  if (rounds + 1 > sheet.RowCount())
    sheet.SetRowCount(rounds + 1);
  for (int seat = 0; seat < 4; ++seat)
    sheet.SetCell(seat + 1, 0, QStringLiteral("あなた").toStdString());
  for (int round = 1; round <= rounds; ++round) {
    sheet.SetCell(0, round, QStringLiteral("第%1回戦：").arg(round).toStdString());
    for (int seat = 0; seat < 4; ++seat)
      sheet.SetCell(seat + 1, round, std::to_string(300 - round * seat));
  }
}

}  // namespace

class ScoreSheetWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTheSheetsCellsCaptionAndHighlight() {
    ScoreSheet sheet;
    sheet.SetCell(2, 0, QStringLiteral("テルル").toStdString());
    sheet.SetCell(0, 1, QStringLiteral("第1回戦：").toStdString());
    sheet.SetCell(2, 1, "280");
    sheet.Caption = Text::Verbatim("総合成績");
    sheet.Col = 2;
    sheet.Selection = {2, 0, 2, 1};
    ScoreSheetWindow window(sheet);
    window.Refresh();
    QTableWidget* grid = window.Grid();
    QCOMPARE(grid->columnCount(), 5);
    QCOMPARE(grid->rowCount(), 10);
    // Read-only, yet a screen reader can reach every cell and move through them.
    QVERIFY(grid->isEnabled());
    QVERIFY(grid->focusPolicy() & Qt::TabFocus);
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!(grid->item(1, 2)->flags() & Qt::ItemIsEditable));
    QCOMPARE(grid->item(1, 2)->data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("第1回戦：テルル 280点"));
    // The arrow keys move the current cell, never the highlight.
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(grid->currentRow(), 1);
    QVERIFY(grid->item(0, 2)->isSelected() && grid->item(1, 2)->isSelected());
    QVERIFY(!grid->item(1, 1)->isSelected());
    QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("テルル"));
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("第1回戦："));
    QCOMPARE(window.windowTitle(), QStringLiteral("総合成績"));
    QVERIFY(grid->item(1, 2)->isSelected());
    QVERIFY(!grid->item(1, 1)->isSelected());
  }

  void CellsFillTheGridAndTheButtonStaysCentred() {
    ScoreSheet sheet;
    ScoreSheetWindow window(sheet);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(420, 500);
    QTRY_COMPARE(window.height(), 500);
    QTableWidget* grid = window.Grid();
    auto* button = window.findChild<QPushButton*>(QStringLiteral("okButton"));
    QVERIFY(button);
    QCOMPARE(button->size(), QSize(75, 25));
    QCOMPARE(button->x(), 420 / 2 - 75 / 2);
    QCOMPARE(grid->height(), 500 - 41);
    QCOMPARE(grid->columnWidth(4), 420 / 5 - 1);
    QCOMPARE(grid->rowHeight(9), (500 - 41) / 10 - 1);
  }

  void AnEleventhRowMakesTheWindowTallerByOneRow() {
    ScoreSheet sheet;
    ScoreSheetWindow window(sheet);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const int rowHeight = window.Grid()->rowHeight(0);
    sheet.SetRowCount(11);
    window.Refresh();
    window.FitRows();
    QTRY_COMPARE(window.height(), 11 * rowHeight + 41);
    QTableWidget* grid = window.Grid();
    QCOMPARE(grid->rowCount(), 11);
    // Every row shows without scrolling.
    QVERIFY(grid->rowViewportPosition(10) + grid->rowHeight(10) <= grid->viewport()->height());
  }

  void ASheetGrownBeforeItIsFirstShownStillFits() {
    ScoreSheet sheet;
    ScoreSheetWindow window(sheet);
    const int before = window.height();
    sheet.SetRowCount(12);
    window.Refresh();
    window.FitRows();
    QVERIFY(window.height() > before);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTableWidget* grid = window.Grid();
    QVERIFY(grid->rowViewportPosition(11) + grid->rowHeight(11) <= grid->viewport()->height());
    // Its rows are as high as those of a sheet that grew while it showed.
    ScoreSheet shownFirst;
    ScoreSheetWindow grownLater(shownFirst);
    grownLater.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grownLater));
    shownFirst.SetRowCount(12);
    grownLater.Refresh();
    grownLater.FitRows();
    QCOMPARE(grid->rowHeight(0), grownLater.Grid()->rowHeight(0));
    QCOMPARE(window.height(), grownLater.height());
  }

  void LongGamesKeepTheRowsAndScrollWhenTheScreenIsFull() {
    ScoreSheet sheet;
    ScoreSheetWindow window(sheet);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTableWidget* grid = window.Grid();
    const int rowHeight = grid->rowHeight(0);
    const int tenRowWindow = window.height();
    for (int rows = 11; rows <= 60; ++rows) {
      sheet.SetRowCount(rows);
      window.Refresh();
      window.FitRows();
      QCOMPARE(grid->rowHeight(rows - 1), rowHeight);
    }
    QVERIFY(window.screen()->availableGeometry().contains(window.frameGeometry()));
    auto* bar = window.findChild<QScrollBar*>(QStringLiteral("scroller"));
    QVERIFY(bar && bar->isVisible());
    bar->setValue(bar->maximum());
    QCOMPARE(grid->rowViewportPosition(59) + rowHeight, grid->viewport()->height());
    // A new game starts from the ten rows and the window it had before.
    sheet.SetRowCount(10);
    window.Refresh();
    window.FitRows();
    QCOMPARE(window.height(), tenRowWindow);
    QCOMPARE(grid->rowHeight(0), rowHeight);
    QVERIFY(!bar->isVisible());
  }

  void TheRoundLabelsShowWholeInLongGames() {
    ScoreSheet sheet;
    ScoreSheetWindow window(sheet);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTableWidget* grid = window.Grid();
    for (int rounds : {10, 999}) {
      FillRounds(sheet, rounds);
      window.Refresh();
      window.FitRows();
      const QString label = grid->item(rounds, 0)->text();
      QVERIFY(grid->columnWidth(0) > grid->fontMetrics().horizontalAdvance(label));
      int total = 0;
      for (int col = 0; col < grid->columnCount(); ++col)
        total += grid->columnWidth(col);
      QVERIFY(total <= grid->viewport()->width());
    }
  }

  void TheChartButtonSwitchesViewsAndTheChartFollowsTheSheet() {
    ScoreSheet sheet;
    FillRounds(sheet, 3);
    ScoreSheetWindow window(sheet);
    window.SetStartPointSource([] { return 300; });
    QSignalSpy switched(&window, &ScoreSheetWindow::ViewChanged);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.Chart());  // nothing made until it is asked for
    auto* button = window.findChild<QPushButton*>(QStringLiteral("chartButton"));
    QVERIFY(button);
    QTest::keyClick(button, Qt::Key_Return);  // as a keyboard player presses it
    QVERIFY(window.ChartShown());
    QCOMPARE(button->text(), QStringLiteral("表(&G)"));
    QCOMPARE(switched.size(), 1);
    QCOMPARE(switched.at(0).at(0).toBool(), true);
    PointsChart* chart = window.Chart();
    QVERIFY(chart && chart->isVisible() && !window.Grid()->isVisible());
    QVERIFY(chart->accessibleDescription().contains(QStringLiteral("第3回戦まで")));

    FillRounds(sheet, 4);
    window.Refresh();
    QVERIFY(chart->accessibleDescription().contains(QStringLiteral("第4回戦まで")));

    button->click();
    QVERIFY(!window.ChartShown() && window.Grid()->isVisible());
    QCOMPARE(switched.size(), 2);
    QCOMPARE(switched.at(1).at(0).toBool(), false);
  }

  void TenRowsNeverResizeTheWindow() {
    ScoreSheet sheet;
    ScoreSheetWindow window(sheet);
    const QSize before = window.size();
    window.FitRows();
    QCOMPARE(window.size(), before);
  }
};

QTEST_MAIN(ScoreSheetWindowTest)
#include "ScoreSheetWindowTest.moc"
