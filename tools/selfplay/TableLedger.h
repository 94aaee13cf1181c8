// Where every card of the table is, kept up to date from what changed in the records
// since the last look instead of worked out afresh each time: a hand, the piles or a meld
// window that did not change is compared and left alone, and of one that did only the
// slots from the first changed one on are gone through. The verdict on each meld window
// is kept the same way.
#pragma once

#include <array>
#include <cstdint>

#include "core/Records.h"
#include "tools/selfplay/Invariants.h"

namespace zelvani {

struct Game;

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
  // Takes every place and meld afresh from the records.
  void Rebuild(const Game& game);
  // Brings the places up to date with the records and lists the cards that moved.
  void Update(const Game& game, CardMoves& moves);
  // Whether the records hold as many cards in each place as when last looked at: a cheap
  // sign that nothing moved, as no move of a card leaves every count as it was.
  bool CountsAsKept(const Game& game) const;

  // The places, always equal to LayoutOf the records last looked at.
  const Layout& Places() const { return places_; }
  // Every card is in exactly one place and every slot in use holds a card.
  bool CensusSound() const { return exact_ && placed_ == 52 && noCards_ == 0; }
  // Every meld window's record is sound on its own (CheckMeld).
  bool MeldsSound() const { return unsoundMelds_ == 0; }
  // Which records the last look found changed: bit `seat` for a hand, and these.
  static constexpr unsigned kPileChanged = 1u << kSeatCount;
  static constexpr unsigned kMeldsChanged = kPileChanged << 1;
  static constexpr unsigned kAllChanged = (kMeldsChanged << 1) - 1;
  unsigned Changed() const { return changed_; }

 private:
  struct HandCards {
    std::array<std::int32_t, kHandSlots> Cards{};
    std::int32_t Count = 0;
  };
  // Slots of a record that changed since the last look, from slot `From` on.
  struct Change {
    const std::int32_t* Was;
    int WasCount;
    const std::int32_t* Now;
    int NowCount;
    int From;
    CardPlace Where;
  };

  unsigned ChangedRecords(const Game& game) const;

  void Collect(const std::int32_t* was, int wasCount, const std::int32_t* now, int nowCount,
               CardPlace where);
  void ReadAll(const Game& game);
  void KeepRecords(const Game& game, unsigned changed);

  Layout places_;
  // The records as last looked at.
  std::array<HandCards, kSeatCount> hands_{};
  PileRecord pile_;
  std::array<MeldRecord, kMaxMeldWindows> melds_{};
  int windows_ = 0;
  int meldCards_ = 0;
  std::array<bool, kMaxMeldWindows> meldSound_{};
  // False while the places cannot be kept slot by slot (a card in two places, too many
  // meld windows): they are then worked out afresh at every look.
  bool exact_ = false;
  int placed_ = 0;
  // Slots in use that hold no card code.
  int noCards_ = 0;
  int unsoundMelds_ = 0;
  unsigned changed_ = kAllChanged;

  std::array<Change, kSeatCount + 2 + kMaxMeldWindows> changes_{};
  int changeCount_ = 0;
};

}  // namespace zelvani
