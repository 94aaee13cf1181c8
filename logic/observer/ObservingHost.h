// The host a watched game is played through: it passes every call on to the host that
// does the work (the frame's windows, the self-play tool's answers, a test's script) and
// shows the table observer each moment the records are consistent, so that every host
// feeds the observer at the same points of the game.
#pragma once

#include "logic/table/GameHost.h"

namespace zelvani {

struct Game;
class TableObserver;

class ObservingHost : public GameHost {
 public:
  ObservingHost(GameHost& host, TableObserver& observer) : host_(host), observer_(observer) {}
  // The game played through this host, which the observer looks at.
  void Attach(const Game& game) { game_ = &game; }

  void PaintHand(int seat) override;
  void PaintPiles() override;
  void PaintMeld(int index) override;
  void SetSeatCaption(int seat, const Text& caption) override {
    host_.SetSeatCaption(seat, caption);
  }
  void ShowSeatWindow(int seat) override { host_.ShowSeatWindow(seat); }
  void MeldWindowOpened(int index) override;
  void MeldWindowsClosed() override;
  void PlayCue(Cue cue) override { host_.PlayCue(cue); }
  void SetStatus(const Text& text) override { host_.SetStatus(text); }
  bool ShowsStatus() const override { return host_.ShowsStatus(); }
  void TurnChanged(int seat) override { host_.TurnChanged(seat); }
  void AnnounceClaim(int seat, const std::string& name, ClaimKind kind) override;
  MsgAnswer MessageBox(const Text& text, const Text& caption, MsgButtons buttons,
                       MsgIcon icon) override;
  std::string InputBox(const Text& caption, const Text& prompt,
                       const std::string& defaultText) override;
  void ShowScoreSheet() override;
  void ScoreSheetRowsChanged() override { host_.ScoreSheetRowsChanged(); }
  void GameFinished(int leader, bool abandoned) override;
  void StartTimer(int intervalMs) override { host_.StartTimer(intervalMs); }
  void StopTimer() override { host_.StopTimer(); }
  std::int64_t CalendarTime() override;
  LocalDate Today() override { return host_.Today(); }

 private:
  void Observe();

  GameHost& host_;
  TableObserver& observer_;
  const Game* game_ = nullptr;
};

}  // namespace zelvani
