// The game played from the keyboard on the offscreen platform: keys pressed in the real
// windows of the table, the menus' keys, and what a screen reader is told of the table.
#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QtTest>

#include "desktop/dialogs/HelpWindow.h"
#include "desktop/dialogs/MoveLogWindow.h"
#include "desktop/dialogs/ScoreSheetWindow.h"
#include "desktop/dialogs/SplashWindow.h"
#include "desktop/mainwindow/OptionsDialog.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/ScreenReader.h"
#include "desktop/table/CardPicture.h"
#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/KeyboardPlay.h"
#include "desktop/table/MeldWindow.h"
#include "desktop/table/PilesWindow.h"
#include "desktop/table/SeatWindow.h"
#include "logic/cards/CardNames.h"
#include "logic/cards/Cards.h"
#include "logic/computer/TurnTimer.h"
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

// The first three cards of the hand raised and laid as a new meld, from the keyboard.
void LayFirstThree(QWidget* player) {
  Press(player, Qt::Key_Home);
  for (int card = 0; card < 3; ++card) {
    Press(player, Qt::Key_Space);
    Press(player, Qt::Key_Right);
  }
  Press(player, Qt::Key_Return);
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

// Stands in for a screen reader while it lives: each event the game sends, with its
// object's role and name, read as the event is sent.
class Listener {
 public:
  struct Heard {
    QAccessible::Event Type;
    QAccessible::Role Role;
    QString Name;
  };

  Listener() {
    current_ = this;
    ListenInScreenReadersPlace(&Listener::Record);
  }
  ~Listener() {
    ListenInScreenReadersPlace(nullptr);
    current_ = nullptr;
  }

  // The names of the objects of `role` the events of `type` were about, after the events
  // waiting have run.
  QStringList Names(QAccessible::Event type, QAccessible::Role role) {
    QCoreApplication::processEvents();
    QStringList names;
    for (const Heard& heard : heard_)
      if (heard.Type == type && heard.Role == role)
        names << heard.Name;
    return names;
  }
  // The lines said wherever the focus is.
  QStringList Spoken() { return Names(QAccessible::ObjectShow, QAccessible::Notification); }
  void Clear() {
    QCoreApplication::processEvents();
    heard_.clear();
  }

 private:
  static void Record(QAccessibleEvent* event) {
    QAccessibleInterface* iface = event->accessibleInterface();
    if (current_ && iface)
      current_->heard_.push_back({event->type(), iface->role(), iface->text(QAccessible::Name)});
  }

  static inline Listener* current_ = nullptr;
  std::vector<Heard> heard_;
};

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
    QCOMPARE(frame.Messages.back().Text,
             std::string("「おてつき」です。\n１回休みとなりますがよろしいですか？"));
    QCOMPARE(game.Seats[0].Count, 4);  // answered No
  }

  void aMarkLeftAtTheEndOfATurnIsGoneByTheNextClaim() {
    ScriptedMainWindow frame;
    Deal(frame, GameState::HumanPlays,
         {C(1, 3), C(1, 4), C(1, 5), C(0, 9), C(2, 9), C(1, 12), C(3, 2)});
    Game& game = frame.GameRecord();
    HumanSeatWindow* player = frame.HumanSeat();
    LayFirstThree(player);       // hearts 3, 4 and 5 on the table
    Press(&frame, Qt::Key_Tab);  // marked, and then never used
    QCOMPARE(frame.Keys()->Highlighted(), frame.MeldWindowAt(0));
    Press(player, Qt::Key_End);
    Press(player, Qt::Key_Space);
    Press(player, Qt::Key_Delete);  // the turn ends
    frame.TurnTimer()->stop();
    QCOMPARE(game.State, GameState::Seat1Draws);
    QVERIFY(!frame.Keys()->Highlighted());
    QVERIFY(!frame.MeldWindowAt(0)->Highlighted());

    // A pon of the next discard goes to a new meld, as a claim must.
    game.Piles.Discard[game.Piles.DiscardCount++] = C(3, 9);
    Press(player, Qt::Key_T);
    Press(player, Qt::Key_Home);
    Press(player, Qt::Key_Space);
    Press(player, Qt::Key_Right);
    Press(player, Qt::Key_Space);
    Press(player, Qt::Key_Return);
    QCOMPARE(game.MeldWindows[1].Kind, MeldKind::SameRank);
    QCOMPARE(Hand(game), std::vector<int>{C(1, 12)});
    QVERIFY(frame.Messages.empty());
  }

  void aMarkIsClearedByAMeldLaidWithTheMouse() {
    ScriptedMainWindow frame;
    Deal(frame, GameState::HumanPlays, {C(1, 3), C(1, 4), C(1, 5), C(0, 7), C(3, 2)});
    Game& game = frame.GameRecord();
    HumanSeatWindow* player = frame.HumanSeat();
    LayFirstThree(player);
    Press(&frame, Qt::Key_Tab);
    QVERIFY(frame.MeldWindowAt(0)->Highlighted());
    Press(player, Qt::Key_Home);
    Press(player, Qt::Key_Space);  // the seven, onto the new-meld window by the mouse
    QTest::mouseClick(frame.MeldWindowAt(1), Qt::LeftButton);
    QCOMPARE(game.MeldWindows[1].Kind, MeldKind::Seven);
    QVERIFY(!frame.Keys()->Highlighted());
    QVERIFY(!frame.MeldWindowAt(0)->Highlighted());
  }

  void theHintMarksTheMeldWindowItWouldLayOn() {
    ScriptedMainWindow frame;
    Deal(frame, GameState::HumanPlays, {C(1, 3), C(1, 4), C(1, 5), C(1, 6), C(3, 12), C(2, 2)});
    Game& game = frame.GameRecord();
    HumanSeatWindow* player = frame.HumanSeat();
    LayFirstThree(player);  // hearts 3, 4 and 5; the six stays in hand
    auto* hint = frame.findChild<QAction*>("hintAction");
    hint->trigger();
    QCOMPARE(frame.Keys()->Highlighted(), frame.MeldWindowAt(0));
    QCOMPARE(Selected(game), std::vector<int>{C(1, 6)});
    Press(player, Qt::Key_Return);
    QCOMPARE(game.MeldWindows[0].Count, 4);

    SetHand(game, 0, {C(0, 9), C(2, 9), C(3, 9), C(3, 12)});
    hint->trigger();  // the nines make a meld of their own: the new-meld window
    QCOMPARE(frame.Keys()->Highlighted(), frame.MeldWindowAt(1));
    QCOMPARE(frame.MeldWindowAt(1)->windowTitle(), QStringLiteral("役（新規）"));
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
    QCOMPARE(frame.Messages[0].Text, std::string("自動プレイを使ったゲームは、積算成績とハイスコア"
                                                 "に数えません。自動プレイにしますか？"));
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

    // The menu key opens the hand's menu with its first item chosen, read as the focus.
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
    QApplication::sendEvent(frame.HumanSeat(), &menuKey);
    auto* menu = frame.HumanSeat()->findChild<QMenu*>();
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->activeAction(), menu->actions().constFirst());
    menu->hide();
  }

  void theHandSendsEachChangeOnceAsItHappens() {
    ScriptedMainWindow frame;
    Listener listener;
    frame.StartUp();
    HumanSeatWindow* player = frame.HumanSeat();
    player->FocusHand();
    QTRY_COMPARE(QApplication::activeWindow(), player);
    listener.Clear();
    frame.findChild<QAction*>("startAction")->trigger();
    frame.TurnTimer()->stop();
    // A deal: one event for the new hand, none for cards that are gone.
    QCOMPARE(listener.Names(QAccessible::ObjectReorder, QAccessible::List),
             QStringList(4, QStringLiteral("手札")));  // one for each hand
    const QStringList focused = listener.Names(QAccessible::Focus, QAccessible::ListItem);
    QVERIFY2(focused.size() <= 1, qPrintable(focused.join(',')));

    Game& game = frame.GameRecord();
    SetGame(game, GameState::HumanPlays);
    SetHand(game, 0, {C(1, 7), C(0, 1), C(2, 10), C(3, 13)});
    player->PaintHand();
    Press(player, Qt::Key_Home);
    Press(player, Qt::Key_Right);
    QCOMPARE(listener.Names(QAccessible::Focus, QAccessible::ListItem).constLast(),
             QStringLiteral("スペードのA"));
    listener.Clear();
    Press(player, Qt::Key_Space);  // selected: the card says so, the focus stays
    QCOMPARE(listener.Names(QAccessible::Selection, QAccessible::ListItem),
             QStringList{"スペードのA、選択中"});
    QVERIFY(listener.Names(QAccessible::Focus, QAccessible::ListItem).isEmpty());
    listener.Clear();
    QAccessibleInterface* ace = HandList(player)->focusChild();
    Press(player, Qt::Key_X);  // thrown away: the cursor's place holds another card
    frame.TurnTimer()->stop();
    // ... which is another object, with the focus: no object's name went stale.
    QAccessibleInterface* next = HandList(player)->focusChild();
    QVERIFY(next != ace);
    QVERIFY(ace->state().invisible);
    QCOMPARE(listener.Names(QAccessible::Focus, QAccessible::ListItem),
             QStringList{next->text(QAccessible::Name)});
    QVERIFY(listener.Names(QAccessible::NameChanged, QAccessible::ListItem).isEmpty());
  }

  void theTableIsSpokenWhereverTheFocusIs() {
    ScriptedMainWindow frame;
    Listener listener;
    frame.StartUp();
    frame.findChild<QAction*>("startAction")->trigger();  // a real deal, which the log follows
    Game& game = frame.GameRecord();
    SetGame(game, GameState::HumanDraws);
    frame.TurnTimer()->stop();
    const QString drawn = ToQString(CardName(game.Piles.Stock[game.Piles.StockTop]));
    listener.Clear();
    Press(frame.Piles(), Qt::Key_D);
    QStringList spoken = listener.Spoken();
    QCOMPARE(spoken.size(), 1);  // said together, the prompt last
    QVERIFY2(spoken[0].contains(drawn + QStringLiteral("が来ました")), qPrintable(spoken[0]));
    QVERIFY(spoken[0].endsWith(ToQString(PromptHumanPlay())));

    listener.Clear();
    Press(frame.SeatWindowOf(3), Qt::Key_D);  // refused, and said why
    const QString refusal = frame.HumanSeat()->Status()->currentMessage();
    QCOMPARE(listener.Spoken(), QStringList{refusal});
    listener.Clear();
    Press(frame.SeatWindowOf(2), Qt::Key_S);  // the status again, from any window
    QCOMPARE(listener.Spoken(), QStringList{refusal});

    // The log's lines are said as it writes them, unless the player keeps it quiet.
    listener.Clear();
    const QString thrown = drawn;  // still the one card selected
    Press(frame.HumanSeat(), Qt::Key_X);
    frame.TurnTimer()->stop();
    QVERIFY(listener.Spoken().join(' ').contains(thrown + QStringLiteral("を捨てました")));
    // P: the discard pile, with its top card, has the focus.
    Press(frame.HumanSeat(), Qt::Key_P);
    QTRY_COMPARE(QApplication::focusWidget(), frame.Piles()->DiscardPicture());
    // The deal is the clock's: the hand may hold two more of the card's rank.
    QCOMPARE(QApplication::focusWidget()->accessibleName(),
             QStringLiteral("捨て札：") + thrown +
                 (HumanMayPon(game) ? QStringLiteral("（ポンできます）") : QString()));

    frame.findChild<QAction*>("speakLogAction")->trigger();
    QVERIFY(!frame.PreferencesRecord().Log.Spoken);
    listener.Clear();
    TurnTimerFired(game);  // the right seat draws
    frame.TurnTimer()->stop();
    QVERIFY(!listener.Spoken().join(' ').contains(QStringLiteral("山から引きました")));
    QVERIFY(frame.Log().Lines().back().find("山から引きました") != std::string::npos);
  }

  void theFocusComesBackToTheHandForTheHumansMove() {
    ScriptedMainWindow frame;
    Deal(frame, GameState::Seat3Plays, {C(1, 3), C(2, 3), C(0, 9)});
    Game& game = frame.GameRecord();
    SetHand(game, 3, {C(3, 9), C(1, 1)});
    game.PonReservations[RankIndex(C(3, 9))] = 1;  // the right seat waits for a nine
    QApplication::setActiveWindow(frame.SeatWindowOf(2));
    DiscardCard(game, 3, 0);
    // The box says which card the pon takes, beside its own words.
    QCOMPARE(frame.Messages.back().Text, std::string("ポンします"));
    QVERIFY2(frame.Messages.back().Description.find("クラブの9をポン") != std::string::npos,
             frame.Messages.back().Description.c_str());
    frame.TurnTimer()->stop();

    QApplication::setActiveWindow(frame.SeatWindowOf(2));
    SetGame(game, GameState::HumanDraws);  // the human's move begins
    QTRY_COMPARE(QApplication::activeWindow(), frame.HumanSeat());
    QApplication::setActiveWindow(&frame);
    game.Host.MessageBox(Text::Verbatim("x"), Text::Verbatim("y"), MsgButtons::Ok, MsgIcon::None);
    QTRY_COMPARE(QApplication::activeWindow(), frame.HumanSeat());
  }

  void theLogAndTheHelpAreReadLineByLine() {
    ScriptedMainWindow frame;
    Deal(frame, GameState::HumanPlays, {C(1, 3), C(2, 9)});
    QCoreApplication::processEvents();  // the move has begun, with the focus on the hand
    Press(frame.HumanSeat(), Qt::Key_L);
    QPlainTextEdit* log = frame.LogWindow()->Text();
    QVERIFY(frame.LogWindow()->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), log);
    // In the log the keys move the caret, and no card is touched.
    const std::vector<int> selected = Selected(frame.GameRecord());
    QTest::keyClick(log, Qt::Key_Space);
    QTest::keyClick(log, Qt::Key_Up);
    QCOMPARE(Selected(frame.GameRecord()), selected);
    QTest::keyClick(log, Qt::Key_Escape);
    QTRY_COMPARE(QApplication::activeWindow(), frame.HumanSeat());

    frame.ShowHelpContents();
    QTextBrowser* help = frame.Help()->Browser();
    QApplication::setActiveWindow(frame.Help());
    const int top = help->textCursor().position();
    QTest::keyClick(help, Qt::Key_Down);
    QVERIFY(help->textCursor().position() > top);
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
