#include "support/ScriptedMainWindow.h"

namespace zelvani {

void ScriptedMainWindow::StartUp() {
  CreateScoreSheet();
  CreateHumanSeat();
  CreatePilesWindow();
}

MsgAnswer ScriptedMainWindow::MessageBox(const std::string& text, const std::string& caption,
                                   MsgButtons buttons, MsgIcon icon) {
  Messages.push_back({text, caption, icon});
  if (buttons == MsgButtons::Ok)
    return MsgAnswer::Ok;
  if (Answers.empty())
    return MsgAnswer::No;
  const MsgAnswer answer = Answers.front();
  Answers.pop_front();
  return answer;
}

std::string ScriptedMainWindow::InputBox(const std::string&, const std::string&,
                                   const std::string& defaultText) {
  return defaultText;
}

void SetHand(Game& game, int seat, std::initializer_list<int> cards) {
  HandRecord& hand = game.Seats[seat];
  hand.Count = 0;
  hand.Selected.fill(0);
  hand.Claimed = kNoClaim;
  for (int card : cards)
    hand.Cards[hand.Count++] = card;
}

}  // namespace zelvani
