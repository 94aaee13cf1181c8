// The game played from the keyboard on the offscreen platform: keys pressed in the real
// windows of the table, the menus' keys, and what a screen reader is told of the table.
#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest>

#include "desktop/dialogs/HelpWindow.h"
#include "desktop/dialogs/ScoreSheetWindow.h"
#include "desktop/dialogs/SplashWindow.h"
#include "desktop/mainwindow/OptionsDialog.h"
#include "desktop/table/CardPicture.h"
#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/KeyboardPlay.h"
#include "desktop/table/MeldWindow.h"
#include "desktop/table/PilesWindow.h"
#include "desktop/table/SeatWindow.h"
#include "logic/play/GameCommands.h"
#include "logic/play/Piles.h"
#include "logic/table/TurnDriver.h"
#include "support/Cards.h"
#include "support/ScriptedMainWindow.h"

using namespace zelvani;

namespace {

std::vector<int> Hand(const Game& game) {
  const HandRecord& hand = game.Seats[0];
  return {hand.Cards.begin(), hand.Cards.begin() + hand.Count};
}

std::vector<int> Selected(const Game& game) {
  std::vector<int> cards;
  for (int i = 0; i < game.Seats[0].Count; ++i)
    if (game.Seats[0].Selected[i])
      cards.push_back(game.Seats[0].Cards[i]);
  return cards;
}

// A key pressed while `window` is the active window, as a player presses it.
void Press(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QApplication::setActiveWindow(window->window());
  QTest::keyClick(window, static_cast<Qt::Key>(key), modifiers);
}

// A round dealt, its timer held, and the human's hand and the piles set by the test.
void Deal(ScriptedMainWindow& frame, GameState state, std::initializer_list<int> hand) {
  frame.StartUp();
  Game& game = frame.GameRecord();
  frame.findChild<QAction*>("startAction")->trigger();
  SetGame(game, state);
  frame.TurnTimer()->stop();
  SetHand(game, 0, hand);
  game.Piles.DiscardCount = 0;
}

QAccessibleInterface* HandList(QWidget* window) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
  for (int i = 0; i < iface->childCount(); ++i)
    if (iface->child(i)->role() == QAccessible::List)
      return iface->child(i);
  return nullptr;
}

// The controls under `iface` whose kind a screen reader announces, but which have no name.
// Containers and empty cells of a grid need none.
void CollectUnnamed(QAccessibleInterface* iface, const QString& path, QStringList& unnamed) {
  static const QList<QAccessible::Role> kSilent = {
      QAccessible::Client,      QAccessible::Pane,     QAccessible::Grouping,
      QAccessible::Separator,   QAccessible::Cell,     QAccessible::ScrollBar,
      QAccessible::LayeredPane, QAccessible::PopupMenu};
  if (iface->state().invisible)
    return;
  const QString here = path + QLatin1Char('/') + QString::number(iface->role(), 16);
  if (iface->text(QAccessible::Name).isEmpty() && !kSilent.contains(iface->role()))
    unnamed << here + QLatin1Char(' ') +
                   (iface->object() ? iface->object()->objectName() : QStringLiteral("-"));
  for (int i = 0; i < iface->childCount(); ++i)
    CollectUnnamed(iface->child(i), here, unnamed);
}

QStringList CardNames(QWidget* window) {
  QStringList names;
  QAccessibleInterface* list = HandList(window);
  for (int i = 0; i < list->childCount(); ++i)
    names << list->child(i)->text(QAccessible::Name);
  return names;
}

}  // namespace

class KeyboardPlayTest : public QObject {
  Q_OBJECT

