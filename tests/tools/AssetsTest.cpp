// Runs the asset generator into a temporary folder and checks the files as the game will
// read them: bitmap and wave headers, the card sheet's layout and looks, the logos.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <deque>
#include <memory>
#include <set>
#include <vector>

#include "logic/geometry/CardSheet.h"
#include "tools/assets/Assets.h"
#include "tools/assets/CardArt.h"
#include "tools/assets/IconArt.h"
#include "tools/assets/LogoArt.h"

namespace zelvani::assets {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::uint32_t U16(const QByteArray& b, int at) {
  return static_cast<std::uint8_t>(b[at]) | static_cast<std::uint8_t>(b[at + 1]) << 8;
}

std::uint32_t U32(const QByteArray& b, int at) {
  return U16(b, at) | U16(b, at + 2) << 16;
}

struct BmpHeader {
  std::uint32_t fileSize, pixelOffset, width, height, bits, compression, colorsUsed;
};

BmpHeader ParseBmp(const QByteArray& b) {
  if (b.size() < 54 || !b.startsWith("BM"))
    return {};
  return {U32(b, 2), U32(b, 10), U32(b, 18), U32(b, 22), U16(b, 28), U32(b, 30), U32(b, 46)};
}

struct Wave {
  std::uint32_t format = 0, channels = 0, rate = 0, byteRate = 0, bits = 0;
  std::vector<std::int16_t> samples;
};

// Walks the RIFF chunks, so it does not rely on the generator's own chunk order.
Wave ParseWave(const QByteArray& b) {
  Wave w;
  if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
    return w;
  if (U32(b, 4) != static_cast<std::uint32_t>(b.size() - 8))
    return w;
  for (int at = 12; at + 8 <= b.size();) {
    const QByteArray id = b.mid(at, 4);
    const int size = static_cast<int>(U32(b, at + 4));
    if (id == "fmt ") {
      w.format = U16(b, at + 8);
      w.channels = U16(b, at + 10);
      w.rate = U32(b, at + 12);
      w.byteRate = U32(b, at + 16);
      w.bits = U16(b, at + 22);
    } else if (id == "data") {
      for (int i = 0; i + 1 < size && at + 9 + i < b.size(); i += 2) {
        w.samples.push_back(static_cast<std::int16_t>(U16(b, at + 8 + i)));
      }
    }
    at += 8 + size + (size & 1);
  }
  return w;
}

bool IsRed(QRgb c) {
  return qRed(c) > 150 && qGreen(c) < 90 && qBlue(c) < 90;
}
bool IsNearWhite(QRgb c) {
  return qRed(c) > 225 && qGreen(c) > 225 && qBlue(c) > 225;
}
// Ink of a suit symbol or glyph: clearly darker or redder than the paper.
bool IsInk(QRgb c) {
  return qGreen(c) < 120;
}
int ChannelGap(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                   std::abs(qBlue(a) - qBlue(b))});
}

QImage FaceCell(const QImage& sheet, int code) {
  return sheet.copy(kCardWidth * (code % 8), kCardHeight * (code / 8), kCardWidth, kCardHeight);
}

// Number of separate blobs of ink in `area` (4-connected).
int CountInkBlobs(const QImage& image, const QRect& area) {
  std::vector<char> seen(area.width() * area.height(), 0);
  auto index = [&area](int x, int y) { return (y - area.top()) * area.width() + x - area.left(); };
  int blobs = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (seen[index(x, y)] || !IsInk(image.pixel(x, y)))
        continue;
      ++blobs;
      std::deque<QPoint> todo = {QPoint(x, y)};
      seen[index(x, y)] = 1;
      while (!todo.empty()) {
        const QPoint p = todo.front();
        todo.pop_front();
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
          const QPoint n = p + d;
          if (!area.contains(n) || seen[index(n.x(), n.y())] || !IsInk(image.pixel(n)))
            continue;
          seen[index(n.x(), n.y())] = 1;
          todo.push_back(n);
        }
      }
    }
  }
  return blobs;
}

class GeneratedAssets : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid());
    QString error;
    ASSERT_TRUE(GenerateAssets(dir_->path(), &error)) << error.toStdString();
    sheet_ = QImage(Path("Cards.bmp")).convertToFormat(QImage::Format_RGB32);
  }
  static void TearDownTestSuite() { dir_.reset(); }

  static QString Path(const QString& name) { return QDir(dir_->path()).filePath(name); }
  static const QImage& Sheet() { return sheet_; }

  static std::unique_ptr<QTemporaryDir> dir_;
  static QImage sheet_;
};

