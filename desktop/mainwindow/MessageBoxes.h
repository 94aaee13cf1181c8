// The modal boxes the game waits on: a message box, a one-line input box and the score
// sheet, all over the frame. Names and file paths show as they are, never as markup, and
// a box is at least as wide as its caption needs. Tests put boxes of their own in place.
#pragma once

#include <QString>
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

  // What a screen reader adds to the next message box, beside its own words (the card a
  // claim takes).
  void DescribeNextBox(const QString& description) { description_ = description; }
  QString TakeDescription();

 private:
  QWidget* owner_;
  QString description_;
};

}  // namespace zelvani
