#include "tools/selfplay/TableChecker.h"

#include <cstring>

#include "logic/table/TurnDriver.h"

namespace zelvani {

namespace {

std::string PlaceText(const CardPlace& place) {
  switch (place.Where) {
    case Place::Stock:
      return "stock";
    case Place::Discard:
      return "discard pile";
    case Place::Hand:
      return "hand " + std::to_string(place.Owner);
    case Place::Meld:
      return "meld " + std::to_string(place.Owner);
    default:
      return "nowhere";
  }
}

// The first card whose place differs between two layouts, or -1.
int FirstDifference(const Layout& a, const Layout& b) {
  for (int card = 0; card < kDeckSize; ++card)
    if (a.Cards[card] != b.Cards[card])
      return card;
  return -1;
}

std::uint32_t WindowBit(int window) {
  return window >= 0 && window < 32 ? 1u << window : 0;
}

}  // namespace

void TableChecker::Report(const std::string& problem) {
  if (problem_.empty())
    problem_ = problem;
}

void TableChecker::RoundDealt(const Game& game, const TableLedger& ledger) {
  marks_ = CardMarks{};
  unsoundMelds_ = 0;
  for (int w = 0; w < game.MeldWindowCount(); ++w)
    if (CheckMeld(game.MeldWindows[w]) != MeldFault::None)
      unsoundMelds_ |= WindowBit(w);
  checked_ = {};
  expectedMap_ = {};
  runOutLimit_ = game.Rules.RunOutLimit;
  reshuffles_ = 0;
  for (int card = 0; card < kDeckSize; ++card)
    Expect(card, ExpectedMapValue(ledger.Places().Cards[card], card, marks_));
}

void TableChecker::Strayed(int card, const CardPlace& from, const CardPlace& to) {
  Report("card " + std::to_string(card) + " moved from " + PlaceText(from) + " to " +
         PlaceText(to));
  Expect(card, ExpectedMapValue(to, card, marks_));
}

void TableChecker::Drew(int, int card) {
  marks_.FromPile[card] = false;
  Expect(card, kMapHidden);
}

void TableChecker::Reshuffled(std::int64_t, std::span<const int> stock) {
  ++reshuffles_;
  for (int card : stock)
    Expect(card, kMapHidden);
}

void TableChecker::RoundEnded(int round, int winner) {
  if (winner != kDrawnRound)
    return;
  // The stock ran out once more after its last rebuilding.
  if (reshuffles_ + 1 < runOutLimit_)
    Report("round " + std::to_string(round) + " was drawn after the stock was rebuilt " +
           std::to_string(reshuffles_) + " times, with the run-out limit " +
           std::to_string(runOutLimit_));
  else
    ++drawnByRunOut_;
}

void TableChecker::Claimed(int card) {
  marks_.FromPile[card] = true;
  Expect(card, kMapDiscarded);
}

void TableChecker::Laid(int, int window, std::span<const int> cards, const MeldRecord& meld) {
  if (CheckMeld(meld) == MeldFault::None)
    unsoundMelds_ &= ~WindowBit(window);
  else
    unsoundMelds_ |= WindowBit(window);
  for (int card : cards) {
    marks_.FromPile[card] = false;
    marks_.LaidKind[card] = static_cast<std::int8_t>(MapValue(meld.Kind));
    Expect(card, MapValue(meld.Kind));
  }
}

void TableChecker::Discarded(int, int card) {
  marks_.FromPile[card] = false;
  Expect(card, kMapDiscarded);
}

void TableChecker::Looked(const Game& game, const TableLedger& ledger, bool moved, bool stepEnd) {
  // The rules are checked whenever cards moved, and at the end of every step; a broken one
  // is named by the check of the whole table.
  if ((moved || stepEnd) && problem_.empty() &&
      !QuickCheck(game, ledger, moved ? ledger.Changed() : 0) && CheckWhole(game, ledger))
    Report("the quick check of the table fails where the whole check passes");
}

bool TableChecker::QuickCheck(const Game& game, const TableLedger& ledger, unsigned changed) {
  // Each rule reads only some of the records; while those are as they were when last
  // found sound, the rule still holds.
  constexpr unsigned kCardsChanged = TableLedger::kHands | TableLedger::kPile;
  if ((changed & kCardsChanged) && (!ledger.CensusSound() || !CountsSound(game)))
    return false;
  if ((changed & TableLedger::kMelds) || InRound(game.State) != InRound(checked_.State)) {
    if (!ledger.CensusSound() || unsoundMelds_ != 0 || !MeldListSound(game))
      return false;
  }
  if (std::memcmp(&game.TableMap, &expectedMap_, sizeof expectedMap_) != 0)
    return false;
  if (game.State != checked_.State && !IsValidState(game.State))
    return false;
  if (game.PonReservations != checked_.PonReservations) {
    if (!PonReservationsSound(game))
      return false;
    checked_.PonReservations = game.PonReservations;
  }
  // The claims must also point into their hands, so they are read again when a hand grew
  // or shrank.
  bool claimsAsChecked = (changed & TableLedger::kHands) == 0;
  for (int seat = 0; seat < kSeatCount; ++seat)
    claimsAsChecked &= game.Seats[seat].Claimed == checked_.Claimed[seat];
  if (!claimsAsChecked) {
    if (!ClaimsSound(game))
      return false;
    for (int seat = 0; seat < kSeatCount; ++seat)
      checked_.Claimed[seat] = game.Seats[seat].Claimed;
  }
  checked_.State = game.State;
  return true;
}

bool TableChecker::CheckWhole(const Game& game, const TableLedger& ledger) {
  const Layout fresh = LayoutOf(game);
  if (std::string problem = CheckTable(game, fresh, marks_); !problem.empty()) {
    Report(problem);
    return false;
  }
  // The records are sound; what was kept step by step must say the same.
  if (const int card = FirstDifference(fresh, ledger.Places()); card >= 0) {
    Report("the kept place of card " + std::to_string(card) + " is " +
           PlaceText(ledger.Places().Cards[card]) + ", the records say " +
           PlaceText(fresh.Cards[card]));
    return false;
  }
  for (int card = 0; card < kDeckSize; ++card) {
    const int expected = ExpectedMapValue(fresh.Cards[card], card, marks_);
    const int kept = expectedMap_[Suit(card)][RankIndex(card)];
    if (kept != expected) {
      Report("the kept TableMap value of card " + std::to_string(card) + " is " +
             std::to_string(kept) + ", worked out afresh " + std::to_string(expected));
      return false;
    }
  }
  return true;
}

void TableChecker::StepDone(const Game& game, const TableObserver& observer) {
  if (++stepsSinceFullCheck_ >= fullCheckSteps_ && observer.Watching() && problem_.empty()) {
    stepsSinceFullCheck_ = 0;
    CheckWhole(game, observer.Ledger());
  }
}

}  // namespace zelvani
