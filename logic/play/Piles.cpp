#include "logic/play/Piles.h"

#include <utility>

#include "logic/cards/Cards.h"
#include "logic/play/GameCommands.h"
#include "logic/play/HumanHand.h"
#include "logic/play/Refusals.h"
#include "logic/play/RoundEnd.h"
#include "logic/table/Game.h"
#include "logic/table/TurnDriver.h"

namespace zelvani {

namespace {

void Append(HandRecord& hand, int card) {
  if (hand.Count < kHandSlots)
    hand.Cards[hand.Count++] = card;
}

bool RoundIsOver(const Game& game, const HandRecord& hand) {
  return hand.Count == 0 ||
         (game.Piles.StockEmpty() && game.Piles.Reshuffles + 1 >= game.Rules.RunOutLimit);
}

void OfferPon(Game& game, int discarder, int card) {
  const int rank = RankIndex(card);
  const int reserver = game.PonReservations[rank];
  if (reserver == 0)
    return;
  if (reserver == discarder) {
    game.PonReservations[rank] = 0;
    return;
  }
  StopTurnTimer(game);
  game.Host.AnnounceClaim(reserver, game.Seats[reserver].PlayerName, ClaimKind::Pon);
  TakeDiscard(game, reserver);
}

}  // namespace

void Reshuffle(Game& game) {
  PileRecord& piles = game.Piles;
  const int n = piles.DiscardCount;
  piles.RebuiltFrom = 0;
  for (int i = 0; i < n; ++i) {
    const int card = piles.Discard[i];
    if (IsCard(card))
      piles.RebuiltFrom |= std::uint64_t{1} << card;
    piles.Stock[i] = card;
    game.TableMap[Suit(card)][RankIndex(card)] = kMapHidden;
    piles.Discard[i] = kNoCard;
  }
  piles.StockTop = n - 1;
  piles.DiscardCount = 0;
  game.Rng.SeedRandom(static_cast<std::uint32_t>(game.Host.CalendarTime()));
  for (int i = 0; i <= piles.StockTop; ++i) {
    const int j = game.Rng.NextBelow(piles.StockTop + 1);
    std::swap(piles.Stock[i], piles.Stock[j]);
  }
  ++piles.Reshuffles;
}

void DrawCard(Game& game, int seat) {
  PileRecord& piles = game.Piles;
  if (piles.StockEmpty())
    Reshuffle(game);
  if (piles.StockEmpty())
    return;  // nothing anywhere to draw: never on valid table data
  HandRecord& hand = game.Seats[seat];
  Append(hand, piles.Stock[piles.StockTop--]);
  game.Host.PlayCue(Cue::Click);
  AdvanceGame(game);
  game.Host.PaintHand(seat);
  game.Host.PaintPiles();
}

bool TakeDiscard(Game& game, int seat) {
  PileRecord& piles = game.Piles;
  HandRecord& hand = game.Seats[seat];
  if (piles.DiscardCount <= 0 || hand.Count >= kHandSlots)
    return false;
  StopTurnTimer(game);
  const int slot = hand.Count;
  Append(hand, piles.Discard[--piles.DiscardCount]);
  const bool ownDrawPhase = SeatOfState(game.State) == seat;
  hand.Claimed = ownDrawPhase ? slot : slot + kPonClaimOffset;
  hand.Selected[slot] = 1;
  game.Host.PlayCue(Cue::Click);
  SetGame(game, PlayState(seat));
  game.Host.PaintHand(seat);
  game.Host.PaintPiles();
  return true;
}

bool DiscardCard(Game& game, int seat, int slot, bool offerPon) {
  HandRecord& hand = game.Seats[seat];
  if (slot < 0 || slot >= hand.Count)
    return false;
  PileRecord& piles = game.Piles;
  const int card = hand.Cards[slot];
  // The card moves before anything is shown, so a failure while showing it never leaves
  // it in two places.
  piles.Discard[piles.DiscardCount++] = card;
  game.TableMap[Suit(card)][RankIndex(card)] = kMapDiscarded;
  RemoveCard(hand, slot);
  game.Host.PlayCue(Cue::Discard);
  game.Host.PaintHand(seat);
  game.Host.PaintPiles();
  return FinishDiscard(game, seat, offerPon);
}

bool FinishDiscard(Game& game, int seat, bool offerPon) {
  HandRecord& hand = game.Seats[seat];
  if (RoundIsOver(game, hand)) {
    for (int s = 0; s < kSeatCount; ++s)
      game.Seats[s].Open = true;
    for (int s = 0; s < kSeatCount; ++s)
      game.Host.PaintHand(s);
    SetGame(game, GameState::NoRound);
    const Text text = hand.Count == 0 ? Translatable("Boxes", "%1の勝ち").Arg(hand.PlayerName)
                                      : Translatable("Boxes", "流局です");
    game.Host.MessageBox(text, Translatable("Boxes", "ゲーム終了"), MsgButtons::Ok, MsgIcon::None);
    EndRound(game);
    return true;
  }
  AdvanceGame(game);
  if (offerPon)
    OfferPon(game, seat, game.Piles.TopDiscard());
  return false;
}

void ClickStock(Game& game) {
  EndNotice(game);
  if (game.State == GameState::NoRound) {
    StartRound(game);
  } else if (game.State == GameState::HumanDraws) {
    HandRecord& hand = game.HumanSeat();
    DrawCard(game, kHumanSeat);
    if (hand.Count > 0)
      hand.Selected[hand.Count - 1] = 1;
    game.Host.PaintHand(kHumanSeat);
  } else {
    Refuse(game, ActionRefusal(game, HumanAction::Draw));
  }
}

void ClickDiscardPile(Game& game) {
  EndNotice(game);
  HandRecord& hand = game.HumanSeat();
  if (game.State == GameState::HumanPlays) {
    if (hand.SelectedCount() != 1) {
      game.Host.MessageBox(Translatable("Boxes", "捨てるカードを１枚選んでください。"),
                           Translatable("Boxes", "捨て札"), MsgButtons::Ok, MsgIcon::None);
      return;
    }
    int slot = 0;
    while (!hand.Selected[slot])
      ++slot;
    if (slot == hand.ClaimedSlot()) {
      if (game.Host.MessageBox(
              Translatable("Boxes", "「おてつき」です。\n１回休みとなりますがよろしいですか？"),
              Translatable("Boxes", "捨て札"), MsgButtons::YesNo,
              MsgIcon::Question) != MsgAnswer::Yes)
        return;
      ++game.Human.Rest;
      // The returned card is not offered for a pon, and a round it ends stays ended.
      if (!DiscardCard(game, kHumanSeat, slot, false))
        SetGame(game, game.Human.ResumeState);
    } else {
      DiscardCard(game, kHumanSeat, slot);
    }
    SortHand(game);
    game.Host.PaintHand(kHumanSeat);
  } else if (IsDrawPhase(game.State) && game.Piles.DiscardCount > 0) {
    game.Human.ResumeState =
        game.State == GameState::HumanDraws ? GameState::Seat1Draws : game.State;
    TakeDiscard(game, kHumanSeat);
  } else {
    Refuse(game, ActionRefusal(game, HumanAction::Claim));
  }
}

bool HumanMayPon(const Game& game) {
  const HandRecord& hand = game.Seats[kHumanSeat];
  if (!IsComputerState(game.State) || !IsDrawPhase(game.State) || game.AutoPlay ||
      game.Piles.DiscardCount <= 0 || hand.Count >= kHandSlots)
    return false;
  const int rank = RankIndex(game.Piles.TopDiscard());
  int sameRank = 0;
  for (int slot = 0; slot < hand.Count; ++slot)
    sameRank += RankIndex(hand.Cards[slot]) == rank ? 1 : 0;
  return sameRank >= 2;
}

void DragOverDiscardPile(Game& game, int slot) {
  HandRecord& hand = game.HumanSeat();
  if (slot < 0 || slot >= hand.Count || hand.Selected[slot])
    return;
  hand.Selected[slot] = 1;
  game.Host.PaintHand(kHumanSeat);
}

void DropOnDiscardPile(Game& game, int slot) {
  HandRecord& hand = game.HumanSeat();
  if (slot < 0 || slot >= hand.Count)
    return;
  if (hand.Claimed < 0) {
    hand.Selected.fill(0);
    hand.Selected[slot] = 1;
  }
  ClickDiscardPile(game);
}

}  // namespace zelvani