 private slots:
  void aWholeTurnFromTheKeyboard() {
    ScriptedMainWindow frame;
    Deal(frame, GameState::HumanDraws,
         {C(1, 3), C(1, 4), C(2, 9), C(1, 6), C(3, 12), C(0, 1), C(2, 2)});
    Game& game = frame.GameRecord();
    game.Piles.Stock[game.Piles.StockTop] = C(1, 5);
    HumanSeatWindow* player = frame.HumanSeat();
    QVERIFY(!player->CursorShown());  // a player who never touches the keyboard sees none

    Press(frame.Piles(), Qt::Key_D);  // draws, the new card raised at the right end
    QCOMPARE(game.State, GameState::HumanPlays);
    QCOMPARE(Selected(game), std::vector<int>{C(1, 5)});
    QVERIFY(player->CursorShown());
    Press(player, Qt::Key_Home);
    Press(player, Qt::Key_Space);
    Press(player, Qt::Key_Right);
    Press(player, Qt::Key_Space);
    QCOMPARE(Selected(game), (std::vector<int>{C(1, 3), C(1, 4), C(1, 5)}));
    // The cursor is drawn round its card.
    const QRect card = player->CardRect(1);
    QCOMPARE(QColor(player->ComposeHand().pixel(card.left(), card.center().y())),
             player->palette().color(QPalette::Highlight));

    Press(frame.SeatWindowOf(2), Qt::Key_Return);  // a new meld, from a computer's window
    QCOMPARE(game.MeldWindows[0].Kind, MeldKind::Sequence);
    QCOMPARE(game.MeldWindowCount(), 2);
    QCOMPARE(Hand(game), (std::vector<int>{C(2, 9), C(1, 6), C(3, 12), C(0, 1), C(2, 2)}));
    QCOMPARE(player->CursorSlot(), 1);  // its card went into the meld: it keeps its place

    Press(player, Qt::Key_Space);  // the six of hearts, onto the meld Tab marks
    Press(&frame, Qt::Key_Tab);
    Press(&frame, Qt::Key_Tab);
    Press(&frame, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(frame.Keys()->Highlighted(), frame.MeldWindowAt(0));
    QVERIFY(frame.MeldWindowAt(0)->Highlighted());
    Press(&frame, Qt::Key_Enter);
    QCOMPARE(game.MeldWindows[0].Count, 4);
    QCOMPARE(game.MeldWindowCount(), 2);
    QVERIFY(!frame.Keys()->Highlighted());  // the next Enter makes a new meld again

    Press(player, Qt::Key_End);
    Press(player, Qt::Key_Left);
    Press(player, Qt::Key_Space);
    Press(player, Qt::Key_Delete);
    QCOMPARE(game.Piles.TopDiscard(), C(0, 1));
    QCOMPARE(game.State, GameState::Seat1Draws);
    QCOMPARE(Hand(game), (std::vector<int>{C(2, 2), C(2, 9), C(3, 12)}));  // sorted again
    QVERIFY(frame.Messages.empty());
  }

  void aPonFromTheKeyboard() {
    ScriptedMainWindow frame;
    Deal(frame, GameState::Seat1Draws, {C(1, 3), C(2, 3), C(0, 9)});
    Game& game = frame.GameRecord();
    game.Piles.Discard[game.Piles.DiscardCount++] = C(3, 3);
    Press(frame.SeatWindowOf(1), Qt::Key_T);  // in the draw phase of the seat whose window it is
    QCOMPARE(game.State, GameState::HumanPlays);
    QVERIFY(game.Seats[0].PonPending());
    QCOMPARE(Selected(game), std::vector<int>{C(3, 3)});
    Press(frame.HumanSeat(), Qt::Key_End);
    Press(frame.HumanSeat(), Qt::Key_Space);  // the claimed card cannot be put back
    QCOMPARE(Selected(game), std::vector<int>{C(3, 3)});
    Press(frame.HumanSeat(), Qt::Key_X);  // discarding it alone is the false claim
    QCOMPARE(frame.Messages.back().Text, std::string(kFalseClaimQuestion));
    QCOMPARE(game.Seats[0].Count, 4);  // answered No
  }

  void keysDoNothingWhereTheirClickDoesNothing_data() {
    QTest::addColumn<GameState>("state");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("inHelp");
    // Each state with the keys whose click does nothing there, or that do not stand for
    // the click that would act (T never discards, Delete and X never claim).
    for (int key : {Qt::Key_D, Qt::Key_T, Qt::Key_Space, Qt::Key_Return, Qt::Key_Delete})
      QTest::addRow("computer's draw phase, empty pile, %s",
                    qPrintable(QKeySequence(key).toString()))
          << GameState::Seat1Draws << key << false;
    for (int key : {Qt::Key_D, Qt::Key_T})
      QTest::addRow("play phase, %s", qPrintable(QKeySequence(key).toString()))
          << GameState::HumanPlays << key << false;
    for (int key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Delete, Qt::Key_X})
      QTest::addRow("own draw phase, %s", qPrintable(QKeySequence(key).toString()))
          << GameState::HumanDraws << key << false;
    for (int key : {Qt::Key_D, Qt::Key_Space, Qt::Key_Delete, Qt::Key_H, Qt::Key_A})
      QTest::addRow("in the help window, %s", qPrintable(QKeySequence(key).toString()))
          << GameState::HumanPlays << key << true;
  }

