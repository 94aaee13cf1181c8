#include "tools/selfplay/Invariants.h"

#include <algorithm>
#include <cstdint>

#include "logic/cards/Cards.h"
#include "logic/table/Game.h"
#include "logic/table/TurnDriver.h"

namespace zelvani {

namespace {

// A dealt round keeps 24 cards out of the hands; a play-phase hand holds at most 8.
constexpr int kPileCards = 24;
constexpr int kMaxHandInPlay = 8;
constexpr int kMaxMeldCards = 13;
constexpr int kUnusedPonEntry = 13;

std::string CardLabel(int card) {
  return "card " + std::to_string(card);
}

bool HandCountSound(const HandRecord& hand) {
  return hand.Count >= 0 && hand.Count <= kMaxHandInPlay;
}

bool PileCountsSound(const PileRecord& piles) {
  return piles.StockTop >= -1 && piles.DiscardCount >= 0 &&
         piles.StockTop + 1 + piles.DiscardCount <= kPileCards;
}

// A broken rule found without building its text.
struct Fault {
  enum Kind : std::uint8_t {
    None,
    TooManyMeldWindows,
    EmptyMeldWindowBeforeLast,
    NoNewMeldWindow,
    InvalidState,
    BadPonReservations,
    BadClaim
  };
  Kind What = None;
  int Index = 0;
  int Value = 0;
};

// Records the broken rule for a caller that wants it; always false.
bool Broken(Fault* fault, const Fault& broken) {
  if (fault)
    *fault = broken;
  return false;
}

// The rules of the meld list and of the seats, each once: they say whether the rules
// hold, and fill in `fault` (when given) with the first one broken. A plain true or false
// comes back faster than a whole Fault.
bool MeldListRulesHold(const Game& game, Fault* fault) {
  const int windows = game.MeldWindowCount();
  if (windows > kMaxMeldWindows)
    return Broken(fault, {Fault::TooManyMeldWindows});
  for (int w = 0; w + 1 < windows; ++w)
    if (game.MeldWindows[w].Kind == MeldKind::None)
      return Broken(fault, {Fault::EmptyMeldWindowBeforeLast, w});
  // During a round an empty new-meld window is always there while the list has room.
  if (InRound(game.State) && windows < kMaxMeldWindows &&
      (windows == 0 || game.MeldWindows.back().Kind != MeldKind::None))
    return Broken(fault, {Fault::NoNewMeldWindow});
  return true;
}

bool PonReservationRulesHold(const Game& game, Fault* fault) {
  for (int rank = 0; rank < 14; ++rank) {
    const int reserver = game.PonReservations[rank];
    if (static_cast<unsigned>(reserver) >= kSeatCount || (rank == kUnusedPonEntry && reserver != 0))
      return Broken(fault, {Fault::BadPonReservations, rank, reserver});
  }
  return true;
}

bool ClaimRulesHold(const Game& game, Fault* fault) {
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const HandRecord& hand = game.Seats[seat];
    if (hand.Claimed == kNoClaim)
      continue;
    const bool claimInRange =
        hand.Claimed >= 0 && hand.Claimed < 2 * kPonClaimOffset && hand.ClaimedSlot() < hand.Count;
    if (!claimInRange)
      return Broken(fault, {Fault::BadClaim, seat, hand.Claimed});
  }
  return true;
}

bool SeatRulesHold(const Game& game, Fault* fault) {
  if (!IsValidState(game.State))
    return Broken(fault, {Fault::InvalidState, 0, StateNumber(game.State)});
  return PonReservationRulesHold(game, fault) && ClaimRulesHold(game, fault);
}

std::string FaultText(const Fault& fault) {
  switch (fault.What) {
    case Fault::TooManyMeldWindows:
      return "too many meld windows";
    case Fault::EmptyMeldWindowBeforeLast:
      return "meld " + std::to_string(fault.Index) + " is an empty window before the last";
    case Fault::NoNewMeldWindow:
      return "no empty new-meld window";
    case Fault::InvalidState:
      return "invalid GameState " + std::to_string(fault.Value);
    case Fault::BadPonReservations:
      return "PonReservations[" + std::to_string(fault.Index) + "] is " +
             std::to_string(fault.Value);
    case Fault::BadClaim:
      return "seat " + std::to_string(fault.Index) + " claims slot " + std::to_string(fault.Value);
    default:
      return {};
  }
}

std::string CheckCardCodes(const Game& game) {
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const HandRecord& hand = game.Seats[seat];
    if (!HandCountSound(hand))
      return "seat " + std::to_string(seat) + " holds " + std::to_string(hand.Count) + " cards";
    for (int slot = 0; slot < hand.Count; ++slot)
      if (!IsCard(hand.Cards[slot]))
        return "seat " + std::to_string(seat) + " holds no card";
  }
  const PileRecord& piles = game.Piles;
  if (!PileCountsSound(piles))
    return "stock and discard pile hold " + std::to_string(piles.StockTop + 1) + " and " +
           std::to_string(piles.DiscardCount) + " cards";
  for (int i = 0; i <= piles.StockTop; ++i)
    if (!IsCard(piles.Stock[i]))
      return "stock slot " + std::to_string(i) + " holds no card";
  for (int i = 0; i < piles.DiscardCount; ++i)
    if (!IsCard(piles.Discard[i]))
      return "discard slot " + std::to_string(i) + " holds no card";
  return {};
}

