// For the tests that use the plug-ins of TestPlugin.cpp: where each case's plug-ins are
// built, the picture files those plug-ins read, and the log of their calls.
#pragma once

#include <QColor>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>

namespace zelvani::testing {

// The folder of one case's test plug-ins, with a trailing separator as a plug-in folder
// set by the player has. Tests run in the build folder.
inline QString TestPluginFolder(const QString& testCase) {
  return QDir::current().absoluteFilePath(QStringLiteral("test-plugins/") + testCase) +
         QLatin1Char('/');
}

// The plug-ins shipped beside the program.
inline QString ShippedPlugins() {
  return QDir::current().absoluteFilePath(QStringLiteral("plugins")) + QLatin1Char('/');
}

// The colours the test plug-ins are built with.
inline const QColor kRed(0xff, 0x00, 0x00);
inline const QColor kBlue(0x00, 0x00, 0xff);
inline const QColor kGreen(0x00, 0xff, 0x00);
inline const QColor kOlive(0x80, 0x80, 0x00);  // the scripted plug-in's

// Writes a picture the test plug-ins accept; `lines` are "key value" settings for them.
inline QString WriteTestPicture(const QTemporaryDir& dir, const QString& name,
                                const QStringList& lines = {}) {
  const QString path = dir.filePath(name);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return {};
  file.write("ZTESTPIC\n");
  for (const QString& line : lines)
    file.write(line.toUtf8() + '\n');
  return path;
}

// Collects the test plug-ins' calls for as long as it lives: "<name> <event>" lines.
class PluginCallLog {
 public:
  PluginCallLog() : path_(dir_.filePath(QStringLiteral("calls.log"))) {
    qputenv("ZELVANI_TEST_PLUGIN_LOG", QFile::encodeName(path_));
  }
  ~PluginCallLog() { qunsetenv("ZELVANI_TEST_PLUGIN_LOG"); }
  PluginCallLog(const PluginCallLog&) = delete;
  PluginCallLog& operator=(const PluginCallLog&) = delete;

  QStringList Lines() const {
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
      return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }
  // The events of one plug-in, in order.
  QStringList Of(const QString& plugin) const {
    QStringList events;
    const QString prefix = plugin + QLatin1Char(' ');
    for (const QString& line : Lines())
      if (line.startsWith(prefix))
        events << line.mid(prefix.size());
    return events;
  }
  void Clear() { QFile::remove(path_); }

 private:
  QTemporaryDir dir_;
  QString path_;
};

}  // namespace zelvani::testing
