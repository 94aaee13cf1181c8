#include "desktop/table/KeyboardPlay.h"

#include <QAction>
#include <QWidget>

#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/MeldWindow.h"
#include "logic/play/MeldWindowInput.h"
#include "logic/play/Piles.h"
#include "logic/play/Refusals.h"
#include "logic/table/Game.h"
#include "logic/table/TurnDriver.h"

namespace zelvani {

KeyboardPlay::KeyboardPlay(Game& game, HumanSeatWindow& player,
                           std::function<MeldWindow*(int)> meldWindow, QObject* parent)
    : QObject(parent), game_(game), player_(player), meldWindow_(std::move(meldWindow)) {
  AddKey({Qt::Key_Left}, true, [this] {
    player_.MoveCursor(-1);
    FollowCursor();
  });
  AddKey({Qt::Key_Right}, true, [this] {
    player_.MoveCursor(1);
    FollowCursor();
  });
  AddKey({Qt::Key_Home}, false, [this] {
    player_.MoveCursorToEnd(false);
    FollowCursor();
  });
  AddKey({Qt::Key_End}, false, [this] {
    player_.MoveCursorToEnd(true);
    FollowCursor();
  });
  AddKey({Qt::Key_Space}, false, [this] { player_.PressCursorCard(); });
  AddKey({Qt::Key_D}, false, [this] { ClickStock(game_); });
  // The discard pile means a claim in a draw phase and a discard in the play phase: one
  // key for each, so that neither is made by mistake.
  AddKey({Qt::Key_T}, false, [this] {
    if (IsDrawPhase(game_.State))
      ClickDiscardPile(game_);
    else
      RefuseKey(HumanAction::Claim);
  });
  AddKey({Qt::Key_Delete, Qt::Key_X}, false, [this] {
    if (game_.State == GameState::HumanPlays)
      ClickDiscardPile(game_);
    else
      RefuseKey(HumanAction::Discard);
  });
  AddKey({Qt::Key_S}, false, [this] { player_.SayStatus(); });
  AddKey({Qt::Key_Return, Qt::Key_Enter}, false, [this] { LaySelection(); });
  AddKey({Qt::Key_Tab}, true, [this] { MoveHighlight(1); });
  AddKey({QKeySequence(Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::SHIFT | Qt::Key_Tab)}, true,
         [this] { MoveHighlight(-1); });
}

void KeyboardPlay::RefuseKey(HumanAction action) {
  EndNotice(game_);
  Refuse(game_, ActionRefusal(game_, action));
}

void KeyboardPlay::AddKey(const QList<QKeySequence>& keys, bool repeats,
                          std::function<void()> action) {
  auto* key = new QAction(this);
  key->setShortcuts(keys);
  key->setAutoRepeat(repeats);
  connect(key, &QAction::triggered, this, [this, action] {
    // The cursor shows from the first key on.
    player_.ShowCursor();
    action();
  });
  keys_ << key;
}

void KeyboardPlay::ServeWindow(QWidget* window) {
  window->addActions(keys_);
}

void KeyboardPlay::FollowCursor() {
  // The cursor's card is the focused item of the hand's window, for a screen reader.
  player_.FocusHand();
}

MeldWindow* KeyboardPlay::Highlighted() const {
  // A window of a round dealt anew is not the one marked, even at the same index.
  if (!highlighted_ || !highlighted_->Highlighted() ||
      meldWindow_(highlighted_->Index()) != highlighted_)
    return nullptr;
  return highlighted_;
}

void KeyboardPlay::Mark(MeldWindow* window) {
  if (highlighted_)
    highlighted_->SetHighlighted(false);
  highlighted_ = window;
  if (window)
    window->SetHighlighted(true);
}

void KeyboardPlay::SetHighlight(MeldWindow* window) {
  Mark(window);
  if (!window)
    return;
  window->window()->activateWindow();
  window->setFocus();
}

void KeyboardPlay::MoveHighlight(int step) {
  const int count = game_.MeldWindowCount();
  if (count == 0)
    return;
  const MeldWindow* current = Highlighted();
  const int from = current ? current->Index() : (step > 0 ? -1 : count);
  SetHighlight(meldWindow_(((from + step) % count + count) % count));
}

void KeyboardPlay::LaySelection() {
  int target = -1;
  if (const MeldWindow* marked = Highlighted()) {
    target = marked->Index();
  } else {
    for (int i = 0; i < game_.MeldWindowCount() && target < 0; ++i)
      if (game_.MeldWindows[i].Kind == MeldKind::None)
        target = i;
  }
  // Once laid, the mark has done its work: the next Enter makes a new meld again.
  if (target >= 0 && ClickMeldWindow(game_, target))
    SetHighlight(nullptr);
}

}  // namespace zelvani
