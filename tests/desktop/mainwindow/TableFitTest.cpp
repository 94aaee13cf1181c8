// The table on a 1280 x 1024 screen (the offscreen platform made that size), run once at
// the screen's own scale and once each with "表示倍率" 125 % and 200 % stored by an
// earlier run, on a screen of as many more pixels.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QtTest>
#include <vector>

#include "desktop/app/Application.h"
#include "desktop/dialogs/MoveLogWindow.h"
#include "desktop/table/CardPicture.h"
#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/MeldWindow.h"
#include "desktop/table/PilesWindow.h"
#include "desktop/table/SeatWindow.h"
#include "logic/geometry/CardSheet.h"
#include "logic/geometry/HandLayout.h"
#include "logic/play/GameCommands.h"
#include "logic/play/MeldWindowInput.h"
#include "logic/storage/Registry.h"
#include "logic/table/SeatNames.h"
#include "logic/table/TurnDriver.h"
#include "support/ScriptedMainWindow.h"

using namespace zelvani;

namespace {

// Ten melds of a round, from a run of thirteen to lone sevens.
std::vector<MeldRecord> TenMelds() {
  const auto meld = [](MeldKind kind, std::vector<int> cards) {
    MeldRecord record;
    record.Kind = kind;
    record.Count = static_cast<int>(cards.size());
    std::copy(cards.begin(), cards.end(), record.Cards.begin());
    return record;
  };
  return {meld(MeldKind::Sequence, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}),
          meld(MeldKind::Sequence, {13, 14, 15, 16}),
          meld(MeldKind::Seven, {19}),
          meld(MeldKind::Sequence, {21, 22, 23}),
          meld(MeldKind::Sequence, {26, 27, 28, 29, 30}),
          meld(MeldKind::Sequence, {33, 34, 35}),
          meld(MeldKind::SameRank, {25, 38, 51}),
          meld(MeldKind::SameRank, {24, 37, 50}),
          meld(MeldKind::Sequence, {39, 40, 41, 42, 43, 44}),
          meld(MeldKind::Seven, {45})};
}

// The pixel ratio the run was started for: that of the stored scale, else the screen's 1.
qreal ExpectedRatio() {
  const int percent = qEnvironmentVariableIntValue("ZELVANI_TEST_TABLE_SCALE");
  return percent > 0 ? percent / 100.0 : 1.0;
}

QRect Outer(const QWidget* window) {
  return window->frameGeometry();
}

// A part of a picture in its own pixels, given in the window's.
QImage Part(const QImage& picture, const QRect& logical) {
  const qreal ratio = picture.devicePixelRatio();
  return picture.copy(QRectF(logical.topLeft() * ratio, logical.size() * ratio).toRect());
}

// What is wrong with the windows' places: one off the screen or over another.
QString TableFault(const MainWindow& frame) {
  const QRect screen = frame.screen()->availableGeometry();
  std::vector<const QWidget*> windows = {&frame};
  for (int seat = 0; seat < kSeatCount; ++seat)
    windows.push_back(frame.SeatWindowOf(seat));
  for (std::size_t i = 0; i < windows.size(); ++i) {
    if (!screen.contains(Outer(windows[i])))
      return windows[i]->objectName() + " off the screen";
    for (std::size_t j = i + 1; j < windows.size(); ++j)
      if (Outer(windows[i]).intersects(Outer(windows[j])))
        return windows[i]->objectName() + " over " + windows[j]->objectName();
  }
  return {};
}

// The outer rectangles of the frame and the four seats.
std::vector<QRect> TablePlaces(const MainWindow& frame) {
  std::vector<QRect> places = {Outer(&frame)};
  for (int seat = 0; seat < kSeatCount; ++seat)
    places.push_back(Outer(frame.SeatWindowOf(seat)));
  return places;
}

// A round with the ten melds on the table, each laid by a seat in turn.
void LayTenMelds(ScriptedMainWindow& frame) {
  Game& game = frame.GameRecord();
  StartRound(game);
  frame.TurnTimer()->stop();
  int seat = 0;
  for (const MeldRecord& meld : TenMelds()) {
    game.MeldWindows.back() = meld;
    game.MeldWindows.back().LaidBy = seat++ % kSeatCount;
    AddNewMeldWindow(game);  // the next new-meld window, as a lay opens it
  }
}

