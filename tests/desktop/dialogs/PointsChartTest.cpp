// The score sheet's chart, painted offscreen: every seat's line inside the plot and every
// seat named in the legend, for short and very long games, at 100 % and 200 %.
#include <QImage>
#include <QtTest>
#include <string>

#include "desktop/dialogs/PointsChart.h"
#include "logic/table/ScoreSheet.h"

using namespace zelvani;

namespace {

const char* const kNames[kSeatCount] = {"あなた", "テルル", "ミント", "コハク"};

// Points that wander up and down and, in long games, far below zero.
ScoreSheet SheetOfRounds(int rounds) {
  ScoreSheet sheet;
  if (rounds + 1 > sheet.RowCount())
    sheet.SetRowCount(rounds + 1);
  for (int seat = 0; seat < kSeatCount; ++seat)
    sheet.SetCell(seat + 1, 0, kNames[seat]);
  for (int round = 1; round <= rounds; ++round) {
    sheet.SetCell(0, round, "第" + std::to_string(round) + "回戦：");
    for (int seat = 0; seat < kSeatCount; ++seat)
      sheet.SetCell(seat + 1, round,
                    std::to_string(300 - round * (seat + 1) * 3 + (round * 37 + seat * 13) % 60));
  }
  return sheet;
}

bool Near(QRgb pixel, QRgb colour) {
  return qAbs(qRed(pixel) - qRed(colour)) <= 24 && qAbs(qGreen(pixel) - qGreen(colour)) <= 24 &&
         qAbs(qBlue(pixel) - qBlue(colour)) <= 24;
}

QRect Scaled(const QRect& rect, int scale) {
  return QRect(rect.topLeft() * scale, rect.size() * scale);
}

}  // namespace

class PointsChartTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryLineLiesInThePlotAndTheLegendNamesEverySeat_data() {
    QTest::addColumn<int>("rounds");
    QTest::addColumn<int>("scale");
    for (int rounds : {1, 10, 999})
      for (int scale : {1, 2})
        QTest::addRow("%d rounds at %d00 %%", rounds, scale) << rounds << scale;
  }

  void EveryLineLiesInThePlotAndTheLegendNamesEverySeat() {
    QFETCH(int, rounds);
    QFETCH(int, scale);
    const ScoreSheet sheet = SheetOfRounds(rounds);
    PointsChart chart(sheet, [] { return 300; });
    chart.resize(350, 298);  // the grid's place in a new score sheet window
    QImage image(chart.size() * scale, QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    chart.render(&image);

    const PointsChart::Layout layout = chart.ChartLayout();
    QVERIFY(chart.rect().contains(layout.Plot));
    // The plot keeps most of the window, however long the game.
    QVERIFY(layout.Plot.width() > chart.width() / 2 && layout.Plot.height() > chart.height() / 2);
    QCOMPARE(layout.Legend.size(), kSeatCount);
    for (int seat = 0; seat < kSeatCount; ++seat) {
      const QRect box = layout.Legend[seat].Box;
      QCOMPARE(layout.Legend[seat].Name, QString::fromUtf8(kNames[seat]));
      QVERIFY(chart.rect().contains(box));
      QVERIFY(!box.intersects(layout.Plot));
      for (int other = seat + 1; other < kSeatCount; ++other)
        QVERIFY(!box.intersects(layout.Legend[other].Box));
      QVERIFY(!box.intersects(layout.StartKey));
    }
    QVERIFY(chart.rect().contains(layout.StartKey) && !layout.StartKey.intersects(layout.Plot));

    for (int seat = 0; seat < kSeatCount; ++seat) {
      const QRgb colour = PointsChart::SeatColour(seat).rgb();
      int inside = 0;
      int inLegend = 0;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          if (!Near(image.pixel(x, y), colour))
            continue;
          if (Scaled(layout.Plot, scale).contains(x, y)) {
            ++inside;
          } else if (Scaled(layout.Legend[seat].Box, scale).contains(x, y)) {
            ++inLegend;
          } else {
            QFAIL(qPrintable(
                QStringLiteral("seat %1 drawn outside the plot at %2,%3").arg(seat).arg(x).arg(y)));
          }
        }
      }
      // A line across the whole plot, thick enough to see, and its sample in the legend.
      QVERIFY2(inside >= layout.Plot.width() * scale / 4, qPrintable(QString::number(inside)));
      QVERIFY(inLegend > 0);
    }
  }
};

QTEST_MAIN(PointsChartTest)
#include "PointsChartTest.moc"
