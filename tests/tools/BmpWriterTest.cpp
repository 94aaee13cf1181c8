// The bitmap encoder and the colour reduction on small pictures whose every pixel is
// known, including widths that need row padding and half-filled bytes.
#include <gtest/gtest.h>

#include <QImage>

#include "tools/assets/BmpWriter.h"
#include "tools/assets/ColorReduction.h"

namespace zelvani::assets {
namespace {

QImage Decode(const QByteArray& bytes) {
  return QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
}

QImage IndexedPicture(int width, int height, int colorCount) {
  QImage image(width, height, QImage::Format_Indexed8);
  QList<QRgb> table;
  for (int i = 0; i < colorCount; ++i)
    table.push_back(qRgb(i * 15, 255 - i * 13, (i * 77) % 256));
  image.setColorTable(table);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, (x * 3 + y * 5) % colorCount);
  }
  return image;
}

TEST(BmpWriter, TrueColourRowsArePaddedAndKeepEveryPixel) {
  QImage image(3, 2, QImage::Format_RGB32);
  const QRgb colors[] = {qRgb(255, 0, 0),  qRgb(0, 255, 0),    qRgb(0, 0, 255),
                         qRgb(10, 20, 30), qRgb(200, 100, 50), qRgb(255, 255, 255)};
  for (int i = 0; i < 6; ++i)
    image.setPixel(i % 3, i / 3, colors[i]);
  const QByteArray bytes = EncodeBmp24(image);
  // 3 pixels take 9 bytes, padded to 12 a row.
  EXPECT_EQ(bytes.size(), 54 + 12 * 2);
  EXPECT_EQ(bytes[28], 24);
  EXPECT_EQ(Decode(bytes), image);
}

TEST(BmpWriter, FourBitPicturesPackTwoPixelsABytes) {
  const QImage image = IndexedPicture(5, 3, 16);
  const QByteArray bytes = EncodeBmpIndexed(image, 4);
  // 5 pixels take 3 bytes, padded to 4 a row; 16 palette entries of 4 bytes.
  EXPECT_EQ(bytes.size(), 54 + 16 * 4 + 4 * 3);
  EXPECT_EQ(bytes[28], 4);
  EXPECT_EQ(Decode(bytes), image.convertToFormat(QImage::Format_RGB32));
}

TEST(BmpWriter, EightBitPicturesKeepTheirPalette) {
  const QImage image = IndexedPicture(7, 4, 40);
  const QByteArray bytes = EncodeBmpIndexed(image, 8);
  EXPECT_EQ(bytes.size(), 54 + 256 * 4 + 8 * 4);
  EXPECT_EQ(bytes[28], 8);
  EXPECT_EQ(Decode(bytes), image.convertToFormat(QImage::Format_RGB32));
}

TEST(BmpWriter, RefusesPicturesThatDoNotFitTheDepth) {
  EXPECT_TRUE(EncodeBmpIndexed(IndexedPicture(4, 4, 17), 4).isEmpty());
  EXPECT_TRUE(EncodeBmpIndexed(QImage(4, 4, QImage::Format_RGB32), 8).isEmpty());
  EXPECT_TRUE(EncodeBmpIndexed(IndexedPicture(4, 4, 2), 2).isEmpty());
}

TEST(ColorReduction, APictureWithFewColoursIsKeptExactly) {
  const QImage original = IndexedPicture(20, 10, 12).convertToFormat(QImage::Format_RGB32);
  const QImage reduced = ReduceColors(original, 16);
  EXPECT_EQ(reduced.format(), QImage::Format_Indexed8);
  EXPECT_LE(reduced.colorCount(), 16);
  EXPECT_EQ(reduced.convertToFormat(QImage::Format_RGB32), original);
}

TEST(ColorReduction, ManyColoursShrinkToTheLimitKeepingTheRequiredOnes) {
  QImage gradient(64, 64, QImage::Format_RGB32);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x)
      gradient.setPixel(x, y, qRgb(x * 4, y * 4, 128));
  }
  // A few pixels of a colour far from the rest, which the median cut alone would drop.
  const QRgb rare = qRgb(255, 0, 255);
  gradient.setPixel(0, 0, rare);
  const QImage reduced = ReduceColors(gradient, 16, {rare});
  EXPECT_LE(reduced.colorCount(), 16);
  EXPECT_EQ(reduced.convertToFormat(QImage::Format_RGB32).pixel(0, 0), rare);
  // The rest stays close to the original.
  const QImage back = reduced.convertToFormat(QImage::Format_RGB32);
  long error = 0;
  for (int y = 0; y < 64; ++y) {
    for (int x = 1; x < 64; ++x) {
      error += std::abs(qRed(back.pixel(x, y)) - qRed(gradient.pixel(x, y))) +
               std::abs(qGreen(back.pixel(x, y)) - qGreen(gradient.pixel(x, y)));
    }
  }
  EXPECT_LT(error / (64 * 63), 40);
}

}  // namespace
}  // namespace zelvani::assets
