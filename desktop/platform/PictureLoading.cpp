#include "desktop/platform/PictureLoading.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include "desktop/platform/PictureLoader.h"
#include "desktop/platform/ShippedFiles.h"
#include "logic/settings/FileNames.h"

namespace zelvani {

namespace {

// Nothing the game draws needs more; larger claims are treated as broken files.
constexpr qint64 kMaxPictureSide = 16384;
constexpr qint64 kMaxPicturePixels = 64LL * 1024 * 1024;

constexpr quint32 kBiRgb = 0;
constexpr quint32 kBiBitfields = 3;

// Checks what the bitmap headers promise against the bytes the file really holds, so
// that a cut-off file fails instead of being read half.
bool BitmapHeaderIsSound(const QByteArray& data) {
  if (data.size() < 26 || data[0] != 'B' || data[1] != 'M')
    return false;
  const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
  const quint32 pixelOffset = qFromLittleEndian<quint32>(bytes + 10);
  const quint32 infoSize = qFromLittleEndian<quint32>(bytes + 14);
  qint64 width, height;
  quint16 bitCount;
  quint32 compression = kBiRgb;
  if (infoSize == 12) {  // the old OS/2 header
    width = qFromLittleEndian<quint16>(bytes + 18);
    height = qFromLittleEndian<quint16>(bytes + 20);
    bitCount = qFromLittleEndian<quint16>(bytes + 24);
  } else if (infoSize >= 40 && data.size() >= 14 + 40) {
    width = qFromLittleEndian<qint32>(bytes + 18);
    height = qFromLittleEndian<qint32>(bytes + 22);
    bitCount = qFromLittleEndian<quint16>(bytes + 28);
    compression = qFromLittleEndian<quint32>(bytes + 30);
  } else {
    return false;
  }
  if (height < 0)
    height = -height;
  if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide ||
      width * height > kMaxPicturePixels)
    return false;
  if (pixelOffset < 14 + infoSize || pixelOffset > static_cast<quint64>(data.size()))
    return false;
  if (compression == kBiRgb || compression == kBiBitfields) {
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
        bitCount != 32)
      return false;
    const qint64 rowBytes = ((width * bitCount + 31) / 32) * 4;
    if (pixelOffset + rowBytes * height > data.size())
      return false;
  }
  return true;
}

}  // namespace

QImage ReadWindowsBitmap(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return {};
  // A bitmap of the largest accepted size is far below this; anything bigger is not one.
  if (file.size() > kMaxPicturePixels * 4 + 4096)
    return {};
  const QByteArray data = file.readAll();
  if (!BitmapHeaderIsSound(data))
    return {};
  QImage image;
  if (!image.loadFromData(data, "BMP"))
    return {};
  return image;
}

QImage ReadPicture(const QString& fileName, const QString& pluginFolder) {
  const QString path = ResolveDataFile(fileName);
  if (ExtensionUpper(fileName.toStdString()) == ".BMP")
    return ReadWindowsBitmap(path);
  return LoadThroughPlugins(pluginFolder, path);
}

QString PictureErrorText(const QString& fileName) {
  return QCoreApplication::translate("Pictures", "画像ファイル %1 は開けません。").arg(fileName);
}

QString ErrorCaption() {
  return QCoreApplication::translate("Pictures", "エラー：Zelvani");
}

}  // namespace zelvani
