// Cards dragged out of the human's hand onto the table's windows. A real drag needs the
// platform's drag loop, which the offscreen platform does not run, so these tests run on
// the minimal platform.
#include <QDropEvent>
#include <QMdiArea>
#include <QMimeData>
#include <QtTest>

#include "desktop/table/CardPicture.h"
#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/MeldWindow.h"
#include "desktop/table/PilesWindow.h"
#include "logic/geometry/HandLayout.h"
#include "logic/table/TurnDriver.h"
#include "support/ScriptedMainWindow.h"

using namespace zelvani;

namespace {

// A card drag entering `target` and dropped there. Outside a drag of this program it is
// what a drag from another program looks like.
void SendDrop(QWidget* target, int slot) {
  QMimeData mime;
  mime.setData(QString::fromLatin1(kCardMimeType), QByteArray::number(slot));
  const QPointF at(target->width() / 2.0, target->height() / 2.0);
  QDragEnterEvent enter(at.toPoint(), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDropEvent drop(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
}

// Drags the card in `slot` of the human's hand onto `target` as the player does: a press on
// the card and a move past the drag distance start the drag, and while it runs the card is
// dropped on the target; Escape then ends the drag.
void DragFromHand(ScriptedMainWindow& frame, int slot, QWidget* target) {
  const Game& game = frame.GameRecord();
  const Preferences& prefs = frame.PreferencesRecord();
  QWidget* player = frame.HumanSeat();
  const auto blocks = LayoutPlayerHand(game.Seats[0], player->width(), player->height(),
                                       prefs.CardWidth, prefs.CardHeight);
  const QPoint press(blocks[slot].Left + 2, blocks[slot].Top + prefs.CardHeight / 2);
  const QPoint moved = press + QPoint(0, QApplication::startDragDistance() + 1);
  QTimer::singleShot(0, target, [target, slot] {
    SendDrop(target, slot);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(target, &escape);
  });
  QMouseEvent down(QEvent::MouseButtonPress, press, player->mapToGlobal(press), Qt::LeftButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(player, &down);
  QMouseEvent move(QEvent::MouseMove, moved, player->mapToGlobal(moved), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(player, &move);  // returns when the drag has ended
}

}  // namespace

class CardDragTest : public QObject {
  Q_OBJECT

 private slots:
  void cardsDroppedOnTheDiscardPileAndOnAMeld() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    frame.findChild<QAction*>("startAction")->trigger();
    frame.TurnTimer()->stop();
    SetHand(game, 0, {6, 19, 20, 21, 40, 41, 50, 51});
    SetGame(game, GameState::HumanPlays);
    // A card dragged out of another program selects and lays nothing.
    SendDrop(frame.MeldWindowAt(0), 0);
    SendDrop(frame.Piles()->DiscardPicture(), 1);
    QCOMPARE(game.Seats[0].Count, 8);
    QCOMPARE(game.Seats[0].SelectedCount(), 0);
    QCOMPARE(game.MeldWindows[0].Kind, MeldKind::None);

    DragFromHand(frame, 0, frame.MeldWindowAt(0));  // the seven of suit 0, alone
    QCOMPARE(game.MeldWindows[0].Kind, MeldKind::Seven);
    QCOMPARE(frame.MeldWindowAt(0)->windowTitle(), QStringLiteral("--７--"));
    QCOMPARE(frame.ClientArea()->subWindowList().size(), 3);
    // Three of suit 1 in a row, dragged as a selection onto the new window.
    game.Seats[0].Selected[0] = 1;
    game.Seats[0].Selected[1] = 1;
    DragFromHand(frame, 2, frame.MeldWindowAt(1));
    QCOMPARE(game.MeldWindows[1].Kind, MeldKind::Sequence);
    QCOMPARE(game.MeldWindows[1].Count, 3);
    QCOMPARE(frame.MeldWindowAt(1)->windowTitle(), QStringLiteral("シークエンス"));
    DragFromHand(frame, 1, frame.Piles()->DiscardPicture());
    QCOMPARE(game.Piles.TopDiscard(), 41);
    QCOMPARE(game.State, GameState::Seat1Draws);
    QVERIFY(frame.Messages.empty());
  }
};

QTEST_MAIN(CardDragTest)
#include "CardDragTest.moc"
