#include "core/Records.h"

namespace zelvani {

int HandRecord::SelectedCount() const {
  int n = 0;
  for (int i = 0; i < Count; ++i) n += Selected[i] != 0;
  return n;
}

void RemoveCard(HandRecord& hand, int slot) {
  if (slot < 0 || slot >= hand.Count) return;
  hand.Selected[slot] = 0;
  hand.Claimed = kNoClaim;
  for (int i = slot; i + 1 < hand.Count; ++i) hand.Cards[i] = hand.Cards[i + 1];
  --hand.Count;
}

}  // namespace zelvani
