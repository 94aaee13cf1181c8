// What the game sends a screen reader beside Qt's own events: lines said wherever the focus
// is (the game's prompts, the card drawn, the other seats' moves), and the hands' changes.
// Each line is a short-lived notification in the accessibility tree, which screen readers
// speak as it shows (Orca does, whatever has the focus).
#pragma once

#include <QAccessible>
#include <QString>

namespace zelvani {

enum class AnnouncementKind {
  // One line of a series; every one is said.
  Line,
  // The prompt of the status bar: only the last of those given at once is said, after
  // the lines.
  Status,
};

// Says `text` through a screen reader. The lines given in one pass of the event loop are
// said together once it is over, in order and the prompt last; nothing is said while no
// screen reader listens.
void Announce(const QString& text, AnnouncementKind kind = AnnouncementKind::Line);
// Says at once what is still waiting: before a box opens, whose own words come next.
void FlushAnnouncements();

// Whether a screen reader (or a listener in its place) is there to be told anything.
bool ScreenReaderListens();
// Sends `event` to the screen reader, or to the listener in its place.
void TellScreenReader(QAccessibleEvent* event);
// Puts `listener` in the screen reader's place: every event of the game's own goes to it
// instead, as it is sent (null gives the place back). For the tests, which have none.
void ListenInScreenReadersPlace(QAccessible::UpdateHandler listener);

}  // namespace zelvani