  void keysDoNothingWhereTheirClickDoesNothing() {
    QFETCH(GameState, state);
    QFETCH(int, key);
    QFETCH(bool, inHelp);
    ScriptedMainWindow frame;
    Deal(frame, state, {C(0, 7), C(1, 7), C(2, 7), C(3, 7)});
    Game& game = frame.GameRecord();
    if (state != GameState::Seat1Draws)
      game.Piles.Discard[game.Piles.DiscardCount++] = C(0, 5);
    game.Seats[0].Selected[0] = game.Seats[0].Selected[1] = game.Seats[0].Selected[2] = 1;
    const HandRecord before = game.Seats[0];
    const PileRecord pile = game.Piles;
    const QString prompt = frame.HumanSeat()->Status()->currentMessage();
    if (inHelp)
      frame.ShowHelpContents();
    Press(inHelp ? static_cast<QWidget*>(frame.Help()) : frame.HumanSeat(), key);
    // A key that reached the game says why it did nothing, in place of the prompt.
    QCOMPARE(frame.HumanSeat()->Status()->currentMessage() != prompt, !inHelp);
    QCOMPARE(game.State, state);
    QCOMPARE(game.Seats[0].Cards, before.Cards);
    QCOMPARE(game.Seats[0].Count, before.Count);
    QCOMPARE(game.Seats[0].Selected, before.Selected);
    QCOMPARE(game.Piles.DiscardCount, pile.DiscardCount);
    QCOMPARE(game.Piles.StockTop, pile.StockTop);
    QCOMPARE(game.MeldWindows[0].Kind, MeldKind::None);
    QVERIFY(frame.Messages.empty());
  }

