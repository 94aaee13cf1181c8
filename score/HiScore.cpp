#include "score/HiScore.h"

namespace zelvani {

HiScoreTable EmptyHiScoreTable() {
  HiScoreRecord empty;
  // "なし" in Shift_JIS.
  const char none[] = {'\x82', '\xc8', '\x82', '\xb5'};
  for (int i = 0; i < 4; ++i) empty.Name[i] = none[i];
  HiScoreTable table;
  table.fill(empty);
  return table;
}

}  // namespace zelvani
