// The real frame with its message and input boxes answered by the test instead of a
// person, so the windows can be driven on the offscreen platform.
#pragma once

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "desktop/mainwindow/MainWindow.h"

namespace zelvani {

// Boxes that note what they were to show and answer from a script; the score sheet is
// not shown.
class ScriptedBoxes : public MessageBoxes {
 public:
  struct Shown {
    std::string Text;
    std::string Caption;
    MsgIcon Icon;
    // What a screen reader was to add to the box.
    std::string Description;
  };
  std::vector<Shown> Messages;
  std::deque<MsgAnswer> Answers;   // for Yes/No boxes; No when empty
  std::deque<std::string> Inputs;  // for input boxes; the preset text when empty

  ScriptedBoxes() : MessageBoxes(nullptr) {}

  MsgAnswer MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                       MsgIcon icon) override;
  std::string InputBox(const std::string& caption, const std::string& prompt,
                       const std::string& defaultText) override;
  void ShowScoreSheet(ScoreSheetWindow&) override {}
};

class ScriptedMainWindow : public MainWindow {
 public:
  ScriptedMainWindow();

  // What the frame's boxes were to show, and the answers they give.
  std::vector<ScriptedBoxes::Shown>& Messages;
  std::deque<MsgAnswer>& Answers;
  std::deque<std::string>& Inputs;

  // Creates the windows in the order the application does.
  void StartUp();
};

// Gives a seat exactly these cards, none selected and no claim pending.
void SetHand(Game& game, int seat, std::initializer_list<int> cards);

}  // namespace zelvani
