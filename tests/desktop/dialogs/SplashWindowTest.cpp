// The logo window stepped tick by tick on the offscreen platform, and the card-opening
// submenu that follows it.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include "desktop/dialogs/SplashWindow.h"
#include "desktop/platform/PictureLoading.h"
#include "desktop/platform/ShippedFiles.h"
#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/SeatWindow.h"
#include "logic/table/TurnDriver.h"
#include "support/ScriptedMainWindow.h"

using namespace zelvani;

namespace {

QLabel* Part(const SplashWindow* logo, const char* name) {
  return logo->findChild<QLabel*>(QString::fromLatin1(name));
}

QColor CaptionColor(const SplashWindow* logo) {
  return Part(logo, "editionLabel")->palette().color(QPalette::WindowText);
}

void Tick(SplashWindow* logo, int times) {
  for (int i = 0; i < times; ++i)
    logo->Tick();
}

QImage FirstPictureAsLoaded() {
  return ReadWindowsBitmap(ResolveDataFile(QStringLiteral("Logo1.bmp")))
      .convertToFormat(QImage::Format_RGB32);
}

// The still state the window keeps after it has closed once.
void ExpectStillState(const SplashWindow* logo) {
  QVERIFY(!Part(logo, "picture1")->isVisibleTo(logo));
  QVERIFY(Part(logo, "picture2")->isVisibleTo(logo));
  QVERIFY(Part(logo, "editionLabel")->isVisibleTo(logo));
  QCOMPARE(CaptionColor(logo), QColor(0, 0, 0));
}

bool SeeInsideShown(ScriptedMainWindow& frame) {
  emit frame.findChild<QMenu*>(QStringLiteral("optionsMenu"))->aboutToShow();
  return frame.findChild<QMenu*>(QStringLiteral("seeCardsMenu"))->menuAction()->isVisible();
}

constexpr int kWipeTicks = 86;
constexpr int kFadeTicks = 64;

}  // namespace

class SplashWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // The window icon is added without reading its files; each size must still load.
  void theWindowIconLoadsEverySizeAWindowTitleShows() {
    const QIcon icon = ApplicationIconIn(QStringLiteral(ZELVANI_ICON_DIR));
    const QList<QSize> sizes = icon.availableSizes();
    for (int side : {16, 24, 32, 48, 64, 128})
      QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    for (const QSize& size : sizes) {
      QVERIFY(size.width() <= 128);
      const QImage image = icon.pixmap(size).toImage();
      QCOMPARE(image.size(), size);
      QVERIFY(image.pixelColor(size.width() / 2, size.height() / 2).alpha() > 0);
    }
  }

  void splashStartsVisibleWithItsTimerRunning() {
    ScriptedMainWindow frame;
    frame.StartUp();
    frame.CreateSplash();
    SplashWindow* logo = frame.Splash();
    QVERIFY(logo->isVisible());
    QCOMPARE(logo->size(), QSize(256, 192));
    QVERIFY(logo->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(logo->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(logo->AnimationTimer()->isActive());
    QCOMPARE(logo->AnimationTimer()->interval(), 50);
    QCOMPARE(logo->WipeColumn(), 0);
    QVERIFY(Part(logo, "picture1")->isVisible());
    QVERIFY(!Part(logo, "picture2")->isVisible());
    QVERIFY(!Part(logo, "editionLabel")->isVisible());
    // The edition caption shows whole, on the picture.
    const QLabel* edition = Part(logo, "editionLabel");
    QVERIFY(logo->rect().contains(edition->geometry()));
    QVERIFY(edition->fontMetrics().horizontalAdvance(edition->text()) <= edition->width());
    QCOMPARE(logo->Picture1().size(), QSize(256, 192));
    QCOMPARE(logo->Picture2().size(), QSize(256, 192));
  }

  void aTickWipesThreeColumnsFromEachSide() {
    SplashWindow logo(nullptr);
    const QImage before = FirstPictureAsLoaded();
    QCOMPARE(logo.Picture1(), before);
    logo.Tick();
    QCOMPARE(logo.WipeColumn(), 3);
    const QImage& after = logo.Picture1();
    const QImage& second = logo.Picture2();
    bool changed = false;
    for (int y = 0; y < 192; ++y) {
      const bool even = y % 2 == 0;
      // Even rows took columns 0..2 of the second picture, odd rows columns 254 and 255
      // (256 lies outside); every other pixel is as it was.
      for (int x = 0; x < 256; ++x) {
        const bool wiped = even ? x <= 2 : x >= 254;
        QCOMPARE(after.pixel(x, y), wiped ? second.pixel(x, y) : before.pixel(x, y));
        changed = changed || (wiped && before.pixel(x, y) != second.pixel(x, y));
      }
    }
    QVERIFY(changed);
  }

  void theWipeEndsWithTheSecondPictureAndAGreenCaption() {
    SplashWindow logo(nullptr);
    logo.StartSplash();
    Tick(&logo, kWipeTicks - 1);
    QVERIFY(!Part(&logo, "editionLabel")->isVisible());
    logo.Tick();
    QCOMPARE(logo.WipeColumn(), 258);
    QVERIFY(Part(&logo, "editionLabel")->isVisible());
    QCOMPARE(CaptionColor(&logo), QColor(0, 255, 0));
    QCOMPARE(logo.Picture1(), logo.Picture2());
    QCOMPARE(Part(&logo, "picture1")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             logo.Picture2());
  }

  void theCaptionFadesToBlackWaitsAndTheWindowCloses() {
    SplashWindow logo(nullptr);
    logo.StartSplash();
    Tick(&logo, kWipeTicks + 1);
    QCOMPARE(CaptionColor(&logo), QColor(0, 251, 0));
    Tick(&logo, kFadeTicks - 2);
    QCOMPARE(CaptionColor(&logo), QColor(0, 3, 0));
    QCOMPARE(logo.AnimationTimer()->interval(), 50);
    logo.Tick();
    QCOMPARE(CaptionColor(&logo), QColor(0, 0, 0));
    QCOMPARE(logo.AnimationTimer()->interval(), 3000);
    QVERIFY(logo.isVisible());
    QVERIFY(logo.AnimationTimer()->isActive());
    logo.Tick();
    QVERIFY(!logo.isVisible());
    QVERIFY(!logo.AnimationTimer()->isActive());
    ExpectStillState(&logo);
  }

  void aClickDuringTheWipeEndsTheSplashAndTheAboutBoxIsStill() {
    ScriptedMainWindow frame;
    frame.StartUp();
    frame.CreateSplash();
    SplashWindow* logo = frame.Splash();
    Tick(logo, 10);
    QTest::mouseClick(Part(logo, "picture1"), Qt::LeftButton);
    QVERIFY(!logo->isVisible());
    QVERIFY(!logo->AnimationTimer()->isActive());
    ExpectStillState(logo);

    frame.findChild<QAction*>(QStringLiteral("aboutAction"))->trigger();
    QVERIFY(logo->isVisible());
    QVERIFY(!logo->isModal());
    QVERIFY(!logo->AnimationTimer()->isActive());
    ExpectStillState(logo);
    QCOMPARE(Part(logo, "picture2")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             logo->Picture2());

    // A click on the caption closes the about box again.
    QTest::mouseClick(Part(logo, "editionLabel"), Qt::LeftButton);
    QVERIFY(!logo->isVisible());
  }

  void escOrSpaceEndsTheSplashAndClosesTheAboutBox() {
    ScriptedMainWindow frame;
    frame.StartUp();
    frame.CreateSplash();
    SplashWindow* logo = frame.Splash();
    Tick(logo, 10);
    QTest::keyClick(logo, Qt::Key_Space);
    QVERIFY(!logo->isVisible());
    QVERIFY(!logo->AnimationTimer()->isActive());
    ExpectStillState(logo);
    frame.ShowAbout();
    // The still picture has the focus, and a screen reader reads the edition with it.
    QTRY_COMPARE(QApplication::focusWidget(), Part(logo, "picture2"));
    QCOMPARE(QApplication::focusWidget()->accessibleDescription(), QStringLiteral("Ver 1.0"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!logo->isVisible());
  }

  void theAboutBoxStillClosesByKeyOnceAMenuTookTheFocus() {
    ScriptedMainWindow frame;
    frame.StartUp();
    frame.CreateSplash();
    SplashWindow* logo = frame.Splash();
    logo->Dismiss();
    Game& game = frame.GameRecord();
    frame.findChild<QAction*>("startAction")->trigger();
    frame.TurnTimer()->stop();
    SetGame(game, GameState::HumanDraws);
    const HandRecord hand = game.Seats[0];

    frame.findChild<QAction*>("aboutAction")->trigger();
    QVERIFY(logo->isVisible());
    QTest::mouseClick(frame.SeatWindowOf(2), Qt::LeftButton);  // only a click on it closes it
    QVERIFY(logo->isVisible());
    // Alt+O in the box opens the frame's menu, the card-opening submenu in it; the menu
    // keeps Esc for itself.
    QApplication::setActiveWindow(logo);
    QTest::keyClick(logo, Qt::Key_O, Qt::AltModifier);
    auto* options = frame.findChild<QMenu*>("optionsMenu");
    QVERIFY(options->isVisible());
    QVERIFY(frame.findChild<QMenu*>("seeCardsMenu")->menuAction()->isVisible());
    QTest::keyClick(options, Qt::Key_Escape);
    QVERIFY(!options->isVisible());
    QVERIFY(logo->isVisible());
    // Then Esc in the frame, or Space in the human's window, closes the box in front and
    // does nothing else.
    QTest::keyClick(&frame, Qt::Key_Escape);
    QVERIFY(!logo->isVisible());
    frame.ShowAbout();
    QApplication::setActiveWindow(frame.HumanSeat());
    QTest::keyClick(frame.HumanSeat(), Qt::Key_Space);
    QVERIFY(!logo->isVisible());
    QCOMPARE(game.Seats[0].Selected, hand.Selected);
    QCOMPARE(game.State, GameState::HumanDraws);
    QVERIFY(!frame.HumanSeat()->CursorShown());
    // Closed, the keys are the table's again.
    QTest::keyClick(frame.HumanSeat(), Qt::Key_Space);
    QVERIFY(frame.HumanSeat()->CursorShown());
  }

  void missingPicturesLeaveAPlainWindowThatStillAnimates() {
    SplashWindow logo(nullptr, QStringLiteral("NoSuchLogo1.bmp"),
                      QStringLiteral("NoSuchLogo2.bmp"));
    logo.StartSplash();
    QVERIFY(logo.Picture1().isNull());
    Tick(&logo, kWipeTicks + kFadeTicks);
    QVERIFY(logo.isVisible());
    logo.Tick();
    QVERIFY(!logo.isVisible());
    logo.show();
    QTest::mouseClick(&logo, Qt::LeftButton);
    QVERIFY(!logo.isVisible());
  }

  void cardOpeningMenuShowsOnlyWhileTheLogoIsVisible() {
    ScriptedMainWindow frame;
    frame.StartUp();
    QVERIFY(!SeeInsideShown(frame));
    frame.CreateSplash();
    QVERIFY(SeeInsideShown(frame));
    frame.Splash()->Dismiss();
    QVERIFY(!SeeInsideShown(frame));
    frame.ShowAbout();
    QVERIFY(SeeInsideShown(frame));
    frame.Splash()->Dismiss();
    QVERIFY(!SeeInsideShown(frame));
  }
};

QTEST_MAIN(SplashWindowTest)
#include "SplashWindowTest.moc"
