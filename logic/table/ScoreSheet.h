// The contents of the score sheet grid: column 0 holds the round labels, column s + 1
// belongs to seat s, row 0 holds the names and row n the points after round n.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "logic/program/Text.h"

namespace zelvani {

struct GridSelection {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
};

// "第3回戦：", the label of a round's row.
inline Text RoundLabel(int round) {
  return Translatable("Scores", "第%1回戦：").Arg(round);
}
// The caption of the sheet while a game goes on.
inline Text ScoreSheetCaption() {
  return Translatable("Scores", "得点状況");
}

class ScoreSheet {
 public:
  static constexpr int kColumns = 5;
  static constexpr int kInitialRows = 10;

  ScoreSheet() { Clear(); }

  int RowCount() const { return static_cast<int>(rows_.size()); }
  // Rows added are empty; rows removed are lost.
  void SetRowCount(int rows);
  // Out-of-range cells read as empty and ignore writes.
  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, const std::string& text);

  // Back to 10 empty rows with the current cell at (0, 0).
  void Clear();

  // The current cell and the highlighted block of the grid.
  int Col = 0;
  int Row = 0;
  GridSelection Selection;
  Text Caption = ScoreSheetCaption();

 private:
  std::vector<std::array<std::string, kColumns>> rows_;
};

}  // namespace zelvani
