#include "logic/scoring/ScoreSheetView.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <numeric>

namespace zelvani {

namespace {

// A decimal number of points with blanks around it allowed; nothing for anything else.
std::optional<int> ReadPoints(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos)
    return std::nullopt;
  const std::size_t last = text.find_last_not_of(' ');
  const char* begin = text.data() + first;
  const char* end = text.data() + last + 1;
  int value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop != end)
    return std::nullopt;
  return value;
}

bool RowHoldsAnything(const ScoreSheet& sheet, int row) {
  for (int col = 0; col < ScoreSheet::kColumns; ++col)
    if (!sheet.Cell(col, row).empty())
      return true;
  return false;
}

// The smallest of 1, 2, 5, 10, 20, 50, ... that is at least `rough`.
long long NiceStep(double rough) {
  long long power = 1;
  while (true) {
    for (long long factor : {1LL, 2LL, 5LL})
      if (static_cast<double>(factor * power) >= rough)
        return factor * power;
    if (power > LLONG_MAX / 100)
      return power * 10;
    power *= 10;
  }
}

long long FloorToStep(long long value, long long step) {
  long long q = value / step;
  if (value % step != 0 && value < 0)
    --q;
  return q * step;
}

long long CeilToStep(long long value, long long step) {
  return -FloorToStep(-value, step);
}

}  // namespace

PointsSeries ReadPointsSeries(const ScoreSheet& sheet, int startPoint) {
  PointsSeries series;
  series.StartPoint = startPoint;
  for (int row = sheet.RowCount() - 1; row >= 1; --row) {
    if (RowHoldsAnything(sheet, row)) {
      series.Rounds = row;
      break;
    }
  }
  for (int seat = 0; seat < kSeatCount; ++seat) {
    series.Names[seat] = sheet.Cell(seat + 1, 0);
    std::vector<std::optional<int>>& points = series.Points[seat];
    points.reserve(series.Rounds + 1);
    points.push_back(startPoint);
    for (int round = 1; round <= series.Rounds; ++round)
      points.push_back(ReadPoints(sheet.Cell(seat + 1, round)));
  }
  return series;
}

PointsAxis ChoosePointsAxis(const PointsSeries& series, int maxTicks) {
  maxTicks = std::max(maxTicks, 2);
  long long low = std::min(0, series.StartPoint);
  long long high = std::max(0, series.StartPoint);
  for (const auto& points : series.Points)
    for (const std::optional<int>& point : points)
      if (point) {
        low = std::min<long long>(low, *point);
        high = std::max<long long>(high, *point);
      }
  if (low == high)
    ++high;
  PointsAxis axis;
  axis.Low = low;
  axis.High = high;
  axis.Step = NiceStep(static_cast<double>(high - low) / (maxTicks - 1));
  for (long long tick = CeilToStep(low, axis.Step); tick <= high; tick += axis.Step)
    axis.Ticks.push_back(tick);
  return axis;
}

std::vector<int> RoundLabels(int rounds, double roundWidth, int labelWidth) {
  std::vector<int> labels;
  if (rounds <= 0 || roundWidth <= 0)
    return labels;
  const long long step = NiceStep(std::max(1, labelWidth) / roundWidth);
  for (long long round = step; round <= rounds; round += step)
    labels.push_back(static_cast<int>(round));
  const int lastLabelled = labels.empty() ? 0 : labels.back();
  if (lastLabelled != rounds && (rounds - lastLabelled) * roundWidth >= labelWidth)
    labels.push_back(rounds);
  return labels;
}

std::vector<int> MarkedRounds(int rounds, int seat, double roundWidth, int markSpacing) {
  std::vector<int> marked;
  if (rounds <= 0 || roundWidth <= 0)
    return marked;
  const long long step = NiceStep(std::max(1, markSpacing) / roundWidth);
  // Round 0 is every seat's start, where the marks would all sit on each other.
  const long long offset = step >= kSeatCount ? seat * step / kSeatCount : 0;
  for (long long round = offset > 0 ? offset : step; round <= rounds; round += step)
    marked.push_back(static_cast<int>(round));
  return marked;
}

std::vector<int> ShareColumnWidths(int available, const std::vector<int>& needs) {
  const int columns = static_cast<int>(needs.size());
  if (columns == 0)
    return {};
  std::vector<bool> fixed(columns, false);
  int fixedWidth = 0;
  int share = std::max(1, available / columns - 1);
  // Columns that need more than an even share take it; the share of the rest shrinks,
  // which may push further columns over it.
  for (bool changed = true; changed;) {
    changed = false;
    for (int col = 0; col < columns; ++col) {
      if (!fixed[col] && needs[col] > share) {
        fixed[col] = true;
        fixedWidth += needs[col];
        changed = true;
      }
    }
    const int loose = static_cast<int>(std::count(fixed.begin(), fixed.end(), false));
    if (loose == 0)
      break;
    share = (available - fixedWidth) / loose - 1;
  }
  std::vector<int> widths(columns);
  const int loose = static_cast<int>(std::count(fixed.begin(), fixed.end(), false));
  if (loose > 0 && share >= 1) {
    for (int col = 0; col < columns; ++col)
      widths[col] = fixed[col] ? needs[col] : share;
    return widths;
  }
  // Not everything fits: the round labels show whole, the other columns share the rest.
  widths[0] = std::min(needs[0], std::max(1, available - columns));
  const int rest = columns > 1 ? std::max(1, (available - widths[0]) / (columns - 1) - 1) : 0;
  for (int col = 1; col < columns; ++col)
    widths[col] = rest;
  return widths;
}

Text DescribePoints(const PointsSeries& series) {
  // Whole sentences one after another: each language ends its own with the space it needs.
  std::vector<Text> sentences;
  if (series.Rounds == 0)
    return Translatable("Scores", "得点の推移のグラフ：開始点%1点、まだ終わった回戦はありません。")
        .Arg(series.StartPoint);
  if (series.Rounds == 1)
    sentences.push_back(
        Translatable("Scores", "得点の推移のグラフ：開始点%1点、第1回戦。").Arg(series.StartPoint));
  else
    sentences.push_back(
        Translatable("Scores", "得点の推移のグラフ：開始点%1点、第1回戦から第%2回戦まで。")
            .Arg(series.StartPoint)
            .Arg(series.Rounds));
  for (int seat = 0; seat < kSeatCount; ++seat) {
    std::optional<int> last, highest, lowest;
    for (const std::optional<int>& point : series.Points[seat]) {
      if (!point)
        continue;
      last = point;
      highest = std::max(highest.value_or(INT_MIN), *point);
      lowest = std::min(lowest.value_or(INT_MAX), *point);
    }
    if (!last)
      continue;
    sentences.push_back(Translatable("Scores", "%1：最後%2点（最高%3点、最低%4点）。")
                            .Arg(series.Names[seat])
                            .Arg(*last)
                            .Arg(*highest)
                            .Arg(*lowest));
  }
  sentences.push_back(Translatable("Scores", "各回の得点は表で読めます。"));
  return Text::Joined({}, std::move(sentences));
}

}  // namespace zelvani
