// The QSettings back end of the settings store, in a temporary folder.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "desktop/platform/QtRegistry.h"

using namespace zelvani;

namespace {

const std::string kRule = "Software\\Hollyfen\\Zelvani\\Rule";
const std::string kScore = "Software\\Hollyfen\\Zelvani\\Score";
const std::vector<std::uint8_t> kBytes = {0, 1, 0xFF, 0x80, '\n', ',', '"', 0};

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& data) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(data);
}

// Makes a folder refuse new files, even to root (through the immutable flag); undone
// when it goes out of scope.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const QString& path) : path_(path) {
    if (geteuid() != 0) {
      locked_ = QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
      return;
    }
    const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
      return;
    int flags = 0;
    if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags |= FS_IMMUTABLE_FL;
      locked_ = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    close(fd);
  }
  ~ReadOnlyFolder() {
    if (!locked_)
      return;
    if (geteuid() != 0) {
      QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
      return;
    }
    const int fd = open(QFile::encodeName(path_).constData(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags &= ~FS_IMMUTABLE_FL;
      ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    close(fd);
  }
  bool Locked() const { return locked_; }

 private:
  QString path_;
  bool locked_ = false;
};

}  // namespace

class QtRegistryTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // Whatever the code under test does, the user's own settings stay out of reach.
    QVERIFY(config_.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
  }

  void ProgramKeysAreFilesAndSubkeysAreGroups() {
    QTemporaryDir folder;
    {
      QtRegistry registry(folder.path());
      auto rule = registry.OpenKey("\\" + kRule, true);
      QVERIFY(rule);
      QVERIFY(rule->WriteString("StartPoint", "300"));
      auto player = registry.OpenKey("Software\\Hollyfen\\Zelvani\\Form\\Player2", true);
      QVERIFY(player->WriteString("Name", "タンタル"));
      QVERIFY(registry.Flush());
    }
    const QString file = folder.path() + "/Hollyfen/Zelvani.ini";
    QCOMPARE(QtRegistry(folder.path()).FileOf(kRule), file);
    QSettings settings(file, QSettings::IniFormat);
    QCOMPARE(settings.value("Rule/StartPoint").toString(), QStringLiteral("300"));
    QCOMPARE(settings.value("Form/Player2/Name").toString(), QStringLiteral("タンタル"));
  }

  void TextAndBinaryValuesRoundTrip() {
    QTemporaryDir folder;
    const std::string name = "あなた, \"一番\" ＠ ~\\ ①";
    {
      QtRegistry registry(folder.path());
      auto score = registry.OpenKey(kScore, true);
      QVERIFY(score->WriteString("Histry0", name));
      QVERIFY(score->WriteString("Empty", ""));
      QVERIFY(score->WriteString("At", "@ByteArray(x)"));
      QVERIFY(score->WriteBinary("Now", kBytes));
      QVERIFY(registry.Flush());
    }
    QtRegistry registry(folder.path());
    auto score = registry.OpenKey(kScore, false);
    QVERIFY(score);
    const auto text = score->ReadString("Histry0");
    QVERIFY(text.Ok());
    QCOMPARE(QString::fromStdString(text.Value), QString::fromStdString(name));
    QVERIFY(score->ReadString("Empty").Ok());
    QCOMPARE(score->ReadString("Empty").Value, std::string());
    QCOMPARE(score->ReadString("At").Value, std::string("@ByteArray(x)"));
    const auto bytes = score->ReadBinary("Now");
    QVERIFY(bytes.Ok());
    QVERIFY(bytes.Value == kBytes);
  }

  void ReadsTellMissingFromWrongType() {
    QTemporaryDir folder;
    QtRegistry registry(folder.path());
    auto score = registry.OpenKey(kScore, true);
    score->WriteString("Text", "1");
    score->WriteBinary("Binary", kBytes);
    QVERIFY(score->ValueExists("Text"));
    QVERIFY(!score->ValueExists("Nothing"));
    QCOMPARE(score->ReadString("Nothing").Status, ReadStatus::Missing);
    QCOMPARE(score->ReadBinary("Nothing").Status, ReadStatus::Missing);
    QCOMPARE(score->ReadString("Binary").Status, ReadStatus::WrongType);
    QCOMPARE(score->ReadBinary("Text").Status, ReadStatus::WrongType);
  }

  void HandWrittenListsAndTypedValuesAreTheWrongType() {
    QTemporaryDir folder;
    WriteFile(folder.path() + "/Hollyfen/Zelvani.ini",
              "[Rule]\nStartPoint=1, 2\nEndTerm=@Rect(1 2 3 4)\nRyukyoku=4\n");
    QtRegistry registry(folder.path());
    auto rule = registry.OpenKey(kRule, false);
    QVERIFY(rule);
    QCOMPARE(rule->ReadString("StartPoint").Status, ReadStatus::WrongType);
    QCOMPARE(rule->ReadString("EndTerm").Status, ReadStatus::WrongType);
    QCOMPARE(rule->ReadString("Ryukyoku").Value, std::string("4"));
  }

  void DeletingRemovesOnlyThatValue() {
    QTemporaryDir folder;
    {
      QtRegistry registry(folder.path());
      auto score = registry.OpenKey(kScore, true);
      score->WriteBinary("Now", kBytes);
      score->WriteString("Histry0", "x");
      QVERIFY(score->DeleteValue("Now"));
      QVERIFY(score->DeleteValue("NeverThere"));
      QVERIFY(registry.Flush());
    }
    QtRegistry registry(folder.path());
    auto score = registry.OpenKey(kScore, false);
    QVERIFY(!score->ValueExists("Now"));
    QVERIFY(score->ValueExists("Histry0"));
  }

  void OpeningWithoutCreatingFindsOnlyKeysThatExist() {
    QTemporaryDir folder;
    QtRegistry registry(folder.path());
    QVERIFY(!registry.OpenKey("Software\\Morwick\\Susie\\Plug-in", false));
    QVERIFY(registry.OpenKey("Software\\Hollyfen\\Zelvani", true));
    QVERIFY(!registry.OpenKey("Other\\Place", true));
    WriteFile(folder.path() + "/Morwick/Susie.ini", "[Plug-in]\nPath=/opt/spi\n[Other]\nx=1\n");
    QtRegistry viewer(folder.path());
    auto plugin = viewer.OpenKey("\\Software\\Morwick\\Susie\\Plug-in", false);
    QVERIFY(plugin);
    QCOMPARE(plugin->ReadString("Path").Value, std::string("/opt/spi"));
    QVERIFY(!viewer.OpenKey("Software\\Morwick\\Susie\\Missing", false));
    // Reading another program's key never writes to it.
    QVERIFY(viewer.Flush());
    QCOMPARE(ReadFile(folder.path() + "/Morwick/Susie.ini"),
             QByteArray("[Plug-in]\nPath=/opt/spi\n[Other]\nx=1\n"));
  }

  void AFileThatIsNotIniKeepsWhatItCanAndIsCopiedAsideAtOnce() {
    QTemporaryDir folder;
    const QString file = folder.path() + "/Hollyfen/Zelvani.ini";
    const QByteArray garbage("\x01\x02 not an ini file\n[Rule]\nStartPoint=250\nno equals here\n");
    WriteFile(file, garbage);
    QtRegistry registry(folder.path());
    auto rule = registry.OpenKey(kRule, false);
    QVERIFY(rule);
    QCOMPARE(rule->ReadString("StartPoint").Value, std::string("250"));
    // Copied when first read, so a second store object that does not see the damage
    // (QSettings hands it the file already parsed) cannot write over the only copy.
    QCOMPARE(ReadFile(file + ".bad"), garbage);
    QVERIFY(rule->WriteString("EndTerm", "10"));
    QVERIFY(registry.Flush());
    QCOMPARE(ReadFile(file + ".bad"), garbage);
    QSettings written(file, QSettings::IniFormat);
    QCOMPARE(written.value("Rule/EndTerm").toString(), QStringLiteral("10"));
    QCOMPARE(written.status(), QSettings::NoError);
    // A second flush keeps the set-aside copy as it was.
    QVERIFY(registry.Flush());
    QCOMPARE(ReadFile(file + ".bad"), garbage);
  }

  void AFileThatCannotBeCopiedAsideIsNeverWrittenOver() {
    QTemporaryDir folder;
    const QString file = folder.path() + "/Hollyfen/Zelvani.ini";
    const QByteArray garbage("\x01\x02 not an ini file\n");
    WriteFile(file, garbage);
    auto registry = std::make_unique<QtRegistry>(folder.path());
    {
      ReadOnlyFolder locked(folder.path() + "/Hollyfen");
      if (!locked.Locked())
        QSKIP("cannot make a folder read-only here");
      QVERIFY(registry->OpenKey(kRule, true)->WriteString("StartPoint", "999"));
      QVERIFY(!registry->Flush());
      QCOMPARE(QString::fromStdString(registry->LastFailure().Place), file + ".bad");
    }
    // Writable again, but still without a copy: the values are dropped, not written.
    registry.reset();
    QCOMPARE(ReadFile(file), garbage);
  }

  void AFolderThatCannotBeMadeFailsTheFlush() {
    QTemporaryDir folder;
    WriteFile(folder.path() + "/Hollyfen", "a file where the folder belongs");
    QtRegistry registry(folder.path());
    auto rule = registry.OpenKey(kRule, true);
    QVERIFY(rule->WriteString("StartPoint", "300"));
    QVERIFY(!registry.Flush());
  }

  void AFailedFlushLeavesThePreviousFileWhole() {
    QTemporaryDir folder;
    const QString file = folder.path() + "/Hollyfen/Zelvani.ini";
    WriteFile(file, "[Rule]\nStartPoint=250\n");
    const QByteArray before = ReadFile(file);
    {
      ReadOnlyFolder locked(folder.path() + "/Hollyfen");
      if (!locked.Locked())
        QSKIP("cannot make a folder read-only here");
      QtRegistry registry(folder.path());
      auto rule = registry.OpenKey(kRule, true);
      QVERIFY(rule->WriteString("StartPoint", "999"));
      QVERIFY(!registry.Flush());
    }
    QCOMPARE(ReadFile(file), before);
  }

 private:
  QTemporaryDir config_;
};

QTEST_GUILESS_MAIN(QtRegistryTest)
#include "QtRegistryTest.moc"
