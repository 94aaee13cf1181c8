// The real frame with its message and input boxes answered by the test instead of a
// person, so the windows can be driven on the offscreen platform.
#pragma once

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "desktop/mainwindow/MainWindow.h"

namespace zelvani {

class ScriptedMainWindow : public MainWindow {
 public:
  struct Shown {
    std::string Text;
    std::string Caption;
    MsgIcon Icon;
  };
  std::vector<Shown> Messages;
  std::deque<MsgAnswer> Answers;  // for Yes/No boxes; No when empty

  // Creates the windows in the order the application does.
  void StartUp();

  MsgAnswer MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                       MsgIcon icon) override;
  std::string InputBox(const std::string& caption, const std::string& prompt,
                       const std::string& defaultText) override;
  void ShowScoreSheet() override {}
};

// Gives a seat exactly these cards, none selected and no claim pending.
void SetHand(Game& game, int seat, std::initializer_list<int> cards);

}  // namespace zelvani
