// A host that shows nothing: every repaint, cue and status line goes nowhere. Tables played
// with no one watching (self-play, the strong player's playouts) start from it and answer
// the boxes, the timer and the clock their own way.
#pragma once

#include <string>

#include "logic/table/GameHost.h"

namespace zelvani {

class SilentHost : public GameHost {
 public:
  void PaintHand(int) override {}
  void PaintPiles() override {}
  void PaintMeld(int) override {}
  void SetSeatCaption(int, const Text&) override {}
  void ShowSeatWindow(int) override {}
  void MeldWindowOpened(int) override {}
  void MeldWindowsClosed() override {}
  void PlayCue(Cue) override {}
  void SetStatus(const Text&) override {}
  bool ShowsStatus() const override { return false; }
  std::string InputBox(const Text&, const Text&, const std::string& defaultText) override {
    return defaultText;
  }
  void ShowScoreSheet() override {}
  void ScoreSheetRowsChanged() override {}
};

}  // namespace zelvani
