#include "logic/table/Records.h"

#include <cstring>
#include <limits>

#include "logic/storage/ShiftJis.h"

namespace zelvani {

int HandRecord::SelectedCount() const {
  int n = 0;
  for (int i = 0; i < Count; ++i)
    n += Selected[i] != 0;
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
  if (slot < 0 || slot >= hand.Count)
    return;
  hand.Selected[slot] = 0;
  hand.Claimed = kNoClaim;
  for (int i = slot; i + 1 < hand.Count; ++i)
    hand.Cards[i] = hand.Cards[i + 1];
  --hand.Count;
}

HiScoreTable EmptyHiScoreTable() {
  HiScoreRecord empty;
  empty.Name = HiScoreNameField("なし");
  HiScoreTable table;
  table.fill(empty);
  return table;
}

std::array<char, 32> HiScoreNameField(const std::string& name) {
  std::array<char, 32> field{};
  const std::string stored = TruncateCp932(Utf8ToCp932(name), kHiScoreNameBytes);
  std::memcpy(field.data(), stored.data(), stored.size());
  return field;
}

std::string HiScoreNameText(const HiScoreRecord& record) {
  // A stored name with no NUL (a foreign or damaged table) ends at the field's end.
  const std::size_t length = strnlen(record.Name.data(), record.Name.size());
  return Cp932ToUtf8(std::string_view(record.Name.data(), length));
}

}  // namespace zelvani
