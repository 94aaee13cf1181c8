#include "logic/play/Refusals.h"

#include "logic/cards/Cards.h"
#include "logic/table/Game.h"
#include "logic/table/TurnDriver.h"

namespace zelvani {

namespace {

// "What could not be done: why", %1 being the reason.
Text Attempt(HumanAction action) {
  switch (action) {
    case HumanAction::Draw:
      return Translatable("Refusals", "今は山から引けません：%1");
    case HumanAction::Claim:
      return Translatable("Refusals", "今は捨て札を取れません：%1");
    case HumanAction::Select:
      return Translatable("Refusals", "今はカードを選べません：%1");
    case HumanAction::Discard:
      return Translatable("Refusals", "今は捨てられません：%1");
    default:
      return Translatable("Refusals", "今は役を出せません：%1");
  }
}

}  // namespace

Text ActionRefusal(const Game& game, HumanAction action) {
  const GameState state = game.State;
  if (action == HumanAction::Claim && IsDrawPhase(state) && game.Piles.DiscardCount <= 0)
    return Translatable("Refusals", "捨て札がないので取れません。");
  Text reason;
  if (state == GameState::NoRound) {
    // A click on the stock deals.
    if (action != HumanAction::Draw)
      reason = Translatable("Refusals", "ゲームが始まっていません。");
  } else if (state == GameState::HumanDraws) {
    if (action == HumanAction::Select || action == HumanAction::Lay ||
        action == HumanAction::Discard)
      reason = Translatable("Refusals", "先に山か捨て札から1枚取ってください。");
  } else if (state == GameState::HumanPlays) {
    // A claim here comes only from the keyboard: a click on the pile discards.
    if (action == HumanAction::Draw || action == HumanAction::Claim)
      reason = Translatable("Refusals", "この番はもう1枚取りました。");
  } else if (IsComputerState(state)) {
    const std::string& name = game.Seats[SeatOfState(state)].PlayerName;
    if (action != HumanAction::Claim)
      reason = Translatable("Refusals", "%1の番です。").Arg(name);
    else if (!IsDrawPhase(state))
      reason = Translatable("Refusals", "%1の番です（ポンは捨て札が出た直後だけです）。").Arg(name);
  }
  return reason.Empty() ? reason : Attempt(action).Arg(std::move(reason));
}

Text MeldRefusal(const MeldRecord& meld, const HandRecord& hand, LayVerdict verdict) {
  if (verdict == LayVerdict::NothingSelected)
    return Translatable("Refusals", "役にするカードを選んでください。");
  switch (meld.Kind) {
    case MeldKind::Seven:
      return Translatable("Refusals",
                          "「７」に付けられるのは、続きになる同じマークのカードか、ほかの７です。");
    case MeldKind::Sequence:
      return Translatable("Refusals", "このシークエンスの続きにならないので、付けられません。");
    case MeldKind::SameRank:
      return Translatable("Refusals", "この同位札と同じ数字ではないので、付けられません。");
    default:
      break;
  }
  const int selected = hand.SelectedCount();
  if (selected == 1)
    return Translatable("Refusals", "1枚で役になるのは「７」だけです。");
  if (selected == 2)
    return Translatable("Refusals", "役には同じ数字か同じマークの続きが3枚要ります。");
  return Translatable("Refusals", "同じ数字でも同じマークの続きでもないので、役になりません。");
}

void Refuse(Game& game, const Text& reason) {
  if (!reason.Empty())
    ShowNotice(game, reason);
}

}  // namespace zelvani
