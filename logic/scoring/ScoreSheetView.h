// The arithmetic behind the score sheet window's two views: the grid's column widths and
// the points chart (each seat's points after every round, its axes, which rounds carry a
// label or a mark, and the words a screen reader says for it). The window only paints.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "logic/table/Records.h"
#include "logic/table/ScoreSheet.h"

#include "logic/program/Text.h"

namespace zelvani {

// Every seat's points through the game, read from the sheet.
struct PointsSeries {
  // The last round the sheet holds anything for; 0 before the first round ends.
  int Rounds = 0;
  int StartPoint = 0;
  std::array<std::string, kSeatCount> Names;
  // Points[seat][round] for rounds 0..Rounds, round 0 being the start points; nothing
  // where the sheet holds no number (a damaged saved game).
  std::array<std::vector<std::optional<int>>, kSeatCount> Points;
};

PointsSeries ReadPointsSeries(const ScoreSheet& sheet, int startPoint);

// The vertical axis: Low..High spans every point, zero and the start points, and no more;
// Ticks are the multiples of Step between them, a step of 1, 2 or 5 times a power of ten.
struct PointsAxis {
  long long Low = 0;
  long long High = 1;
  long long Step = 1;
  std::vector<long long> Ticks;
};

// At most `maxTicks` ticks (2 at least).
PointsAxis ChoosePointsAxis(const PointsSeries& series, int maxTicks);

// The rounds that get a label under the horizontal axis, `roundWidth` pixels apart, when
// each label needs `labelWidth` pixels: multiples of a step of 1, 2 or 5 times a power of
// ten, and the last round when it has room.
std::vector<int> RoundLabels(int rounds, double roundWidth, int labelWidth);

// The rounds where a seat's line carries its mark, at least `markSpacing` pixels apart;
// the seats take turns when the marks are thinned, so that they do not sit on each other.
std::vector<int> MarkedRounds(int rounds, int seat, double roundWidth, int markSpacing);

// The grid's column widths in `available` pixels: as wide as each other (the width over
// the column count, less one), unless a column's text needs more. Then that column gets
// what it needs and the others share the rest; when not everything fits, the first
// column (the round labels) still shows whole and the others share what is left.
std::vector<int> ShareColumnWidths(int available, const std::vector<int>& needs);

// What a screen reader says of the chart: the rounds, the start points, and each seat's
// last, highest and lowest points.
Text DescribePoints(const PointsSeries& series);

}  // namespace zelvani
