#include "tools/assets/IconArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "logic/program/AppInfo.h"
#include "tools/assets/CardArt.h"

namespace zelvani::assets {
namespace {

// Drawn in a box of kUnits x kUnits, then scaled to the size asked for.
constexpr double kUnits = 256.0;
constexpr double kCardScale = 1.35;
constexpr QPointF kFanPivot(128.0, 226.0);
constexpr double kFanRadius = 40.0;
constexpr double kFanStep = 22.0;
constexpr int kAceOfHearts = 13;
constexpr int kAceOfSpades = 0;

void PaintTable(QPainter& p) {
  QPainterPath table;
  table.addRoundedRect(QRectF(8.0, 8.0, kUnits - 16.0, kUnits - 16.0), 44.0, 44.0);
  QRadialGradient felt(QPointF(128.0, 110.0), 150.0);
  felt.setColorAt(0.0, QColor(52, 164, 92));
  felt.setColorAt(1.0, QColor(12, 82, 40));
  p.setPen(QPen(QColor(104, 62, 30), 10.0));
  p.setBrush(felt);
  p.drawPath(table);
  p.setPen(QPen(QColor(214, 170, 60), 3.0));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(17.0, 17.0, kUnits - 34.0, kUnits - 34.0), 36.0, 36.0);
}

// The back on the left, the ace of hearts, and the ace of spades on top.
void PaintFan(QPainter& p) {
  for (int i = 0; i < 3; ++i) {
    p.save();
    p.translate(kFanPivot);
    p.rotate((i - 1) * kFanStep);
    p.translate(-kCardWidth * kCardScale / 2.0, -kFanRadius - kCardHeight * kCardScale);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRoundedRect(QRectF(4.0, 4.0, kCardWidth * kCardScale, kCardHeight * kCardScale), 7, 7);
    p.scale(kCardScale, kCardScale);
    if (i == 0)
      PaintBack(p);
    else
      PaintFace(p, i == 1 ? kAceOfHearts : kAceOfSpades);
    p.restore();
  }
}

}  // namespace

QImage RenderIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.scale(size / kUnits, size / kUnits);
  PaintTable(p);
  PaintFan(p);
  p.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

QString IconFileName(int size, int scale) {
  return QStringLiteral("icons/hicolor/%1x%1%2/apps/%3.png")
      .arg(size)
      .arg(scale == 1 ? QString() : QStringLiteral("@%1").arg(scale))
      .arg(QString::fromUtf8(kApplicationId));
}

}  // namespace zelvani::assets
