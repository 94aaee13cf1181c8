#include "support/FakeHost.h"

#include <algorithm>

#include "logic/computer/TurnTimer.h"
#include "logic/table/Game.h"
#include "logic/table/TurnDriver.h"

namespace zelvani {

bool FakeHost::FireTimer(Game& game) {
  if (!TimerRunning)
    return false;
  TurnTimerFired(game);
  return true;
}

int FakeHost::CountCalls(const std::string& call) const {
  return static_cast<int>(std::count(Calls.begin(), Calls.end(), call));
}

void FakeHost::Clear() {
  Calls.clear();
  Messages.clear();
  Statuses.clear();
  Cues.clear();
}

void FakeHost::PaintHand(int seat) {
  Calls.push_back("PaintHand " + std::to_string(seat));
}
void FakeHost::PaintPiles() {
  Calls.push_back("PaintPiles");
}
void FakeHost::PaintMeld(int index) {
  Calls.push_back("PaintMeld " + std::to_string(index));
}

void FakeHost::SetSeatCaption(int seat, const Text& caption) {
  Calls.push_back("Caption " + std::to_string(seat) + " " + caption.Render());
}

void FakeHost::ShowSeatWindow(int seat) {
  Calls.push_back("Show " + std::to_string(seat));
}

void FakeHost::MeldWindowOpened(int index) {
  Calls.push_back("MeldWindowOpened " + std::to_string(index));
}

void FakeHost::MeldWindowsClosed() {
  Calls.push_back("MeldWindowsClosed");
}

void FakeHost::PlayCue(Cue cue) {
  Cues.push_back(cue);
  Calls.push_back("Cue " + std::to_string(static_cast<int>(cue)));
}

void FakeHost::SetStatus(const Text& text) {
  Statuses.push_back(text.Render());
  Calls.push_back("Status " + Statuses.back());
}

MsgAnswer FakeHost::MessageBox(const Text& text, const Text& caption, MsgButtons buttons,
                               MsgIcon icon) {
  Messages.push_back({text.Render(), caption.Render(), buttons, icon});
  Calls.push_back("Message " + Messages.back().Caption + ": " + Messages.back().Text);
  if (buttons == MsgButtons::Ok)
    return MsgAnswer::Ok;
  if (Answers.empty())
    return MsgAnswer::No;
  const MsgAnswer answer = Answers.front();
  Answers.pop_front();
  return answer;
}

std::string FakeHost::InputBox(const Text& caption, const Text& prompt,
                               const std::string& defaultText) {
  Calls.push_back("Input " + caption.Render() + ": " + prompt.Render());
  if (Inputs.empty())
    return defaultText;
  std::string text = Inputs.front();
  Inputs.pop_front();
  return text;
}

void FakeHost::ShowScoreSheet() {
  ++ScoreSheetShown;
  Calls.push_back("ShowScoreSheet");
}

void FakeHost::ScoreSheetRowsChanged() {
  Calls.push_back("ScoreSheetRowsChanged");
}

void FakeHost::StartTimer(int intervalMs) {
  TimerRunning = true;
  TimerInterval = intervalMs;
  ++TimerStarts;
  Calls.push_back("StartTimer " + std::to_string(intervalMs));
}

void FakeHost::StopTimer() {
  TimerRunning = false;
  Calls.push_back("StopTimer");
}

std::int64_t FakeHost::CalendarTime() {
  const std::int64_t now = Time;
  Time += TimeStep;
  return now;
}

LocalDate FakeHost::Today() {
  return Date;
}

}  // namespace zelvani
