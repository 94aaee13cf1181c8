#include "desktop/platform/FileChooser.h"

#include <QFileDialog>
#include <QStringList>

#include "desktop/platform/PictureLoader.h"
#include "desktop/platform/QtText.h"

namespace zelvani {

QString QtFilterFromPipes(const QString& pipes) {
  const QStringList parts = pipes.split(QLatin1Char('|'));
  QStringList filters;
  // Qt reads the patterns out of the description, so only the descriptions are kept;
  // a description without its pattern in brackets gets it appended.
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    if (!description.contains(QLatin1Char('(')))
      description += QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    filters << description;
  }
  return filters.join(QStringLiteral(";;"));
}

namespace {

QString BitmapOrAllFilter() {
  return QCoreApplication::translate("FileChooser",
                                     "ビットマップ (*.bmp)|*.bmp|全てのファイル (*.*)|*.*");
}

}  // namespace

QString PictureFilter(const std::string& pluginFolder) {
  QStringList patterns = {QStringLiteral("*.bmp")};
  for (const QString& pattern : PluginFilePatterns(ToQString(pluginFolder)))
    if (!patterns.contains(pattern))
      patterns << pattern;
  const QString bitmapOrAll = BitmapOrAllFilter();
  if (patterns.size() == 1)
    return bitmapOrAll;
  return QCoreApplication::translate("FileChooser", "画像ファイル (%1)|%2|")
             .arg(patterns.join(QLatin1Char(' ')), patterns.join(QLatin1Char(';'))) +
         bitmapOrAll;
}

QString WaveFilter() {
  return QCoreApplication::translate("FileChooser", "ウェイブ (*.wav)|*.wav");
}

QString ChooseFile(QWidget* parent, const QString& title, const QString& pipeFilter,
                   const QString& initialName) {
  return QFileDialog::getOpenFileName(parent, title, initialName, QtFilterFromPipes(pipeFilter));
}

}  // namespace zelvani
