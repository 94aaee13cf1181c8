// The real frame reading its settings at start-up and writing them at close, through
// the INI file in a temporary configuration folder, under the game's own application
// object.
#include <sys/stat.h>
#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>

#include "desktop/app/Application.h"
#include "desktop/mainwindow/MainWindow.h"
#include "desktop/mainwindow/OptionsDialog.h"
#include "desktop/table/SeatWindow.h"
#include "logic/play/GameCommands.h"
#include "logic/scoring/SavedGame.h"
#include "logic/storage/Registry.h"
#include "logic/table/SeatNames.h"
#include "support/ScriptedMainWindow.h"

using namespace zelvani;

namespace {

QByteArray Bytes(const std::vector<std::uint8_t>& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Settings as an editor saves them in UTF-16: not one line of it reads as INI.
QByteArray Utf16File(const QString& text) {
  QByteArray bytes("\xff\xfe");
  for (const QChar c : text) {
    bytes.append(static_cast<char>(c.unicode() & 0xFF));
    bytes.append(static_cast<char>(c.unicode() >> 8));
  }
  return bytes;
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

class FrameSettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_.reset(new QTemporaryDir);
    QVERIFY(folder_->isValid());
    // The user's own configuration folder is never touched.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder_->path()));
  }

  void AFirstRunWritesEverySectionAtClose() {
    {
      ScriptedMainWindow frame;
      frame.StartUp();
      QVERIFY(!QFile::exists(IniFile()));
      QVERIFY(frame.close());
    }
    QSettings ini(IniFile(), QSettings::IniFormat);
    QCOMPARE(ini.status(), QSettings::NoError);
    QCOMPARE(ini.value("Rule/StartPoint").toString(), QStringLiteral("300"));
    QCOMPARE(ini.value("Rule/Oya").toString().toInt() / 10, 0);
    QCOMPARE(ini.value("Form/Player2/Name").toString(), QStringLiteral("タンタル"));
    QCOMPARE(ini.value("Options/CardPicture").toString(), QStringLiteral("Cards.bmp"));
    QCOMPARE(ini.value("Options/Sound2").toString(), QStringLiteral("Suteru.wav"));
    QCOMPARE(ini.value("Score/Data2").toByteArray(), QByteArray(16, '\0'));
    QCOMPARE(ini.value("Score/Data0").toByteArray().size(), 440);
    QVERIFY(!ini.contains("Score/Now"));
  }

  void StoredPlacesNamesAndAGameInProgressComeBack() {
    {
      QSettings ini(IniFile(), QSettings::IniFormat);
      ini.setValue("Form/Main/Left", "40");
      ini.setValue("Form/Main/Top", "300");
      ini.setValue("Form/Main/Width", "600");
      ini.setValue("Form/Main/Height", "380");
      ini.setValue("Form/Player1/Name", "ゆうしゃ");
      ini.setValue("Rule/Oya", "23");
      ini.setValue("Score/Now", Bytes(EncodeNow({3, {280, 310, 265, 305}})));
      ini.setValue("Score/Histry1", "ゆうしゃ,305,290,310");
    }
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    // The stored outer rectangle, frame included, once the frame is known.
    QTRY_COMPARE(OuterRect(&frame), (WinRect{40, 300, 600, 380}));
    QCOMPARE(game.Round, 3);
    QCOMPARE(game.Dealer, 3);
    QCOMPARE(game.Rules.DealerRule, 2);
    QCOMPARE(frame.SeatWindowOf(1)->windowTitle(), QStringLiteral("ゆうしゃ   [310点]"));
    QCOMPARE(game.Score.RowCount(), 10);
    QCOMPARE(QString::fromStdString(game.Score.Cell(2, 3)), QStringLiteral("310"));
    QCOMPARE(QString::fromStdString(game.Score.Cell(0, 3)), QStringLiteral("第3回戦："));
    QVERIFY(frame.Messages.empty());

    game.Seats[0].Point = 1;
    QVERIFY(frame.close());
    QSettings ini(IniFile(), QSettings::IniFormat);
    QCOMPARE(ini.value("Score/Now").toByteArray(), Bytes(EncodeNow({3, {1, 310, 265, 305}})));
    QCOMPARE(ini.value("Score/Histry1").toString(), QStringLiteral("ゆうしゃ,305,290,310"));
    QCOMPARE(ini.value("Rule/Oya").toString(), QStringLiteral("23"));
    QCOMPARE(ini.value("Form/Main/Left").toString(), QStringLiteral("40"));
  }

  void ADamagedFileIsBackedUpBeforeTheCloseWritesOverIt() {
    const QByteArray damaged =
        Utf16File(QStringLiteral("[Form\\Player1]\r\nName=ゆうしゃ\r\n[Score]\r\nData2=x\r\n"));
    WriteIni(damaged);
    // As the game starts: the store opened first for the table scale, then handed on.
    StartAndClose(Application::OpenStoreAndScale());
    QCOMPARE(ReadFile(IniFile() + ".bad"), damaged);
    QSettings ini(IniFile(), QSettings::IniFormat);
    QCOMPARE(ini.status(), QSettings::NoError);
    QCOMPARE(ini.value("Rule/StartPoint").toString(), QStringLiteral("300"));

    // Another damaged file later gets a copy of its own; the first one stays as it was.
    const QByteArray again = damaged + damaged;
    WriteIni(again);
    StartAndClose();
    QCOMPARE(ReadFile(IniFile() + ".bad"), damaged);
    QCOMPARE(ReadFile(IniFile() + ".2.bad"), again);
    // The same damage once more is kept already.
    WriteIni(again);
    StartAndClose();
    QVERIFY(!QFile::exists(IniFile() + ".3.bad"));
  }

  void LeftOutDataIsBackedUpAndMissingPicturesStayChosen() {
    {
      QSettings ini(IniFile(), QSettings::IniFormat);
      ini.setValue("Options/CardPicture", "/nowhere/mine.bmp");
      ini.setValue("Form/Player2/Back", "/nowhere/felt.bmp");
      ini.setValue("Score/Data0", QByteArray(100, 'x'));  // a high-score table cut short
    }
    const QByteArray original = ReadFile(IniFile());
    {
      ScriptedMainWindow frame;
      frame.StartUp();
      QCOMPARE(frame.Messages.size(), std::size_t(2));
      QCOMPARE(QString::fromStdString(frame.Messages[0].Text),
               QStringLiteral("画像ファイル /nowhere/mine.bmp は開けません。"));
      // The shipped sheet is on the table meanwhile.
      QCOMPARE(frame.CardSheet().File(), QStringLiteral("Cards.bmp"));
      QCOMPARE(frame.PreferencesRecord().CardWidth, 71);
      QVERIFY(frame.close());
    }
    QCOMPARE(ReadFile(IniFile() + ".bad"), original);
    QSettings ini(IniFile(), QSettings::IniFormat);
    QCOMPARE(ini.value("Options/CardPicture").toString(), QStringLiteral("/nowhere/mine.bmp"));
    QCOMPARE(ini.value("Form/Player2/Back").toString(), QStringLiteral("/nowhere/felt.bmp"));
    QCOMPARE(ini.value("Score/Data0").toByteArray().size(), 440);
  }

  void TheOptionsLoadAMissingSheetOnceItIsBackOrTheShippedOne() {
    const QString mine = folder_->filePath(QStringLiteral("usb/mine.bmp"));
    QSettings(IniFile(), QSettings::IniFormat).setValue("Options/CardPicture", mine);
    ScriptedMainWindow frame;
    frame.StartUp();
    QCOMPARE(frame.Messages.size(), std::size_t(1));
    // Its drive is back: OK with the name unchanged puts it on the table.
    QVERIFY(QDir().mkpath(folder_->filePath(QStringLiteral("usb"))));
    QVERIFY(QFile::copy(QStringLiteral("Cards.bmp"), mine));
    {
      OptionsDialog dialog(frame);
      dialog.FillOptions();
      dialog.ApplyOptions();
    }
    QCOMPARE(frame.CardSheet().File(), mine);
    // And the shipped sheet can always be chosen back.
    const QString shipped = QFileInfo(QStringLiteral("Cards.bmp")).absoluteFilePath();
    OptionsDialog dialog(frame);
    dialog.FillOptions();
    dialog.FileChosen(0, shipped);
    dialog.ApplyOptions();
    QCOMPARE(QString::fromStdString(frame.PreferencesRecord().CardPicturePath), shipped);
    QCOMPARE(frame.CardSheet().File(), shipped);
    QCOMPARE(frame.Messages.size(), std::size_t(1));  // the start's own
  }

  void AFailedSaveIsReportedAndTheFrameStillCloses_data() {
    QTest::addColumn<bool>("folderIsAFile");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a file where the folder belongs")
        << true << "理由：保存先のフォルダーの途中にファイルがあります。";
    QTest::newRow("a folder where the file belongs")
        << false << "理由：ファイルの場所にフォルダーがあります。";
  }

  void AFailedSaveIsReportedAndTheFrameStillCloses() {
    QFETCH(bool, folderIsAFile);
    QFETCH(QString, reason);
    if (folderIsAFile) {
      QFile blocker(folder_->path() + "/Hollyfen");
      QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else {
      QVERIFY(QDir().mkpath(IniFile()));
    }
    ScriptedMainWindow frame;
    frame.StartUp();
    QVERIFY(frame.close());
    QCOMPARE(frame.Messages.size(), std::size_t(1));
    const QString text = QString::fromStdString(frame.Messages[0].Text);
    QVERIFY2(text.startsWith(QStringLiteral("設定と成績を保存できませんでした。")),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("保存先：") + IniFile()), qPrintable(text));
    QVERIFY2(text.contains(reason), qPrintable(text));
    QCOMPARE(frame.Messages[0].Icon, MsgIcon::Error);
  }

  void APipeInPlaceOfTheFileGivesDefaultsAndAFailedSave() {
    QVERIFY(QDir().mkpath(folder_->path() + "/Hollyfen"));
    QCOMPARE(mkfifo(QFile::encodeName(IniFile()).constData(), 0600), 0);
    // As the game starts: the table scale is read before anything else.
    ScriptedMainWindow frame;
    frame.Settings().UseStore(Application::OpenStoreAndScale());
    frame.StartUp();
    QCOMPARE(frame.SeatWindowOf(2)->windowTitle(), QStringLiteral("タンタル"));
    QVERIFY(frame.close());
    QCOMPARE(frame.Messages.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(frame.Messages[0].Text)
                .contains(QStringLiteral("理由：通常のファイルではありません。")));
    QVERIFY(!QFileInfo(IniFile()).isFile());
    QVERIFY(!QFile::exists(IniFile() + ".bad"));
  }

  void OnlyALinkToARegularFileIsWrittenThrough() {
    QVERIFY(QDir().mkpath(folder_->path() + "/Hollyfen"));
    const QString pipe = folder_->filePath("pipe");
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(QFile::link(pipe, IniFile()));
    {
      ScriptedMainWindow frame;
      frame.Settings().UseStore(Application::OpenStoreAndScale());
      frame.StartUp();
      QVERIFY(frame.close());
      QCOMPARE(frame.Messages.size(), std::size_t(1));
      QVERIFY(QString::fromStdString(frame.Messages[0].Text)
                  .contains(QStringLiteral("理由：通常のファイルではありません。")));
    }
    QVERIFY(QFileInfo(IniFile()).isSymLink());
    QVERIFY(!QFileInfo(pipe).isFile());

    // Settings kept elsewhere and linked in, as dotfiles are.
    const QString kept = folder_->filePath("dotfiles/Zelvani.ini");
    QVERIFY(QDir().mkpath(folder_->filePath("dotfiles")));
    QSettings(kept, QSettings::IniFormat).setValue("Form/Player1/Name", "ゆうしゃ");
    QVERIFY(QFile::remove(IniFile()));
    QVERIFY(QFile::link(kept, IniFile()));
    {
      ScriptedMainWindow frame;
      frame.Settings().UseStore(Application::OpenStoreAndScale());
      frame.StartUp();
      QCOMPARE(frame.SeatWindowOf(1)->windowTitle(), QStringLiteral("ゆうしゃ"));
      SetPlayerName(frame.GameRecord(), 2, "まほう");
      QVERIFY(frame.close());
      QVERIFY(frame.Messages.empty());
    }
    QCOMPARE(QFileInfo(IniFile()).symLinkTarget(), kept);
    QCOMPARE(QSettings(kept, QSettings::IniFormat).value("Form/Player2/Name").toString(),
             QStringLiteral("まほう"));
  }

  void WhatTheSaveWouldChangeBesidesThePlayersChangesIsBackedUp_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("a name that is not UTF-8") << QByteArray("[Form]\nPlayer1\\Name=\xff\xfe\n");
    QTest::newRow("a key given twice") << QByteArray("[Rule]\nStartPoint=200\nStartPoint=400\n");
  }

