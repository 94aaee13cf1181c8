// The self-play tool's stand-in for the windows: nothing is drawn and nothing waits.
// Every box is answered at once, the timer is a flag the driver polls, the calendar time
// counts up from a seed, and what should never happen is reported to the rule checker.
// The game is played through an ObservingHost around it, which shows the table observer
// every consistent moment.
#pragma once

#include <cstdint>
#include <string>

#include "logic/table/SilentHost.h"

namespace zelvani {

class TableChecker;

inline constexpr const char* kNextRoundQuestion = "次のゲームを始めますか？";
inline constexpr const char* kAbandonGameQuestion = "現在のゲームを終了しますか？";

class SelfPlayHost : public SilentHost {
 public:
  // The first shuffle is seeded with `firstTime`, each later one with the next second.
  explicit SelfPlayHost(std::int64_t firstTime) : nextTime_(firstTime) {}

  void ReportTo(TableChecker& checker) { checker_ = &checker; }
  bool TimerRunning() const { return timerRunning_; }
  // The next question whether to abandon the game is answered Yes.
  void AgreeToAbandon() { abandonAgreed_ = true; }
  // The next calendar time; and whether the scoring may deal the next round itself (when
  // not, the driver deals it, setting the clock first).
  void SetClock(std::int64_t time) { nextTime_ = time; }
  void DealNextRoundFromScoring(bool deal) { dealsNextRound_ = deal; }

  MsgAnswer MessageBox(const Text& text, const Text& caption, MsgButtons buttons,
                       MsgIcon icon) override;
  void StartTimer(int) override { timerRunning_ = true; }
  void StopTimer() override { timerRunning_ = false; }
  std::int64_t CalendarTime() override { return nextTime_++; }
  LocalDate Today() override { return {2026, 1, 1}; }

 private:
  TableChecker* checker_ = nullptr;
  std::int64_t nextTime_;
  bool timerRunning_ = false;
  bool abandonAgreed_ = false;
  bool dealsNextRound_ = true;
};

}  // namespace zelvani
