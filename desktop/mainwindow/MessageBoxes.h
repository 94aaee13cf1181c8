// The modal boxes the game waits on: a message box, a one-line input box and the score
// sheet, all over the frame. Names and file paths show as they are, never as markup, and
// a box is at least as wide as its caption needs. Tests put boxes of their own in place.
#pragma once

#include <string>

#include "logic/table/GameHost.h"

class QWidget;

namespace zelvani {

class ScoreSheetWindow;

class MessageBoxes {
 public:
  explicit MessageBoxes(QWidget* owner) : owner_(owner) {}
  virtual ~MessageBoxes() = default;

  // Returns the button pressed.
  virtual MsgAnswer MessageBox(const std::string& text, const std::string& caption,
                               MsgButtons buttons, MsgIcon icon);
  // Cancelling returns `defaultText`.
  virtual std::string InputBox(const std::string& caption, const std::string& prompt,
                               const std::string& defaultText);
  // The sheet brought up to date and shown until its OK.
  virtual void ShowScoreSheet(ScoreSheetWindow& sheet);

 private:
  QWidget* owner_;
};

}  // namespace zelvani