  void WhatTheSaveWouldChangeBesidesThePlayersChangesIsBackedUp() {
    QFETCH(QByteArray, stored);
    WriteIni(stored);
    StartAndClose(Application::OpenStoreAndScale());
    QCOMPARE(ReadFile(IniFile() + ".bad"), stored);
    // The file the game wrote itself is written again without another copy.
    StartAndClose();
    QVERIFY(!QFile::exists(IniFile() + ".2.bad"));
  }

  void HugeNamesAndPathsAreCutAtStartAndBackedUp() {
    const QByteArray huge(1 << 20, 'x');
    const QByteArray stored = "[Form]\nPlayer1\\Name=" + huge + "\nPlayer2\\Back=/" + huge +
                              "\n[Options]\nCardPicture=/" + huge + "\nSound1=/" + huge + "\n";
    WriteIni(stored);
    {
      ScriptedMainWindow frame;
      frame.Settings().UseStore(Application::OpenStoreAndScale());
      frame.StartUp();
      const Game& game = frame.GameRecord();
      QVERIFY(!game.Seats[1].PlayerName.empty());
      QVERIFY(game.Seats[1].PlayerName.size() <= 256);
      QVERIFY(frame.PreferencesRecord().SeatBackgrounds[2].empty());
      QCOMPARE(QString::fromStdString(frame.PreferencesRecord().CardPicturePath),
               QStringLiteral("Cards.bmp"));
      // No path that long was offered to any loader.
      QVERIFY(frame.Messages.empty());
      QVERIFY(frame.close());
    }
    QCOMPARE(ReadFile(IniFile() + ".bad"), stored);
    QSettings ini(IniFile(), QSettings::IniFormat);
    QCOMPARE(ini.value("Options/Sound1").toString(), QStringLiteral("Click.wav"));
  }

