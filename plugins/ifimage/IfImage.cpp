// The picture plug-in shipped with the game: reads PNG and JPEG files with Qt's image
// readers and hands them back as 32-bit bitmaps, bottom row first.
#include <unistd.h>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cstdlib>
#include <cstring>

#include "desktop/platform/PicturePlugin.h"

namespace {

constexpr int kBitsPerPixel = 32;
constexpr qint64 kMaxSide = 16384;
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;

// The first bytes of each format read here; the extension is not trusted.
const char kPngSignature[] = "\x89PNG\r\n\x1a\n";
const char kJpegSignature[] = "\xff\xd8\xff";

bool StartsWith(const char* bytes, ssize_t length, const char* signature) {
  const size_t size = std::strlen(signature);
  return length >= static_cast<ssize_t>(size) && std::memcmp(bytes, signature, size) == 0;
}

bool IsFileInput(intptr_t offset, uint32_t flag) {
  return (flag & SPI_INPUT_MASK) == SPI_INPUT_FILE && offset == 0;
}

QString FileName(const char* fileName) {
  return QFile::decodeName(QByteArray(fileName));
}

bool SizeIsSane(const QSize& size) {
  return size.width() > 0 && size.height() > 0 && size.width() <= kMaxSide &&
         size.height() <= kMaxSide && qint64(size.width()) * size.height() <= kMaxPixels;
}

}  // namespace

extern "C" {

SPI_EXPORT int32_t SPI_CALL GetPluginInfo(int32_t infoNumber, char* buffer, int32_t bufferLength) {
  const char* text = nullptr;
  switch (infoNumber) {
    case 2:
      text = "*.png;*.jpg;*.jpeg";
      break;
    case 3:
      text = "PNG, JPEG";
      break;
    default:
      return 0;
  }
  const size_t length = std::strlen(text);
  if (!buffer || bufferLength <= static_cast<int32_t>(length))
    return 0;
  std::memcpy(buffer, text, length + 1);
  return static_cast<int32_t>(length);
}

SPI_EXPORT int32_t SPI_CALL IsSupported(const char*, SpiFileHandle file) {
  char head[8];
  const ssize_t got = pread(static_cast<int>(file), head, sizeof head, 0);
  return StartsWith(head, got, kPngSignature) || StartsWith(head, got, kJpegSignature);
}

SPI_EXPORT int32_t SPI_CALL GetPictureInfo(const char* fileName, intptr_t offset, uint32_t flag,
                                           SpiPictureInfo* info) {
  if (!fileName || !info)
    return SPI_ERROR_NOT_IMPLEMENTED;
  if (!IsFileInput(offset, flag))
    return SPI_ERROR_NOT_IMPLEMENTED;
  try {
    QImageReader reader(FileName(fileName));
    const QSize size = reader.size();  // reads the header only
    if (!SizeIsSane(size))
      return SPI_ERROR_UNKNOWN_FORMAT;
    std::memset(info, 0, sizeof *info);
    info->width = size.width();
    info->height = size.height();
    info->colorDepth = kBitsPerPixel;
    return SPI_SUCCESS;
  } catch (...) {
    return SPI_ERROR_NO_MEMORY;
  }
}

SPI_EXPORT int32_t SPI_CALL GetPicture(const char* fileName, intptr_t offset, uint32_t flag,
                                       SpiMemory* bitmapInfo, SpiMemory* pixels,
                                       SpiProgressCallback progress, intptr_t userData) {
  if (!fileName || !bitmapInfo || !pixels)
    return SPI_ERROR_NOT_IMPLEMENTED;
  if (!IsFileInput(offset, flag))
    return SPI_ERROR_NOT_IMPLEMENTED;
  if (progress && progress(0, 1, userData) != 0)
    return SPI_ERROR_ABORTED;
  try {
    QImageReader reader(FileName(fileName));
    if (!SizeIsSane(reader.size()))
      return SPI_ERROR_UNKNOWN_FORMAT;
    QImage image;
    if (!reader.read(&image))
      return SPI_ERROR_BROKEN_DATA;
    // Transparency has no place in a bitmap here; the colours stay as they are.
    image = image.convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
      return SPI_ERROR_NO_MEMORY;

    const size_t stride = size_t(image.width()) * 4;  // 32-bit rows need no padding
    const size_t pixelBytes = stride * size_t(image.height());
    auto* header = static_cast<SpiBitmapInfoHeader*>(std::calloc(1, sizeof(SpiBitmapInfoHeader)));
    auto* rows = static_cast<unsigned char*>(std::malloc(pixelBytes));
    if (!header || !rows) {
      std::free(header);
      std::free(rows);
      return SPI_ERROR_NO_MEMORY;
    }
    header->biSize = sizeof(SpiBitmapInfoHeader);
    header->biWidth = image.width();
    header->biHeight = image.height();
    header->biPlanes = 1;
    header->biBitCount = kBitsPerPixel;
    header->biCompression = SPI_BI_RGB;
    header->biSizeImage = static_cast<uint32_t>(pixelBytes);
    header->biXPelsPerMeter = image.dotsPerMeterX();
    header->biYPelsPerMeter = image.dotsPerMeterY();
    // A bitmap keeps its bottom row first; RGB32 pixels are already blue, green, red, unused
    // in memory on little-endian machines, as a bitmap stores them.
    for (int y = 0; y < image.height(); ++y)
      std::memcpy(rows + stride * size_t(image.height() - 1 - y), image.constScanLine(y), stride);
    *bitmapInfo = header;
    *pixels = rows;
    if (progress)
      progress(1, 1, userData);
    return SPI_SUCCESS;
  } catch (...) {
    return SPI_ERROR_NO_MEMORY;
  }
}

}  // extern "C"