// What hides a card's corner index on the table: a card cut by its meld window or a
// meld window reaching past the frame's client area; a stock or discard cut, or one over
// the other.
QString HiddenCard(ScriptedMainWindow& frame) {
  const Preferences& prefs = frame.PreferencesRecord();
  const QRect area = frame.ClientArea()->viewport()->rect();
  for (int i = 0; i < frame.GameRecord().MeldWindowCount(); ++i) {
    MeldWindow* window = frame.MeldWindowAt(i);
    if (!area.contains(window->parentWidget()->geometry()))
      return QStringLiteral("meld window %1 past the area").arg(i);
    for (const CardBlock& block : LayoutMeld(frame.GameRecord().MeldWindows[i], window->width(),
                                             window->height(), prefs.CardWidth, prefs.CardHeight))
      if (!window->rect().contains(QRect(block.Left, block.Top, CornerIndexWidth(prefs.CardWidth),
                                         CornerIndexHeight(prefs.CardHeight))))
        return QStringLiteral("a card of meld %1 cut").arg(i);
  }
  const PilesWindow* piles = frame.Piles();
  if (!area.contains(piles->parentWidget()->geometry()))
    return QStringLiteral("the stock window past the area");
  const QRect stock = piles->StockPicture()->geometry();
  const QRect discard = piles->DiscardPicture()->geometry();
  if (!piles->rect().contains(stock) || !piles->rect().contains(discard))
    return QStringLiteral("the stock or the discard cut");
  if (stock.intersects(discard))
    return QStringLiteral("the stock behind the discard");
  return {};
}

}  // namespace

class TableFitTest : public QObject {
  Q_OBJECT

 private slots:
  void aFirstStartShowsEveryWindowOnTheScreenAndNoneOverAnother() {
    ScriptedMainWindow frame;
    frame.StartUp();
    QCOMPARE(frame.size(), QSize(kDefaultTableWidth, kDefaultTableHeight));
    // Arranged again once the windows' frames are known.
    QTRY_COMPARE(TableFault(frame), QString());
    QCOMPARE(frame.size(), QSize(kDefaultTableWidth, kDefaultTableHeight));
  }

  void maximisingTheFrameGrowsTheTableRoundIt() {
    ScriptedMainWindow frame;
    frame.StartUp();
    QTRY_COMPARE(TableFault(frame), QString());
    const QSize before = frame.size();
    frame.showMaximized();
    QTRY_VERIFY(!frame.isMaximized());
    QCOMPARE(TableFault(frame), QString());
    QVERIFY(frame.width() > before.width() && frame.height() > before.height());
  }

  void maximisingAgainBringsBackTheTableBefore() {
    ScriptedMainWindow frame;
    frame.StartUp();
    QTRY_COMPARE(TableFault(frame), QString());
    const std::vector<QRect> before = TablePlaces(frame);
    frame.showMaximized();
    QTRY_VERIFY(!frame.isMaximized());
    QVERIFY(frame.width() > before[0].width());
    frame.showMaximized();
    QTRY_VERIFY(!frame.isMaximized());
    QCOMPARE(TablePlaces(frame), before);
  }

  void aFrameResizedByHandHasTheSeatsGiveWay() {
    ScriptedMainWindow frame;
    frame.StartUp();
    QTRY_COMPARE(TableFault(frame), QString());
    frame.move(frame.x() - 60, frame.y() - 40);
    frame.resize(frame.width() + 120, frame.height() + 80);
    QVERIFY(!TableFault(frame).isEmpty());
    QTRY_COMPARE(TableFault(frame), QString());
    // Round the frame again: the top seat on it, the human's window under it.
    QCOMPARE(Outer(frame.SeatWindowOf(2)).bottom() + 1, Outer(&frame).top());
    QCOMPARE(Outer(frame.HumanSeat()).top(), Outer(&frame).bottom() + 1);
    QCOMPARE(Outer(frame.SeatWindowOf(1)).left(), Outer(&frame).right() + 1);
  }

  void aSmallFrameWithTenMeldsShowsEveryCardBeforeTheLog() {
    ScriptedMainWindow frame;
    frame.StartUp();
    LayTenMelds(frame);
    frame.LogWindow()->show();
    frame.resizeDocks({frame.LogWindow()}, {290}, Qt::Horizontal);
    frame.resize(560, 380);
    QTRY_COMPARE(HiddenCard(frame), QString());
    QVERIFY(frame.LogWindow()->isVisible());
    QVERIFY(frame.LogWindow()->width() < 290);
    QTRY_COMPARE(TableFault(frame), QString());
  }

