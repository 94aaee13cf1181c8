// The table's windows on the offscreen platform: cards drawn where the layout puts them,
// card sheets and backgrounds loaded or refused, and the mouse on piles and melds.
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include <QSoundEffect>
#include "desktop/platform/QtText.h"
#include "desktop/table/CardPicture.h"
#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/MeldWindow.h"
#include "desktop/table/PilesWindow.h"
#include "desktop/table/SeatWindow.h"
#include "desktop/table/TableMarks.h"
#include "logic/cards/Cards.h"
#include "logic/computer/TurnTimer.h"
#include "logic/geometry/CardSheet.h"
#include "logic/geometry/HandLayout.h"
#include "logic/play/GameCommands.h"
#include "logic/play/Piles.h"
#include "logic/table/TurnDriver.h"
#include "support/Cards.h"
#include "support/ScriptedMainWindow.h"

using namespace zelvani;

namespace {

// The sheet cell pixel a window pixel should show, for a card block drawn unscaled.
QRgb SheetPixel(const QImage& sheet, const CardBlock& block, int dx, int dy) {
  return sheet.pixel(block.Source.Left + dx, block.Source.Top + dy);
}

// Checks a few pixels of every block whose spot is not covered by a later card.
void ExpectBlocksDrawn(const QImage& shot, const QImage& sheet,
                       const std::vector<CardBlock>& blocks) {
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const CardBlock& b = blocks[i];
    for (const QPoint d : {QPoint(3, 3), QPoint(b.Source.Width / 2, b.Source.Height / 3),
                           QPoint(5, b.Source.Height / 2)}) {
      const QPoint at(b.Left + d.x(), b.Top + d.y());
      bool covered = !shot.rect().contains(at);
      for (std::size_t j = i + 1; j < blocks.size() && !covered; ++j)
        covered =
            QRect(blocks[j].Left, blocks[j].Top, blocks[j].Source.Width, blocks[j].Source.Height)
                .contains(at);
      if (covered)
        continue;
      QCOMPARE(QColor(shot.pixel(at)), QColor(SheetPixel(sheet, b, d.x(), d.y())));
    }
  }
}

// A computer seat's cards where its window draws them: in the part under its name plate.
std::vector<CardBlock> SeatBlocks(SeatWindow& window, const Game& game, const Preferences& prefs) {
  const QRect area = window.CardArea();
  auto blocks = LayoutSeatHand(game.Seats[window.Seat()], area.width(), area.height(),
                               prefs.CardWidth, prefs.CardHeight);
  for (CardBlock& block : blocks) {
    block.Left += area.left();
    block.Top += area.top();
  }
  return blocks;
}

// Where the corner index of `card` shows whole in `shot`, searched everywhere.
std::optional<QPoint> FindCornerIndex(const QImage& shot, const QImage& sheet, int card,
                                      int cardWidth, int cardHeight) {
  const SheetRect cell = CardCellRect(card, cardWidth, cardHeight);
  const QImage index =
      sheet.copy(cell.Left, cell.Top, CornerIndexWidth(cardWidth), CornerIndexHeight(cardHeight));
  for (int y = 0; y + index.height() <= shot.height(); ++y)
    for (int x = 0; x + index.width() <= shot.width(); ++x)
      if (shot.copy(x, y, index.width(), index.height()) == index)
        return QPoint(x, y);
  return std::nullopt;
}

}  // namespace

class TableWindowsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  QString WriteFile(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
  }

  QByteArray DefaultSheetBytes() {
    QFile file(QStringLiteral("Cards.bmp"));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  }

 private slots:
  void theSoundStackWaitsForTheFirstCue() {
    ScriptedMainWindow frame;
    frame.StartUp();
    HumanSeatWindow* human = frame.HumanSeat();
    // Nothing on the first screen starts the audio server's connection.
    QVERIFY(human->findChildren<QSoundEffect*>().isEmpty());
    human->PlayCue(Cue::Discard);
    const QList<QSoundEffect*> effects = human->findChildren<QSoundEffect*>();
    QCOMPARE(effects.size(), 1);
    QCOMPARE(effects[0]->source().fileName(), QStringLiteral("Suteru.wav"));
    // A file chosen later reaches the cue already made.
    QVERIFY(human->OpenCue(1, QStringLiteral("Click.wav")));
    QCOMPARE(effects[0]->source().fileName(), QStringLiteral("Click.wav"));
  }

  void theDefaultSheetGivesTheCardSize() {
    ScriptedMainWindow frame;
    frame.StartUp();
    QVERIFY(frame.Messages.empty());
    QCOMPARE(frame.PreferencesRecord().CardWidth, 71);
    QCOMPARE(frame.PreferencesRecord().CardHeight, 97);
  }

  void handsAreDrawnFromTheSheetCells() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    Preferences& prefs = frame.PreferencesRecord();
    frame.findChild<QAction*>("startAction")->trigger();
    const QImage& sheet = frame.CardSheet().Image();

    SeatWindow* player = frame.SeatWindowOf(0);
    ExpectBlocksDrawn(player->ComposeHand(), sheet,
                      LayoutPlayerHand(game.Seats[0], player->width(), player->height(),
                                       prefs.CardWidth, prefs.CardHeight));
    // Seat 2 lies above the frame, wider than tall: upright backs.
    SeatWindow* top = frame.SeatWindowOf(2);
    QVERIFY(top->width() > top->height());
    const auto topBlocks = SeatBlocks(*top, game, prefs);
    QCOMPARE(topBlocks[0].Source, UprightBackRect(71, 97));
    ExpectBlocksDrawn(top->ComposeHand(), sheet, topBlocks);
    // Seat 1 stands beside it, taller than wide: sideways backs, then faces when opened.
    SeatWindow* right = frame.SeatWindowOf(1);
    QVERIFY(right->height() > right->width());
    auto rightBlocks = SeatBlocks(*right, game, prefs);
    QCOMPARE(rightBlocks[0].Source, SidewaysBackRect(71, 97));
    ExpectBlocksDrawn(right->ComposeHand(), sheet, rightBlocks);
    SeeCards(game, 1);
    rightBlocks = SeatBlocks(*right, game, prefs);
    QCOMPARE(rightBlocks[0].Source, CardCellRect(game.Seats[1].Cards[0], 71, 97));
    ExpectBlocksDrawn(right->ComposeHand(), sheet, rightBlocks);
  }

  void aGrabOfTheRealWindowShowsTheCards() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    Preferences& prefs = frame.PreferencesRecord();
    frame.findChild<QAction*>("startAction")->trigger();
    SeatWindow* player = frame.SeatWindowOf(0);
    const QImage shot = player->grab().toImage();
    const auto blocks = LayoutPlayerHand(game.Seats[0], player->width(), player->height(),
                                         prefs.CardWidth, prefs.CardHeight);
    const CardBlock& last = blocks.back();
    QCOMPARE(QColor(shot.pixel(last.Left + 10, last.Top + 10)),
             QColor(SheetPixel(frame.CardSheet().Image(), last, 10, 10)));
  }

  void backgroundsTile() {
    ScriptedMainWindow frame;
    frame.StartUp();
    QImage tile(10, 6, QImage::Format_RGB32);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 10; ++x)
        tile.setPixel(x, y, qRgb(20 * x, 40 * y, 100));
    const QString path = dir_.filePath(QStringLiteral("tile.BmP"));
    QVERIFY(tile.save(path, "BMP"));
    SeatWindow* seat = frame.SeatWindowOf(3);
    QVERIFY(seat->LoadBackground(path));
    QCOMPARE(frame.PreferencesRecord().SeatBackgrounds[3], path.toStdString());
    const QImage shot = seat->ComposeHand();
    // Tiled from the window's corner; seen under the name plate.
    const int row = (seat->CardArea().top() + 5) / 6 * 6;
    QCOMPARE(QColor(shot.pixel(23, row + 15)), QColor(tile.pixel(3, 3)));
    QCOMPARE(QColor(shot.pixel(9, row + 5)), QColor(tile.pixel(9, 5)));
    // Removing it leaves the plain window colour.
    QVERIFY(seat->LoadBackground(QString()));
    QVERIFY(frame.PreferencesRecord().SeatBackgrounds[3].empty());
    QCOMPARE(QColor(seat->ComposeHand().pixel(23, row + 15)),
             seat->palette().color(QPalette::Button));
  }

  void theFeltLookCoversTheFrameAndTheSeatsButNotAChosenPicture() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Preferences& prefs = frame.PreferencesRecord();
    const QBrush plain = frame.ClientArea()->background();
    SeatWindow* seat = frame.SeatWindowOf(3);
    const QPoint spot(9, seat->CardArea().top() + 9);
    QCOMPARE(QColor(seat->ComposeHand().pixel(spot)), seat->palette().color(QPalette::Button));

    prefs.Look = TableLook::Felt;
    frame.ShowTableLook();
    QCOMPARE(frame.ClientArea()->background().textureImage(), FeltTile());
    const QImage& felt = FeltTile();
    QCOMPARE(QColor(seat->ComposeHand().pixel(spot)),
             QColor(felt.pixel(spot.x() % felt.width(), spot.y() % felt.height())));
    // The piles lie on it too, in the frame's area.
    const QImage piles = frame.Piles()->grab().toImage();
    const QPoint below(2, piles.height() - 3);
    QCOMPARE(QColor(piles.pixel(below)),
             QColor(felt.pixel(below.x() % felt.width(), below.y() % felt.height())));
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(qRgb(200, 30, 30));
    const QString path = dir_.filePath(QStringLiteral("red.bmp"));
    QVERIFY(tile.save(path, "BMP"));
    QVERIFY(seat->LoadBackground(path));  // the player's own picture wins over the felt
    QCOMPARE(QColor(seat->ComposeHand().pixel(spot)), QColor(200, 30, 30));

    prefs.Look = TableLook::Plain;
    frame.ShowTableLook();
    QCOMPARE(frame.ClientArea()->background(), plain);
  }

  void theHumansPromptReadsOverADarkBackground() {
    ScriptedMainWindow frame;
    frame.StartUp();
    HumanSeatWindow* player = frame.HumanSeat();
    QImage night(8, 8, QImage::Format_RGB32);
    night.fill(QColor(10, 10, 30));
    const QString path = dir_.filePath(QStringLiteral("night.bmp"));
    QVERIFY(night.save(path, "BMP"));
    QVERIFY(player->LoadBackground(path));
    player->resize(600, 160);
    player->ShowStatus(QStringLiteral("あなたの番です"));
    const QImage shot = player->grab().toImage();
    QCOMPARE(QColor(shot.pixel(2, 2)), QColor(night.pixel(2, 2)));  // the picture is there
    // Under the prompt lies the window's plain colour, and its letters stand out from it.
    const QRect strip = player->Status()->geometry();
    const QColor plate = player->palette().color(QPalette::Button);
    QCOMPARE(QColor(shot.pixel(strip.left() + 1, strip.center().y())), plate);
    const QColor text = player->Status()->palette().color(QPalette::WindowText);
    QVERIFY(qAbs(text.lightness() - plate.lightness()) > 100);
    int letters = 0;
    for (int x = strip.left(); x < strip.center().x(); ++x)
      for (int y = strip.top(); y <= strip.bottom(); ++y)
        letters += qAbs(QColor(shot.pixel(x, y)).lightness() - text.lightness()) < 60;
    QVERIFY(letters > 20);
  }

  void aSeatCannotBeRenamedToNothing() {
    ScriptedMainWindow frame;
    frame.StartUp();
    SeatWindow* seat = frame.SeatWindowOf(1);
    const std::string name = frame.GameRecord().Seats[1].PlayerName;
    QAction* rename = seat->findChild<QMenu*>()->actions().first();
    frame.Inputs = {"", "\u3000 "};
    rename->trigger();
    rename->trigger();
    QCOMPARE(frame.GameRecord().Seats[1].PlayerName, name);
    QCOMPARE(seat->windowTitle(), ToQString(name));
    frame.Inputs = {"ミナ"};
    rename->trigger();
    QCOMPARE(seat->windowTitle(), QStringLiteral("ミナ"));
  }

  void aBrokenBackgroundIsReportedAndRemoved() {
    ScriptedMainWindow frame;
    frame.StartUp();
    const QString bad = WriteFile(QStringLiteral("bad.bmp"), QByteArray("not a picture"));
    QVERIFY(!frame.SeatWindowOf(1)->LoadBackground(bad));
    QCOMPARE(
        frame.Messages.back().Text,
        (QStringLiteral("画像ファイル ") + bad + QStringLiteral(" は開けません。")).toStdString());
    QCOMPARE(frame.Messages.back().Caption, std::string("エラー：Zelvani"));
    QVERIFY(frame.PreferencesRecord().SeatBackgrounds[1].empty());
  }

  void sheetsOfOtherSizesSetTheCardSize() {
    ScriptedMainWindow frame;
    frame.StartUp();
    QImage big(570, 680, QImage::Format_RGB32);
    big.fill(Qt::darkGreen);
    const QString bigPath = dir_.filePath(QStringLiteral("big.bmp"));
    QVERIFY(big.save(bigPath, "BMP"));
    QVERIFY(frame.CardSheet().Load(bigPath));
    QCOMPARE(frame.PreferencesRecord().CardWidth, 71);
    QCOMPARE(frame.PreferencesRecord().CardHeight, 97);
    QImage small(568, 553, QImage::Format_RGB32);
    small.fill(Qt::darkBlue);
    const QString smallPath = dir_.filePath(QStringLiteral("small.bmp"));
    QVERIFY(small.save(smallPath, "BMP"));
    QVERIFY(frame.CardSheet().Load(smallPath));
    QCOMPARE(frame.PreferencesRecord().CardHeight, 79);
    QCOMPARE(frame.PreferencesRecord().CardPicturePath, smallPath.toStdString());
  }

  void brokenSheetsLeaveTheOldOne_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    const QByteArray good = DefaultSheetBytes();
    QVERIFY(good.size() > 1000);
    QTest::newRow("truncated") << good.left(good.size() / 2) << "cut.bmp";
    QTest::newRow("empty") << QByteArray() << "empty.bmp";
    QTest::newRow("text") << QByteArray("BM this is not a bitmap at all") << "text.bmp";
    QByteArray huge = good.left(54);
    huge[18] = '\xff';  // width and height of 2^30 pixels
    huge[21] = '\x3f';
    huge[22] = '\xff';
    huge[25] = '\x3f';
    QTest::newRow("oversized") << huge << "huge.bmp";
    QTest::newRow("not a bitmap extension") << good << "cards.png";
  }

  void brokenSheetsLeaveTheOldOne() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    ScriptedMainWindow frame;
    frame.StartUp();
    const QImage before = frame.CardSheet().Image();
    const std::string pathBefore = frame.PreferencesRecord().CardPicturePath;
    const QString path = WriteFile(name, bytes);
    QVERIFY(!frame.CardSheet().Load(path));
    QCOMPARE(
        frame.Messages.back().Text,
        (QStringLiteral("画像ファイル ") + path + QStringLiteral(" は開けません。")).toStdString());
    QCOMPARE(frame.Messages.back().Icon, MsgIcon::Error);
    QCOMPARE(frame.PreferencesRecord().CardWidth, 71);
    QCOMPARE(frame.PreferencesRecord().CardHeight, 97);
    QCOMPARE(frame.PreferencesRecord().CardPicturePath, pathBefore);
    QCOMPARE(frame.CardSheet().Image(), before);
  }

  void clicksOnTheStockAndTheDiscardPile() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    game.Round = 1;
    game.Rules.DealerRule = 1;
    game.Dealer = 0;
    QTest::mouseClick(frame.Piles()->StockPicture(), Qt::LeftButton);  // deals
    QCOMPARE(game.State, GameState::HumanDraws);
    // Seven ranks, one card each: whatever is drawn and thrown, no pon chance marks it.
    SetHand(game, 0, {C(0, 1), C(0, 2), C(0, 3), C(0, 4), C(0, 5), C(0, 6), C(0, 7)});
    QTest::mouseClick(frame.Piles()->StockPicture(), Qt::LeftButton);  // draws
    QCOMPARE(game.State, GameState::HumanPlays);
    QCOMPARE(game.Seats[0].Count, 8);
    QCOMPARE(game.Seats[0].Selected[7], std::uint8_t{1});
    const int drawn = game.Seats[0].Cards[7];
    QTest::mouseClick(frame.Piles()->DiscardPicture(), Qt::LeftButton);  // discards it
    QCOMPARE(game.Piles.TopDiscard(), drawn);
    QCOMPARE(game.State, GameState::Seat1Draws);
    // The discard picture now shows that card's face.
    const SheetRect face = CardCellRect(drawn, 71, 97);
    QCOMPARE(frame.Piles()->DiscardPicture()->Picture(),
             frame.CardSheet().Image().copy(face.Left, face.Top, 71, 97));
  }

  void theDiscardPileShowsAPonChanceJudgedFromTheHumansHand() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    frame.findChild<QAction*>("startAction")->trigger();
    SetHand(game, 0, {C(0, 4), C(1, 4), C(2, 9)});
    SetHand(game, 1, {C(3, 4), C(2, 13)});
    SetHand(game, 2, {C(0, 1), C(3, 8), C(1, 12)});
    game.PonReservations.fill(0);
    SetGame(game, GameState::Seat1Plays);
    DiscardCard(game, 1, 0);  // the four of clubs: the top seat's pon wait begins
    frame.TurnTimer()->stop();
    CardPicture* discard = frame.Piles()->DiscardPicture();
    QCOMPARE(QColor(discard->Picture().pixel(1, 48)), PonChanceColor());
    QCOMPARE(discard->accessibleName(), QStringLiteral("捨て札：クラブの4（ポンできます）"));

    DrawCard(game, 2);  // the wait is over
    frame.TurnTimer()->stop();
    const SheetRect face = CardCellRect(C(3, 4), 71, 97);
    QCOMPARE(discard->Picture(), frame.CardSheet().Image().copy(face.Left, face.Top, 71, 97));
    QCOMPARE(discard->accessibleName(), QStringLiteral("捨て札：クラブの4"));
  }

  void aComputersPonIsToldWithoutABoxWhenTheOptionIsOn() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    frame.findChild<QAction*>("startAction")->trigger();
    // Dealt anew so the log follows every card: the right seat throws the five of hearts,
    // which the top seat, holding two fives, waits for.
    auto ponOfTheFive = [&game, &frame] {
      const std::vector<int> hands = {
          C(1, 5), C(0, 2), C(2, 11), C(3, 13), C(1, 9),  C(0, 12), C(2, 1),    // テルル
          C(0, 5), C(2, 5), C(3, 9),  C(1, 2),  C(0, 8),  C(2, 12), C(3, 3),    // タンタル
          C(1, 3), C(1, 4), C(0, 10), C(2, 7),  C(3, 11), C(0, 13), C(1, 8),    // セレン
          C(0, 3), C(0, 4), C(2, 2),  C(3, 6),  C(1, 10), C(2, 9),  C(3, 12)};  // あなた
      CloseMeldWindows(game);
      DealFrom(game, DeckWithHandsFirst(hands));
      AddNewMeldWindow(game);
      SetGame(game, GameState::Seat1Plays);
      game.PonReservations.fill(0);
      game.PonReservations[RankIndex(C(1, 5))] = 2;
      const HandRecord& right = game.Seats[1];
      DiscardCard(game, 1,
                  static_cast<int>(std::find(right.Cards.begin(), right.Cards.end(), C(1, 5)) -
                                   right.Cards.begin()));
      frame.TurnTimer()->stop();
      QCOMPARE(game.State, GameState::Seat2Plays);
    };
    ponOfTheFive();  // by default, a box to confirm
    QCOMPARE(frame.Messages.size(), std::size_t(1));
    QCOMPARE(frame.Messages[0].Text, std::string("ポンします"));
    QCOMPARE(frame.Messages[0].Caption, std::string("タンタル"));
    QVERIFY(frame.HumanSeat()->ClaimNote().isEmpty());

    frame.PreferencesRecord().ClaimBoxes = false;
    frame.Messages.clear();
    ponOfTheFive();
    QVERIFY(frame.Messages.empty());
    QCOMPARE(frame.HumanSeat()->ClaimNote(), QStringLiteral("タンタル：ポンします（ハートの5）"));
    QCOMPARE(frame.Log().Lines().back(), std::string("タンタル：ハートの5をポンしました"));
    // The card is marked where it lies: in the hand, then in the meld it is laid in.
    SeatWindow* top = frame.SeatWindowOf(2);
    const QRect claimed = top->CardRect(game.Seats[2].Count - 1);
    QCOMPARE(QColor(top->ComposeHand().pixel(claimed.left() + 1, claimed.center().y())),
             ClaimedCardColor());
    TurnTimerFired(game);  // the top seat lays its meld
    frame.TurnTimer()->stop();
    QCOMPARE(game.MeldWindows[0].Kind, MeldKind::SameRank);
    MeldWindow* meld = frame.MeldWindowAt(0);
    const auto blocks = LayoutMeld(game.MeldWindows[0], meld->width(), meld->height(), 71, 97);
    int at = 0;
    while (game.MeldWindows[0].Cards[at] != C(1, 5))
      ++at;
    QCOMPARE(QColor(meld->grab().toImage().pixel(blocks[at].Left + 1, blocks[at].Top + 48)),
             ClaimedCardColor());
    // Both stay until the human has had a turn.
    SetGame(game, GameState::HumanDraws);
    QCOMPARE(meld->ClaimedCard(), C(1, 5));
    SetGame(game, GameState::Seat1Draws);
    frame.TurnTimer()->stop();
    QCOMPARE(meld->ClaimedCard(), kNoCard);
    QVERIFY(frame.HumanSeat()->ClaimNote().isEmpty());
  }

  void everyMeldCardShowsItsCornerIndexWhateverTheWindowSize_data() {
    QTest::addColumn<int>("cards");
    QTest::addColumn<QSize>("size");
    QTest::newRow("13 cards, wide") << 13 << QSize(760, 170);
    QTest::newRow("13 cards, tiled narrow") << 13 << QSize(200, 178);
    QTest::newRow("5 cards, narrow") << 5 << QSize(150, 120);
    QTest::newRow("3 cards, narrower than a card") << 3 << QSize(60, 120);
  }

  void everyMeldCardShowsItsCornerIndexWhateverTheWindowSize() {
    QFETCH(int, cards);
    QFETCH(QSize, size);
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    Preferences& prefs = frame.PreferencesRecord();
    frame.findChild<QAction*>("startAction")->trigger();
    frame.TurnTimer()->stop();
    MeldRecord& meld = game.MeldWindows[0];
    meld.Kind = MeldKind::Sequence;
    meld.Count = cards;
    for (int i = 0; i < cards; ++i)
      meld.Cards[i] = 13 + i;  // a run of one suit, ace upwards
    MeldWindow* window = frame.MeldWindowAt(0);
    window->parentWidget()->resize(size);
    window->PaintMeld();
    const QImage shot = window->grab().toImage();
    QVERIFY(shot.width() < size.width());  // the child window's frame takes its part
    for (int i = 0; i < cards; ++i)
      QVERIFY2(FindCornerIndex(shot, frame.CardSheet().Image(), meld.Cards[i], prefs.CardWidth,
                               prefs.CardHeight),
               qPrintable(QStringLiteral("card %1").arg(i)));
  }

  void meldWindowsCannotBeClosedByTheUser() {
    ScriptedMainWindow frame;
    frame.StartUp();
    frame.findChild<QAction*>("startAction")->trigger();
    QMdiSubWindow* window = frame.ClientArea()->subWindowList().last();
    QVERIFY(!window->close());
    QVERIFY(window->isVisible());
    QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(window->systemMenu() == nullptr);
  }
};

QTEST_MAIN(TableWindowsTest)
#include "TableWindowsTest.moc"
