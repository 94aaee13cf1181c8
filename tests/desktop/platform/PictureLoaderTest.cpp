// The picture loader with real plug-in libraries: which plug-ins it keeps, which one it
// asks and lets decode, how it treats failures and lies, and that it keeps no library.
#include <dirent.h>
#include <sys/stat.h>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "desktop/platform/PictureLoader.h"
#include "plugins/testing/TestPictures.h"

namespace zelvani {

using namespace testing;

namespace {

// The ".spi" files of a folder in the order the operating system lists them, read
// without Qt so that the loader's order is checked against the file system itself.
QStringList FileSystemOrder(const QString& folder) {
  QStringList names;
  DIR* dir = opendir(QFile::encodeName(folder).constData());
  if (!dir)
    return names;
  while (const dirent* entry = readdir(dir)) {
    const QString name = QFile::decodeName(entry->d_name);
    if (name.endsWith(QLatin1String(".spi"), Qt::CaseInsensitive))
      names << name;
  }
  closedir(dir);
  return names;
}

bool IsFilledWith(const QImage& image, const QColor& colour) {
  if (image.isNull())
    return false;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y).rgb() != colour.rgb())
        return false;
  return true;
}

bool CopyPlugin(const QString& from, const QString& toFolder, const QString& name) {
  return QFile::copy(from, QDir(toFolder).filePath(name));
}

QString TestPlugin(const QString& testCase, const QString& name) {
  return TestPluginFolder(testCase) + name;
}

}  // namespace

class PictureLoaderTest : public QObject {
  Q_OBJECT

  QTemporaryDir files_;

 private slots:
  void onlyLibrariesThatCanBeAskedAndDecodeAreKept() {
    PluginCallLog log;
    PictureLoader loader(TestPluginFolder(QStringLiteral("no-getpicture")),
                         WriteTestPicture(files_, QStringLiteral("kept.zpic")));
    loader.Enumerate();
    QCOMPARE(loader.Plugins().size(), size_t(1));
    QVERIFY(loader.Plugins()[0].GetPictureInfo);
    // The library without "GetPicture" was let go at once, the other one is still held.
    QCOMPARE(log.Of(QStringLiteral("nogetpicture")),
             QStringList({QStringLiteral("load"), QStringLiteral("unload")}));
    QCOMPARE(log.Of(QStringLiteral("green")), QStringList({QStringLiteral("load")}));
    QVERIFY(loader.Choose());
    QCOMPARE(loader.ChosenPlugin(), QStringLiteral("green.spi"));
    QVERIFY(loader.Decode());
    QVERIFY(IsFilledWith(loader.Result(), kGreen));
    QVERIFY(!log.Of(QStringLiteral("nogetpicture")).contains(QStringLiteral("IsSupported")));
  }

