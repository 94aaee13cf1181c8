// The two high-score tables: their records, insertion and display.
#pragma once

#include "core/Records.h"

namespace zelvani {

// Every record scores 0, is named "なし", dated 2000-01-01 and belongs to a computer.
HiScoreTable EmptyHiScoreTable();

}  // namespace zelvani
