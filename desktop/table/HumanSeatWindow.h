// The human's hand window: the seat window plus selecting cards with the mouse, card
// drags, the status bar with the game's prompts and the three sound cues.
#pragma once

#include <QPoint>
#include <QString>
#include <QUrl>
#include <array>

#include "desktop/table/SeatWindow.h"

class QDropEvent;
class QLabel;
class QSoundEffect;
class QStatusBar;

namespace Ui {
class HumanSeatWindow;
}

namespace zelvani {

// The drag of a card of the human's hand carries its slot under this format.
inline constexpr const char* kCardMimeType = "application/x-zelvani-card";
// The slot a drag names, or -1 when the drag is not a card of this program's human hand.
int DraggedSlot(const QDropEvent* event);

class HumanSeatWindow : public SeatWindow {
  Q_OBJECT

 public:
  HumanSeatWindow(Game& game, Preferences& prefs, const QImage& cardSheet, QWidget* owner);
  ~HumanSeatWindow() override;

  QStatusBar* Status() const;
  // Shows the prompt and has a screen reader say it.
  void ShowStatus(const QString& text);
  // Has a screen reader say the prompt again.
  void SayStatus();
  // A computer's claim told without a box: a note beside the prompt, kept until it is
  // replaced or cleared with an empty text.
  void ShowClaimNote(const QString& text);
  QString ClaimNote() const;
  int StatusHeight() const;
  // The human's cards raised and lowered over the status bar, one card wide at least.
  void KeepRoomForACard() override;

  // Sound cues: 0 click, 1 discard, 2 meld. Opening checks that the file is a wave
  // file; a cue whose file cannot be opened stays silent.
  bool OpenCue(int cue, const QString& fileName);
  QString CueFile(int cue) const { return cueFiles_[cue]; }
  void PlayCue(Cue cue);

  // The keyboard's card cursor. It stays on its card while the hand changes; once that
  // card has left the hand, it stays at the card's place. It is drawn only once the
  // keyboard has been used for play.
  int CursorSlot() override;
  bool CursorShown() const { return cursorShown_; }
  void ShowCursor();
  // Moves the cursor `step` cards along, or to the first or last card, no further than the
  // ends.
  void MoveCursor(int step);
  void MoveCursorToEnd(bool last);
  // Space: the card under the cursor is pressed as by the mouse.
  void PressCursorCard();

  QRect CardRect(int slot) override;

  // The human's move: the window comes forward with the focus on the cursor's card, which a
  // screen reader then reads.
  void FocusHand();

 protected:
  void PaintCards(QPainter& painter, const QSize& client) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool HasNamePlate() const override { return false; }

 private:
  void StartCardDrag();
  void PutCursor(int slot);

  Ui::HumanSeatWindow* ui_;
  // The name and points, as in the caption, at the right end of the status bar.
  QLabel* namePlate_ = nullptr;
  QLabel* claimNote_ = nullptr;
  // Each made at its first cue; its file is known before.
  std::array<QSoundEffect*, 3> cues_{};
  std::array<QUrl, 3> cueSources_;
  std::array<QString, 3> cueFiles_;
  // The slot of the card under the last press, -1 when none.
  int dragSlot_ = -1;
  bool dragArmed_ = false;
  QPoint pressPos_;
  int cursorSlot_ = 0;
  int cursorCard_ = -1;
  bool cursorShown_ = false;
};

}  // namespace zelvani
