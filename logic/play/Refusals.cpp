#include "logic/play/Refusals.h"

#include "logic/cards/Cards.h"
#include "logic/table/Game.h"
#include "logic/table/TurnDriver.h"

namespace zelvani {

namespace {

const char* Attempt(HumanAction action) {
  switch (action) {
    case HumanAction::Draw:
      return "今は山から引けません：";
    case HumanAction::Claim:
      return "今は捨て札を取れません：";
    case HumanAction::Select:
      return "今はカードを選べません：";
    case HumanAction::Discard:
      return "今は捨てられません：";
    default:
      return "今は役を出せません：";
  }
}

}  // namespace

std::string ActionRefusal(const Game& game, HumanAction action) {
  const GameState state = game.State;
  if (action == HumanAction::Claim && IsDrawPhase(state) && game.Piles.DiscardCount <= 0)
    return kNoDiscardToTake;
  std::string reason;
  if (state == GameState::NoRound) {
    // A click on the stock deals.
    if (action != HumanAction::Draw)
      reason = "ゲームが始まっていません。";
  } else if (state == GameState::HumanDraws) {
    if (action == HumanAction::Select || action == HumanAction::Lay ||
        action == HumanAction::Discard)
      reason = "先に山か捨て札から1枚取ってください。";
  } else if (state == GameState::HumanPlays) {
    // A claim here comes only from the keyboard: a click on the pile discards.
    if (action == HumanAction::Draw || action == HumanAction::Claim)
      reason = "この番はもう1枚取りました。";
  } else if (IsComputerState(state)) {
    const std::string& name = game.Seats[SeatOfState(state)].PlayerName;
    if (action != HumanAction::Claim)
      reason = name + "の番です。";
    else if (!IsDrawPhase(state))
      reason = name + "の番です（ポンは捨て札が出た直後だけです）。";
  }
  return reason.empty() ? reason : Attempt(action) + reason;
}

std::string MeldRefusal(const MeldRecord& meld, const HandRecord& hand, LayVerdict verdict) {
  if (verdict == LayVerdict::NothingSelected)
    return "役にするカードを選んでください。";
  switch (meld.Kind) {
    case MeldKind::Seven:
      return "「７」に付けられるのは、続きになる同じマークのカードか、ほかの７です。";
    case MeldKind::Sequence:
      return "このシークエンスの続きにならないので、付けられません。";
    case MeldKind::SameRank:
      return "この同位札と同じ数字ではないので、付けられません。";
    default:
      break;
  }
  const int selected = hand.SelectedCount();
  if (selected == 1)
    return "1枚で役になるのは「７」だけです。";
  if (selected == 2)
    return "役には同じ数字か同じマークの続きが3枚要ります。";
  return "同じ数字でも同じマークの続きでもないので、役になりません。";
}

void Refuse(Game& game, const std::string& reason) {
  if (!reason.empty())
    ShowNotice(game, reason);
}

}  // namespace zelvani
