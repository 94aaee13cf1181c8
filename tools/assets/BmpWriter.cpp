#include "tools/assets/BmpWriter.h"

#include <cstdint>

#include "tools/assets/ByteWriting.h"

namespace zelvani::assets {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
// 72 dots per inch.
constexpr std::uint32_t kPixelsPerMetre = 2835;

int RowStride(int width, int bitsPerPixel) {
  return ((width * bitsPerPixel + 31) / 32) * 4;
}

void PutHeaders(QByteArray& out, int width, int height, int bitsPerPixel, int paletteSize) {
  const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + 4 * paletteSize;
  const std::uint32_t imageSize = RowStride(width, bitsPerPixel) * height;
  out.append("BM");
  Put32(out, pixelOffset + imageSize);
  Put32(out, 0);  // reserved
  Put32(out, pixelOffset);
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<std::uint32_t>(width));
  // Positive height: the rows are stored bottom-up.
  Put32(out, static_cast<std::uint32_t>(height));
  Put16(out, 1);  // planes
  Put16(out, static_cast<std::uint16_t>(bitsPerPixel));
  Put32(out, 0);  // BI_RGB, no compression
  Put32(out, imageSize);
  Put32(out, kPixelsPerMetre);
  Put32(out, kPixelsPerMetre);
  Put32(out, static_cast<std::uint32_t>(paletteSize));
  Put32(out, 0);  // all colours important
}

}  // namespace

QByteArray EncodeBmp24(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const int width = rgb.width();
  const int height = rgb.height();
  const int stride = RowStride(width, 24);
  QByteArray out;
  out.reserve(kFileHeaderSize + kInfoHeaderSize + stride * height);
  PutHeaders(out, width, height, 24, 0);
  for (int y = height - 1; y >= 0; --y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      out.append(static_cast<char>(qBlue(line[x])));
      out.append(static_cast<char>(qGreen(line[x])));
      out.append(static_cast<char>(qRed(line[x])));
    }
    out.append(stride - width * 3, '\0');
  }
  return out;
}

QByteArray EncodeBmpIndexed(const QImage& indexed, int bitsPerPixel) {
  if (indexed.format() != QImage::Format_Indexed8 || (bitsPerPixel != 8 && bitsPerPixel != 4)) {
    return {};
  }
  const int paletteSize = 1 << bitsPerPixel;
  const QList<QRgb> colors = indexed.colorTable();
  if (colors.size() > paletteSize)
    return {};
  const int width = indexed.width();
  const int height = indexed.height();
  const int stride = RowStride(width, bitsPerPixel);
  QByteArray out;
  out.reserve(kFileHeaderSize + kInfoHeaderSize + 4 * paletteSize + stride * height);
  PutHeaders(out, width, height, bitsPerPixel, paletteSize);
  for (int i = 0; i < paletteSize; ++i) {
    const QRgb c = i < colors.size() ? colors[i] : qRgb(0, 0, 0);
    out.append(static_cast<char>(qBlue(c)));
    out.append(static_cast<char>(qGreen(c)));
    out.append(static_cast<char>(qRed(c)));
    out.append('\0');
  }
  for (int y = height - 1; y >= 0; --y) {
    const uchar* line = indexed.constScanLine(y);
    QByteArray row(stride, '\0');
    for (int x = 0; x < width; ++x) {
      if (line[x] >= paletteSize)
        return {};
      if (bitsPerPixel == 8) {
        row[x] = static_cast<char>(line[x]);
      } else {
        // Two pixels a byte, the left one in the high nibble.
        const int shift = (x % 2 == 0) ? 4 : 0;
        row[x / 2] = static_cast<char>(static_cast<uchar>(row[x / 2]) | (line[x] << shift));
      }
    }
    out.append(row);
  }
  return out;
}

}  // namespace zelvani::assets