  void keptPlacesLetNoNewMeldMoveTheOthersAndNameWhoLaidThem() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    StartRound(game);
    frame.TurnTimer()->stop();
    // By default the newest meld window stands first, as the standard tiling has it.
    QCOMPARE(frame.MeldWindowAt(0)->parentWidget()->pos(), QPoint(0, 0));
    frame.findChild<QAction*>(QStringLiteral("keepMeldPlacesAction"))->trigger();
    QVERIFY(frame.PreferencesRecord().KeepMeldPlaces);
    SetGame(game, GameState::HumanPlays);
    SetHand(game, kHumanSeat, {0, 1, 2, 16});
    game.HumanSeat().Selected = {1, 1, 1};
    ClickMeldWindow(game, 0);
    QCOMPARE(frame.MeldWindowAt(0)->parentWidget()->windowTitle(),
             QStringLiteral("シークエンス：あなた"));
    // Row by row: the stock window, then the meld windows as they were opened.
    const auto tileOrder = [&frame] {
      QList<QMdiSubWindow*> windows = frame.ClientArea()->subWindowList();
      std::sort(windows.begin(), windows.end(), [](QMdiSubWindow* a, QMdiSubWindow* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
      });
      return windows;
    };
    for (int more = 0; more < 6; ++more) {
      game.MeldWindows.back() = TenMelds()[more];
      AddNewMeldWindow(game);
      const QList<QMdiSubWindow*> order = tileOrder();
      QCOMPARE(static_cast<QWidget*>(order[0]), frame.Piles()->parentWidget());
      QCOMPARE(order[0]->pos(), QPoint(0, 0));
      for (int i = 0; i < game.MeldWindowCount(); ++i)
        QCOMPARE(static_cast<QWidget*>(order[1 + i]), frame.MeldWindowAt(i)->parentWidget());
    }
  }

  void everySeatShowsItsNameAndPointsAndKeepsRoomForACard() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    Preferences& prefs = frame.PreferencesRecord();
    StartRound(game);
    frame.TurnTimer()->stop();
    SetPoint(game, 3, -15);
    QCOMPARE(frame.SeatWindowOf(3)->windowTitle(), QStringLiteral("セレン   [-15点]"));
    QCOMPARE(frame.HumanSeat()->findChild<QLabel*>("namePlate")->text(),
             QStringLiteral("あなた   [300点]"));
    for (int seat = 1; seat < kSeatCount; ++seat) {
      SeatWindow* window = frame.SeatWindowOf(seat);
      const QRect plate(0, 0, window->width(), window->CardArea().top());
      QVERIFY(plate.height() > 0);
      // Written on the plate: dark ink on the light ground.
      const QImage picture = Part(window->ComposeHand(), plate);
      int ink = 0;
      for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
          ink += qGray(picture.pixel(x, y)) < 100;
      QVERIFY2(ink > 20, qPrintable(window->windowTitle()));
      // However small it is made, a card still fits under the plate, on its side or upright.
      window->resize(1, 1);
      QVERIFY(window->CardArea().width() >= prefs.CardHeight);
      QVERIFY(window->CardArea().height() >= prefs.CardHeight);
    }
  }

  void theDefaultTableShowsTenMeldsWithEveryCardsCorner() {
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    Preferences& prefs = frame.PreferencesRecord();
    StartRound(game);
    frame.TurnTimer()->stop();
    const std::vector<MeldRecord> melds = TenMelds();
    for (const MeldRecord& meld : melds) {
      game.MeldWindows.back() = meld;
      AddNewMeldWindow(game);  // the next new-meld window, as a lay opens it
    }
    const QImage& sheet = frame.CardSheet().Image();
    // Drawn from the sheet at twice the size wherever the table is scaled up, so the cards
    // stay sharp.
    QCOMPARE(frame.devicePixelRatioF(), ExpectedRatio());
    QCOMPARE(sheet.devicePixelRatio(), ExpectedRatio() > 1 ? 2.0 : 1.0);
    QCOMPARE(prefs.CardWidth, 71);
    const QRect area = frame.ClientArea()->viewport()->rect();
    for (int i = 0; i < static_cast<int>(melds.size()); ++i) {
      MeldWindow* window = frame.MeldWindowAt(i);
      window->PaintMeld();
      QVERIFY(area.contains(window->parentWidget()->geometry()));
      const QImage shot = window->grab().toImage();
      const auto blocks = LayoutMeld(melds[i], window->width(), window->height(), prefs.CardWidth,
                                     prefs.CardHeight);
      for (const CardBlock& block : blocks) {
        const QRect corner(block.Left, block.Top, CornerIndexWidth(prefs.CardWidth),
                           CornerIndexHeight(prefs.CardHeight));
        const SheetRect cell = block.Source;
        QVERIFY2(window->rect().contains(corner), qPrintable(QStringLiteral("meld %1").arg(i)));
        // Pixel for pixel where the sheet is drawn unscaled.
        if (shot.devicePixelRatio() == sheet.devicePixelRatio())
          QCOMPARE(Part(shot, corner),
                   Part(sheet, QRect(cell.Left, cell.Top, corner.width(), corner.height())));
      }
    }
  }
};

int main(int argc, char* argv[]) {
  // An earlier run chose the scale, if this one is to run scaled; else none is stored.
  const QByteArray scale = qgetenv("ZELVANI_TEST_TABLE_SCALE");
  const QByteArray home = qgetenv("XDG_CONFIG_HOME");
  if (home.isEmpty())
    return 2;  // the settings written here are never the user's own
  const QString folder = QFile::decodeName(home) + "/Hollyfen";
  QDir().mkpath(folder);
  QFile ini(folder + "/Zelvani.ini");
  if (scale.isEmpty()) {
    ini.remove();
  } else if (!ini.open(QIODevice::WriteOnly) || ini.write("[Options]\nTableScale=" + scale) < 0) {
    return 2;
  }
  ini.close();
  Application::OpenStoreAndScale();
  Application app(argc, argv);
  TableFitTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "TableFitTest.moc"
