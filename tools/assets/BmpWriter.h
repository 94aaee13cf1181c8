// Windows bitmap encoding: 24-bit true colour for the card sheet and palettised 8-bit or
// 4-bit pictures for the logos, written byte by byte so the depth is exactly as asked.
#pragma once

#include <QByteArray>
#include <QImage>

namespace zelvani::assets {

// Uncompressed 24 bits per pixel (BI_RGB), rows bottom-up, each padded to 4 bytes.
QByteArray EncodeBmp24(const QImage& image);

// Palettised, 8 or 4 bits per pixel. `indexed` is a Format_Indexed8 image whose colour
// table has at most 2^bitsPerPixel entries; the palette is padded to that size with black.
// Returns an empty array when the image does not fit the depth.
QByteArray EncodeBmpIndexed(const QImage& indexed, int bitsPerPixel);

}  // namespace zelvani::assets
