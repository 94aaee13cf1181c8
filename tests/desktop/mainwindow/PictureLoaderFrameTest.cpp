// Card sheets and backgrounds read through picture plug-ins, as the frame loads them:
// the shipped plug-in stands in for a bitmap, and every failure keeps what was there.
// This test is built beside the program, so that its "plugins" folder is the shipped one.
#include <QTemporaryDir>
#include <QtTest>

#include "desktop/platform/FileChooser.h"
#include "desktop/table/SeatWindow.h"
#include "logic/geometry/CardSheet.h"
#include "plugins/testing/TestPictures.h"
#include "support/ScriptedMainWindow.h"

namespace zelvani {

using namespace testing;

namespace {

std::string CannotOpen(const QString& path) {
  return (QStringLiteral("画像ファイル ") + path + QStringLiteral(" は開けません。")).toStdString();
}

QImage Cell(const QImage& sheet, int code, int w, int h) {
  const SheetRect r = CardCellRect(code, w, h);
  return sheet.copy(r.Left, r.Top, r.Width, r.Height);
}

}  // namespace

class PictureLoaderFrameTest : public QObject {
  Q_OBJECT

  QTemporaryDir files_;

  // The default sheet, saved again in another format.
  QString DefaultSheetAs(const char* format, const QString& name) {
    const QImage sheet(QStringLiteral("Cards.bmp"));
    const QString path = files_.filePath(name);
    return !sheet.isNull() && sheet.save(path, format, 100) ? path : QString();
  }

 private slots:
  void aPngSheetReadsLikeTheSameSheetAsABitmap() {
    ScriptedMainWindow frame;
    frame.StartUp();
    QVERIFY(frame.Messages.empty());
    QVERIFY(frame.PreferencesRecord().PluginFolder.empty());
    const QImage bitmapSheet = frame.CardSheet().Image();
    const int w = frame.PreferencesRecord().CardWidth;
    const int h = frame.PreferencesRecord().CardHeight;
    QVERIFY(w > 0 && h > 0);

    const QString png = DefaultSheetAs("PNG", QStringLiteral("Cards.png"));
    QVERIFY(!png.isEmpty());
    QVERIFY(frame.CardSheet().Load(png));
    QVERIFY(frame.Messages.empty());
    QCOMPARE(frame.PreferencesRecord().CardWidth, w);
    QCOMPARE(frame.PreferencesRecord().CardHeight, h);
    QCOMPARE(frame.PreferencesRecord().CardPicturePath, png.toStdString());
    for (int code = 0; code < kSheetColumns * kSheetRows; ++code)
      QVERIFY2(Cell(frame.CardSheet().Image(), code, w, h) == Cell(bitmapSheet, code, w, h),
               qPrintable(QString::number(code)));
  }

  void aJpegSheetGivesTheSameCardSize() {
    ScriptedMainWindow frame;
    frame.StartUp();
    const int w = frame.PreferencesRecord().CardWidth;
    const int h = frame.PreferencesRecord().CardHeight;
    const QString jpeg = DefaultSheetAs("JPEG", QStringLiteral("Cards.jpeg"));
    QVERIFY(frame.CardSheet().Load(jpeg));
    QCOMPARE(frame.PreferencesRecord().CardWidth, w);
    QCOMPARE(frame.PreferencesRecord().CardHeight, h);
  }

  void aFolderSetByThePlayerIsSearchedInsteadOfTheShippedOne() {
    ScriptedMainWindow frame;
    frame.StartUp();
    const QString picture = WriteTestPicture(files_, QStringLiteral("sheet.zpic"));
    // The shipped folder holds no plug-in for these files.
    QVERIFY(!frame.CardSheet().Load(picture));
    frame.PreferencesRecord().PluginFolder =
        TestPluginFolder(QStringLiteral("scripted")).toStdString();
    QVERIFY(frame.CardSheet().Load(picture));
    QCOMPARE(frame.CardSheet().Image().pixelColor(0, 0), kOlive);
    QCOMPARE(frame.PreferencesRecord().CardWidth, 2);  // 16 x 14 pixels
    QCOMPARE(frame.PreferencesRecord().CardHeight, 2);
    // And the shipped one is not searched then.
    QVERIFY(!frame.CardSheet().Load(DefaultSheetAs("PNG", QStringLiteral("other.png"))));
  }