const char* MeldFaultText(MeldFault fault) {
  switch (fault) {
    case MeldFault::CardsWithoutKind:
      return " has cards but no kind";
    case MeldFault::BadCount:
      return " has a bad count";
    case MeldFault::NoCard:
      return " holds no card";
    case MeldFault::NotAscending:
      return " is not in ascending order";
    case MeldFault::NotOfItsKind:
      return " is not a valid meld of its kind";
    default:
      return "";
  }
}

std::string CheckMelds(const Game& game) {
  const int windows = game.MeldWindowCount();
  if (windows > kMaxMeldWindows)
    return "too many meld windows";
  for (int w = 0; w < windows; ++w) {
    const MeldRecord& meld = game.MeldWindows[w];
    if (const MeldFault fault = CheckMeld(meld); fault != MeldFault::None)
      return "meld " + std::to_string(w) + MeldFaultText(fault);
    if (meld.Kind == MeldKind::None && w != windows - 1)
      return "meld " + std::to_string(w) + " is an empty window before the last";
  }
  Fault fault;
  MeldListRulesHold(game, &fault);
  return FaultText(fault);
}

std::string CheckTableMap(const Game& game, const Layout& layout, const CardMarks& marks) {
  for (int card = 0; card < kDeckSize; ++card) {
    const int expected = ExpectedMapValue(layout.Cards[card], card, marks);
    const int actual = game.TableMap[Suit(card)][RankIndex(card)];
    if (actual != expected)
      return "TableMap says " + std::to_string(actual) + " for " + CardLabel(card) + ", expected " +
             std::to_string(expected);
  }
  for (int col = 0; col < 14; ++col)
    if (game.TableMap[4][col] != 0)
      return "TableMap row 4 was written";
  for (int row = 0; row < 5; ++row)
    if (game.TableMap[row][13] != 0)
      return "TableMap column 13 was written";
  return {};
}

}  // namespace

bool CountsSound(const Game& game) {
  for (const HandRecord& hand : game.Seats)
    if (!HandCountSound(hand))
      return false;
  return PileCountsSound(game.Piles);
}

namespace {

// The kind of meld the cards make, by the rules in a few words of this checker's own, so
// that a fault in the game's meld judgement shows here instead of being repeated: a lone
// seven; three or four cards of one rank; three or more cards of one suit in unbroken
// order, the ace low only. The cards are in ascending order, so within one suit their
// ranks ascend too.
MeldKind KindOfCards(const MeldRecord& meld) {
  const int first = meld.Cards[0];
  if (meld.Count == 1)
    return RankIndex(first) == kSevenRank ? MeldKind::Seven : MeldKind::None;
  bool oneRank = true;
  bool run = true;
  for (int i = 1; i < meld.Count; ++i) {
    const int card = meld.Cards[i];
    oneRank = oneRank && RankIndex(card) == RankIndex(first);
    run = run && Suit(card) == Suit(first) && RankIndex(card) == RankIndex(first) + i;
  }
  if (meld.Count >= 3 && oneRank)
    return MeldKind::SameRank;
  if (meld.Count >= 3 && run)
    return MeldKind::Sequence;
  return MeldKind::None;
}

}  // namespace

MeldFault CheckMeld(const MeldRecord& meld) {
  if (meld.Kind == MeldKind::None)
    return meld.Count != 0 ? MeldFault::CardsWithoutKind : MeldFault::None;
  if (meld.Count < 1 || meld.Count > kMaxMeldCards)
    return MeldFault::BadCount;
  for (int i = 0; i < meld.Count; ++i) {
    const int card = meld.Cards[i];
    if (!IsCard(card))
      return MeldFault::NoCard;
    if (i > 0 && meld.Cards[i - 1] >= card)
      return MeldFault::NotAscending;
  }
  return KindOfCards(meld) == meld.Kind ? MeldFault::None : MeldFault::NotOfItsKind;
}

bool MeldListSound(const Game& game) {
  return MeldListRulesHold(game, nullptr);
}

bool PonReservationsSound(const Game& game) {
  return PonReservationRulesHold(game, nullptr);
}

bool ClaimsSound(const Game& game) {
  return ClaimRulesHold(game, nullptr);
}

std::string CheckTable(const Game& game, const Layout& layout, const CardMarks& marks) {
  if (std::string problem = CheckCardCodes(game); !problem.empty())
    return problem;
  if (layout.Duplicate >= 0)
    return CardLabel(layout.Duplicate) + " is in two places";
  for (int card = 0; card < kDeckSize; ++card)
    if (layout.Cards[card].Where == Place::Nowhere)
      return CardLabel(card) + " is nowhere";
  if (std::string problem = CheckMelds(game); !problem.empty())
    return problem;
  if (std::string problem = CheckTableMap(game, layout, marks); !problem.empty())
    return problem;
  Fault fault;
  SeatRulesHold(game, &fault);
  return FaultText(fault);
}

}  // namespace zelvani
