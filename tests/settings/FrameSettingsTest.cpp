// The real frame reading its settings at start-up and writing them at close, through
// the INI file in a temporary configuration folder.
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "core/TfmMain.h"
#include "forms/ScriptedMain.h"
#include "score/SavedGame.h"
#include "ui/TfmHands.h"

using namespace zelvani;

namespace {

QByteArray Bytes(const std::vector<std::uint8_t>& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
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
      ScriptedMain frame;
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
    ScriptedMain frame;
    frame.StartUp();
    Game& game = frame.GameRecord();
    // The stored outer rectangle, frame included, once the frame is known.
    QTRY_COMPARE(OuterRect(&frame), (WinRect{40, 300, 600, 380}));
    QCOMPARE(game.Round, 3);
    QCOMPARE(game.Dealer, 3);
    QCOMPARE(game.Rules.OyaRule, 2);
    QCOMPARE(frame.SeatWindow(1)->windowTitle(), QStringLiteral("ゆうしゃ   [310点]"));
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

  void AnUnwritableFolderStillLetsTheFrameClose() {
    QFile blocker(folder_->path() + "/Hollyfen");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ScriptedMain frame;
    frame.StartUp();
    QVERIFY(frame.close());
    QVERIFY(frame.Messages.empty());
  }

 private:
  QString IniFile() const { return folder_->path() + "/Hollyfen/Zelvani.ini"; }

  std::unique_ptr<QTemporaryDir> folder_;
};

QTEST_MAIN(FrameSettingsTest)
#include "FrameSettingsTest.moc"
