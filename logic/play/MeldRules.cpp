#include "logic/play/MeldRules.h"

#include <algorithm>
#include <bit>

#include "logic/cards/Cards.h"
#include "logic/play/GameCommands.h"
#include "logic/play/Refusals.h"
#include "logic/table/Game.h"
#include "logic/table/TurnDriver.h"

namespace zelvani {

namespace {

bool Has(std::uint16_t ranks, int rank) {
  return (ranks >> rank) & 1u;
}

// The ranks form one unbroken run from ace (low only) to king: walking the 13 ranks and
// one always-empty place after the king, presence may change at most twice.
bool IsOneRun(std::uint16_t ranks) {
  int changes = Has(ranks, kAceRank) ? 1 : 0;
  for (int pos = 1; pos <= kRankCount; ++pos) {
    if (Has(ranks, pos) != Has(ranks, pos - 1))
      ++changes;
  }
  return changes <= 2;
}

}  // namespace

MeldClass ClassifyMeld(std::uint16_t ranks, std::uint8_t suits) {
  const int rankCount = std::popcount(ranks);
  const int suitCount = std::popcount(suits);
  if (rankCount == 1 && suitCount == 1)
    return {MeldKind::Seven, Has(ranks, kSevenRank)};
  if (suitCount == 1)
    return {MeldKind::Sequence, rankCount >= 3 && IsOneRun(ranks)};
  if (rankCount == 1)
    return {MeldKind::SameRank, suitCount >= 3};
  return {MeldKind::None, false};
}

Judgement JudgeLay(const MeldRecord& meld, const HandRecord& hand) {
  Judgement j;
  if (hand.Claimed >= 0 && meld.Kind != MeldKind::None) {
    j.Verdict = LayVerdict::ClaimNeedsNewMeld;
    return j;
  }
  std::uint16_t ranks = 0;
  std::uint8_t suits = 0;
  auto collect = [&](int code) {
    ranks |= static_cast<std::uint16_t>(1u << RankIndex(code));
    suits |= static_cast<std::uint8_t>(1u << Suit(code));
  };
  for (int i = 0; i < meld.Count; ++i)
    collect(meld.Cards[i]);
  bool anySelected = false;
  bool anyUnselected = false;
  for (int i = 0; i < hand.Count; ++i) {
    if (hand.Selected[i]) {
      anySelected = true;
      collect(hand.Cards[i]);
    } else {
      anyUnselected = true;
    }
  }
  if (anySelected && !anyUnselected) {
    j.Verdict = LayVerdict::LastCard;
    return j;
  }
  if (!anySelected) {
    j.Verdict = LayVerdict::NothingSelected;
    return j;
  }
  j.Meld = ClassifyMeld(ranks, suits);
  if (!j.Meld.Valid) {
    j.Verdict = LayVerdict::NoMeld;
  } else if (hand.PonPending() && j.Meld.Kind != MeldKind::SameRank) {
    j.Verdict = LayVerdict::PonNeedsSameRank;
  } else if (hand.ChiiPending() && j.Meld.Kind == MeldKind::Seven) {
    j.Verdict = LayVerdict::ChiiNoSeven;
  } else {
    j.Verdict = LayVerdict::Laid;
  }
  return j;
}

Text VerdictMessage(LayVerdict verdict) {
  switch (verdict) {
    case LayVerdict::ClaimNeedsNewMeld:
      return Translatable("Melds", "ポン・チーしたカードでは新規の役を作ってください");
    case LayVerdict::LastCard:
      return Translatable("Melds", "最後の１枚は役にできません");
    case LayVerdict::PonNeedsSameRank:
      return Translatable("Melds", "ポンをした時は同じ数字３枚で役を作ってください");
    case LayVerdict::ChiiNoSeven:
      return Translatable("Melds", "ポン・チーをした時は「７」の役は作れません");
    default:
      return {};
  }
}

Text MeldLabel(MeldKind kind) {
  switch (kind) {
    case MeldKind::Seven:
      return Translatable("Melds", "--７--");
    case MeldKind::Sequence:
      return Translatable("Melds", "シークエンス");
    case MeldKind::SameRank:
      return Translatable("Melds", "同位札");
    default:
      return Translatable("Melds", "役（新規）");
  }
}

bool LayMeld(Game& game, int window, int seat, bool quiet) {
  if (window < 0 || window >= game.MeldWindowCount())
    return false;
  const bool told = seat == kHumanSeat && !quiet;
  if (told)
    EndNotice(game);
  HandRecord& hand = game.Seats[seat];
  const Judgement j = JudgeLay(game.MeldWindows[window], hand);

  // A valid meld makes some reservations pointless, whether or not it is laid.
  if (j.Meld.Valid) {
    if (j.Meld.Kind == MeldKind::Seven) {
      if (game.PonReservations[kSevenRank] == seat)
        game.PonReservations[kSevenRank] = 0;
    } else if (j.Meld.Kind == MeldKind::SameRank) {
      int rank = -1;
      for (int i = 0; i < hand.Count && rank < 0; ++i)
        if (hand.Selected[i])
          rank = RankIndex(hand.Cards[i]);
      if (rank >= 0)
        game.PonReservations[rank] = 0;
    }
  }

  if (j.Verdict != LayVerdict::Laid) {
    const Text message = VerdictMessage(j.Verdict);
    if (told && !message.Empty())
      game.Host.MessageBox(message, Translatable("Melds", "役"), MsgButtons::Ok, MsgIcon::None);
    else if (told)
      ShowNotice(game, MeldRefusal(game.MeldWindows[window], hand, j.Verdict));
    return false;
  }

  MeldRecord& meld = game.MeldWindows[window];
  const bool wasOpenWindow = meld.Kind == MeldKind::None;
  if (wasOpenWindow)
    meld.LaidBy = seat;
  meld.Kind = j.Meld.Kind;
  // Downwards, so the slots still to visit keep their places as cards leave.
  for (int slot = hand.Count - 1; slot >= 0; --slot) {
    if (!hand.Selected[slot])
      continue;
    const int card = hand.Cards[slot];
    if (meld.Count < kMeldSlots)
      meld.Cards[meld.Count++] = card;
    game.TableMap[Suit(card)][RankIndex(card)] = MapValue(meld.Kind);
    RemoveCard(hand, slot);
  }
  std::sort(meld.Cards.begin(), meld.Cards.begin() + meld.Count);

  if (wasOpenWindow)
    AddNewMeldWindow(game);
  game.Host.PlayCue(Cue::Meld);
  game.Host.PaintMeld(window);
  game.Host.PaintHand(seat);
  return true;
}

}  // namespace zelvani