std::unique_ptr<QTemporaryDir> GeneratedAssets::dir_;
QImage GeneratedAssets::sheet_;

// --- The card sheet ---

TEST_F(GeneratedAssets, CardSheetIsAnUncompressed24BitBitmapOfEightBySevenCells) {
  const QByteArray bytes = ReadAll(Path("Cards.bmp"));
  const BmpHeader h = ParseBmp(bytes);
  EXPECT_EQ(h.width, 568u);
  EXPECT_EQ(h.height, 679u);
  EXPECT_EQ(h.bits, 24u);
  EXPECT_EQ(h.compression, 0u);
  EXPECT_EQ(h.fileSize, static_cast<std::uint32_t>(bytes.size()));
  EXPECT_EQ(h.pixelOffset + 568u * 3u * 679u, h.fileSize);
  ASSERT_EQ(Sheet().size(), QSize(568, 679));
  // What was written is what was drawn.
  EXPECT_EQ(Sheet(), RenderCardSheet());
}

TEST_F(GeneratedAssets, EveryFaceIsDifferent) {
  for (int a = 0; a < 52; ++a) {
    for (int b = a + 1; b < 52; ++b) {
      EXPECT_NE(FaceCell(Sheet(), a), FaceCell(Sheet(), b)) << a << " vs " << b;
    }
  }
}

TEST_F(GeneratedAssets, FacesAreWhiteRoundedCardsWithADarkEdge) {
  const QRgb table = SheetBackground().rgb();
  for (int code = 0; code < 52; ++code) {
    const QImage cell = FaceCell(Sheet(), code);
    for (QPoint corner : {QPoint(0, 0), QPoint(70, 0), QPoint(0, 96), QPoint(70, 96)}) {
      EXPECT_EQ(cell.pixel(corner), table) << "card " << code;
    }
    for (QPoint edge : {QPoint(0, 48), QPoint(70, 48), QPoint(35, 0), QPoint(35, 96)}) {
      EXPECT_LT(qGray(cell.pixel(edge)), 100) << "card " << code;
    }
    int white = 0;
    const QRect inside(4, 4, 63, 89);
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
      for (int x = inside.left(); x <= inside.right(); ++x)
        white += IsNearWhite(cell.pixel(x, y));
    }
    EXPECT_GT(white, inside.width() * inside.height() / 2) << "card " << code;
  }
}

TEST_F(GeneratedAssets, HeartsAndDiamondsAreRedAndSpadesAndClubsHaveNoRed) {
  for (int code = 0; code < 52; ++code) {
    const QImage cell = FaceCell(Sheet(), code);
    int red = 0;
    for (int y = 0; y < kCardHeight; ++y) {
      for (int x = 0; x < kCardWidth; ++x)
        red += IsRed(cell.pixel(x, y));
    }
    const int suit = code / 13;
    if (suit == 1 || suit == 2) {
      EXPECT_GT(red, 40) << "card " << code;
    } else {
      EXPECT_EQ(red, 0) << "card " << code;
    }
  }
}

TEST_F(GeneratedAssets, IndexRepeatsUpsideDownInTheOppositeCorner) {
  for (int code = 0; code < 52; ++code) {
    const QImage cell = FaceCell(Sheet(), code);
    int ink = 0;
    int mismatched = 0;
    for (int y = 2; y < 28; ++y) {
      for (int x = 2; x < 14; ++x) {
        const QRgb top = cell.pixel(x, y);
        const QRgb bottom = cell.pixel(kCardWidth - 1 - x, kCardHeight - 1 - y);
        ink += IsInk(top);
        mismatched += ChannelGap(top, bottom) > 48;
      }
    }
    EXPECT_GT(ink, 25) << "card " << code << " has no index";
    EXPECT_LE(mismatched, 6) << "card " << code;
  }
}