  void AHalfCopiedPluginIsSkippedAndTheWholeOneReadsTheBackground() {
    const QString plugins = folder_->filePath("plugins");
    QVERIFY(QDir().mkpath(plugins));
    QFile shipped(QStringLiteral("plugins/ifimage.spi"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    const QByteArray library = shipped.readAll();
    // Cut where a copy under way may stand; listed before the whole one or after it.
    for (const int kib : {1, 4, 8, 64}) {
      QFile cut(plugins + QStringLiteral("/cut%1.spi").arg(kib));
      QVERIFY(cut.open(QIODevice::WriteOnly));
      cut.write(library.left(kib * 1024));
    }
    QFile whole(plugins + "/whole.spi");
    QVERIFY(whole.open(QIODevice::WriteOnly));
    whole.write(library);
    whole.close();
    const QString picture = folder_->filePath("back.png");
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(picture, "PNG"));
    QDir().mkpath(folder_->path() + "/Morwick");
    QSettings(folder_->path() + "/Morwick/Susie.ini", QSettings::IniFormat)
        .setValue("Plug-in/Path", plugins);
    QSettings(IniFile(), QSettings::IniFormat).setValue("Form/Player1/Back", picture);

    ScriptedMainWindow frame;
    frame.StartUp();
    QVERIFY(frame.Messages.empty());
    QCOMPARE(frame.SeatWindowOf(1)->BackgroundPicture().pixelColor(0, 0), QColor(Qt::red));
    QVERIFY(frame.close());
  }

  void AnErrorNothingCaughtIsReportedAndTheGameSaved() {
    QSettings(IniFile(), QSettings::IniFormat)
        .setValue("Score/Now", Bytes(EncodeNow({2, {280, 310, 265, 305}})));
    ScriptedMainWindow frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    SetPlayerName(game, 1, "ゆうしゃ");
    StartRound(game);
    QCOMPARE(game.Round, 3);
    QTimer::singleShot(0, &frame, [] { throw std::runtime_error("broken table"); });
    QCOMPARE(QApplication::exec(), 1);
    QCOMPARE(frame.Messages.size(), std::size_t(1));
    QVERIFY(
        QString::fromStdString(frame.Messages[0].Text).contains(QStringLiteral("broken table")));
    // Saved as a confirmed close saves: the round in play is not kept.
    QSettings ini(IniFile(), QSettings::IniFormat);
    QCOMPARE(ini.value("Form/Player1/Name").toString(), QStringLiteral("ゆうしゃ"));
    QCOMPARE(ini.value("Score/Now").toByteArray(), Bytes(EncodeNow({2, {280, 310, 265, 305}})));
  }

  void WindowsStoredOffEveryScreenAreArrangedAnew() {
    {
      QSettings ini(IniFile(), QSettings::IniFormat);
      ini.setValue("Form/Main/Left", "-3000");
      ini.setValue("Form/Main/Top", "-3000");
      ini.setValue("Form/Player1/Left", "9000");
    }
    ScriptedMainWindow frame;
    frame.StartUp();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QTRY_VERIFY(screen.contains(frame.frameGeometry()));
    for (int seat = 0; seat < kSeatCount; ++seat)
      QVERIFY(screen.intersects(frame.SeatWindowOf(seat)->frameGeometry()));
  }

  void WindowsStoredLargerThanTheScreenAreCutToIt() {
    {
      QSettings ini(IniFile(), QSettings::IniFormat);
      for (const char* key : {"Form/Main", "Form/Player1"}) {
        ini.setValue(QString::fromLatin1(key) + "/Width", "10000");
        ini.setValue(QString::fromLatin1(key) + "/Height", "10000");
      }
    }
    ScriptedMainWindow frame;
    frame.StartUp();
    const QSize screen = QGuiApplication::primaryScreen()->availableVirtualGeometry().size();
    for (const QWidget* window :
         {static_cast<QWidget*>(&frame), static_cast<QWidget*>(frame.SeatWindowOf(1))}) {
      QTRY_VERIFY(window->frameGeometry().width() <= screen.width());
      QVERIFY(window->frameGeometry().height() <= screen.height());
    }
  }

 private:
  QString IniFile() const { return folder_->path() + "/Hollyfen/Zelvani.ini"; }

  void WriteIni(const QByteArray& bytes) const {
    QDir().mkpath(folder_->path() + "/Hollyfen");
    QFile file(IniFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  static void StartAndClose(std::unique_ptr<Registry> store = nullptr) {
    ScriptedMainWindow frame;
    if (store)
      frame.Settings().UseStore(std::move(store));
    frame.StartUp();
    QVERIFY(frame.close());
  }

  std::unique_ptr<QTemporaryDir> folder_;
};

int main(int argc, char* argv[]) {
  Application app(argc, argv);
  FrameSettingsTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "FrameSettingsTest.moc"
