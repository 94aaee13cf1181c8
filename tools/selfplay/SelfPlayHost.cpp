#include "tools/selfplay/SelfPlayHost.h"

#include "core/Game.h"
#include "tools/selfplay/TableObserver.h"

namespace zelvani {

void SelfPlayHost::Attach(Game& game, TableObserver& observer) {
  game_ = &game;
  observer_ = &observer;
}

void SelfPlayHost::Observe() {
  if (game_ && observer_)
    observer_->Observe(*game_);
}

void SelfPlayHost::PaintHand(int) {
  Observe();
}
void SelfPlayHost::PaintYama() {
  Observe();
}
void SelfPlayHost::PaintMeld(int) {
  Observe();
}
void SelfPlayHost::MeldWindowOpened(int) {
  Observe();
}

void SelfPlayHost::MeldWindowsClosed() {
  if (game_ && observer_)
    observer_->DealStarting(*game_);
}

MsgAnswer SelfPlayHost::MessageBox(const std::string& text, const std::string&, MsgButtons buttons,
                                   MsgIcon) {
  Observe();
  if (observer_)
    observer_->Announcement(text);
  if (buttons == MsgButtons::Ok)
    return MsgAnswer::Ok;
  if (text == kNextRoundQuestion)
    return MsgAnswer::Yes;
  if (text == kAbandonGameQuestion && abandonAgreed_) {
    abandonAgreed_ = false;
    return MsgAnswer::Yes;
  }
  if (observer_)
    observer_->Report("unexpected question: " + text);
  return MsgAnswer::No;
}

std::string SelfPlayHost::InputBox(const std::string&, const std::string&,
                                   const std::string& defaultText) {
  Observe();
  return defaultText;
}

std::int64_t SelfPlayHost::CalendarTime() {
  const std::int64_t now = nextTime_++;
  if (observer_)
    observer_->SeedTimeRead(now);
  return now;
}

}  // namespace zelvani
