// The shared records of the table: hands, piles, melds, rules and high-score records.
// They are plain data; the windows only display them and the logic changes them directly.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "logic/table/GameState.h"

namespace zelvani {

constexpr int kSeatCount = 4;
constexpr int kHumanSeat = 0;
constexpr int kHandSlots = 10;
constexpr int kStockSlots = 30;
constexpr int kMaxMeldWindows = 20;
constexpr int kMeldSlots = 14;
// A claim pending from another seat's draw phase is stored as slot + 10.
constexpr int kPonClaimOffset = 10;
constexpr int kNoClaim = -1;

// How a computer seat plays: the standard player, or the strong one that looks ahead by
// playing the round out. Stored beside the seat's name; a file without it means Standard.
enum class PlayerLevel : std::uint8_t { Standard = 0, Strong = 1 };

// One seat's hand and the seat's standing.
struct HandRecord {
  std::string PlayerName;
  PlayerLevel Level = PlayerLevel::Standard;
  std::int32_t Point = 0;
  std::int32_t Total = 0;
  bool Open = false;
  std::array<std::uint8_t, kHandSlots> Selected{};
  // -1 none; 0..9 a chii at that slot; 10..19 a pon at slot + 10.
  std::int32_t Claimed = kNoClaim;
  std::array<std::int32_t, kHandSlots> Cards{};
  std::int32_t Count = 0;

  int ClaimedSlot() const { return Claimed < 0 ? -1 : Claimed % kPonClaimOffset; }
  bool ChiiPending() const { return Claimed >= 0 && Claimed < kPonClaimOffset; }
  bool PonPending() const { return Claimed >= kPonClaimOffset; }
  int SelectedCount() const;
};

// What only the human's record adds.
struct HumanRecord {
  // Turns still to sit out for a false claim.
  std::int32_t Rest = 0;
  // The state play resumes in when a false claim is confirmed.
  GameState ResumeState = GameState::HumanDraws;
};

// The stock and the discard pile.
struct PileRecord {
  std::array<std::int32_t, kStockSlots> Stock{};
  // Index of the top stock card, -1 when empty. A fresh record counts as not empty,
  // so the stock shows a back before the first deal.
  std::int32_t StockTop = 0;
  std::array<std::int32_t, 52> Discard{};
  std::int32_t DiscardCount = 0;
  std::int32_t Reshuffles = 0;
  // Bit c set: card c was in the discard pile the stock was last rebuilt from. Everyone
  // saw that pile, so it tells which cards the rebuilt stock can hold.
  std::uint64_t RebuiltFrom = 0;

  bool StockEmpty() const { return StockTop < 0; }
  int TopDiscard() const { return DiscardCount > 0 ? Discard[DiscardCount - 1] : -1; }
};

enum class MeldKind : std::uint8_t { None = 0, Seven = 1, Sequence = 2, SameRank = 3 };

// One meld on the table, held by a meld window.
struct MeldRecord {
  MeldKind Kind = MeldKind::None;
  std::array<std::int32_t, kMeldSlots> Cards{};
  std::int32_t Count = 0;
  // The seat that laid the meld's first cards; -1 while the window is empty.
  std::int32_t LaidBy = -1;
};

struct RuleSettings {
  std::int32_t StartPoint = 300;
  bool ZeroSum = false;
  bool UseEndTerm = false;
  std::int32_t EndTerm = 10;
  std::int32_t RunOutLimit = 3;
  std::int32_t DealerRule = 0;
  std::int32_t PonWaitMs = 1000;
  std::int32_t ThinkingMs = 500;

  bool operator==(const RuleSettings&) const = default;
};

// One line of a high-score table. The name is kept as the stored Shift_JIS bytes,
// NUL-terminated, so that a table read and written again is unchanged byte for byte.
struct HiScoreRecord {
  std::int32_t Score = 0;
  std::array<char, 32> Name{};
  std::uint16_t Year = 2000;
  std::uint16_t Month = 1;
  std::uint16_t Day = 1;
  std::uint8_t IsHuman = 0;

  bool operator==(const HiScoreRecord&) const = default;
};

constexpr int kHiScoreRows = 10;
using HiScoreTable = std::array<HiScoreRecord, kHiScoreRows>;

// The name field is 32 bytes and always keeps a terminating NUL.
constexpr std::size_t kHiScoreNameBytes = 31;
// Every record scores 0, is named "なし", dated 2000-01-01 and belongs to a computer.
HiScoreTable EmptyHiScoreTable();
// The record's name field for a UTF-8 name: converted to code page 932 (unmappable
// characters become "?"), cut to at most 31 bytes on a character boundary, NUL-filled.
std::array<char, 32> HiScoreNameField(const std::string& name);
// The record's name as UTF-8 text (up to the first NUL).
std::string HiScoreNameText(const HiScoreRecord& record);

// Adds to points or totals without wrapping round, even after absurd stored values.
std::int32_t SaturatingAdd(std::int32_t a, std::int64_t b);

// Removes the card in `slot`: clears that slot's selection flag and the pending claim,
// closes the gap, lowers Count. The later selection flags do not move.
void RemoveCard(HandRecord& hand, int slot);

}  // namespace zelvani