TEST_F(GeneratedAssets, TheIndexStaysInTheCornerThatOverlappingMeldCardsLeaveInView) {
  const int width = CornerIndexWidth(kCardWidth);
  const int height = CornerIndexHeight(kCardHeight);
  for (int code = 0; code < 52; ++code) {
    const QImage cell = FaceCell(Sheet(), code);
    // Inside the card's edge: nothing of the index to the right of the corner or below it.
    for (int y = 2; y < height + 8; ++y)
      for (int x = 2; x <= width; ++x)
        if (x >= width || y >= height) {
          ASSERT_FALSE(IsInk(cell.pixel(x, y))) << "card " << code << " at " << x << "," << y;
        }
  }
}

TEST_F(GeneratedAssets, NumberCardsCarryAsManyPipsAsTheirValue) {
  // The pip field lies between the two index columns.
  const QRect field(14, 3, 43, 91);
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 1; rank <= 9; ++rank) {
      const int code = suit * 13 + rank;
      EXPECT_EQ(CountInkBlobs(FaceCell(Sheet(), code), field), rank + 1) << "card " << code;
    }
    // The ace's single pip is much bigger than a two's.
    auto inkIn = [&](int code) {
      int n = 0;
      const QImage cell = FaceCell(Sheet(), code);
      for (int y = field.top(); y <= field.bottom(); ++y) {
        for (int x = field.left(); x <= field.right(); ++x)
          n += IsInk(cell.pixel(x, y));
      }
      return n;
    };
    EXPECT_GT(inkIn(suit * 13), 2 * inkIn(suit * 13 + 1)) << "suit " << suit;
  }
}

TEST_F(GeneratedAssets, CourtCardsAreFramedPicturesDifferentForEachRank) {
  for (int suit = 0; suit < 4; ++suit) {
    const int jack = suit * 13 + 10;
    const QImage pictures[] = {FaceCell(Sheet(), jack).copy(16, 9, 39, 79),
                               FaceCell(Sheet(), jack + 1).copy(16, 9, 39, 79),
                               FaceCell(Sheet(), jack + 2).copy(16, 9, 39, 79)};
    for (const QImage& picture : pictures) {
      std::set<QRgb> colors;
      for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
          colors.insert(picture.pixel(x, y));
      }
      // A drawn figure, not a lone symbol: many colours.
      EXPECT_GT(colors.size(), 30u) << "suit " << suit;
    }
    int differing = 0;
    for (int y = 0; y < pictures[0].height(); ++y) {
      for (int x = 0; x < pictures[0].width(); ++x) {
        differing += pictures[0].pixel(x, y) != pictures[1].pixel(x, y) &&
                     pictures[1].pixel(x, y) != pictures[2].pixel(x, y) &&
                     pictures[0].pixel(x, y) != pictures[2].pixel(x, y);
      }
    }
    EXPECT_GT(differing, 150) << "suit " << suit;
  }
}

TEST_F(GeneratedAssets, BacksAreBlueAndTheSidewaysBackIsTheUprightOneTurned) {
  const QImage upright = Sheet().copy(kUprightBackLeft, kBacksTop, kCardWidth, kCardHeight);
  for (int code = 0; code < 52; ++code)
    EXPECT_NE(upright, FaceCell(Sheet(), code));
  int blue = 0;
  for (int y = 0; y < kCardHeight; ++y) {
    for (int x = 0; x < kCardWidth; ++x) {
      const QRgb c = upright.pixel(x, y);
      blue += qBlue(c) > qRed(c) + 40 && qBlue(c) > qGreen(c) + 30;
    }
  }
  EXPECT_GT(blue, kCardWidth * kCardHeight / 2);
  EXPECT_EQ(upright.pixel(0, 0), SheetBackground().rgb());

  // 97 wide and 71 high at (426, 582), the upright back turned a quarter clockwise.
  const QImage sideways = Sheet().copy(426, 582, kCardHeight, kCardWidth);
  for (int y = 0; y < kCardWidth; ++y) {
    for (int x = 0; x < kCardHeight; ++x) {
      ASSERT_EQ(sideways.pixel(x, y), upright.pixel(y, kCardHeight - 1 - x)) << x << "," << y;
    }
  }
}

TEST_F(GeneratedAssets, UnusedPartsOfTheSheetArePlainBackground) {
  const QRgb table = SheetBackground().rgb();
  const QRect unused[] = {QRect(4 * kCardWidth, 6 * kCardHeight, kCardWidth, kCardHeight),
                          QRect(426, 582 + kCardWidth, 568 - 426, 679 - 582 - kCardWidth),
                          QRect(426 + kCardHeight, 582, 568 - 426 - kCardHeight, kCardWidth)};
  for (const QRect& area : unused) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        ASSERT_EQ(Sheet().pixel(x, y), table) << x << "," << y;
      }
    }
  }
}

