#include "play/Piles.h"

#include <utility>

#include "core/Cards.h"
#include "core/Game.h"
#include "core/NewGame.h"
#include "core/TurnDriver.h"
#include "play/HumanHand.h"
#include "play/Refusals.h"
#include "score/EndRound.h"

namespace zelvani {

namespace {

void Append(HandRecord& hand, int card) {
  if (hand.Count < kHandSlots)
    hand.Cards[hand.Count++] = card;
}

bool RoundIsOver(const Game& game, const HandRecord& hand) {
  return hand.Count == 0 ||
         (game.Yama.StockEmpty() && game.Yama.Reshuffles + 1 >= game.Rules.Ryukyoku);
}

void OfferPon(Game& game, int discarder, int card) {
  const int rank = RankIndex(card);
  const int reserver = game.PonReserve[rank];
  if (reserver == 0)
    return;
  if (reserver == discarder) {
    game.PonReserve[rank] = 0;
    return;
  }
  StopTimer1(game);
  game.Host.MessageBox("ポンします", game.Seats[reserver].PlayerName, MsgButtons::Ok,
                       MsgIcon::None);
  TakeDiscard(game, reserver);
}

}  // namespace

void Reshuffle(Game& game) {
  PileRecord& yama = game.Yama;
  const int n = yama.DiscardCount;
  for (int i = 0; i < n; ++i) {
    const int card = yama.Discard[i];
    yama.Stock[i] = card;
    game.TableMap[Suit(card)][RankIndex(card)] = kMapHidden;
    yama.Discard[i] = kNoCard;
  }
  yama.StockTop = n - 1;
  yama.DiscardCount = 0;
  game.Rng.SeedRandom(static_cast<std::uint32_t>(game.Host.CalendarTime()));
  for (int i = 0; i <= yama.StockTop; ++i) {
    const int j = game.Rng.NextBelow(yama.StockTop + 1);
    std::swap(yama.Stock[i], yama.Stock[j]);
  }
  ++yama.Reshuffles;
}

void DrawCard(Game& game, int seat) {
  PileRecord& yama = game.Yama;
  if (yama.StockEmpty())
    Reshuffle(game);
  if (yama.StockEmpty())
    return;  // nothing anywhere to draw: never on valid table data
  HandRecord& hand = game.Seats[seat];
  Append(hand, yama.Stock[yama.StockTop--]);
  game.Host.PlayCue(cueClick);
  AdvanceGame(game);
  game.Host.PaintHand(seat);
  game.Host.PaintYama();
}

bool TakeDiscard(Game& game, int seat) {
  PileRecord& yama = game.Yama;
  HandRecord& hand = game.Seats[seat];
  if (yama.DiscardCount <= 0 || hand.Count >= kHandSlots)
    return false;
  StopTimer1(game);
  const int slot = hand.Count;
  Append(hand, yama.Discard[--yama.DiscardCount]);
  const bool ownDrawPhase = SeatOfState(game.GameState) == seat;
  hand.Claimed = ownDrawPhase ? slot : slot + kPonClaimOffset;
  hand.Selected[slot] = 1;
  game.Host.PlayCue(cueClick);
  SetGame(game, PlayState(seat));
  game.Host.PaintHand(seat);
  game.Host.PaintYama();
  return true;
}

bool DiscardCard(Game& game, int seat, int slot, bool offerPon) {
  HandRecord& hand = game.Seats[seat];
  if (slot < 0 || slot >= hand.Count)
    return false;
  PileRecord& yama = game.Yama;
  const int card = hand.Cards[slot];
  // The card moves before anything is shown, so a failure while showing it never leaves
  // it in two places.
  yama.Discard[yama.DiscardCount++] = card;
  game.TableMap[Suit(card)][RankIndex(card)] = kMapDiscarded;
  RemoveCard(hand, slot);
  game.Host.PlayCue(cueDiscard);
  game.Host.PaintHand(seat);
  game.Host.PaintYama();
  return FinishDiscard(game, seat, offerPon);
}

bool FinishDiscard(Game& game, int seat, bool offerPon) {
  HandRecord& hand = game.Seats[seat];
  if (RoundIsOver(game, hand)) {
    for (int s = 0; s < kSeatCount; ++s)
      game.Seats[s].Open = true;
    for (int s = 0; s < kSeatCount; ++s)
      game.Host.PaintHand(s);
    SetGame(game, -1);
    const std::string text = hand.Count == 0 ? hand.PlayerName + "の勝ち" : "流局です";
    game.Host.MessageBox(text, "ゲーム終了", MsgButtons::Ok, MsgIcon::None);
    EndRound(game);
    return true;
  }
  AdvanceGame(game);
  if (offerPon)
    OfferPon(game, seat, game.Yama.TopDiscard());
  return false;
}

void ImgYamaMouseDown(Game& game) {
  EndNotice(game);
  if (game.GameState == -1) {
    mnStartClick(game);
  } else if (game.GameState == 0) {
    HandRecord& hand = game.Player();
    DrawCard(game, kHumanSeat);
    if (hand.Count > 0)
      hand.Selected[hand.Count - 1] = 1;
    game.Host.PaintHand(kHumanSeat);
  } else {
    Refuse(game, ActionRefusal(game, HumanAction::Draw));
  }
}

void ImgSuteMouseDown(Game& game) {
  EndNotice(game);
  HandRecord& hand = game.Player();
  if (game.GameState == 1) {
    if (hand.SelectedCount() != 1) {
      game.Host.MessageBox(kChooseOneCard, "捨て札", MsgButtons::Ok, MsgIcon::None);
      return;
    }
    int slot = 0;
    while (!hand.Selected[slot])
      ++slot;
    if (slot == hand.ClaimedSlot()) {
      if (game.Host.MessageBox(kFalseClaimQuestion, "捨て札", MsgButtons::YesNo,
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
  } else if (IsDrawPhase(game.GameState) && game.Yama.DiscardCount > 0) {
    game.Human.ResumeState = game.GameState == 0 ? 10 : game.GameState;
    TakeDiscard(game, kHumanSeat);
  } else {
    Refuse(game, ActionRefusal(game, HumanAction::Claim));
  }
}

void ImgSuteDragOver(Game& game, int slot) {
  HandRecord& hand = game.Player();
  if (slot < 0 || slot >= hand.Count || hand.Selected[slot])
    return;
  hand.Selected[slot] = 1;
  game.Host.PaintHand(kHumanSeat);
}

void ImgSuteDragDrop(Game& game, int slot) {
  HandRecord& hand = game.Player();
  if (slot < 0 || slot >= hand.Count)
    return;
  if (hand.Claimed < 0) {
    hand.Selected.fill(0);
    hand.Selected[slot] = 1;
  }
  ImgSuteMouseDown(game);
}

}  // namespace zelvani
