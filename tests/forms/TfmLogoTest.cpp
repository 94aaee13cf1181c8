// The logo window stepped tick by tick on the offscreen platform, and the card-opening
// submenu that follows it.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include "forms/ScriptedMain.h"
#include "play/TfmPlayer.h"
#include "settings/PictureLoading.h"
#include "settings/ShippedFiles.h"
#include "ui/TfmHands.h"
#include "ui/TfmLogo.h"

using namespace zelvani;

namespace {

QLabel* Part(const TfmLogo* logo, const char* name) {
  return logo->findChild<QLabel*>(QString::fromLatin1(name));
}

QColor CaptionColor(const TfmLogo* logo) {
  return Part(logo, "lblVer")->palette().color(QPalette::WindowText);
}

void Tick(TfmLogo* logo, int times) {
  for (int i = 0; i < times; ++i)
    logo->Timer1Timer();
}

QImage FirstPictureAsLoaded() {
  return ReadWindowsBitmap(ResolveDataFile(QStringLiteral("Logo1.bmp")))
      .convertToFormat(QImage::Format_RGB32);
}

// The still state the window keeps after it has closed once.
void ExpectStillState(const TfmLogo* logo) {
  QVERIFY(!Part(logo, "imgLogo")->isVisibleTo(logo));
  QVERIFY(Part(logo, "imgLogo2")->isVisibleTo(logo));
  QVERIFY(Part(logo, "lblVer")->isVisibleTo(logo));
  QCOMPARE(CaptionColor(logo), QColor(0, 0, 0));
}

bool SeeInsideShown(ScriptedMain& frame) {
  emit frame.findChild<QMenu*>(QStringLiteral("mnOptions"))->aboutToShow();
  return frame.findChild<QMenu*>(QStringLiteral("mnSeeInside"))->menuAction()->isVisible();
}

constexpr int kWipeTicks = 86;
constexpr int kFadeTicks = 64;

}  // namespace