// --- Sounds ---

TEST_F(GeneratedAssets, SoundsAreShortMono16BitPcm) {
  for (const char* name : {"Click.wav", "Suteru.wav", "YakuDasu.wav"}) {
    const Wave w = ParseWave(ReadAll(Path(name)));
    EXPECT_EQ(w.format, 1u) << name;
    EXPECT_EQ(w.channels, 1u) << name;
    EXPECT_EQ(w.bits, 16u) << name;
    EXPECT_TRUE(w.rate == 22050u || w.rate == 44100u) << name;
    EXPECT_EQ(w.byteRate, w.rate * 2) << name;
    ASSERT_FALSE(w.samples.empty()) << name;
    EXPECT_LT(static_cast<double>(w.samples.size()) / w.rate, 0.3) << name;
  }
}

TEST_F(GeneratedAssets, SoundsAreAudibleUnclippedAndEndQuietly) {
  for (const char* name : {"Click.wav", "Suteru.wav", "YakuDasu.wav"}) {
    const Wave w = ParseWave(ReadAll(Path(name)));
    ASSERT_FALSE(w.samples.empty()) << name;
    int peak = 0;
    double energy = 0.0;
    for (std::int16_t s : w.samples) {
      peak = std::max(peak, std::abs(int{s}));
      energy += static_cast<double>(s) * s;
    }
    const double rms = std::sqrt(energy / w.samples.size());
    EXPECT_GT(peak, 6000) << name;
    EXPECT_LT(peak, 32000) << name;
    EXPECT_GT(rms, 500.0) << name;
    // No step at either end, which would be heard as a crack.
    EXPECT_LT(std::abs(int{w.samples.front()}), 500) << name;
    EXPECT_LT(std::abs(int{w.samples.back()}), 500) << name;
  }
}

TEST_F(GeneratedAssets, TheThreeSoundsDiffer) {
  const Wave click = ParseWave(ReadAll(Path("Click.wav")));
  const Wave suteru = ParseWave(ReadAll(Path("Suteru.wav")));
  const Wave yaku = ParseWave(ReadAll(Path("YakuDasu.wav")));
  EXPECT_NE(click.samples, suteru.samples);
  EXPECT_NE(suteru.samples, yaku.samples);
  EXPECT_NE(click.samples, yaku.samples);
}

// --- Logos ---

TEST_F(GeneratedAssets, LogosArePalettisedAtEightAndFourBits) {
  const BmpHeader first = ParseBmp(ReadAll(Path("Logo1.bmp")));
  EXPECT_EQ(first.width, 256u);
  EXPECT_EQ(first.height, 192u);
  EXPECT_EQ(first.bits, 8u);
  EXPECT_EQ(first.compression, 0u);
  EXPECT_EQ(first.pixelOffset, 54u + 4u * 256u);
  const BmpHeader second = ParseBmp(ReadAll(Path("Logo2.bmp")));
  EXPECT_EQ(second.width, 256u);
  EXPECT_EQ(second.height, 192u);
  EXPECT_EQ(second.bits, 4u);
  EXPECT_EQ(second.compression, 0u);
  EXPECT_EQ(second.pixelOffset, 54u + 4u * 16u);
  EXPECT_EQ(second.fileSize, second.pixelOffset + 128u * 192u);
}

TEST_F(GeneratedAssets, LogosAreTheSameSceneInClearlyDifferentColours) {
  const QImage first = QImage(Path("Logo1.bmp")).convertToFormat(QImage::Format_RGB32);
  const QImage second = QImage(Path("Logo2.bmp")).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(first.size(), QSize(256, 192));
  ASSERT_EQ(second.size(), QSize(256, 192));
  std::set<QRgb> firstColors;
  std::set<QRgb> secondColors;
  int differing = 0;
  int bothWhite = 0;
  for (int y = 0; y < 192; ++y) {
    for (int x = 0; x < 256; ++x) {
      firstColors.insert(first.pixel(x, y));
      secondColors.insert(second.pixel(x, y));
      differing += ChannelGap(first.pixel(x, y), second.pixel(x, y)) > 40;
      bothWhite += IsNearWhite(first.pixel(x, y)) && IsNearWhite(second.pixel(x, y));
    }
  }
  // The first uses far more than sixteen colours, the second no more.
  EXPECT_GT(firstColors.size(), 64u);
  EXPECT_LE(secondColors.size(), 16u);
  EXPECT_GE(secondColors.size(), 8u);
  EXPECT_GT(differing, 256 * 192 / 2);
  // The fanned cards stand in the same place in both.
  EXPECT_GT(bothWhite, 1500);
}