  void failedLoadsKeepThePreviousSheet_data() {
    QTest::addColumn<QString>("plugins");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QString>("name");
    QTest::newRow("no plug-in accepts the file")
        << TestPluginFolder(QStringLiteral("first-found")) << QStringList() << "notes.txt";
    QTest::newRow("no plug-ins in the folder")
        << files_.path() + QStringLiteral("/empty/") << QStringList() << "sheet.zpic";
    QTest::newRow("GetPictureInfo fails")
        << TestPluginFolder(QStringLiteral("info-fails")) << QStringList() << "sheet.zpic";
    QTest::newRow("GetPicture fails after GetPictureInfo")
        << TestPluginFolder(QStringLiteral("picture-fails")) << QStringList() << "sheet.zpic";
    QTest::newRow("zero width") << TestPluginFolder(QStringLiteral("scripted"))
                                << QStringList{"width 0"} << "sheet.zpic";
    QTest::newRow("negative height") << TestPluginFolder(QStringLiteral("scripted"))
                                     << QStringList{"height -14"} << "sheet.zpic";
    QTest::newRow("header taller than the record")
        << TestPluginFolder(QStringLiteral("scripted")) << QStringList{"headerHeight 28"}
        << "sheet.zpic";
    QTest::newRow("pixel size that does not match the rows")
        << TestPluginFolder(QStringLiteral("scripted")) << QStringList{"sizeImage 12"}
        << "sheet.zpic";
    QTest::newRow("no pixels") << TestPluginFolder(QStringLiteral("scripted"))
                               << QStringList{"nullPixels 1"} << "sheet.zpic";
  }

  void failedLoadsKeepThePreviousSheet() {
    QFETCH(QString, plugins);
    QFETCH(QStringList, script);
    QFETCH(QString, name);
    ScriptedMainWindow frame;
    frame.StartUp();
    Preferences& prefs = frame.PreferencesRecord();
    prefs.PluginFolder = plugins.toStdString();
    const QImage before = frame.CardSheet().Image();
    const std::string pathBefore = prefs.CardPicturePath;
    const int w = prefs.CardWidth;
    const int h = prefs.CardHeight;
    QVERIFY(QDir().mkpath(files_.filePath(QStringLiteral("empty"))));
    QString path = WriteTestPicture(files_, name, script);
    if (name == QLatin1String("notes.txt")) {
      QFile notes(path);
      QVERIFY(notes.open(QIODevice::WriteOnly));
      notes.write("no picture at all");
    }

    QVERIFY(!frame.CardSheet().Load(path));
    QCOMPARE(frame.Messages.size(), size_t(1));
    QCOMPARE(frame.Messages.back().Text, CannotOpen(path));
    QCOMPARE(frame.Messages.back().Caption, std::string("エラー：Zelvani"));
    QCOMPARE(frame.Messages.back().Icon, MsgIcon::Error);
    QCOMPARE(prefs.CardPicturePath, pathBefore);
    QCOMPARE(prefs.CardWidth, w);
    QCOMPARE(prefs.CardHeight, h);
    QCOMPARE(frame.CardSheet().Image(), before);
  }

  void backgroundsLoadThroughPlugins() {
    ScriptedMainWindow frame;
    frame.StartUp();
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(kBlue);
    const QString png = files_.filePath(QStringLiteral("back.png"));
    QVERIFY(picture.save(png, "PNG"));
    SeatWindow* seat = frame.SeatWindowOf(2);
    QVERIFY(seat->LoadBackground(png));
    QCOMPARE(frame.PreferencesRecord().SeatBackgrounds[2], png.toStdString());

    frame.PreferencesRecord().PluginFolder =
        TestPluginFolder(QStringLiteral("picture-fails")).toStdString();
    const QString broken = WriteTestPicture(files_, QStringLiteral("back.zpic"));
    QVERIFY(!seat->LoadBackground(broken));
    QCOMPARE(frame.Messages.back().Text, CannotOpen(broken));
    QVERIFY(frame.PreferencesRecord().SeatBackgrounds[2].empty());
  }

  void thePictureChoosersOfferWhatTheLoaderReads() {
    // The shipped plug-in says it reads PNG and JPEG: those come first, with bitmaps.
    QCOMPARE(PictureFilter(std::string()),
             QStringLiteral("画像ファイル (*.bmp *.png *.jpg *.jpeg)|*.bmp;*.png;*.jpg;*.jpeg|"
                            "ビットマップ (*.bmp)|*.bmp|全てのファイル (*.*)|*.*"));
    // Plug-ins that say nothing of their files, or none at all: bitmaps, or all files.
    for (const QString& folder :
         {TestPluginFolder(QStringLiteral("first-found")), QStringLiteral("/somewhere/plugins/")})
      QCOMPARE(PictureFilter(folder.toStdString()),
               QStringLiteral("ビットマップ (*.bmp)|*.bmp|全てのファイル (*.*)|*.*"));
  }
};

}  // namespace zelvani

QTEST_MAIN(zelvani::PictureLoaderFrameTest)
#include "PictureLoaderFrameTest.moc"
