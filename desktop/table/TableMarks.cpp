#include "desktop/table/TableMarks.h"

#include <QPainter>
#include <cstdint>

namespace zelvani {

namespace {

constexpr int kMarkPen = 3;
constexpr int kFeltTile = 128;

// A small fixed generator: the same cloth at every start and on every machine.
std::uint32_t NextGrain(std::uint32_t& state) {
  state = state * 1664525u + 1013904223u;
  return state >> 24;
}

QImage DrawFelt() {
  QImage tile(kFeltTile, kFeltTile, QImage::Format_RGB32);
  std::uint32_t state = 0x5eed;
  for (int y = 0; y < kFeltTile; ++y) {
    auto* row = reinterpret_cast<QRgb*>(tile.scanLine(y));
    for (int x = 0; x < kFeltTile; ++x) {
      // Each fibre a little lighter or darker than the cloth, never so much that the cards
      // on it lose their edges.
      const int grain = static_cast<int>(NextGrain(state) % 23) - 11;
      row[x] = qRgb(qBound(0, 22 + grain / 2, 255), qBound(0, 100 + grain, 255),
                    qBound(0, 52 + grain / 2, 255));
    }
  }
  return tile;
}

}  // namespace

QColor ClaimedCardColor() {
  return {235, 95, 0};
}

QColor PonChanceColor() {
  return {255, 205, 0};
}

void DrawMarkFrame(QPainter& painter, const QRect& area, const QColor& color) {
  painter.save();
  painter.setPen(QPen(color, kMarkPen));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(
      area.adjusted(kMarkPen / 2, kMarkPen / 2, -(kMarkPen + 1) / 2, -(kMarkPen + 1) / 2));
  painter.restore();
}

const QImage& FeltTile() {
  static const QImage tile = DrawFelt();
  return tile;
}

QBrush TableSurface(TableLook look, const QBrush& plain) {
  return look == TableLook::Felt ? QBrush(FeltTile()) : plain;
}

}  // namespace zelvani
