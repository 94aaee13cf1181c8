#include "logic/observer/ObservingHost.h"

#include "logic/observer/TableObserver.h"

namespace zelvani {

void ObservingHost::Observe() {
  if (game_)
    observer_.Observe(*game_);
}

void ObservingHost::PaintHand(int seat) {
  host_.PaintHand(seat);
  Observe();
}

void ObservingHost::PaintPiles() {
  host_.PaintPiles();
  Observe();
}

void ObservingHost::PaintMeld(int index) {
  host_.PaintMeld(index);
  Observe();
}

void ObservingHost::MeldWindowOpened(int index) {
  host_.MeldWindowOpened(index);
  Observe();
}

void ObservingHost::MeldWindowsClosed() {
  host_.MeldWindowsClosed();
  // Meld windows are closed only to deal the next round.
  if (game_)
    observer_.DealStarting(*game_);
}

MsgAnswer ObservingHost::MessageBox(const Text& text, const Text& caption, MsgButtons buttons,
                                    MsgIcon icon) {
  Observe();
  return host_.MessageBox(text, caption, buttons, icon);
}

void ObservingHost::AnnounceClaim(int seat, const std::string& name, ClaimKind kind) {
  Observe();
  observer_.ClaimAnnounced(kind);
  host_.AnnounceClaim(seat, name, kind);
}

std::string ObservingHost::InputBox(const Text& caption, const Text& prompt,
                                    const std::string& defaultText) {
  Observe();
  return host_.InputBox(caption, prompt, defaultText);
}

void ObservingHost::ShowScoreSheet() {
  if (game_)
    observer_.RoundScored(*game_);
  host_.ShowScoreSheet();
}

void ObservingHost::GameFinished(int leader, bool abandoned) {
  if (game_)
    observer_.GameEnded(*game_, leader, abandoned);
  host_.GameFinished(leader, abandoned);
}

std::int64_t ObservingHost::CalendarTime() {
  const std::int64_t time = host_.CalendarTime();
  observer_.SeedTimeRead(time);
  return time;
}

}  // namespace zelvani
