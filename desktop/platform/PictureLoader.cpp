#include "desktop/platform/PictureLoader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QRegularExpression>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "desktop/platform/LibraryFile.h"
#include "desktop/platform/PictureLoading.h"
#include "desktop/platform/ShippedFiles.h"
#include "logic/settings/FileNames.h"

namespace zelvani {

namespace {

// The same bounds as for bitmap files: nothing the game draws needs more.
constexpr qint64 kMaxPictureSide = 16384;
constexpr qint64 kMaxPicturePixels = 64LL * 1024 * 1024;

constexpr qint64 kFileHeaderBytes = 14;
constexpr quint32 kInfoHeaderBytes = sizeof(SpiBitmapInfoHeader);
constexpr qint64 kBitfieldMaskBytes = 3 * 4;

// The memory handles a plug-in handed over, freed when the decode step ends however it
// ends: each distinct block once, even when a plug-in hands the same block out twice.
class PluginBlocks {
 public:
  PluginBlocks() = default;
  PluginBlocks(const PluginBlocks&) = delete;
  PluginBlocks& operator=(const PluginBlocks&) = delete;
  ~PluginBlocks() {
    for (SpiMemory block : blocks_)
      std::free(block);
  }

  // False when the block is already held: one block cannot serve two purposes.
  bool Take(SpiMemory block) {
    if (!block)
      return true;
    if (std::find(blocks_.begin(), blocks_.end(), block) != blocks_.end())
      return false;
    blocks_.push_back(block);
    return true;
  }

