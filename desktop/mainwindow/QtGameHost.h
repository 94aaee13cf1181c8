// The logic's effects carried onto the windows of the table: paints, captions, the meld
// windows opened and closed in the frame, sound cues and the status line on the human's
// window, the modal boxes, the score sheet, the turn timer and the clock.
#pragma once

#include "logic/table/GameHost.h"

class QImage;
class QTimer;

namespace zelvani {

struct Game;
struct Preferences;
struct TableWindows;
class MessageBoxes;

class QtGameHost : public GameHost {
 public:
  // `game` is the game played through this host; it may be made after the host.
  QtGameHost(Game& game, const Preferences& prefs, TableWindows& windows, const QImage& cardSheet,
             MessageBoxes& boxes, QTimer& turnTimer)
      : game_(game),
        prefs_(prefs),
        windows_(windows),
        cardSheet_(cardSheet),
        boxes_(boxes),
        turnTimer_(turnTimer) {}

  void PaintHand(int seat) override;
  void PaintPiles() override;
  void PaintMeld(int index) override;
  void SetSeatCaption(int seat, const Text& caption) override;
  void ShowSeatWindow(int seat) override;
  void MeldWindowOpened(int index) override;
  void MeldWindowsClosed() override;
  void PlayCue(Cue cue) override;
  void SetStatus(const Text& text) override;
  void TurnChanged(int seat) override;
  void AnnounceClaim(int seat, const std::string& name, ClaimKind kind) override;
  MsgAnswer MessageBox(const Text& text, const Text& caption, MsgButtons buttons,
                       MsgIcon icon) override;
  std::string InputBox(const Text& caption, const Text& prompt,
                       const std::string& defaultText) override;
  void ShowScoreSheet() override;
  void ScoreSheetRowsChanged() override;
  void StartTimer(int intervalMs) override;
  void StopTimer() override;
  std::int64_t CalendarTime() override;
  LocalDate Today() override;

  // When it is the human's move, the focus goes back to the human's hand: after every box
  // and dialog, and when the move begins.
  void FocusHumanMove();

 private:
  Game& game_;
  const Preferences& prefs_;
  TableWindows& windows_;
  const QImage& cardSheet_;
  MessageBoxes& boxes_;
  QTimer& turnTimer_;
  // Whose turn it is, as last told; -1 for none.
  int turnSeat_ = -1;
};

}  // namespace zelvani
