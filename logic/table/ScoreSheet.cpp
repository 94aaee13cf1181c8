#include "logic/table/ScoreSheet.h"

namespace zelvani {

namespace {
const std::string kEmpty;
}

void ScoreSheet::SetRowCount(int rows) {
  rows_.resize(rows < 0 ? 0 : rows);
}

const std::string& ScoreSheet::Cell(int col, int row) const {
  if (col < 0 || col >= kColumns || row < 0 || row >= RowCount())
    return kEmpty;
  return rows_[row][col];
}

void ScoreSheet::SetCell(int col, int row, const std::string& text) {
  if (col < 0 || col >= kColumns || row < 0 || row >= RowCount())
    return;
  rows_[row][col] = text;
}

void ScoreSheet::Clear() {
  rows_.assign(kInitialRows, {});
  Col = 0;
  Row = 0;
  Selection = {};
}

}  // namespace zelvani
