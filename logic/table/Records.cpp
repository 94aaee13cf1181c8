#include "logic/table/Records.h"

#include <limits>

namespace zelvani {

int HandRecord::SelectedCount() const {
  int n = 0;
  for (int i = 0; i < Count; ++i) n += Selected[i] != 0;
  return n;
}

std::int32_t SaturatingAdd(std::int32_t a, std::int64_t b) {
  const std::int64_t sum = static_cast<std::int64_t>(a) + b;
  if (sum > std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  if (sum < std::numeric_limits<std::int32_t>::min())
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(sum);
}

void RemoveCard(HandRecord& hand, int slot) {
  if (slot < 0 || slot >= hand.Count) return;
  hand.Selected[slot] = 0;
  hand.Claimed = kNoClaim;
  for (int i = slot; i + 1 < hand.Count; ++i) hand.Cards[i] = hand.Cards[i + 1];
  --hand.Count;
}

}  // namespace zelvani
