#include "tools/assets/ColorReduction.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace zelvani::assets {
namespace {

struct ColorCount {
  QRgb color;
  int count;
};

int Channel(QRgb c, int channel) {
  return channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c);
}

// A run of the colour list that becomes one palette entry.
struct Box {
  std::size_t begin;
  std::size_t end;
  int widestChannel = 0;
  int range = 0;
  long pixels = 0;
};

void Measure(Box& box, const std::vector<ColorCount>& colors) {
  std::array<int, 3> low = {255, 255, 255};
  std::array<int, 3> high = {0, 0, 0};
  box.pixels = 0;
  for (std::size_t i = box.begin; i < box.end; ++i) {
    for (int ch = 0; ch < 3; ++ch) {
      low[ch] = std::min(low[ch], Channel(colors[i].color, ch));
      high[ch] = std::max(high[ch], Channel(colors[i].color, ch));
    }
    box.pixels += colors[i].count;
  }
  box.range = 0;
  for (int ch = 0; ch < 3; ++ch) {
    if (high[ch] - low[ch] > box.range) {
      box.range = high[ch] - low[ch];
      box.widestChannel = ch;
    }
  }
}

QRgb Mean(const Box& box, const std::vector<ColorCount>& colors) {
  std::array<long, 3> sum = {0, 0, 0};
  for (std::size_t i = box.begin; i < box.end; ++i) {
    for (int ch = 0; ch < 3; ++ch)
      sum[ch] += long{Channel(colors[i].color, ch)} * colors[i].count;
  }
  auto average = [&box](long s) { return static_cast<int>((s + box.pixels / 2) / box.pixels); };
  return qRgb(average(sum[0]), average(sum[1]), average(sum[2]));
}

int DistanceSquared(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b);
  const int dg = qGreen(a) - qGreen(b);
  const int db = qBlue(a) - qBlue(b);
  return dr * dr + dg * dg + db * db;
}

}  // namespace

QImage ReduceColors(const QImage& image, int maxColors, const QList<QRgb>& keep) {
  // Indices are stored in one byte.
  maxColors = std::clamp(maxColors, 1, 256);
  const int kept = std::min(static_cast<int>(keep.size()), maxColors);
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  std::map<QRgb, int> histogram;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x)
      ++histogram[line[x] | 0xFF000000u];
  }
  std::vector<ColorCount> colors;
  colors.reserve(histogram.size());
  for (const auto& [color, count] : histogram)
    colors.push_back({color, count});

  std::vector<Box> boxes;
  if (!colors.empty() && kept < maxColors) {
    boxes.push_back({0, colors.size()});
    Measure(boxes.back(), colors);
  }
  while (static_cast<int>(boxes.size()) < maxColors - kept) {
    // Split the box that is both wide and well used; ties go to the earlier box.
    auto best = boxes.end();
    long bestScore = 0;
    for (auto it = boxes.begin(); it != boxes.end(); ++it) {
      const long score = long{it->range} * it->pixels;
      if (it->end - it->begin >= 2 && score > bestScore) {
        best = it;
        bestScore = score;
      }
    }
    if (best == boxes.end())
      break;
    Box box = *best;
    const int ch = box.widestChannel;
    std::sort(colors.begin() + box.begin, colors.begin() + box.end,
              [ch](const ColorCount& a, const ColorCount& b) {
                const int va = Channel(a.color, ch);
                const int vb = Channel(b.color, ch);
                return va != vb ? va < vb : a.color < b.color;
              });
    // Cut at the pixel-weighted median, keeping at least one colour on each side.
    std::size_t cut = box.begin + 1;
    long seen = colors[box.begin].count;
    while (cut + 1 < box.end && seen * 2 < box.pixels)
      seen += colors[cut++].count;
    Box low{box.begin, cut};
    Box high{cut, box.end};
    Measure(low, colors);
    Measure(high, colors);
    *best = low;
    boxes.push_back(high);
  }

  QList<QRgb> palette;
  for (int i = 0; i < kept; ++i)
    palette.push_back(keep[i] | 0xFF000000u);
  for (const Box& box : boxes)
    palette.push_back(Mean(box, colors));

  std::map<QRgb, uchar> nearest;
  for (const ColorCount& entry : colors) {
    int bestIndex = 0;
    for (int i = 1; i < palette.size(); ++i) {
      if (DistanceSquared(entry.color, palette[i]) <
          DistanceSquared(entry.color, palette[bestIndex])) {
        bestIndex = i;
      }
    }
    nearest[entry.color] = static_cast<uchar>(bestIndex);
  }

  QImage out(rgb.size(), QImage::Format_Indexed8);
  out.setColorTable(palette);
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    uchar* line = out.scanLine(y);
    for (int x = 0; x < rgb.width(); ++x)
      line[x] = nearest[in[x] | 0xFF000000u];
  }
  return out;
}

}  // namespace zelvani::assets
