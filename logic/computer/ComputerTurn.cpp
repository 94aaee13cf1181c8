#include "logic/computer/ComputerTurn.h"

#include "logic/cards/Cards.h"
#include "logic/computer/Evaluation.h"
#include "logic/computer/StrongPlayer.h"
#include "logic/play/MeldRules.h"
#include "logic/play/Piles.h"
#include "logic/table/Game.h"
#include "logic/table/TurnDriver.h"

namespace zelvani {

namespace {

// With these sizes, laying the run after the claim leaves 1, 2, 4 or 5 cards: the
// counts the evaluation values most.
bool IsChiiHandSize(int count) {
  return count == 3 || count == 4 || count == 6 || count == 7;
}

bool Holds(const HandRecord& hand, int suit, int rank) {
  if (rank < kAceRank || rank > kKingRank)
    return false;  // ranks do not wrap
  const int card = CardCode(suit, rank);
  for (int slot = 0; slot < hand.Count; ++slot)
    if (hand.Cards[slot] == card)
      return true;
  return false;
}

void ChiiOrDraw(Game& game, int seat) {
  HandRecord& hand = game.Seats[seat];
  if (WantsChii(hand, game.Piles.TopDiscard())) {
    ClaimByChii(game, seat);
  } else {
    DrawCard(game, seat);
  }
}

// Both loops choose each entry's value rather than branch on it: which ranks are wanted
// follows no pattern the processor could learn, and these run at every step of play.
void ClearOwnReservations(Game& game, int seat) {
  for (auto& reserver : game.PonReservations)
    reserver = reserver == seat ? 0 : reserver;
}

void Reserve(Game& game, int seat, const Evaluation& evaluation) {
  for (int rank = 0; rank < kRankCount; ++rank) {
    const int reserver = game.PonReservations[rank];
    game.PonReservations[rank] = evaluation.PonWanted[rank] ? seat : reserver;
  }
}

void ClearSelection(HandRecord& hand) {
  for (int slot = 0; slot < kEvaluatedSlots; ++slot)
    hand.Selected[slot] = 0;
}

void Select(HandRecord& hand, const Candidate& candidate) {
  for (int i = 0; i < candidate.SlotCount; ++i)
    hand.Selected[candidate.Slots[i]] = 1;
}

// Offers the selection to each meld window in order; the last is the empty new-meld
// window. Refusals are silent, as for any computer seat. Returns whether one took it.
bool OfferToMeldWindows(Game& game, int seat) {
  for (int window = 0; window < game.MeldWindowCount(); ++window)
    if (LayMeld(game, window, seat, true))
      return true;
  return false;
}

void LayOrDiscard(Game& game, int seat, const ComputerOptions& options) {
  HandRecord& hand = game.Seats[seat];
  if (options.ReservePons)
    ClearOwnReservations(game, seat);
  ClearSelection(hand);
  const PlayChoice choice = ChoosePlay(hand, game.TableMap);
  if (options.ReservePons)
    Reserve(game, seat, choice.Judged);

  if (choice.Meld != kNoCandidate) {
    Select(hand, choice.Judged.Candidates[choice.Meld]);
    if (OfferToMeldWindows(game, seat)) {
      // The same play phase goes on at the next tick, with the smaller hand.
      RearmTurnTimer(game);
      return;
    }
  }
  DiscardCard(game, seat, choice.DiscardSlot);
}

void DiscardAtRandom(Game& game, int seat) {
  HandRecord& hand = game.Seats[seat];
  if (hand.Count > 0)
    DiscardCard(game, seat, game.Rng.NextBelow(hand.Count));
}

// The way out of any failure in the play phase: a card thrown away at random, unless one
// lies on the pile already, and then the game goes on exactly as after any discard, even
// when showing the discard failed as well.
void RecoverPlayPhase(Game& game, int seat, int discardsBefore) {
  try {
    if (game.Piles.DiscardCount == discardsBefore)
      DiscardAtRandom(game, seat);
  } catch (...) {
    // DiscardCard moves the card before it shows anything; the rest follows below.
  }
  const bool discarded = game.Piles.DiscardCount > discardsBefore;
  if (discarded && game.State == PlayState(seat))
    FinishDiscard(game, seat);
}

}  // namespace

void ClaimByChii(Game& game, int seat) {
  // No computer step may run while the announcement is open.
  StopTurnTimer(game);
  game.Host.AnnounceClaim(seat, game.Seats[seat].PlayerName, ClaimKind::Chii);
  TakeDiscard(game, seat);
}

// The hand holds two cards that make a run with the top discard.
bool WantsChii(const HandRecord& hand, int top) {
  if (!IsCard(top) || !IsChiiHandSize(hand.Count))
    return false;
  const int suit = Suit(top);
  const int rank = RankIndex(top);
  auto holds = [&](int offset) { return Holds(hand, suit, rank + offset); };
  return (holds(+1) && holds(+2)) || (holds(-1) && holds(+1)) || (holds(-2) && holds(-1));
}

PlayChoice ChoosePlay(const HandRecord& hand, const TableMapGrid& tableMap) {
  // Evaluated in place: the evaluation is large, and this runs at every step of play.
  PlayChoice choice;
  Evaluate(hand, tableMap, choice.Judged);
  const DiscardChoice discard = ChooseDiscard(hand, choice.Judged);
  choice.Meld = ChooseMeld(choice.Judged, discard.UselessCount);
  choice.DiscardSlot =
      discard.Slot != kNoSlot ? discard.Slot : LeastUsefulSlot(hand, choice.Judged);
  return choice;
}

int WindowTaking(const Game& game, const HandRecord& hand) {
  for (int window = 0; window < game.MeldWindowCount(); ++window)
    if (JudgeLay(game.MeldWindows[window], hand).Verdict == LayVerdict::Laid)
      return window;
  return -1;
}

void ComputerTurn(Game& game, int seat) {
  ComputerTurn(game, seat, ComputerOptions{});
}

void ComputerTurn(Game& game, int seat, const ComputerOptions& options) {
  const bool strong = game.Seats[seat].Level == PlayerLevel::Strong;
  if (PhaseOfState(game.State) == 0) {
    if (strong)
      StrongTurn(game, seat, options);
    else
      ChiiOrDraw(game, seat);
    return;
  }
  // Only a discard adds to the pile in the play phase, so its size tells whether the
  // seat has discarded already when something fails.
  const int discardsBefore = game.Piles.DiscardCount;
  try {
    if (strong)
      StrongTurn(game, seat, options);
    else
      LayOrDiscard(game, seat, options);
  } catch (...) {
    RecoverPlayPhase(game, seat, discardsBefore);
  }
}

}  // namespace zelvani
