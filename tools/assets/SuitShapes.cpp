#include "tools/assets/SuitShapes.h"

namespace zelvani::assets {
namespace {

// A heart with its point at the bottom; the spade reuses it upside down.
QPainterPath HeartBody() {
  QPainterPath p;
  p.moveTo(0.0, 0.5);
  p.cubicTo(-0.12, 0.3, -0.5, 0.08, -0.5, -0.2);
  p.cubicTo(-0.5, -0.4, -0.37, -0.5, -0.25, -0.5);
  p.cubicTo(-0.1, -0.5, -0.02, -0.4, 0.0, -0.3);
  p.cubicTo(0.02, -0.4, 0.1, -0.5, 0.25, -0.5);
  p.cubicTo(0.37, -0.5, 0.5, -0.4, 0.5, -0.2);
  p.cubicTo(0.5, 0.08, 0.12, 0.3, 0.0, 0.5);
  p.closeSubpath();
  return p;
}

// The flared foot shared by spade and club.
QPainterPath Stem(double top, double halfWidth) {
  QPainterPath p;
  p.moveTo(-0.03, top);
  p.cubicTo(-0.03, 0.3, -0.08, 0.44, -halfWidth, 0.5);
  p.lineTo(halfWidth, 0.5);
  p.cubicTo(0.08, 0.44, 0.03, 0.3, 0.03, top);
  p.closeSubpath();
  return p;
}

QPainterPath Spade() {
  QPainterPath body;
  body.moveTo(0.0, -0.5);
  body.cubicTo(0.12, -0.32, 0.5, -0.1, 0.5, 0.14);
  body.cubicTo(0.5, 0.32, 0.37, 0.4, 0.25, 0.4);
  body.cubicTo(0.12, 0.4, 0.04, 0.33, 0.0, 0.24);
  body.cubicTo(-0.04, 0.33, -0.12, 0.4, -0.25, 0.4);
  body.cubicTo(-0.37, 0.4, -0.5, 0.32, -0.5, 0.14);
  body.cubicTo(-0.5, -0.1, -0.12, -0.32, 0.0, -0.5);
  body.closeSubpath();
  return body.united(Stem(0.1, 0.2));
}

QPainterPath Diamond() {
  QPainterPath p;
  p.moveTo(0.0, -0.5);
  p.quadTo(0.16, -0.22, 0.4, 0.0);
  p.quadTo(0.16, 0.22, 0.0, 0.5);
  p.quadTo(-0.16, 0.22, -0.4, 0.0);
  p.quadTo(-0.16, -0.22, 0.0, -0.5);
  p.closeSubpath();
  return p;
}

QPainterPath Club() {
  constexpr double r = 0.215;
  QPainterPath leaves;
  leaves.addEllipse(QPointF(0.0, -0.5 + r), r, r);
  leaves.addEllipse(QPointF(-0.5 + r, 0.06), r, r);
  leaves.addEllipse(QPointF(0.5 - r, 0.06), r, r);
  QPainterPath middle;
  middle.addEllipse(QPointF(0.0, -0.02), 0.12, 0.12);
  return leaves.united(middle).united(Stem(-0.05, 0.2));
}

}  // namespace

QPainterPath SuitPath(int suit) {
  switch (suit) {
    case kSpades:
      return Spade();
    case kHearts:
      return HeartBody();
    case kDiamonds:
      return Diamond();
    default:
      return Club();
  }
}

bool IsRedSuit(int suit) {
  return suit == kHearts || suit == kDiamonds;
}

QColor SuitColor(int suit) {
  return IsRedSuit(suit) ? QColor(204, 18, 36) : QColor(22, 22, 26);
}

}  // namespace zelvani::assets
