#include "logic/computer/SeatView.h"

#include <algorithm>

namespace zelvani {

namespace {

bool SameMeld(const MeldRecord& a, const MeldRecord& b) {
  return a.Kind == b.Kind && a.Count == b.Count &&
         std::equal(a.Cards.begin(), a.Cards.begin() + a.Count, b.Cards.begin());
}

bool SameHand(const HandRecord& a, const HandRecord& b) {
  return a.Count == b.Count && a.Claimed == b.Claimed &&
         std::equal(a.Cards.begin(), a.Cards.begin() + a.Count, b.Cards.begin());
}

}  // namespace

bool SeatView::operator==(const SeatView& other) const {
  return Seat == other.Seat && State == other.State && SameHand(Hand, other.Hand) &&
         HandCounts == other.HandCounts && OwnReservations == other.OwnReservations &&
         TableMap == other.TableMap &&
         std::equal(Melds.begin(), Melds.end(), other.Melds.begin(), other.Melds.end(), SameMeld) &&
         Discards == other.Discards && StockCount == other.StockCount &&
         Reshuffles == other.Reshuffles && RebuiltFrom == other.RebuiltFrom &&
         Rules == other.Rules && HumanRest == other.HumanRest && HumanResume == other.HumanResume;
}

SeatView ViewFromSeat(const Game& game, int seat) {
  SeatView view;
  view.Seat = seat;
  view.State = game.State;
  const HandRecord& own = game.Seats[seat];
  view.Hand.Cards = own.Cards;
  view.Hand.Count = own.Count;
  view.Hand.Claimed = own.Claimed;
  for (int s = 0; s < kSeatCount; ++s)
    view.HandCounts[s] = game.Seats[s].Count;
  for (int rank = 0; rank < 14; ++rank)
    view.OwnReservations[rank] = seat != kHumanSeat && game.PonReservations[rank] == seat;
  view.TableMap = game.TableMap;
  view.Melds = game.MeldWindows;
  const PileRecord& piles = game.Piles;
  view.Discards.assign(piles.Discard.begin(), piles.Discard.begin() + piles.DiscardCount);
  view.StockCount = piles.StockTop + 1;
  view.Reshuffles = piles.Reshuffles;
  view.RebuiltFrom = piles.RebuiltFrom;
  view.Rules = game.Rules;
  view.HumanRest = game.Human.Rest;
  view.HumanResume = game.Human.ResumeState;
  return view;
}

}  // namespace zelvani
