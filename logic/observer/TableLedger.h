// Where every card of the table is, kept up to date from what changed in the records
// instead of worked out afresh at every look. Every move of a card changes how many cards
// some hand or pile holds, so the counts tell which records to look at; of a record that
// changed, only the slots from the first changed one on are gone through. What no count
// shows (a card replaced by another) only a look at the whole table finds.
#pragma once

#include <array>
#include <cstdint>

#include "logic/cards/Cards.h"
#include "logic/observer/CardPlaces.h"
#include "logic/table/Game.h"
#include "logic/table/Records.h"

namespace zelvani {

struct CardMove {
  int Card = 0;
  CardPlace From;
  CardPlace To;
};

// The cards whose place changed, ascending.
struct CardMoves {
  std::array<CardMove, 52> Items{};
  int Count = 0;

  const CardMove* begin() const { return Items.data(); }
  const CardMove* end() const { return Items.data() + Count; }
};

class TableLedger {
 public:
  // Records, as bits: bit `seat` for a hand, and these.
  static constexpr unsigned kHands = (1u << kSeatCount) - 1;
  static constexpr unsigned kStock = 1u << kSeatCount;
  static constexpr unsigned kDiscard = kStock << 1;
  static constexpr unsigned kPile = kStock | kDiscard;
  static constexpr unsigned kMelds = kDiscard << 1;
  static constexpr unsigned kAll = kHands | kPile | kMelds;

  // Takes every place and meld afresh from the records.
  void Rebuild(const Game& game);
  // The records whose counts differ from when last looked at; the melds when the cards
  // outside them are fewer or more.
  unsigned CountChanges(const Game& game) const;
  // No count differs from when last looked at: most looks find the table so. Compared in
  // place, here, because it is asked at every look.
  bool CountsAsKept(const Game& game) const {
    const PileRecord& piles = game.Piles;
    return game.Seats[0].Count == counts_.Hands[0] && game.Seats[1].Count == counts_.Hands[1] &&
           game.Seats[2].Count == counts_.Hands[2] && game.Seats[3].Count == counts_.Hands[3] &&
           piles.StockTop == counts_.StockTop && piles.DiscardCount == counts_.DiscardCount &&
           piles.Reshuffles == counts_.Reshuffles && game.MeldWindowCount() == counts_.Windows;
  }
  // Brings the places up to date from `records` and lists the cards that moved.
  void Update(const Game& game, unsigned records, CardMoves& moves);

  // The places, equal to LayoutOf the records as last looked at.
  const Layout& Places() const { return places_; }
  // Every card is in exactly one place and every slot in use holds a card.
  bool CensusSound() const { return exact_ && placed_ == 52 && noCards_ == 0; }
  // The records the last update found changed.
  unsigned Changed() const { return changed_; }

 private:
  // How many cards each record holds, and the meld windows kept: a look at a table where
  // none of these changed (most looks) needs nothing more than comparing them.
  struct Counts {
    std::array<std::int32_t, kSeatCount> Hands{};
    std::int32_t StockTop = 0;
    std::int32_t DiscardCount = 0;
    std::int32_t Reshuffles = 0;
    std::int32_t Windows = 0;
  };
  // Slots of a record that changed since the last look, from slot `From` on.
  struct Change {
    std::int32_t* Was;
    int WasCount;
    const std::int32_t* Now;
    int NowCount;
    int From;
    CardPlace Where;
  };

  void KeepCounts(const Game& game, int windows);
  void Collect(std::int32_t* was, int wasCount, const std::int32_t* now, int nowCount,
               CardPlace where);
  void ReadAll(const Game& game);
  void KeepRecords(const Game& game);
  // Takes every place afresh after the slot by slot update found a card where it cannot
  // be, and lists every card whose place differs from `before`.
  void ReadAllAfter(const Layout& before, const Game& game, CardMoves& moves);

  Layout places_;
  // The records as last looked at: the slots in use and their counts. Meld windows
  // beyond the list are kept empty; at most kMaxMeldWindows are kept.
  std::array<std::array<std::int32_t, kHandSlots>, kSeatCount> hands_{};
  std::array<std::int32_t, kStockSlots> stock_{};
  std::array<std::int32_t, kDeckSize> discard_{};
  std::array<MeldRecord, kMaxMeldWindows> melds_{};
  Counts counts_;
  // The cards in the hands, the stock and the discard pile.
  int outside_ = 0;
  // False while the places cannot be kept slot by slot (a card in two places, too many
  // meld windows): they are then worked out afresh at every look.
  bool exact_ = false;
  int placed_ = 0;
  // Slots in use that hold no card code.
  int noCards_ = 0;
  unsigned changed_ = kAll;

  std::array<Change, kSeatCount + 2 + kMaxMeldWindows> changes_{};
  int changeCount_ = 0;
  // Where each card taken out in this update was, for the cards taken out.
  std::array<CardPlace, kDeckSize> takenFrom_{};
};

}  // namespace zelvani
