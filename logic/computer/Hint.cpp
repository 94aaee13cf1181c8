#include "logic/computer/Hint.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "logic/cards/CardNames.h"
#include "logic/cards/Cards.h"
#include "logic/computer/ComputerTurn.h"
#include "logic/computer/StrongPlayer.h"
#include "logic/play/MeldRules.h"
#include "logic/table/Game.h"
#include "logic/table/TurnDriver.h"

namespace zelvani {

namespace {

// In the order a meld shows them.
std::vector<int> SelectedCards(const HandRecord& hand) {
  std::vector<int> cards;
  for (int slot = 0; slot < hand.Count; ++slot)
    if (hand.Selected[slot])
      cards.push_back(hand.Cards[slot]);
  std::sort(cards.begin(), cards.end());
  return cards;
}

Text DrawHint(Game& game) {
  const int top = game.Piles.TopDiscard();
  if (IsCard(top) && StrongClaims(game, kHumanSeat))
    return Translatable("Hints", "ヒント：捨て札の%1をチーするとよいでしょう。").Arg(CardText(top));
  return Translatable("Hints", "ヒント：山から引くとよいでしょう。");
}

// Raises the cards the computer player would lay, or the one it would throw away, and
// says which; `window` is where it would lay them, -1 for a discard.
Text PlayHint(Game& game, int& window) {
  HandRecord& hand = game.HumanSeat();
  HandRecord copy = hand;
  copy.Selected.fill(0);
  const PlayChoice choice = StrongPlayChoice(game, kHumanSeat);
  const int claimed = hand.ClaimedSlot();
  window = -1;
  if (choice.Meld != kNoCandidate) {
    const Candidate& meld = choice.Judged.Candidates[choice.Meld];
    for (int i = 0; i < meld.SlotCount; ++i)
      copy.Selected[meld.Slots[i]] = 1;
    // The claimed card stays raised whatever is laid with it.
    if (claimed >= 0)
      copy.Selected[claimed] = 1;
    window = WindowTaking(game, copy);
  }
  if (window < 0) {
    if (choice.DiscardSlot < 0)
      return {};
    copy.Selected.fill(0);
    copy.Selected[choice.DiscardSlot] = 1;
    if (claimed >= 0)
      copy.Selected[claimed] = 1;
  }
  hand.Selected = copy.Selected;
  game.Host.PaintHand(kHumanSeat);

  if (window < 0) {
    const Text card = CardText(hand.Cards[choice.DiscardSlot]);
    if (choice.DiscardSlot == claimed)
      return Translatable("Hints", "ヒント：%1を捨てるとよいでしょう（おてつきになります）。")
          .Arg(card);
    return Translatable("Hints", "ヒント：%1を捨てるとよいでしょう。").Arg(card);
  }
  const std::vector<int> cards = SelectedCards(hand);
  const MeldRecord& target = game.MeldWindows[window];
  if (target.Kind == MeldKind::None)
    return Translatable("Hints", "ヒント：%1で役を作れます。").Arg(CardsText(cards));
  return Translatable("Hints", "ヒント：%1を%2の役に付けられます。")
      .Arg(CardsText(cards))
      .Arg(CardsText({target.Cards.data(), static_cast<std::size_t>(target.Count)}));
}

}  // namespace

int ShowHint(Game& game) {
  EndNotice(game);
  int window = -1;
  if (game.AutoPlay) {
    ShowNotice(game, Translatable("Hints", "自動プレイ中はヒントを出しません。"));
  } else if (game.State == GameState::HumanDraws) {
    ShowNotice(game, DrawHint(game));
  } else if (game.State == GameState::HumanPlays) {
    try {
      if (const Text hint = PlayHint(game, window); !hint.Empty())
        ShowNotice(game, hint);
    } catch (const std::length_error&) {
      // A hand too large to judge: nothing is raised and nothing is said.
      window = -1;
    }
  } else {
    ShowNotice(game, Translatable("Hints", "ヒントは自分の番にだけ出せます。"));
  }
  return window;
}

}  // namespace zelvani