  void pluginFilesAreFoundInAnyCaseBehindLinksAndOthersAreSkipped() {
    QTemporaryDir folder;
    const QString red = TestPlugin(QStringLiteral("first-found"), QStringLiteral("red.spi"));
    QVERIFY(CopyPlugin(red, folder.path(), QStringLiteral("UPPER.SPI")));
    QVERIFY(CopyPlugin(red, folder.path(), QStringLiteral("Mixed.Spi")));
    QVERIFY(CopyPlugin(red, folder.path(), QStringLiteral("library.so")));
    QVERIFY(CopyPlugin(red, folder.path(), QStringLiteral("red.spi.bak")));
    QFile broken(folder.filePath(QStringLiteral("broken.spi")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("this is no library");
    broken.close();
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder.spi")));
    // Links count for what they lead to. Opened as a library, a pipe would wait for a
    // writer for ever.
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("UPPER.SPI")),
                        folder.filePath(QStringLiteral("linked.spi"))));
    const QString pipe = folder.filePath(QStringLiteral("pipe"));
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(QFile::link(pipe, folder.filePath(QStringLiteral("pipe.spi"))));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), folder.filePath(QStringLiteral("zero.spi"))));

    PictureLoader loader(folder.path() + QLatin1Char('/'), QStringLiteral("any.zpic"));
    loader.Enumerate();
    QStringList kept;
    for (const PluginEntry& entry : loader.Plugins())
      kept << QFileInfo(entry.Library->fileName()).fileName();
    kept.sort();
    QCOMPARE(kept, QStringList({QStringLiteral("Mixed.Spi"), QStringLiteral("UPPER.SPI"),
                                QStringLiteral("linked.spi")}));
  }

  void twoPluginsAcceptingAFileLetTheFirstFoundDecodeIt_data() {
    QTest::addColumn<QString>("folder");
    QTest::newRow("the build's folder") << TestPluginFolder(QStringLiteral("first-found"));
    // Two more folders filled in opposite orders, since some file systems list in the
    // order of creation.
    for (const auto& order : {QStringList{QStringLiteral("red.spi"), QStringLiteral("blue.spi")},
                              QStringList{QStringLiteral("blue.spi"), QStringLiteral("red.spi")}}) {
      const QString folder = files_.filePath(order.join(QLatin1Char('-')));
      QVERIFY(QDir().mkpath(folder));
      for (const QString& name : order)
        QVERIFY(CopyPlugin(TestPlugin(QStringLiteral("first-found"), name), folder, name));
      QTest::newRow(qPrintable(order.join(QStringLiteral(" then ")))) << folder + QLatin1Char('/');
    }
  }

  void twoPluginsAcceptingAFileLetTheFirstFoundDecodeIt() {
    QFETCH(QString, folder);
    const QStringList order = FileSystemOrder(folder);
    QCOMPARE(order.size(), 2);
    const QString first = QFileInfo(order[0]).completeBaseName();
    const QString second = QFileInfo(order[1]).completeBaseName();

    PluginCallLog log;
    PictureLoader loader(folder, WriteTestPicture(files_, QStringLiteral("both.zpic")));
    loader.Enumerate();
    QVERIFY(loader.Choose());
    QCOMPARE(loader.ChosenPlugin(), order[0]);
    QVERIFY(loader.Decode());
    QVERIFY(IsFilledWith(loader.Result(), first == QLatin1String("red") ? kRed : kBlue));
    QCOMPARE(log.Of(first),
             QStringList({QStringLiteral("load"), QStringLiteral("IsSupported"),
                          QStringLiteral("GetPictureInfo"), QStringLiteral("GetPicture")}));
    // The walk stopped at the first that said yes.
    QCOMPARE(log.Of(second), QStringList({QStringLiteral("load")}));
  }

  void theWalkGoesOnPastPluginsThatSayNo() {
    QTemporaryDir folder;
    QVERIFY(CopyPlugin(ShippedPlugins() + QStringLiteral("ifimage.spi"), folder.path(),
                       QStringLiteral("ifimage.spi")));
    QVERIFY(CopyPlugin(TestPlugin(QStringLiteral("first-found"), QStringLiteral("red.spi")),
                       folder.path(), QStringLiteral("red.spi")));
    const QString plugins = folder.path() + QLatin1Char('/');

    // Whichever the file system lists first, each file finds the one that reads it.
    const QImage test =
        LoadThroughPlugins(plugins, WriteTestPicture(files_, QStringLiteral("t.zpic")));
    QVERIFY(IsFilledWith(test, kRed));
    QImage png(9, 7, QImage::Format_RGB32);
    png.fill(kBlue);
    const QString pngPath = files_.filePath(QStringLiteral("walk.png"));
    QVERIFY(png.save(pngPath, "PNG"));
    QVERIFY(IsFilledWith(LoadThroughPlugins(plugins, pngPath), kBlue));
  }

  void aFileNoPluginAcceptsFails() {
    PluginCallLog log;
    const QString path = files_.filePath(QStringLiteral("notes.xyz"));
    QFile notes(path);
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("plain words, no picture");
    notes.close();
    PictureLoader loader(TestPluginFolder(QStringLiteral("first-found")), path);
    loader.Enumerate();
    QVERIFY(!loader.Choose());
    QVERIFY(loader.ChosenPlugin().isEmpty());
    QVERIFY(!loader.Decode());
    QVERIFY(loader.Result().isNull());
    // Both were asked, neither was let decode.
    for (const QString& plugin : {QStringLiteral("red"), QStringLiteral("blue")})
      QCOMPARE(log.Of(plugin),
               QStringList({QStringLiteral("load"), QStringLiteral("IsSupported")}));
  }

  void aFileThatCannotBeOpenedIsOfferedToNoPlugin() {
    PluginCallLog log;
    PictureLoader loader(TestPluginFolder(QStringLiteral("first-found")),
                         files_.filePath(QStringLiteral("missing.zpic")));
    loader.Enumerate();
    QCOMPARE(loader.Plugins().size(), size_t(2));
    QVERIFY(!loader.Choose());
    QVERIFY(!log.Lines().join(QLatin1Char('\n')).contains(QStringLiteral("IsSupported")));
  }

  void aFailingGetPictureInfoFailsTheLoad() {
    PluginCallLog log;
    const QImage image = LoadThroughPlugins(TestPluginFolder(QStringLiteral("info-fails")),
                                            WriteTestPicture(files_, QStringLiteral("i.zpic")));
    QVERIFY(image.isNull());
    QCOMPARE(log.Of(QStringLiteral("infofails")),
             QStringList({QStringLiteral("load"), QStringLiteral("IsSupported"),
                          QStringLiteral("GetPictureInfo"), QStringLiteral("unload")}));
  }

  void aGetPictureFailingAfterGetPictureInfoFailsTheLoad() {
    PluginCallLog log;
    const QImage image = LoadThroughPlugins(TestPluginFolder(QStringLiteral("picture-fails")),
                                            WriteTestPicture(files_, QStringLiteral("p.zpic")));
    QVERIFY(image.isNull());
    QCOMPARE(log.Of(QStringLiteral("picturefails")),
             QStringList({QStringLiteral("load"), QStringLiteral("IsSupported"),
                          QStringLiteral("GetPictureInfo"), QStringLiteral("GetPicture"),
                          QStringLiteral("unload")}));
  }

  void absurdOrInconsistentAnswersFailTheLoad_data() {
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<bool>("asksForPixels");
    const auto row = [](const char* name, QStringList script, bool asksForPixels = true) {
      QTest::newRow(name) << script << asksForPixels;
    };
    // The picture record alone is enough to refuse these.
    row("zero width", {"width 0"}, false);
    row("zero height", {"height 0"}, false);
    row("negative width", {"width -16"}, false);
    row("negative height", {"height -14"}, false);
    row("huge width", {"width 2000000000"}, false);
    row("huge height", {"height 70000"}, false);
    row("too many pixels", {"width 16384", "height 16384"}, false);
    // The header does not match the record or itself.
    row("header wider than the record", {"headerWidth 17"});
    row("header narrower than the record", {"headerWidth 15"});
    row("header taller than the record", {"headerHeight 15"});
    row("header of zero height", {"headerHeight 0"});
    row("pixel size larger than the rows", {"sizeImage 100000"});
    row("pixel size smaller than the rows", {"sizeImage 10"});
    row("pixel size left at 0", {"sizeImage 0"});
    row("short header", {"biSize 12"});
    row("longer header", {"biSize 124"});
    row("two planes", {"planes 2"});
    row("7 bits per pixel", {"bitCount 7"});
    row("no bits per pixel", {"bitCount 0"});
    row("run-length encoded", {"bitCount 8", "compression 1"});
    row("unknown compression", {"compression 99"});
    row("bit fields of 24 bits", {"bitCount 24", "compression 3"});
    row("more colours than 8 bits hold", {"bitCount 8", "clrUsed 300"});
    row("a colour table with 24 bits", {"bitCount 24", "clrUsed 5"});
    // Handles the plug-in did not fill, or a failure it reported itself.
    row("no bitmap information", {"nullInfo 1"});
    row("no pixels", {"nullPixels 1"});
    // One block handed out twice: refused, and freed once.
    row("one block for both handles", {"sameBlock 1"});
    row("the text block again as pixels", {"textAsPixels 1"});
    row("GetPicture says no", {"pictureResult 3"});
    row("GetPictureInfo says no", {"infoResult -1"}, false);
  }

  void absurdOrInconsistentAnswersFailTheLoad() {
    QFETCH(QStringList, script);
    QFETCH(bool, asksForPixels);
    PluginCallLog log;
    const QString path = WriteTestPicture(files_, QStringLiteral("lies.zpic"), script);
    QVERIFY(LoadThroughPlugins(TestPluginFolder(QStringLiteral("scripted")), path).isNull());
    QCOMPARE(log.Of(QStringLiteral("scripted")).contains(QStringLiteral("GetPicture")),
             asksForPixels);
    QCOMPARE(log.Of(QStringLiteral("scripted")).last(), QStringLiteral("unload"));
  }

  void everyUncompressedLayoutIsDecoded_data() {
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<int>("width");
    QTest::newRow("1 bit") << QStringList{"bitCount 1"} << 16;
    QTest::newRow("4 bits") << QStringList{"bitCount 4"} << 16;
    QTest::newRow("8 bits") << QStringList{"bitCount 8"} << 16;
    QTest::newRow("8 bits, one colour") << QStringList{"bitCount 8", "clrUsed 1"} << 16;
    QTest::newRow("16 bits") << QStringList{"bitCount 16"} << 16;
    QTest::newRow("16 bits, masks") << QStringList{"bitCount 16", "compression 3"} << 16;
    QTest::newRow("24 bits") << QStringList{"bitCount 24"} << 16;
    QTest::newRow("24 bits, padded rows") << QStringList{"bitCount 24", "width 5"} << 5;
    QTest::newRow("32 bits") << QStringList{"bitCount 32"} << 16;
    QTest::newRow("32 bits, masks") << QStringList{"bitCount 32", "compression 3"} << 16;
    QTest::newRow("top row first") << QStringList{"topDown 1"} << 16;
  }

  void everyUncompressedLayoutIsDecoded() {
    QFETCH(QStringList, script);
    QFETCH(int, width);
    const QString path = WriteTestPicture(files_, QStringLiteral("good.zpic"), script);
    const QImage image = LoadThroughPlugins(TestPluginFolder(QStringLiteral("scripted")), path);
    QCOMPARE(image.size(), QSize(width, 14));
    // 16-bit pixels keep 5 or 6 bits of a channel; 0x80 survives those exactly or nearly.
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor pixel = image.pixelColor(x, y);
        QVERIFY2(qAbs(pixel.red() - kOlive.red()) <= 4 &&
                     qAbs(pixel.green() - kOlive.green()) <= 4 && pixel.blue() <= 4,
                 qPrintable(pixel.name()));
      }
  }

  void theShippedPluginsRowsComeOutUpright() {
    // The shipped plug-in hands rows bottom first; a two-coloured picture shows whether
    // they end up the right way round.
    QImage picture(4, 6, QImage::Format_RGB32);
    picture.fill(kRed);
    for (int x = 0; x < 4; ++x)
      picture.setPixelColor(x, 0, kBlue);
    const QString path = files_.filePath(QStringLiteral("upright.png"));
    QVERIFY(picture.save(path, "PNG"));
    const QImage image = LoadThroughPlugins(ShippedPlugins(), path);
    QCOMPARE(image.pixelColor(0, 0), kBlue);
    QCOMPARE(image.pixelColor(3, 5), kRed);
  }

  void builtInExtensionsGoToTheBitmapReader_data() {
    QTest::addColumn<QString>("extension");
    for (const char* extension : {".ico", ".WMF", ".Emf"})
      QTest::newRow(extension) << extension;
  }

  void builtInExtensionsGoToTheBitmapReader() {
    QFETCH(QString, extension);
    PluginCallLog log;
    const QString folder = TestPluginFolder(QStringLiteral("first-found"));
    // A bitmap file under such a name is read as the bitmap it is.
    const QString bitmap = files_.filePath(QStringLiteral("bitmap") + extension);
    QImage picture(10, 8, QImage::Format_RGB32);
    picture.fill(kGreen);
    QVERIFY(picture.save(bitmap, "BMP"));
    QVERIFY(IsFilledWith(LoadThroughPlugins(folder, bitmap), kGreen));
    // Anything else under such a name fails, even when a plug-in would have read it.
    const QString other = WriteTestPicture(files_, QStringLiteral("other") + extension);
    QVERIFY(LoadThroughPlugins(folder, other).isNull());
    QVERIFY(!log.Lines().join(QLatin1Char('\n')).contains(QStringLiteral("IsSupported")));
  }

  void aLongExtensionIsTreatedLikeAnyOther() {
    const QString name = QStringLiteral("picture.") + QString(40, QLatin1Char('x'));
    PictureLoader loader(TestPluginFolder(QStringLiteral("scripted")),
                         WriteTestPicture(files_, name));
    loader.Enumerate();
    QVERIFY(loader.Choose());
    QCOMPARE(loader.Extension(), QStringLiteral(".") + QString(40, QLatin1Char('X')));
    QVERIFY(loader.Decode());
    QVERIFY(IsFilledWith(loader.Result(), kOlive));
  }

  void everyLibraryIsUnloadedBeforeTheLoadReturns() {
    PluginCallLog log;
    const QString good = WriteTestPicture(files_, QStringLiteral("u.zpic"));
    QVERIFY(!LoadThroughPlugins(TestPluginFolder(QStringLiteral("first-found")), good).isNull());
    QVERIFY(LoadThroughPlugins(TestPluginFolder(QStringLiteral("picture-fails")), good).isNull());
    QVERIFY(LoadThroughPlugins(TestPluginFolder(QStringLiteral("first-found")),
                               files_.filePath(QStringLiteral("missing.zpic")))
                .isNull());
    for (const QString& plugin :
         {QStringLiteral("red"), QStringLiteral("blue"), QStringLiteral("picturefails")}) {
      const QStringList events = log.Of(plugin);
      QVERIFY(!events.isEmpty());
      QCOMPARE(events.count(QStringLiteral("load")), events.count(QStringLiteral("unload")));
      QCOMPARE(events.last(), QStringLiteral("unload"));
    }
  }

  void aPluginReplacedOnDiskIsUsedAtTheNextLoad() {
    QTemporaryDir folder;
    const QString plugins = folder.path() + QLatin1Char('/');
    const QString installed = folder.filePath(QStringLiteral("x.spi"));
    const QString picture = WriteTestPicture(files_, QStringLiteral("r.zpic"));
    QVERIFY(QFile::copy(TestPlugin(QStringLiteral("first-found"), QStringLiteral("red.spi")),
                        installed));
    QVERIFY(IsFilledWith(LoadThroughPlugins(plugins, picture), kRed));
    QVERIFY(QFile::remove(installed));
    QVERIFY(QFile::copy(TestPlugin(QStringLiteral("first-found"), QStringLiteral("blue.spi")),
                        installed));
    QVERIFY(IsFilledWith(LoadThroughPlugins(plugins, picture), kBlue));
    QVERIFY(QFile::remove(installed));
    QVERIFY(LoadThroughPlugins(plugins, picture).isNull());
  }

  void theShippedPluginReadsPngAndJpeg() {
    QImage picture(33, 21, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x)
        picture.setPixel(x, y, qRgb(x * 7, y * 11, (x * y) % 256));
    const QString png = files_.filePath(QStringLiteral("shipped.PNG"));
    QVERIFY(picture.save(png, "PNG"));
    QCOMPARE(LoadThroughPlugins(ShippedPlugins(), png).convertToFormat(QImage::Format_RGB32),
             picture);

    QImage flat(40, 30, QImage::Format_RGB32);
    flat.fill(QColor(200, 100, 50));
    const QString jpeg = files_.filePath(QStringLiteral("shipped.jpg"));
    QVERIFY(flat.save(jpeg, "JPEG", 95));
    const QImage read = LoadThroughPlugins(ShippedPlugins(), jpeg);
    QCOMPARE(read.size(), flat.size());
    const QColor middle = read.pixelColor(20, 15);
    QVERIFY(qAbs(middle.red() - 200) <= 6 && qAbs(middle.green() - 100) <= 6 &&
            qAbs(middle.blue() - 50) <= 6);
  }

  void theShippedPluginRefusesWhatItCannotRead() {
    // Another format under a PNG name, and a PNG cut short.
    QImage picture(64, 64, QImage::Format_RGB32);
    picture.fill(kRed);
    const QString bmp = files_.filePath(QStringLiteral("really-a-bitmap.png"));
    QVERIFY(picture.save(bmp, "BMP"));
    QVERIFY(LoadThroughPlugins(ShippedPlugins(), bmp).isNull());

    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 64; ++x)
        picture.setPixel(x, y, qRgb(x * 4, y * 4, (x ^ y) * 4));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QVERIFY(picture.save(&buffer, "PNG"));
    QFile cut(files_.filePath(QStringLiteral("cut.png")));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() / 3));
    cut.close();
    QVERIFY(LoadThroughPlugins(ShippedPlugins(), cut.fileName()).isNull());
  }
};

}  // namespace zelvani

QTEST_MAIN(zelvani::PictureLoaderTest)
#include "PictureLoaderTest.moc"
