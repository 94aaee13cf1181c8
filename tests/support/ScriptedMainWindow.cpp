#include "support/ScriptedMainWindow.h"

#include <memory>

namespace zelvani {

MsgAnswer ScriptedBoxes::MessageBox(const std::string& text, const std::string& caption,
                                    MsgButtons buttons, MsgIcon icon) {
  Messages.push_back({text, caption, icon, TakeDescription().toStdString()});
  if (buttons == MsgButtons::Ok)
    return MsgAnswer::Ok;
  if (Answers.empty())
    return MsgAnswer::No;
  const MsgAnswer answer = Answers.front();
  Answers.pop_front();
  return answer;
}

std::string ScriptedBoxes::InputBox(const std::string&, const std::string&,
                                    const std::string& defaultText) {
  if (Inputs.empty())
    return defaultText;
  std::string text = Inputs.front();
  Inputs.pop_front();
  return text;
}

ScriptedMainWindow::ScriptedMainWindow()
    : MainWindow(std::make_unique<ScriptedBoxes>()),
      Messages(static_cast<ScriptedBoxes&>(Boxes()).Messages),
      Answers(static_cast<ScriptedBoxes&>(Boxes()).Answers),
      Inputs(static_cast<ScriptedBoxes&>(Boxes()).Inputs) {}

void ScriptedMainWindow::StartUp() {
  CreateScoreSheet();
  CreateHumanSeat();
  CreatePilesWindow();
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