TEST_F(GeneratedAssets, CaptionAreaOfTheLogosIsPlain) {
  for (const char* name : {"Logo1.bmp", "Logo2.bmp"}) {
    const QImage logo = QImage(Path(name)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(logo.isNull()) << name;
    const QRgb reference = logo.pixel(kCaptionArea.center());
    for (int y = kCaptionArea.top(); y <= kCaptionArea.bottom(); ++y) {
      for (int x = kCaptionArea.left(); x <= kCaptionArea.right(); ++x) {
        ASSERT_LE(ChannelGap(logo.pixel(x, y), reference), 24) << name << " " << x << "," << y;
      }
    }
  }
}

// --- The application icon ---

TEST_F(GeneratedAssets, EveryIconSizeIsASquarePngOfTheTableOnATransparentGround) {
  for (const int size : kIconSizes) {
    QFile file(Path(IconFileName(size)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << size;
    const QByteArray bytes = file.readAll();
    ASSERT_TRUE(bytes.startsWith("\x89PNG")) << size;
    const QImage icon = QImage::fromData(bytes, "PNG");
    ASSERT_EQ(icon.size(), QSize(size, size));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
  }
}

// --- Twice the size ---

// The same pictures at twice the size: made smaller again, they look as the others do.
TEST_F(GeneratedAssets, TwiceSizeCopiesShowTheSamePicturesAtTwiceTheSize) {
  const struct {
    QString twice;
    QString once;
    int mostColors;
  } pictures[] = {{"Cards@2x.bmp", "Cards.bmp", 1 << 24},
                  {"Logo1@2x.bmp", "Logo1.bmp", 256},
                  {"Logo2@2x.bmp", "Logo2.bmp", 16},
                  {IconFileName(48, 2), IconFileName(48), 1 << 24}};
  for (const auto& picture : pictures) {
    SCOPED_TRACE(picture.twice.toStdString());
    const QImage once = QImage(Path(picture.once)).convertToFormat(QImage::Format_ARGB32);
    const QImage twice = QImage(Path(picture.twice));
    ASSERT_EQ(twice.size(), once.size() * 2);
    EXPECT_LE(twice.colorCount(), picture.mostColors);
    const QImage halved = twice.convertToFormat(QImage::Format_ARGB32)
                              .scaledToWidth(once.width(), Qt::SmoothTransformation);
    ASSERT_EQ(halved.size(), once.size());
    long long gap = 0;
    for (int y = 0; y < once.height(); ++y)
      for (int x = 0; x < once.width(); ++x)
        gap += ChannelGap(halved.pixel(x, y), once.pixel(x, y));
    EXPECT_LT(gap / (once.width() * once.height()), 24);
  }
}

// --- The run as a whole ---

TEST_F(GeneratedAssets, TwoRunsWriteTheSameBytes) {
  QTemporaryDir again;
  ASSERT_TRUE(again.isValid());
  QString error;
  ASSERT_TRUE(GenerateAssets(again.path(), &error)) << error.toStdString();
  const QStringList names = AssetFileNames();
  EXPECT_EQ(names.size(), 9 + 2 * static_cast<qsizetype>(kIconSizes.size()));
  for (const QString& name : names) {
    const QByteArray first = ReadAll(Path(name));
    EXPECT_FALSE(first.isEmpty()) << name.toStdString();
    EXPECT_EQ(first, ReadAll(QDir(again.path()).filePath(name))) << name.toStdString();
  }
}

TEST(GenerateAssets, ReportsAFolderItCannotCreate) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile blocker(QDir(dir.path()).filePath("file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QString error;
  EXPECT_FALSE(GenerateAssets(QDir(dir.path()).filePath("file/assets"), &error));
  EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace zelvani::assets
