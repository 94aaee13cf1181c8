// The score sheet's views: the points read for the chart, its axes and thinned labels
// and marks, the grid's column widths and the chart's spoken description.
#include "logic/scoring/ScoreSheetView.h"

#include <gtest/gtest.h>

#include <string>

using namespace zelvani;

namespace {

// A sheet as the rounds write it: names in row 0, labels and points below.
ScoreSheet SheetOfRounds(int rounds) {
  ScoreSheet sheet;
  if (rounds + 1 > sheet.RowCount())
    sheet.SetRowCount(rounds + 1);
  const char* names[] = {"あなた", "テルル", "ミント", "コハク"};
  for (int seat = 0; seat < kSeatCount; ++seat)
    sheet.SetCell(seat + 1, 0, names[seat]);
  for (int round = 1; round <= rounds; ++round) {
    sheet.SetCell(0, round, "第" + std::to_string(round) + "回戦：");
    for (int seat = 0; seat < kSeatCount; ++seat)
      sheet.SetCell(seat + 1, round, std::to_string(300 - round * (seat + 1) * 7));
  }
  return sheet;
}

}  // namespace

TEST(PointsSeries, StartsAtTheStartPointsAndFollowsEveryRoundOfTheSheet) {
  ScoreSheet sheet = SheetOfRounds(3);
  sheet.SetCell(3, 2, "壊れた");  // a damaged saved game leaves a gap, not a zero
  const PointsSeries series = ReadPointsSeries(sheet, 300);
  EXPECT_EQ(series.Rounds, 3);
  EXPECT_EQ(series.Names[2], "ミント");
  ASSERT_EQ(series.Points[1].size(), 4u);
  EXPECT_EQ(series.Points[1][0], 300);
  EXPECT_EQ(series.Points[1][3], 300 - 3 * 2 * 7);
  EXPECT_FALSE(series.Points[2][2].has_value());
  EXPECT_EQ(series.Points[2][3], 300 - 3 * 3 * 7);

  const PointsSeries empty = ReadPointsSeries(ScoreSheet{}, 150);
  EXPECT_EQ(empty.Rounds, 0);
  EXPECT_EQ(empty.Points[0], std::vector<std::optional<int>>{150});
}

TEST(PointsAxis, HoldsEveryPointZeroAndTheStartInRoundSteps) {
  ScoreSheet sheet = SheetOfRounds(2);
  sheet.SetCell(4, 2, "-1234");
  sheet.SetCell(1, 1, "517");
  const PointsAxis axis = ChoosePointsAxis(ReadPointsSeries(sheet, 300), 6);
  EXPECT_EQ(axis.Low, -1234);
  EXPECT_EQ(axis.High, 517);
  EXPECT_EQ(axis.Step, 500);
  EXPECT_EQ(axis.Ticks, (std::vector<long long>{-1000, -500, 0, 500}));

  // All points at zero with a start of zero still make a range.
  ScoreSheet flat;
  const PointsAxis flatAxis = ChoosePointsAxis(ReadPointsSeries(flat, 0), 2);
  EXPECT_LT(flatAxis.Low, flatAxis.High);
}

TEST(RoundLabels, AreThinnedSoThatNoTwoOverlapAtAnyLength) {
  EXPECT_EQ(RoundLabels(1, 300, 20), std::vector<int>{1});
  EXPECT_EQ(RoundLabels(10, 30, 20), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(RoundLabels(10, 12, 20), (std::vector<int>{2, 4, 6, 8, 10}));
  for (int rounds : {1, 10, 57, 999}) {
    const double roundWidth = 300.0 / rounds;
    const std::vector<int> labels = RoundLabels(rounds, roundWidth, 24);
    ASSERT_FALSE(labels.empty()) << rounds;
    EXPECT_LE(labels.back(), rounds);
    for (std::size_t i = 1; i < labels.size(); ++i)
      EXPECT_GE((labels[i] - labels[i - 1]) * roundWidth, 24) << rounds;
  }
  // 999 rounds in 300 pixels: every 100th round, and the last.
  EXPECT_EQ(RoundLabels(999, 0.3, 24),
            (std::vector<int>{100, 200, 300, 400, 500, 600, 700, 800, 900, 999}));
}

TEST(MarkedRounds, EverySeatIsMarkedAndTheSeatsTakeTurnsWhenThinned) {
  EXPECT_EQ(MarkedRounds(3, 2, 100, 12), (std::vector<int>{1, 2, 3}));
  const double roundWidth = 300.0 / 999;
  std::vector<std::vector<int>> marks;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    marks.push_back(MarkedRounds(999, seat, roundWidth, 12));
    ASSERT_GE(marks.back().size(), 2u);
    for (std::size_t i = 1; i < marks.back().size(); ++i)
      EXPECT_GE((marks.back()[i] - marks.back()[i - 1]) * roundWidth, 12);
  }
  EXPECT_NE(marks[0].front(), marks[1].front());
  EXPECT_NE(marks[1].front(), marks[2].front());
  EXPECT_NE(marks[2].front(), marks[3].front());
}

TEST(ShareColumnWidths, EvenUnlessALabelNeedsMoreAndTheLabelsAlwaysWhole) {
  EXPECT_EQ(ShareColumnWidths(350, {40, 40, 40, 40, 40}), (std::vector<int>{69, 69, 69, 69, 69}));
  // "第10回戦：" needs more than a fifth: it gets it, the seats share the rest.
  const std::vector<int> widths = ShareColumnWidths(350, {80, 40, 40, 40, 40});
  EXPECT_EQ(widths[0], 80);
  EXPECT_EQ(widths[1], (350 - 80) / 4 - 1);
  // Too narrow for everything: the labels still show whole.
  const std::vector<int> narrow = ShareColumnWidths(150, {80, 60, 60, 60, 60});
  EXPECT_EQ(narrow[0], 80);
  int total = 0;
  for (int width : narrow)
    total += width;
  EXPECT_LE(total, 150);
}

TEST(DescribePoints, NamesTheRoundsAndEachSeatsLastHighestAndLowest) {
  ScoreSheet sheet = SheetOfRounds(2);
  sheet.SetCell(1, 1, "350");
  EXPECT_EQ(DescribePoints(ReadPointsSeries(sheet, 300)).Render(),
            "得点の推移のグラフ：開始点300点、第1回戦から第2回戦まで。"
            "あなた：最後286点（最高350点、最低286点）。"
            "テルル：最後272点（最高300点、最低272点）。"
            "ミント：最後258点（最高300点、最低258点）。"
            "コハク：最後244点（最高300点、最低244点）。各回の得点は表で読めます。");
  EXPECT_EQ(DescribePoints(ReadPointsSeries(ScoreSheet{}, 300)).Render(),
            "得点の推移のグラフ：開始点300点、まだ終わった回戦はありません。");
}
