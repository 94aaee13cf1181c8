#include "tools/assets/Glyphs.h"

#include "logic/cards/CardNames.h"

namespace zelvani::assets {
namespace {

struct Glyph {
  QPainterPath path;
  double width;
};

void Line(QPainterPath& p, QPointF a, QPointF b) {
  p.moveTo(a);
  p.lineTo(b);
}

Glyph MakeGlyph(char c) {
  QPainterPath p;
  switch (c) {
    case 'A':
      p.moveTo(0.0, 10.0);
      p.lineTo(2.6, 0.0);
      p.lineTo(5.2, 10.0);
      Line(p, {1.1, 6.6}, {4.1, 6.6});
      return {p, 5.2};
    case '1':
      p.moveTo(0.2, 2.2);
      p.lineTo(2.2, 0.0);
      p.lineTo(2.2, 10.0);
      return {p, 2.4};
    case '2':
      p.moveTo(0.4, 2.6);
      p.cubicTo(0.6, -0.6, 4.8, -0.7, 4.8, 2.7);
      p.cubicTo(4.8, 5.0, 0.6, 7.4, 0.2, 10.0);
      p.lineTo(5.0, 10.0);
      return {p, 5.0};
    case '3':
      p.moveTo(0.3, 1.6);
      p.cubicTo(1.4, -0.6, 4.7, -0.3, 4.6, 2.4);
      p.cubicTo(4.5, 4.2, 3.0, 4.7, 1.8, 4.7);
      p.cubicTo(3.3, 4.7, 4.9, 5.5, 4.9, 7.4);
      p.cubicTo(4.9, 10.5, 0.8, 10.7, 0.1, 8.3);
      return {p, 5.0};
    case '4':
      p.moveTo(3.7, 10.0);
      p.lineTo(3.7, 0.0);
      p.lineTo(0.0, 7.0);
      p.lineTo(5.2, 7.0);
      return {p, 5.2};
    case '5':
      p.moveTo(4.6, 0.0);
      p.lineTo(0.9, 0.0);
      p.lineTo(0.5, 4.6);
      p.cubicTo(2.9, 3.1, 5.0, 4.5, 5.0, 6.9);
      p.cubicTo(5.0, 10.5, 0.9, 10.7, 0.1, 8.4);
      return {p, 5.0};
    case '6':
      p.moveTo(4.4, 1.0);
      p.cubicTo(3.2, -0.5, 0.3, -0.3, 0.3, 5.2);
      p.lineTo(0.3, 7.3);
      p.addEllipse(QPointF(2.6, 7.3), 2.3, 2.7);
      return {p, 5.0};
    case '7':
      p.moveTo(0.0, 0.0);
      p.lineTo(5.0, 0.0);
      p.cubicTo(3.1, 2.6, 1.9, 6.0, 1.7, 10.0);
      return {p, 5.0};
    case '8':
      p.addEllipse(QPointF(2.5, 2.45), 2.0, 2.35);
      p.addEllipse(QPointF(2.5, 7.3), 2.4, 2.7);
      return {p, 5.0};
    case '9':
      p.addEllipse(QPointF(2.4, 2.7), 2.3, 2.7);
      p.moveTo(4.7, 2.7);
      p.lineTo(4.7, 4.8);
      p.cubicTo(4.7, 10.3, 1.8, 10.5, 0.6, 9.0);
      return {p, 5.0};
    case '0':
      p.addEllipse(QPointF(2.3, 5.0), 2.2, 5.0);
      return {p, 4.6};
    case 'J':
      p.moveTo(2.2, 0.0);
      p.lineTo(4.4, 0.0);
      p.lineTo(4.4, 6.8);
      p.cubicTo(4.4, 10.6, 0.3, 10.6, 0.1, 7.4);
      return {p, 4.6};
    case 'Q':
      p.addEllipse(QPointF(2.7, 5.0), 2.6, 5.0);
      Line(p, {3.0, 7.2}, {5.6, 10.4});
      return {p, 5.6};
    case 'K':
      Line(p, {0.3, 0.0}, {0.3, 10.0});
      Line(p, {5.0, 0.0}, {0.3, 6.2});
      Line(p, {2.0, 4.0}, {5.2, 10.0});
      return {p, 5.2};
    case 'Z':
      p.moveTo(0.4, 0.0);
      p.lineTo(5.6, 0.0);
      p.lineTo(0.2, 10.0);
      p.lineTo(5.8, 10.0);
      return {p, 5.8};
    case 'e':
      p.moveTo(0.4, 7.0);
      p.lineTo(4.6, 7.0);
      p.cubicTo(4.6, 4.9, 3.6, 4.0, 2.5, 4.0);
      p.cubicTo(1.1, 4.0, 0.3, 5.3, 0.3, 7.0);
      p.cubicTo(0.3, 8.8, 1.3, 10.0, 2.6, 10.0);
      p.cubicTo(3.5, 10.0, 4.2, 9.6, 4.6, 8.9);
      return {p, 4.8};
    case 'l':
      Line(p, {0.5, 0.0}, {0.5, 10.0});
      return {p, 1.0};
    case 'v':
      p.moveTo(0.0, 4.0);
      p.lineTo(2.4, 10.0);
      p.lineTo(4.8, 4.0);
      return {p, 4.8};
    case 'a':
      p.moveTo(0.7, 4.8);
      p.cubicTo(1.8, 3.7, 4.3, 3.7, 4.3, 5.8);
      p.lineTo(4.3, 10.0);
      p.moveTo(4.3, 7.0);
      p.cubicTo(1.5, 6.8, 0.2, 7.3, 0.2, 8.5);
      p.cubicTo(0.2, 10.4, 3.4, 10.4, 4.3, 8.8);
      return {p, 4.6};
    case 'n':
      Line(p, {0.3, 4.0}, {0.3, 10.0});
      p.moveTo(0.3, 5.8);
      p.cubicTo(1.0, 4.2, 4.3, 3.6, 4.3, 6.0);
      p.lineTo(4.3, 10.0);
      return {p, 4.6};
    case 'i':
      Line(p, {0.5, 4.0}, {0.5, 10.0});
      // A very short stroke becomes a round dot under a round-capped pen.
      Line(p, {0.5, 1.7}, {0.5, 1.9});
      return {p, 1.0};
    default:
      return {p, 4.0};
  }
}

}  // namespace

StrokedText TextStrokes(std::string_view text, double spacing) {
  StrokedText out;
  double x = 0.0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const Glyph g = MakeGlyph(text[i]);
    out.path.addPath(g.path.translated(x, 0.0));
    x += g.width;
    if (i + 1 < text.size())
      x += spacing;
  }
  out.width = x;
  return out;
}

std::string RankLabel(int rank) {
  // The move log and the hints name the cards by the same letters.
  return zelvani::RankLabel(rank);
}

}  // namespace zelvani::assets