class TfmLogoTest : public QObject {
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
    ScriptedMain frame;
    frame.StartUp();
    frame.CreateLogo();
    TfmLogo* logo = frame.Logo();
    QVERIFY(logo->isVisible());
    QCOMPARE(logo->size(), QSize(256, 192));
    QVERIFY(logo->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(logo->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(logo->Timer1()->isActive());
    QCOMPARE(logo->Timer1()->interval(), 50);
    QCOMPARE(logo->WipeColumn(), 0);
    QVERIFY(Part(logo, "imgLogo")->isVisible());
    QVERIFY(!Part(logo, "imgLogo2")->isVisible());
    QVERIFY(!Part(logo, "lblVer")->isVisible());
    QCOMPARE(Part(logo, "lblVer")->geometry(), QRect(74, 120, 63, 19));
    QCOMPARE(Part(logo, "lblVer")->font().pixelSize(), 19);
    QVERIFY(Part(logo, "lblVer")->font().bold() && Part(logo, "lblVer")->font().italic());
    // The edition caption fits its fixed place.
    QVERIFY(Part(logo, "lblVer")->fontMetrics().horizontalAdvance(Part(logo, "lblVer")->text()) <=
            63);
    QCOMPARE(logo->Picture1().size(), QSize(256, 192));
    QCOMPARE(logo->Picture2().size(), QSize(256, 192));
  }

  void aTickWipesThreeColumnsFromEachSide() {
    TfmLogo logo(nullptr);
    const QImage before = FirstPictureAsLoaded();
    QCOMPARE(logo.Picture1(), before);
    logo.Timer1Timer();
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
    TfmLogo logo(nullptr);
    logo.StartSplash();
    Tick(&logo, kWipeTicks - 1);
    QVERIFY(!Part(&logo, "lblVer")->isVisible());
    logo.Timer1Timer();
    QCOMPARE(logo.WipeColumn(), 258);
    QVERIFY(Part(&logo, "lblVer")->isVisible());
    QCOMPARE(CaptionColor(&logo), QColor(0, 255, 0));
    QCOMPARE(logo.Picture1(), logo.Picture2());
    QCOMPARE(Part(&logo, "imgLogo")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             logo.Picture2());
  }

  void theCaptionFadesToBlackWaitsAndTheWindowCloses() {
    TfmLogo logo(nullptr);
    logo.StartSplash();
    Tick(&logo, kWipeTicks + 1);
    QCOMPARE(CaptionColor(&logo), QColor(0, 251, 0));
    Tick(&logo, kFadeTicks - 2);
    QCOMPARE(CaptionColor(&logo), QColor(0, 3, 0));
    QCOMPARE(logo.Timer1()->interval(), 50);
    logo.Timer1Timer();
    QCOMPARE(CaptionColor(&logo), QColor(0, 0, 0));
    QCOMPARE(logo.Timer1()->interval(), 3000);
    QVERIFY(logo.isVisible());
    QVERIFY(logo.Timer1()->isActive());
    logo.Timer1Timer();
    QVERIFY(!logo.isVisible());
    QVERIFY(!logo.Timer1()->isActive());
    ExpectStillState(&logo);
  }

  void aClickDuringTheWipeEndsTheSplashAndTheAboutBoxIsStill() {
    ScriptedMain frame;
    frame.StartUp();
    frame.CreateLogo();
    TfmLogo* logo = frame.Logo();
    Tick(logo, 10);
    QTest::mouseClick(Part(logo, "imgLogo"), Qt::LeftButton);
    QVERIFY(!logo->isVisible());
    QVERIFY(!logo->Timer1()->isActive());
    ExpectStillState(logo);

    frame.findChild<QAction*>(QStringLiteral("mnAbout"))->trigger();
    QVERIFY(logo->isVisible());
    QVERIFY(!logo->isModal());
    QVERIFY(!logo->Timer1()->isActive());
    ExpectStillState(logo);
    QCOMPARE(Part(logo, "imgLogo2")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             logo->Picture2());

    // A click on the caption closes the about box again.
    QTest::mouseClick(Part(logo, "lblVer"), Qt::LeftButton);
    QVERIFY(!logo->isVisible());
  }

  void escOrSpaceEndsTheSplashAndClosesTheAboutBox() {
    ScriptedMain frame;
    frame.StartUp();
    frame.CreateLogo();
    TfmLogo* logo = frame.Logo();
    Tick(logo, 10);
    QTest::keyClick(logo, Qt::Key_Space);
    QVERIFY(!logo->isVisible());
    QVERIFY(!logo->Timer1()->isActive());
    ExpectStillState(logo);
    frame.mnAboutClick();
    QTest::keyClick(logo, Qt::Key_Escape);
    QVERIFY(!logo->isVisible());
  }

  void missingPicturesLeaveAPlainWindowThatStillAnimates() {
    TfmLogo logo(nullptr, QStringLiteral("NoSuchLogo1.bmp"), QStringLiteral("NoSuchLogo2.bmp"));
    logo.StartSplash();
    QVERIFY(logo.Picture1().isNull());
    Tick(&logo, kWipeTicks + kFadeTicks);
    QVERIFY(logo.isVisible());
    logo.Timer1Timer();
    QVERIFY(!logo.isVisible());
    logo.show();
    QTest::mouseClick(&logo, Qt::LeftButton);
    QVERIFY(!logo.isVisible());
  }

  void cardOpeningMenuShowsOnlyWhileTheLogoIsVisible() {
    ScriptedMain frame;
    frame.StartUp();
    QVERIFY(!SeeInsideShown(frame));
    frame.CreateLogo();
    QVERIFY(SeeInsideShown(frame));
    frame.Logo()->imgLogoClick();
    QVERIFY(!SeeInsideShown(frame));
    frame.mnAboutClick();
    QVERIFY(SeeInsideShown(frame));
    frame.Logo()->imgLogoClick();
    QVERIFY(!SeeInsideShown(frame));
  }
};

QTEST_MAIN(TfmLogoTest)
#include "TfmLogoTest.moc"