  void theMenusKeysWorkInEveryWindowOfTheGame() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    auto* start = frame.findChild<QAction*>("startAction");
    QCOMPARE(start->shortcuts(),
             (QList<QKeySequence>{QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_N)}));
    QCOMPARE(frame.findChild<QAction*>("helpContentsAction")->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(frame.findChild<QAction*>("quitAction")->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_Q));

    const int round = game.Round;  // a game left unfinished by an earlier run goes on
    Press(frame.SeatWindowOf(3), Qt::Key_F2);
    QCOMPARE(game.Round, round + 1);
    frame.TurnTimer()->stop();
    // The menu opened during the round greys the item out; closed, its keys work again
    // once the round is over.
    auto* menu = frame.findChild<QMenu*>("gameMenu");
    emit menu->aboutToShow();
    emit menu->aboutToHide();
    Press(frame.HumanSeat(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(game.Round, round + 1);
    SetGame(game, GameState::NoRound);
    Press(frame.HumanSeat(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(game.Round, round + 2);
    frame.TurnTimer()->stop();

    // Alt and a menu's letter open it from a seat window as from the frame.
    auto* options = frame.findChild<QMenu*>("optionsMenu");
    Press(frame.SeatWindowOf(2), Qt::Key_O, Qt::AltModifier);
    QVERIFY(options->isVisible());
    options->hide();

    frame.Answers.push_back(MsgAnswer::Yes);
    Press(frame.SeatWindowOf(1), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!frame.isVisible());
  }

  void anOpenMenuTakesItsOwnLettersBeforeTheTable() {
    ScriptedMainWindow frame;
    Deal(frame, GameState::HumanPlays, {C(1, 7), C(0, 1)});
    frame.CreateSplash();
    frame.Splash()->Dismiss();
    Game& game = frame.GameRecord();
    const QString prompt = frame.HumanSeat()->Status()->currentMessage();

    // ヘルプ, then A: バージョン情報, not the automatic player.
    Press(frame.HumanSeat(), Qt::Key_H, Qt::AltModifier);
    auto* help = frame.findChild<QMenu*>("helpMenu");
    QVERIFY(help->isVisible());
    QTest::keyClick(help, Qt::Key_A);
    QVERIFY(!help->isVisible());
    QVERIFY(frame.Splash()->isVisible());
    QVERIFY(!game.AutoPlay);
    frame.Splash()->Dismiss();

    // オプション, then H: ハイスコア, not a hint.
    Press(&frame, Qt::Key_O, Qt::AltModifier);
    auto* options = frame.findChild<QMenu*>("optionsMenu");
    QVERIFY(options->isVisible());
    QTest::keyClick(options, Qt::Key_H);
    QVERIFY(!options->isVisible());
    QCOMPARE(frame.Messages.size(), 1u);
    QVERIFY(frame.Messages[0].Caption == "ハイスコア（ルール1）" ||
            frame.Messages[0].Caption == "ごめんね");
    QCOMPARE(frame.HumanSeat()->Status()->currentMessage(), prompt);
    QCOMPARE(game.State, GameState::HumanPlays);

    // With no menu open, the same keys are the table's again.
    Press(frame.SeatWindowOf(2), Qt::Key_H);
    QVERIFY(frame.HumanSeat()->Status()->currentMessage() != prompt);
  }

  void theAutomaticPlayerAsksBeforeTheGameLeavesTheRecords() {
    ScriptedMainWindow frame;
    Deal(frame, GameState::HumanDraws, {C(1, 7), C(0, 1)});
    Game& game = frame.GameRecord();
    auto* autoPlay = frame.findChild<QAction*>("autoPlayAction");
    // The key, answered No: nothing changes.
    Press(frame.HumanSeat(), Qt::Key_A);
    QCOMPARE(frame.Messages.size(), 1u);
    QCOMPARE(frame.Messages[0].Text, std::string(kAutoPlayQuestion));
    QVERIFY(!game.AutoPlay);
    QVERIFY(!game.AutoPlayUsed);
    QVERIFY(!autoPlay->isChecked());
    // The menu item, answered Yes: on, and the game counts no more.
    Press(&frame, Qt::Key_G, Qt::AltModifier);
    auto* gameMenu = frame.findChild<QMenu*>("gameMenu");
    QVERIFY(gameMenu->isVisible());
    frame.Answers = {MsgAnswer::Yes};
    QTest::keyClick(gameMenu, Qt::Key_A);
    QVERIFY(game.AutoPlay);
    QVERIFY(game.AutoPlayUsed);
    QVERIFY(autoPlay->isChecked());
    QVERIFY(frame.TurnTimer()->isActive());  // it plays the human's turn
  }

  void aScreenReaderReadsTheTable() {
    ScriptedMainWindow frame;
    Deal(frame, GameState::HumanPlays, {C(1, 7), C(0, 1), C(2, 10), C(3, 13)});
    Game& game = frame.GameRecord();
    game.Seats[0].Selected[1] = 1;
    frame.HumanSeat()->PaintHand();
    QCOMPARE(CardNames(frame.HumanSeat()),
             (QStringList{"ハートの7", "スペードのA、選択中", "ダイヤの10", "クラブのK"}));
    QCOMPARE(HandList(frame.HumanSeat())->text(QAccessible::Name), QStringLiteral("手札"));
    // A computer's hand is read face down, as it is shown.
    QCOMPARE(CardNames(frame.SeatWindowOf(2)), QStringList(7, QStringLiteral("裏向きのカード")));

    Press(frame.HumanSeat(), Qt::Key_Right);
    QAccessibleInterface* focused = HandList(frame.HumanSeat())->focusChild();
    QVERIFY(focused);
    QCOMPARE(focused->text(QAccessible::Name), QStringLiteral("スペードのA、選択中"));
    QVERIFY(focused->state().focused);

    game.Piles.Discard[game.Piles.DiscardCount++] = C(1, 12);
    frame.Piles()->PaintPiles();
    QCOMPARE(frame.Piles()->DiscardPicture()->accessibleName(),
             QStringLiteral("捨て札：ハートのQ"));
    Press(frame.HumanSeat(), Qt::Key_Space);
    Press(frame.HumanSeat(), Qt::Key_Left);
    Press(frame.HumanSeat(), Qt::Key_Space);
    Press(frame.HumanSeat(), Qt::Key_Return);
    QCOMPARE(frame.MeldWindowAt(0)->accessibleName(), QStringLiteral("--７--"));
    QCOMPARE(frame.MeldWindowAt(0)->accessibleDescription(), QStringLiteral("ハートの7"));
  }

  void everyWindowAndControlHasAName() {
    ScriptedMainWindow frame;
    Deal(frame, GameState::HumanPlays, {C(1, 7), C(0, 1)});
    frame.CreateSplash();
    frame.ShowHelpContents();
    QList<QWidget*> windows = {&frame, frame.Splash(), frame.Help(), frame.ScoreWindow()};
    for (int seat = 0; seat < 4; ++seat)
      windows << frame.SeatWindowOf(seat);
    OptionsDialog options(frame);
    windows << &options;
    QStringList unnamed;
    for (QWidget* window : windows) {
      window->show();
      CollectUnnamed(QAccessible::queryAccessibleInterface(window), window->objectName(), unnamed);
    }
    // The options' other pages, each in turn.
    auto* pages = options.findChild<QTabWidget*>();
    for (int page = 1; page < pages->count(); ++page) {
      pages->setCurrentIndex(page);
      CollectUnnamed(QAccessible::queryAccessibleInterface(&options), options.objectName(),
                     unnamed);
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
  }
};

QTEST_MAIN(KeyboardPlayTest)
#include "KeyboardPlayTest.moc"
