#include "tools/assets/LogoArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <array>

#include "tools/assets/CardArt.h"
#include "tools/assets/ColorReduction.h"
#include "tools/assets/Glyphs.h"
#include "tools/assets/SuitShapes.h"

namespace zelvani::assets {
namespace {

struct Scheme {
  QColor feltLight;
  QColor feltDark;
  QColor rim;
  QColor rimLine;
  QColor ornament;
};

Scheme SchemeOf(LogoStyle style) {
  if (style == LogoStyle::kGreenFelt) {
    return {QColor(44, 150, 80), QColor(10, 78, 38), QColor(104, 62, 30), QColor(214, 170, 60),
            QColor(226, 196, 92)};
  }
  return {QColor(70, 62, 156), QColor(26, 20, 74), QColor(150, 112, 34), QColor(246, 220, 120),
          QColor(246, 220, 120)};
}

// Cards of the fan from left to right, each over the one before: seven of diamonds,
// jack of clubs, queen of hearts, king of spades and the ace of spades on top.
constexpr std::array<int, 5> kFanCards = {13 * 2 + 6, 13 * 3 + 10, 13 * 1 + 11, 12, 0};
constexpr double kFanScale = 0.62;
constexpr QPointF kFanPivot(128.0, 140.0);
constexpr double kFanRadius = 40.0;
constexpr double kFanStep = 13.0;

void PaintFelt(QPainter& p, const Scheme& scheme) {
  QRadialGradient glow(QPointF(128.0, 88.0), 150.0);
  glow.setColorAt(0.0, scheme.feltLight);
  glow.setColorAt(1.0, scheme.feltDark);
  p.fillRect(QRect(0, 0, kLogoWidth, kLogoHeight), glow);
  // The wooden (or gilt) rim of the table.
  QPainterPath rim;
  rim.addRect(QRectF(0, 0, kLogoWidth, kLogoHeight));
  rim.addRoundedRect(QRectF(7, 7, kLogoWidth - 14, kLogoHeight - 14), 10, 10);
  rim.setFillRule(Qt::OddEvenFill);
  p.setPen(Qt::NoPen);
  p.setBrush(scheme.rim);
  p.drawPath(rim);
  p.setPen(QPen(scheme.rimLine, 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(9.5, 9.5, kLogoWidth - 19, kLogoHeight - 19), 8, 8);
}

void PaintFan(QPainter& p) {
  const int count = static_cast<int>(kFanCards.size());
  for (int i = 0; i < count; ++i) {
    const double angle = (i - (count - 1) / 2.0) * kFanStep;
    p.save();
    p.translate(kFanPivot);
    p.rotate(angle);
    p.translate(-kCardWidth * kFanScale / 2.0, -kFanRadius - kCardHeight * kFanScale);
    // A soft shadow to lift each card off the felt.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(1.5, 1.5, kCardWidth * kFanScale, kCardHeight * kFanScale), 3, 3);
    p.scale(kFanScale, kFanScale);
    PaintFace(p, kFanCards[i]);
    p.restore();
  }
}

// The four suits in a row along the bottom.
void PaintSuitRow(QPainter& p, LogoStyle style) {
  for (int suit = 0; suit < 4; ++suit) {
    const QPointF centre(128.0 + (suit - 1.5) * 24.0, 163.0);
    p.save();
    p.translate(centre);
    p.scale(13.0, 13.0);
    p.setPen(QPen(Qt::white, 1.4 / 13.0));
    if (style == LogoStyle::kGreenFelt) {
      p.setBrush(SuitColor(suit));
    } else {
      p.setBrush(IsRedSuit(suit) ? QColor(220, 40, 60) : QColor(246, 220, 120));
      p.setPen(Qt::NoPen);
    }
    p.drawPath(SuitPath(suit));
    p.restore();
  }
}

// A gilt flourish across the top of the green picture, where the other one has its name.
void PaintTopOrnament(QPainter& p, const Scheme& scheme) {
  p.setPen(QPen(scheme.ornament, 1.2));
  p.drawLine(QPointF(60.0, 30.0), QPointF(114.0, 30.0));
  p.drawLine(QPointF(142.0, 30.0), QPointF(196.0, 30.0));
  p.setPen(Qt::NoPen);
  p.setBrush(scheme.ornament);
  p.save();
  p.translate(128.0, 30.0);
  p.scale(14.0, 18.0);
  p.drawPath(SuitPath(kDiamonds));
  p.restore();
}

void PaintTitle(QPainter& p) {
  const StrokedText title = TextStrokes("Zelvani", 1.4);
  constexpr double scale = 2.3;
  QPainterPathStroker stroker;
  stroker.setWidth(1.8);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  const QPainterPath letters = stroker.createStroke(title.path).simplified();
  p.save();
  p.translate(128.0 - title.width * scale / 2.0, 13.0);
  p.scale(scale, scale);
  // A dark shadow, then gold letters with a dark edge.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(10, 8, 30));
  p.drawPath(letters.translated(0.45, 0.45));
  p.setPen(QPen(QColor(60, 36, 10), 0.5));
  QLinearGradient gold(0.0, 0.0, 0.0, 10.0);
  gold.setColorAt(0.0, QColor(255, 236, 150));
  gold.setColorAt(1.0, QColor(214, 150, 30));
  p.setBrush(gold);
  p.drawPath(letters);
  p.restore();
}

}  // namespace

QImage PaintLogoScene(LogoStyle style, int scale) {
  const Scheme scheme = SchemeOf(style);
  QImage image(kLogoWidth * scale, kLogoHeight * scale, QImage::Format_RGB32);
  image.fill(scheme.feltDark);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  PaintFelt(p, scheme);
  PaintFan(p);
  PaintSuitRow(p, style);
  if (style == LogoStyle::kGreenFelt) {
    PaintTopOrnament(p, scheme);
  } else {
    PaintTitle(p);
    // The edition caption ends in black over this picture: give it a light plate.
    p.setPen(QPen(SuitColor(kSpades), 1.0));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(kCaptionArea).adjusted(-5, -4, 5, 4), 4, 4);
  }
  p.end();
  return image;
}

QImage RenderLogo1(int scale) {
  return ReduceColors(PaintLogoScene(LogoStyle::kGreenFelt, scale), 256);
}

QImage RenderLogo2(int scale) {
  // Sixteen colours are few: keep the card white, the black and the hearts' red exact.
  const QList<QRgb> keep = {qRgb(255, 255, 255), SuitColor(kSpades).rgb(),
                            SuitColor(kHearts).rgb()};
  return ReduceColors(PaintLogoScene(LogoStyle::kNightTitle, scale), 16, keep);
}

}  // namespace zelvani::assets
