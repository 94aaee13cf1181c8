// Everything the game logic does to the outside world goes through this interface:
// the Qt windows implement it for play, a scripted fake implements it in tests, and the
// self-play tool implements it to run games with no windows at all.
#pragma once

#include <cstdint>
#include <string>

#include "logic/program/Text.h"
#include "logic/table/Claims.h"

namespace zelvani {

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Information, Question, Exclamation, Error };
enum class MsgAnswer { Ok, Yes, No };

// Sound cues, always played on the human's window whichever seat causes them.
enum class Cue { Click = 0, Discard = 1, Meld = 2 };

struct LocalDate {
  int Year = 2000;
  int Month = 1;
  int Day = 1;
};

class GameHost {
 public:
  virtual ~GameHost() = default;

  // Repaints from the records.
  virtual void PaintHand(int seat) = 0;
  virtual void PaintPiles() = 0;
  virtual void PaintMeld(int index) = 0;
  // The caption of a seat window changed (name or points).
  virtual void SetSeatCaption(int seat, const Text& caption) = 0;
  virtual void ShowSeatWindow(int seat) = 0;

  // Meld windows: the logic's list MeldWindows grew by the window at `index` (the host
  // creates it, gives the focus to the stock window and tiles), or was emptied.
  virtual void MeldWindowOpened(int index) = 0;
  virtual void MeldWindowsClosed() = 0;

  virtual void PlayCue(Cue cue) = 0;
  virtual void SetStatus(const Text& text) = 0;
  // False for a host with no status line: the turn prompts are then not even put together.
  virtual bool ShowsStatus() const { return true; }

  // The turn passed to `seat`, -1 when no round is being played: called once whenever the
  // seat whose turn it is changes, after the new state is set.
  virtual void TurnChanged(int /*seat*/) {}

  // A computer seat announces its claim of the top discard ("ポンします", "チーします")
  // before it takes the card: by default in a box captioned with the seat's name.
  virtual void AnnounceClaim(int /*seat*/, const std::string& name, ClaimKind kind) {
    MessageBox(ClaimAnnouncement(kind), Text::Verbatim(name), MsgButtons::Ok, MsgIcon::None);
  }

  // Modal message box; returns the button pressed.
  virtual MsgAnswer MessageBox(const Text& text, const Text& caption, MsgButtons buttons,
                               MsgIcon icon) = 0;
  // One-line input box; cancelling returns `defaultText`.
  virtual std::string InputBox(const Text& caption, const Text& prompt,
                               const std::string& defaultText) = 0;

  // The score sheet: shown modally, and told when its row count grew.
  virtual void ShowScoreSheet() = 0;
  virtual void ScoreSheetRowsChanged() = 0;
  // The game in progress has ended, after its last round was scored or abandoned from the
  // menu; `leader` is the seat with the most points.
  virtual void GameFinished(int /*leader*/, bool /*abandoned*/) {}

  // The one-shot turn timer TurnTimer.
  virtual void StartTimer(int intervalMs) = 0;
  virtual void StopTimer() = 0;

  // Calendar time in whole seconds (seeds the shuffles) and the local date.
  virtual std::int64_t CalendarTime() = 0;
  virtual LocalDate Today() = 0;
};

}  // namespace zelvani
