// A scripted stand-in for the windows: records every effect the logic asks for, answers
// message and input boxes from queues, and lets a test fire the turn timer by hand.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "logic/table/GameHost.h"

namespace zelvani {

struct Game;

struct ShownMessage {
  std::string Text;
  std::string Caption;
  MsgButtons Buttons;
  MsgIcon Icon;
};

class FakeHost : public GameHost {
 public:
  // Every call, one line each ("PaintHand 2", "Cue 1", "Status ...", ...).
  std::vector<std::string> Calls;
  std::vector<ShownMessage> Messages;
  std::vector<std::string> Statuses;
  std::vector<Cue> Cues;

  // Answers for Yes/No boxes, used in order; when empty, the answer is No.
  std::deque<MsgAnswer> Answers;
  // Texts the input box returns, in order; when empty it returns its default.
  std::deque<std::string> Inputs;

  // The clock the shuffles are seeded from; every read advances it by `TimeStep`.
  std::int64_t Time = 1000;
  std::int64_t TimeStep = 0;
  LocalDate Date{2026, 12, 8};

  bool TimerRunning = false;
  int TimerInterval = -1;
  int TimerStarts = 0;

  int ScoreSheetShown = 0;

  // Runs TurnTimerFired when the timer is running; returns whether it was.
  bool FireTimer(Game& game);

  std::string LastStatus() const { return Statuses.empty() ? "" : Statuses.back(); }
  // How many recorded calls equal `call` exactly.
  int CountCalls(const std::string& call) const;
  void Clear();

  void PaintHand(int seat) override;
  void PaintPiles() override;
  void PaintMeld(int index) override;
  void SetSeatCaption(int seat, const Text& caption) override;
  void ShowSeatWindow(int seat) override;
  void MeldWindowOpened(int index) override;
  void MeldWindowsClosed() override;
  void PlayCue(Cue cue) override;
  void SetStatus(const Text& text) override;
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
};

}  // namespace zelvani
