// What a screen reader is told of a seat window: besides its caption, the window holds the
// hand as a list of cards, each named by its face ("ハートの7") while the hand is open and
// as a face-down card while it is not. In the human's hand a selected card says so, and
// the card under the keyboard's cursor is the focused item.
#pragma once

namespace zelvani {

class SeatWindow;

// Makes the seat windows answer for their cards. Runs once, however often it is called.
void InstallHandAccessibility();
// The hand in `window` changed: a screen reader reads its cards again, and in the active
// window the card under the cursor when it is another card or its selection changed. The
// changes of one pass of the event loop are told together once it is over.
void HandChanged(SeatWindow* window);
// The focus came (back) to `window`: the card under the cursor is told in any case.
void HandFocused(SeatWindow* window);

}  // namespace zelvani
