// The frame on the offscreen platform: its menus, captions and the first deal.
#include <QAction>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include "desktop/dialogs/MoveLogWindow.h"
#include "desktop/dialogs/PointsChart.h"
#include "desktop/dialogs/ScoreSheetWindow.h"
#include "desktop/platform/QtTranslations.h"
#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/MeldWindow.h"
#include "desktop/table/SeatWindow.h"
#include "logic/table/TurnDriver.h"
#include "support/ScriptedMainWindow.h"

using namespace zelvani;

namespace {

QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions())
    captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
  return captions;
}

QMenu* MenuNamed(QWidget* frame, const char* name) {
  return frame->findChild<QMenu*>(QString::fromLatin1(name));
}

}  // namespace

class FrameTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithEveryWindowAndThePrompt() {
    ScriptedMainWindow frame;
    frame.StartUp();
    QCOMPARE(frame.windowTitle(), QStringLiteral("Zelvani"));
    QVERIFY(frame.isVisible());
    QVERIFY(qobject_cast<QMdiArea*>(frame.centralWidget()));
    for (int seat = 0; seat < 4; ++seat) {
      QVERIFY(frame.SeatWindowOf(seat)->isVisible());
      QCOMPARE(frame.SeatWindowOf(seat)->Seat(), seat);
    }
    QCOMPARE(frame.SeatWindowOf(1)->windowTitle(), QStringLiteral("テルル"));
    QCOMPARE(frame.HumanSeat()->Status()->currentMessage(),
             QStringLiteral("[ゲーム]-[開始]ではじめてください。"));
    QCOMPARE(frame.GameRecord().State, GameState::NoRound);
    QCOMPARE(frame.GameRecord().Round, 0);
    QVERIFY(!frame.TurnTimer()->isActive());
    QVERIFY(frame.TurnTimer()->isSingleShot());
    // The stock window lives inside the frame.
    QCOMPARE(frame.ClientArea()->subWindowList().size(), 1);
    QCOMPARE(frame.ClientArea()->subWindowList()[0]->windowTitle(), QStringLiteral("山／捨て札"));
  }

  void menusCarryEveryItemInOrder() {
    ScriptedMainWindow frame;
    frame.StartUp();
    QStringList top;
    for (const QAction* action : frame.menuBar()->actions())
      top << action->text();
    QCOMPARE(top, (QStringList{"ゲーム(&G)", "整列(&T)", "オプション(&O)", "ヘルプ(&H)"}));
    QCOMPARE(Captions(MenuNamed(&frame, "gameMenu")),
             (QStringList{"開始(&S)", "破棄(&D)", "-", "ヒント(&H)", "自動プレイ(&A)", "-",
                          "終了(&X)"}));
    QCOMPARE(Captions(MenuNamed(&frame, "arrangeMenu")),
             (QStringList{"場の中のみ(&I)", "-", "反時計周り(&L)", "時計周り(&R)", "上から下(&V)",
                          "-", "役の並びを保つ(&M)", "記録(&K)", "記録を読み上げる(&Y)"}));
    QCOMPARE(Captions(MenuNamed(&frame, "optionsMenu")),
             (QStringList{"オプション設定(&O)", "-", "成績(&S)", "ハイスコア(&H)", "積算成績(&T)",
                          "カードを開く(&O)", "-", "効果音を鳴らす(&E)"}));
    QCOMPARE(Captions(MenuNamed(&frame, "seeCardsMenu")),
             (QStringList{"通常の状態(&N)", "すべて開く(&A)", "-", "プレイヤー(&0)",
                          "右ｺﾝﾋﾟｭｰﾀ(&1)", "上ｺﾝﾋﾟｭｰﾀ(2)", "左ｺﾝﾋﾟｭｰﾀ(&3)"}));
    QCOMPARE(Captions(MenuNamed(&frame, "helpMenu")),
             (QStringList{"目次(&C)", "バージョン情報(&A)"}));
    QVERIFY(!MenuNamed(&frame, "seeCardsMenu")->menuAction()->isVisible());
    QVERIFY(!frame.findChild<QAction*>("abandonAction")->isEnabled());
  }

  void gameMenuFollowsTheState() {
    ScriptedMainWindow frame;
    frame.StartUp();
    QMenu* game = MenuNamed(&frame, "gameMenu");
    emit game->aboutToShow();
    QVERIFY(frame.findChild<QAction*>("startAction")->isEnabled());
    QVERIFY(!frame.findChild<QAction*>("abandonAction")->isEnabled());
    frame.findChild<QAction*>("startAction")->trigger();
    emit game->aboutToShow();
    QVERIFY(!frame.findChild<QAction*>("startAction")->isEnabled());
    QVERIFY(frame.findChild<QAction*>("abandonAction")->isEnabled());
  }

  void startDealsAndThePromptFollowsTheState() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    frame.findChild<QAction*>("startAction")->trigger();
    QCOMPARE(game.Round, 1);
    QVERIFY(InRound(game.State));
    for (const HandRecord& hand : game.Seats)
      QCOMPARE(hand.Count, 7);
    const QString status = frame.HumanSeat()->Status()->currentMessage();
    const int seat = SeatOfState(game.State);
    if (seat == 0) {
      QCOMPARE(status, QStringLiteral("あなたの番です。山から1枚引いてください。"));
      QVERIFY(!frame.TurnTimer()->isActive());
    } else {
      QCOMPARE(status,
               QString::fromStdString(game.Seats[seat].PlayerName) + QStringLiteral("の番です"));
      QVERIFY(frame.TurnTimer()->isActive());
      QCOMPARE(frame.TurnTimer()->interval(), game.Rules.PonWaitMs);
    }
    // The empty new-meld window joined the stock window inside the frame.
    QCOMPARE(frame.ClientArea()->subWindowList().size(), 2);
    QCOMPARE(frame.MeldWindowAt(0)->windowTitle(), QStringLiteral("役（新規）"));
    QCOMPARE(frame.SeatWindowOf(2)->windowTitle(), QStringLiteral("タンタル   [300点]"));
  }

  void theTimerPacesTheComputerSeats() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    game.Round = 1;  // the next deal is round 2, whose dealer follows the rule
    game.Rules.DealerRule = 1;
    game.Dealer = 1;
    game.Rules.PonWaitMs = 5;
    game.Rules.ThinkingMs = 5;
    frame.findChild<QAction*>("startAction")->trigger();
    QCOMPARE(game.State, GameState::Seat1Draws);
    // Seats 1, 2 and 3 play their turns on the timer until the human is to draw.
    QTRY_COMPARE_WITH_TIMEOUT(game.State, GameState::HumanDraws, 10000);
    QCOMPARE(frame.HumanSeat()->Status()->currentMessage(),
             QStringLiteral("あなたの番です。山から1枚引いてください。"));
  }

  void boxesShowTheirTextPlainAndTheirWholeCaption() {
    MainWindow frame;  // its own boxes, not the test's stand-ins
    // A long name, still narrower than the screen.
    const QString name =
        QStringLiteral("<b>とても長い名前のコンピュータプレイヤー、その二代目").repeated(2);
    Qt::TextFormat format = Qt::AutoText;
    int boxWidth = 0;
    int captionWidth = 0;
    const auto measure = [&] {
      QTimer::singleShot(0, &frame, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box)
          return;
        for (const QLabel* label : box->findChildren<QLabel*>())
          if (label->text().startsWith(QLatin1Char('<')))
            format = label->textFormat();
        boxWidth = box->width();
        // However the title bar draws it, the caption needs at least its own width.
        captionWidth = box->fontMetrics().horizontalAdvance(box->windowTitle());
        box->reject();
      });
    };
    // A claim box: a short text under the claiming seat's name.
    measure();
    frame.Boxes().MessageBox("<i>ポンします", name.toStdString(), MsgButtons::Ok, MsgIcon::None);
    QCOMPARE(format, Qt::PlainText);
    QVERIFY(captionWidth > 0);
    QVERIFY(boxWidth >= captionWidth);
    measure();
    frame.Boxes().InputBox("名前を入力してください。", "<b>名前の変更", "あなた");
    QCOMPARE(format, Qt::PlainText);
    QVERIFY(boxWidth >= captionWidth);
  }

  void qtsOwnButtonsSpeakJapaneseWhenItsTranslationsAreThere() {
    MainWindow frame;
    const auto cancelText = [&frame] {
      QString text;
      QTimer::singleShot(0, &frame, [&text] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!dialog)
          return;
        text = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text();
        dialog->reject();
      });
      frame.Boxes().InputBox("名前の変更", "名前を入力してください。", "あなた");
      return text;
    };
    QVERIFY(!InstallQtTranslations(QStringLiteral("/no/such/folder")));
    QCOMPARE(cancelText(), QStringLiteral("Cancel"));
    QTranslator* japanese = InstallQtTranslations();
    QVERIFY(japanese);
    QCOMPARE(cancelText(), QStringLiteral("キャンセル"));
    QCoreApplication::removeTranslator(japanese);
    delete japanese;
  }

  void abandonAndCloseAskFirst() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    frame.findChild<QAction*>("startAction")->trigger();
    // The abandon item is enabled as the menu opens.
    emit MenuNamed(&frame, "gameMenu")->aboutToShow();
    frame.Answers = {MsgAnswer::No};
    frame.findChild<QAction*>("abandonAction")->trigger();
    QVERIFY(!frame.Messages.empty());
    QCOMPARE(frame.Messages.back().Text, std::string("現在のゲームを終了しますか？"));
    QCOMPARE(game.Round, 1);
    frame.Answers = {MsgAnswer::No};
    QVERIFY(!frame.close());
    QCOMPARE(frame.Messages.back().Caption, std::string("終了"));
    QVERIFY(frame.isVisible());
    frame.Answers = {MsgAnswer::Yes};
    frame.findChild<QAction*>("abandonAction")->trigger();
    QCOMPARE(game.Round, 0);
    QCOMPARE(game.State, GameState::NoRound);
    for (int seat = 0; seat < 4; ++seat)
      QVERIFY(game.Seats[seat].Open);
    QVERIFY(frame.close());
  }

  void theLogDocksInsideAndTheAutomaticPlayerYieldsToAClickOnTheHand() {
    ScriptedMainWindow frame;
    frame.StartUp();
    MoveLogWindow* log = frame.LogWindow();
    QCOMPARE(frame.dockWidgetArea(log), Qt::RightDockWidgetArea);
    QVERIFY(log->isHidden());
    frame.findChild<QAction*>("moveLogAction")->trigger();
    QVERIFY(log->isVisible());
    QCOMPARE(log->windowTitle(), QStringLiteral("記録"));
    frame.findChild<QAction*>("startAction")->trigger();
    QVERIFY(log->Text()->toPlainText().startsWith(
        QStringLiteral("新しいゲームを始めました。\n第1回戦を配りました。親は")));

    QAction* autoPlay = frame.findChild<QAction*>("autoPlayAction");
    frame.Answers = {MsgAnswer::Yes};  // the game leaves the records
    autoPlay->trigger();
    QVERIFY(frame.GameRecord().AutoPlay);
    QTest::mouseClick(frame.HumanSeat(), Qt::LeftButton);
    QVERIFY(!frame.GameRecord().AutoPlay);
    QVERIFY(!autoPlay->isChecked());
    QVERIFY(log->Text()->toPlainText().endsWith(QStringLiteral("自動プレイを終えました。")));

    // In the human's draw phase D would draw; with the automatic player on, it is only a
    // key press on the hand, which hands the turn back.
    SetGame(frame.GameRecord(), GameState::HumanDraws);
    autoPlay->trigger();
    frame.HumanSeat()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame.HumanSeat()));
    QTest::keyClick(frame.HumanSeat(), Qt::Key_D);
    QVERIFY(!frame.GameRecord().AutoPlay);
    QCOMPARE(frame.GameRecord().State, GameState::HumanDraws);
  }

  void theScoreSheetsChartIsRememberedAndStartsAtTheGamesStartPoints() {
    ScriptedMainWindow frame;
    frame.StartUp();
    frame.GameRecord().Rules.StartPoint = 500;
    ScoreSheetWindow* sheet = frame.ScoreWindow();
    QVERIFY(!sheet->ChartShown());
    sheet->findChild<QPushButton*>(QStringLiteral("chartButton"))->click();
    QVERIFY(frame.PreferencesRecord().ScoreChart);
    QVERIFY(sheet->Chart()->accessibleDescription().contains(QStringLiteral("開始点500点")));
  }
};

QTEST_MAIN(FrameTest)
#include "MainWindowTest.moc"
