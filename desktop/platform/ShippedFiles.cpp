#include "desktop/platform/ShippedFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSize>
#include <algorithm>

#include "logic/program/AppInfo.h"

namespace zelvani {

Q_LOGGING_CATEGORY(lcFiles, "zelvani.files", QtWarningMsg)

namespace {

// The build puts data files beside the program, plug-ins and icons in folders of their own.
QString BuildFolder(ShippedKind kind) {
  switch (kind) {
    case ShippedKind::Plugins:
      return QStringLiteral("plugins");
    case ShippedKind::Icons:
      return QStringLiteral("icons");
    default:
      return QStringLiteral(".");
  }
}

QString InstallFolder(ShippedKind kind) {
  switch (kind) {
    case ShippedKind::Plugins:
      return QString::fromUtf8(kPluginsFromProgram);
    case ShippedKind::Icons:
      return QString::fromUtf8(kIconsFromProgram);
    default:
      return QString::fromUtf8(kDataFromProgram);
  }
}

QString FindInShippedFolders(ShippedKind kind, const QString& name) {
  for (const QString& folder : ShippedFolders(kind)) {
    const QString path = QDir(folder).filePath(name);
    if (QFileInfo::exists(path))
      return path;
  }
  return {};
}

}  // namespace

QStringList ShippedFolders(ShippedKind kind) {
  const QDir program(QCoreApplication::applicationDirPath());
  return {QDir::cleanPath(program.filePath(BuildFolder(kind))),
          QDir::cleanPath(program.filePath(InstallFolder(kind)))};
}

QString ResolveDataFile(const QString& name) {
  if (name.isEmpty())
    return name;
  const QFileInfo info(name);
  if (info.isAbsolute())
    return name;
  if (info.exists()) {
    qCDebug(lcFiles).noquote() << name << "found in the current folder";
    return name;
  }
  const QString shipped = FindInShippedFolders(ShippedKind::Data, name);
  if (shipped.isEmpty()) {
    qCDebug(lcFiles).noquote() << name << "not found";
    return name;
  }
  qCDebug(lcFiles).noquote() << name << "found at" << shipped;
  return shipped;
}

QString ShippedPluginFolder() {
  const QStringList folders = ShippedFolders(ShippedKind::Plugins);
  QString chosen = folders.front();
  for (const QString& folder : folders) {
    if (QFileInfo(folder).isDir()) {
      chosen = folder;
      break;
    }
  }
  qCDebug(lcFiles).noquote() << "plug-in folder" << chosen;
  return chosen + QLatin1Char('/');
}

QIcon ApplicationIconIn(const QString& iconFolder) {
  // Every size drawn for the icon lies in a folder of the hicolor theme named after it:
  // "48x48", or "48x48@2" for the same at twice the pixels. Each file is added with the
  // size its folder gives, so nothing is decoded at start-up. Sizes above 128 pixels are
  // left to the menus, which take them from the theme: the window system is handed every
  // size the window icon holds, for every window, and the large ones only slow the start.
  static const QRegularExpression kSizeFolder(QStringLiteral("^(\\d+)x\\1(?:@(\\d+))?$"));
  constexpr int kLargestWindowIcon = 128;
  const QString file = QStringLiteral("apps/%1.png").arg(QString::fromUtf8(kApplicationId));
  const QDir theme(QDir(iconFolder).filePath(QStringLiteral("hicolor")));
  QIcon icon;
  for (const QString& name : theme.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    const QRegularExpressionMatch size = kSizeFolder.match(name);
    const int pixels =
        size.hasMatch() ? size.captured(1).toInt() * std::max(1, size.captured(2).toInt()) : 0;
    const QString path = theme.filePath(name + QLatin1Char('/') + file);
    if (pixels > 0 && pixels <= kLargestWindowIcon && QFileInfo::exists(path)) {
      icon.addFile(path, QSize(pixels, pixels));
      qCDebug(lcFiles).noquote() << "icon found at" << path;
    }
  }
  return icon;
}

QIcon ApplicationIcon() {
  for (const QString& folder : ShippedFolders(ShippedKind::Icons)) {
    const QIcon icon = ApplicationIconIn(folder);
    if (!icon.isNull())
      return icon;
  }
  return {};
}

}  // namespace zelvani