 private:
  std::vector<SpiMemory> blocks_;
};

bool SizeIsSane(qint64 width, qint64 height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

SpiBitmapInfoHeader ReadInfoHeader(const uchar* bytes) {
  SpiBitmapInfoHeader h;
  h.biSize = qFromLittleEndian<quint32>(bytes + 0);
  h.biWidth = qFromLittleEndian<qint32>(bytes + 4);
  h.biHeight = qFromLittleEndian<qint32>(bytes + 8);
  h.biPlanes = qFromLittleEndian<quint16>(bytes + 12);
  h.biBitCount = qFromLittleEndian<quint16>(bytes + 14);
  h.biCompression = qFromLittleEndian<quint32>(bytes + 16);
  h.biSizeImage = qFromLittleEndian<quint32>(bytes + 20);
  h.biClrUsed = qFromLittleEndian<quint32>(bytes + 32);
  return h;
}

bool PixelFormatIsKnown(const SpiBitmapInfoHeader& h) {
  switch (h.biCompression) {
    case SPI_BI_RGB:
      return h.biBitCount == 1 || h.biBitCount == 4 || h.biBitCount == 8 || h.biBitCount == 16 ||
             h.biBitCount == 24 || h.biBitCount == 32;
    case SPI_BI_BITFIELDS:
      return h.biBitCount == 16 || h.biBitCount == 32;
    default:
      return false;
  }
}

// The bytes of the header and what follows it (colour table or masks), or -1 when the
// header's colour count does not fit its pixel format.
qint64 InfoBlockBytes(const SpiBitmapInfoHeader& h) {
  if (h.biBitCount <= 8) {
    const quint32 maxColours = 1u << h.biBitCount;
    if (h.biClrUsed > maxColours)
      return -1;
    const quint32 colours = h.biClrUsed ? h.biClrUsed : maxColours;
    return kInfoHeaderBytes + 4LL * colours;
  }
  if (h.biClrUsed != 0)
    return -1;
  return kInfoHeaderBytes + (h.biCompression == SPI_BI_BITFIELDS ? kBitfieldMaskBytes : 0);
}

// The game's SetDIBits: checks the plug-in's header against the picture record and
// against itself, then lets the bitmap reader decode the blocks as a bitmap file would
// hold them. A null image for anything that does not add up.
QImage DibToImage(qint32 width, qint32 height, const uchar* info, const uchar* pixels) {
  if (!SizeIsSane(width, height))
    return {};
  const SpiBitmapInfoHeader h = ReadInfoHeader(info);
  if (h.biSize != kInfoHeaderBytes || h.biPlanes != 1 || !PixelFormatIsKnown(h))
    return {};
  const qint64 headerHeight = h.biHeight;  // widened so that negating cannot overflow
  if (h.biWidth != width || (headerHeight != height && headerHeight != -qint64(height)))
    return {};
  const qint64 infoBytes = InfoBlockBytes(h);
  if (infoBytes < 0)
    return {};
  const qint64 stride = ((qint64(width) * h.biBitCount + 31) / 32) * 4;
  const qint64 pixelBytes = stride * height;
  if (h.biSizeImage != pixelBytes)
    return {};

  QByteArray file(kFileHeaderBytes + infoBytes + pixelBytes, Qt::Uninitialized);
  auto* out = reinterpret_cast<uchar*>(file.data());
  out[0] = 'B';
  out[1] = 'M';
  qToLittleEndian<quint32>(quint32(file.size()), out + 2);
  qToLittleEndian<quint32>(0, out + 6);
  qToLittleEndian<quint32>(quint32(kFileHeaderBytes + infoBytes), out + 10);
  std::memcpy(out + kFileHeaderBytes, info, infoBytes);
  std::memcpy(out + kFileHeaderBytes + infoBytes, pixels, pixelBytes);

  QImage image;
  if (!image.loadFromData(file, "BMP") || image.width() != width || image.height() != height)
    return {};
  return image;
}

}  // namespace

PluginEntry::PluginEntry() = default;
PluginEntry::PluginEntry(PluginEntry&&) noexcept = default;
PluginEntry& PluginEntry::operator=(PluginEntry&&) noexcept = default;
PluginEntry::~PluginEntry() {
  if (Library)
    Library->unload();
}

bool IsBuiltInExtension(const QString& extensionUpper) {
  return extensionUpper == QLatin1String(".BMP") || extensionUpper == QLatin1String(".ICO") ||
         extensionUpper == QLatin1String(".WMF") || extensionUpper == QLatin1String(".EMF");
}

PictureLoader::PictureLoader(const QString& pluginFolder, const QString& fileName)
    : pluginFolder_(pluginFolder.isEmpty() ? ShippedPluginFolder() : pluginFolder),
      fileName_(fileName) {}

PictureLoader::~PictureLoader() {
  Release();
}

void PictureLoader::Enumerate() {
  const QDir folder(pluginFolder_);
  // Unsorted keeps the order in which the file system lists the folder.
  const QStringList found =
      folder.entryList({QStringLiteral("*.spi")}, QDir::Files | QDir::Hidden, QDir::Unsorted);
  for (const QString& name : found) {
    const QFileInfo file(folder, name);
    // The listing lets links to anything through; opening a link to a pipe or a device as
    // a library would wait for ever, so only what is a plain file behind its links loads.
    if (!file.isFile())
      continue;
    // A library cut short would kill the program inside the system's loader.
    if (!IsWholeLibrary(file.absoluteFilePath()))
      continue;
    PluginEntry entry;
    // An absolute path, so that QLibrary tries this very file before any name it derives.
    entry.Library = std::make_unique<QLibrary>(file.absoluteFilePath());
    if (!entry.Library->load())
      continue;
    entry.IsSupported = reinterpret_cast<SpiIsSupported>(entry.Library->resolve("IsSupported"));
    entry.GetPictureInfo =
        reinterpret_cast<SpiGetPictureInfo>(entry.Library->resolve("GetPictureInfo"));
    entry.GetPicture = reinterpret_cast<SpiGetPicture>(entry.Library->resolve("GetPicture"));
    entry.GetPluginInfo =
        reinterpret_cast<SpiGetPluginInfo>(entry.Library->resolve("GetPluginInfo"));
    // A library without these can be neither asked nor used; the entry's end unloads it.
    if (!entry.IsSupported || !entry.GetPicture)
      continue;
    plugins_.push_back(std::move(entry));
  }
}

bool PictureLoader::Choose() {
  // An extension of any length is kept whole: a long one simply names no built-in format.
  extension_ = QString::fromStdString(ExtensionUpper(fileName_.toStdString()));
  chosen_.reset();
  if (IsBuiltInExtension(extension_))
    return true;
  const QByteArray encodedName = QFile::encodeName(fileName_);
  for (size_t i = 0; i < plugins_.size(); ++i) {
    QFile file(fileName_);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
      return false;
    const int32_t answer = plugins_[i].IsSupported(encodedName.constData(), file.handle());
    file.close();
    if (answer != 0) {
      chosen_ = i;
      return true;
    }
  }
  return false;
}

bool PictureLoader::Decode() {
  result_ = QImage();
  if (IsBuiltInExtension(extension_)) {
    // Icons and metafiles that are not bitmap files inside fail here like any bad file.
    result_ = ReadWindowsBitmap(fileName_);
    return !result_.isNull();
  }
  if (!chosen_)
    return false;
  const PluginEntry& plugin = plugins_[*chosen_];
  if (!plugin.GetPictureInfo)
    return false;
  const QByteArray encodedName = QFile::encodeName(fileName_);

  SpiPictureInfo info;
  std::memset(&info, 0, sizeof info);
  if (plugin.GetPictureInfo(encodedName.constData(), 0, SPI_INPUT_FILE, &info) != SPI_SUCCESS)
    return false;
  PluginBlocks blocks;
  blocks.Take(info.textInfo);
  if (!SizeIsSane(info.width, info.height))
    return false;

  SpiMemory infoBlock = nullptr;
  SpiMemory pixelBlock = nullptr;
  const int32_t answer = plugin.GetPicture(encodedName.constData(), 0, SPI_INPUT_FILE, &infoBlock,
                                           &pixelBlock, nullptr, 0);
  if (answer != SPI_SUCCESS)
    return false;
  // Both are taken before either is judged, so that neither is left unfreed.
  const bool infoIsOwnBlock = blocks.Take(infoBlock);
  const bool pixelsAreOwnBlock = blocks.Take(pixelBlock);
  if (!infoBlock || !pixelBlock || !infoIsOwnBlock || !pixelsAreOwnBlock)
    return false;
  result_ = DibToImage(info.width, info.height, static_cast<const uchar*>(infoBlock),
                       static_cast<const uchar*>(pixelBlock));
  return !result_.isNull();
}

void PictureLoader::Release() {
  // Each entry unloads its library as it goes.
  plugins_.clear();
  chosen_.reset();
}

QString PictureLoader::ChosenPlugin() const {
  return QFileInfo(ChosenPluginPath()).fileName();
}

QString PictureLoader::ChosenPluginPath() const {
  if (!chosen_)
    return {};
  return plugins_[*chosen_].Library->fileName();
}

QStringList PluginFilePatterns(const QString& pluginFolder) {
  constexpr int32_t kMostKinds = 16;  // a plug-in that never says 0 is not asked for ever
  static const QRegularExpression kPlainPattern(QStringLiteral("^\\*\\.[a-z0-9]{1,15}$"));
  PictureLoader loader(pluginFolder, QString());
  loader.Enumerate();
  QStringList patterns;
  for (const PluginEntry& plugin : loader.Plugins()) {
    if (!plugin.GetPluginInfo)
      continue;
    for (int32_t number = 2; number < 2 + 2 * kMostKinds; number += 2) {
      char text[256] = {};
      if (plugin.GetPluginInfo(number, text, sizeof text - 1) <= 0)
        break;
      // Only the plug-in's text up to its first 0, and never past the buffer.
      const QString list = QString::fromLocal8Bit(text, qsizetype(strnlen(text, sizeof text)));
      for (const QString& piece : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        // Only plain patterns, so nothing a plug-in says can break the dialog's filter.
        const QString pattern = piece.trimmed().toLower();
        if (kPlainPattern.match(pattern).hasMatch() && !patterns.contains(pattern))
          patterns << pattern;
      }
    }
  }
  return patterns;
}

QImage LoadThroughPlugins(const QString& pluginFolder, const QString& fileName) {
  PictureLoader loader(pluginFolder, fileName);
  loader.Enumerate();
  if (!loader.Choose() || !loader.Decode())
    return {};
  if (!IsBuiltInExtension(loader.Extension()))
    qCDebug(lcFiles).noquote() << "plug-in" << loader.ChosenPluginPath() << "read" << fileName;
  QImage result = loader.Result();
  loader.Release();
  return result;
}

}  // namespace zelvani
