#include "tools/assets/CardArt.h"

#include <QPainterPath>
#include <QTransform>
#include <array>
#include <vector>

#include "tools/assets/Glyphs.h"
#include "tools/assets/SuitShapes.h"

namespace zelvani::assets {
namespace {

constexpr double kCentreX = kCardWidth / 2.0;
constexpr double kCentreY = kCardHeight / 2.0;

const QColor kEdge(44, 44, 48);
const QColor kGold(228, 178, 38);
const QColor kBlue(34, 68, 160);
const QColor kSkin(250, 222, 186);
const QColor kBackField(20, 44, 120);
const QColor kBackLine(86, 126, 214);

QPen RoundPen(const QColor& color, double width) {
  return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PaintBlank(QPainter& p) {
  p.setPen(QPen(kEdge, 1.0));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(0.5, 0.5, kCardWidth - 1.0, kCardHeight - 1.0), 5.0, 5.0);
}

// A suit symbol of the given height centred on `centre`, upside down on request.
void PaintPip(QPainter& p, int suit, QPointF centre, double size, bool upsideDown) {
  p.save();
  p.translate(centre);
  if (upsideDown)
    p.rotate(180.0);
  p.scale(size, size);
  p.setPen(Qt::NoPen);
  p.setBrush(SuitColor(suit));
  p.drawPath(SuitPath(suit));
  p.restore();
}

// Rank and small suit in the top-left corner, in card coordinates.
void PaintIndex(QPainter& p, int code) {
  const int suit = code / 13;
  const int rank = code % 13;
  constexpr double indexCentreX = 8.0;
  constexpr double scale = 0.9;
  const StrokedText label = TextStrokes(RankLabel(rank), 1.3);
  p.save();
  p.translate(indexCentreX - label.width * scale / 2.0, 5.0);
  p.scale(scale, scale);
  p.setPen(RoundPen(SuitColor(suit), 1.6 / scale));
  p.setBrush(Qt::NoBrush);
  p.drawPath(label.path);
  p.restore();
  PaintPip(p, suit, QPointF(indexCentreX, 20.5), 8.0, false);
}

// Pip centres of the two to ten in fractions of the pip field: columns 0, 1, 2 and
// height 0 (top) to 1 (bottom), as printed on ordinary cards.
struct PipSpot {
  int column;
  double height;
};

std::vector<PipSpot> PipLayout(int rank) {
  const std::vector<PipSpot> corners = {{0, 0.0}, {2, 0.0}, {0, 1.0}, {2, 1.0}};
  const std::vector<PipSpot> sides = {{0, 0.5}, {2, 0.5}};
  std::vector<PipSpot> spots;
  auto add = [&spots](const std::vector<PipSpot>& more) {
    spots.insert(spots.end(), more.begin(), more.end());
  };
  switch (rank + 1) {
    case 2:
      return {{1, 0.0}, {1, 1.0}};
    case 3:
      return {{1, 0.0}, {1, 0.5}, {1, 1.0}};
    case 4:
      return corners;
    case 5:
      add(corners);
      add({{1, 0.5}});
      return spots;
    case 6:
      add(corners);
      add(sides);
      return spots;
    case 7:
      add(corners);
      add(sides);
      add({{1, 0.25}});
      return spots;
    case 8:
      add(corners);
      add(sides);
      add({{1, 0.25}, {1, 0.75}});
      return spots;
    case 9:
      add(corners);
      add({{0, 1.0 / 3}, {2, 1.0 / 3}, {0, 2.0 / 3}, {2, 2.0 / 3}, {1, 0.5}});
      return spots;
    case 10:
      add(corners);
      add({{0, 1.0 / 3}, {2, 1.0 / 3}, {0, 2.0 / 3}, {2, 2.0 / 3}});
      add({{1, 1.0 / 6}, {1, 5.0 / 6}});
      return spots;
    default:
      return {};
  }
}

void PaintPips(QPainter& p, int suit, int rank) {
  if (rank == 0) {
    // The ace of spades is traditionally the biggest, with a ring around it.
    if (suit == kSpades) {
      p.setPen(QPen(SuitColor(suit), 0.8));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(kCentreX, kCentreY), 22.0, 22.0);
      PaintPip(p, suit, QPointF(kCentreX, kCentreY), 32.0, false);
    } else {
      PaintPip(p, suit, QPointF(kCentreX, kCentreY), 26.0, false);
    }
    return;
  }
  constexpr std::array<double, 3> columnX = {22.0, kCentreX, 49.0};
  constexpr double top = 17.0;
  constexpr double bottom = kCardHeight - top;
  for (const PipSpot& spot : PipLayout(rank)) {
    const double y = top + spot.height * (bottom - top);
    PaintPip(p, suit, QPointF(columnX[spot.column], y), 12.5, spot.height > 0.5);
  }
}

// --- Court cards: a framed half figure, mirrored into the lower half. ---

constexpr QRectF kCourtBox(15.5, 8.5, 40.0, 80.0);
constexpr double kHalfWidth = 40.0;
constexpr double kHalfHeight = 40.0;

void PaintHead(QPainter& p, double cx, double cy) {
  p.setPen(QPen(kEdge, 0.6));
  p.setBrush(kSkin);
  p.drawEllipse(QPointF(cx, cy), 4.6, 5.6);
  p.setPen(Qt::NoPen);
  p.setBrush(kEdge);
  p.drawEllipse(QPointF(cx - 1.8, cy - 0.4), 0.6, 0.6);
  p.drawEllipse(QPointF(cx + 1.8, cy - 0.4), 0.6, 0.6);
  p.setPen(QPen(kEdge, 0.5));
  p.drawLine(QPointF(cx, cy - 0.2), QPointF(cx - 0.4, cy + 1.6));
  p.drawLine(QPointF(cx - 1.2, cy + 3.0), QPointF(cx + 1.2, cy + 3.0));
}

// Broad shoulders reaching the frame, a blue sash, a gold collar and buttons.
void PaintRobe(QPainter& p, int suit) {
  QPainterPath robe;
  robe.moveTo(0.0, kHalfHeight + 1.0);
  robe.lineTo(0.0, 36.0);
  robe.cubicTo(1.0, 30.5, 6.0, 27.0, 13.0, 26.0);
  robe.lineTo(27.0, 26.0);
  robe.cubicTo(34.0, 27.0, 39.0, 30.5, 40.0, 36.0);
  robe.lineTo(40.0, kHalfHeight + 1.0);
  robe.closeSubpath();
  p.setPen(QPen(kEdge, 0.6));
  p.setBrush(SuitColor(suit));
  p.drawPath(robe);

  p.save();
  p.setClipPath(robe, Qt::IntersectClip);
  // A blue sash across the chest.
  QPainterPath sash;
  sash.moveTo(3.0, 28.0);
  sash.lineTo(8.0, 25.0);
  sash.lineTo(40.0, 38.0);
  sash.lineTo(38.0, 43.0);
  sash.closeSubpath();
  p.setPen(QPen(kGold, 0.6));
  p.setBrush(kBlue);
  p.drawPath(sash);
  // Gold edging along the shoulders.
  p.setPen(QPen(kGold, 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawPath(robe);
  p.restore();

  QPainterPath collar;
  collar.moveTo(13.0, 26.0);
  collar.lineTo(20.0, 34.0);
  collar.lineTo(27.0, 26.0);
  collar.closeSubpath();
  p.setPen(QPen(kEdge, 0.5));
  p.setBrush(kGold);
  p.drawPath(collar);
  p.setBrush(Qt::white);
  for (double y : {36.0, 39.0})
    p.drawEllipse(QPointF(20.0, y), 0.9, 0.9);
}

// A hand where the figure holds something.
void PaintHand(QPainter& p, QPointF at) {
  p.setPen(QPen(kEdge, 0.5));
  p.setBrush(kSkin);
  p.drawEllipse(at, 1.7, 1.5);
}

void PaintKing(QPainter& p, int suit) {
  PaintRobe(p, suit);
  // Beard behind the chin, then the face over it.
  QPainterPath beard;
  beard.moveTo(14.6, 18.0);
  beard.cubicTo(14.6, 24.0, 17.0, 27.5, 20.0, 28.0);
  beard.cubicTo(23.0, 27.5, 25.4, 24.0, 25.4, 18.0);
  beard.closeSubpath();
  p.setPen(QPen(kEdge, 0.5));
  p.setBrush(QColor(120, 84, 44));
  p.drawPath(beard);
  PaintHead(p, 20.0, 18.0);
  QPainterPath crown;
  crown.moveTo(14.0, 13.8);
  crown.lineTo(13.2, 5.0);
  crown.lineTo(16.6, 9.0);
  crown.lineTo(20.0, 3.2);
  crown.lineTo(23.4, 9.0);
  crown.lineTo(26.8, 5.0);
  crown.lineTo(26.0, 13.8);
  crown.closeSubpath();
  p.setPen(QPen(kEdge, 0.5));
  p.setBrush(kGold);
  p.drawPath(crown);
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(20.0, 10.8), 1.3, 1.3);
  // A raised sword at his side.
  p.setPen(RoundPen(QColor(150, 154, 168), 1.7));
  p.drawLine(QPointF(33.0, 4.0), QPointF(33.0, 26.0));
  p.setPen(RoundPen(kGold, 1.7));
  p.drawLine(QPointF(30.0, 26.0), QPointF(36.0, 26.0));
  p.setPen(RoundPen(QColor(110, 70, 30), 1.5));
  p.drawLine(QPointF(33.0, 27.0), QPointF(33.0, 29.0));
  PaintHand(p, QPointF(33.0, 30.0));
}

void PaintQueen(QPainter& p, int suit) {
  // Long hair behind the head.
  p.setPen(QPen(kEdge, 0.5));
  p.setBrush(QColor(236, 192, 64));
  QPainterPath hair;
  hair.moveTo(12.5, 30.0);
  hair.cubicTo(11.0, 20.0, 12.0, 9.5, 20.0, 9.5);
  hair.cubicTo(28.0, 9.5, 29.0, 20.0, 27.5, 30.0);
  hair.closeSubpath();
  p.drawPath(hair);
  PaintRobe(p, suit);
  PaintHead(p, 20.0, 18.0);
  p.setPen(QPen(kEdge, 0.5));
  p.setBrush(kGold);
  p.drawRect(QRectF(15.0, 10.6, 10.0, 2.2));
  for (QPointF ball : {QPointF(16.0, 9.6), QPointF(20.0, 8.0), QPointF(24.0, 9.6)}) {
    p.drawEllipse(ball, 1.35, 1.35);
  }
  // She holds a flower.
  p.setPen(RoundPen(QColor(40, 128, 60), 1.1));
  p.drawLine(QPointF(9.5, 34.0), QPointF(8.5, 21.0));
  p.setPen(QPen(kEdge, 0.4));
  p.setBrush(QColor(80, 120, 220));
  for (int i = 0; i < 5; ++i) {
    const QTransform turn = QTransform().rotate(72.0 * i);
    p.drawEllipse(QPointF(8.5, 19.5) + turn.map(QPointF(0.0, -1.8)), 1.3, 1.3);
  }
  p.setBrush(kGold);
  p.drawEllipse(QPointF(8.5, 19.5), 1.0, 1.0);
  PaintHand(p, QPointF(9.6, 32.0));
}

void PaintJack(QPainter& p, int suit) {
  PaintRobe(p, suit);
  // A halberd on the right, in front of the shoulder.
  p.setPen(RoundPen(QColor(120, 80, 36), 1.4));
  p.drawLine(QPointF(34.0, 8.0), QPointF(34.0, kHalfHeight));
  QPainterPath blade;
  blade.moveTo(34.0, 6.0);
  blade.lineTo(38.5, 9.5);
  blade.lineTo(34.0, 14.0);
  blade.closeSubpath();
  p.setPen(QPen(kEdge, 0.4));
  p.setBrush(QColor(170, 174, 186));
  p.drawPath(blade);
  // Short hair under the cap.
  p.setPen(QPen(kEdge, 0.5));
  p.setBrush(QColor(110, 70, 32));
  p.drawEllipse(QPointF(20.0, 16.5), 5.8, 6.0);
  PaintHead(p, 20.0, 18.5);
  // A flat cap with a gold band and a feather.
  p.setPen(RoundPen(kGold, 1.6));
  p.setBrush(Qt::NoBrush);
  QPainterPath feather;
  feather.moveTo(23.0, 11.0);
  feather.cubicTo(26.0, 6.0, 29.0, 4.5, 31.0, 3.5);
  p.drawPath(feather);
  p.setPen(QPen(kEdge, 0.5));
  p.setBrush(SuitColor(suit));
  p.drawEllipse(QPointF(19.5, 11.5), 8.0, 3.4);
  p.setBrush(kGold);
  p.drawRect(QRectF(14.0, 12.2, 11.0, 1.6));
  PaintHand(p, QPointF(34.0, 31.0));
}

void PaintCourt(QPainter& p, int suit, int rank) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(kCourtBox);
  for (int half = 0; half < 2; ++half) {
    p.save();
    p.translate(kCourtBox.topLeft());
    if (half == 1) {
      p.translate(kHalfWidth, 2.0 * kHalfHeight);
      p.rotate(180.0);
    }
    p.setClipRect(QRectF(0.0, 0.0, kHalfWidth, kHalfHeight), Qt::IntersectClip);
    switch (rank) {
      case 10:
        PaintJack(p, suit);
        break;
      case 11:
        PaintQueen(p, suit);
        break;
      default:
        PaintKing(p, suit);
        break;
    }
    p.restore();
    // The small pip in the frame's corner, turned with its half.
    p.save();
    p.translate(kCentreX, kCentreY);
    if (half == 1)
      p.rotate(180.0);
    PaintPip(p, suit, QPointF(-14.0, -33.5), 7.0, false);
    p.restore();
  }
  p.setPen(QPen(kGold, 0.9));
  p.drawLine(QPointF(kCourtBox.left(), kCentreY), QPointF(kCourtBox.right(), kCentreY));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(SuitColor(suit), 1.0));
  p.drawRect(kCourtBox);
  p.setPen(QPen(kGold, 0.7));
  p.drawRect(kCourtBox.adjusted(1.5, 1.5, -1.5, -1.5));
}

QImage BlankCell(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(SheetBackground());
  return image;
}

}  // namespace

QColor SheetBackground() {
  // The default window colour, so the rounded corners vanish into the hand and meld
  // windows the cards are drawn on.
  return QColor(239, 239, 239);
}

void PaintFace(QPainter& p, int code) {
  const int suit = code / 13;
  const int rank = code % 13;
  p.save();
  PaintBlank(p);
  if (rank >= 10) {
    PaintCourt(p, suit, rank);
  } else {
    PaintPips(p, suit, rank);
  }
  PaintIndex(p, code);
  // The same index upside down in the opposite corner.
  p.translate(kCardWidth, kCardHeight);
  p.rotate(180.0);
  PaintIndex(p, code);
  p.restore();
}

void PaintBack(QPainter& p) {
  p.save();
  PaintBlank(p);
  const QRectF field(4.5, 4.5, kCardWidth - 9.0, kCardHeight - 9.0);
  QPainterPath fieldPath;
  fieldPath.addRoundedRect(field, 3.0, 3.0);
  p.setPen(Qt::NoPen);
  p.setBrush(kBackField);
  p.drawPath(fieldPath);

  // A white rule inside a plain blue margin; the lattice fills what it encloses.
  const QRectF ruled = field.adjusted(3.0, 3.0, -3.0, -3.0);
  p.setPen(QPen(Qt::white, 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(ruled, 2.0, 2.0);
  QPainterPath latticeArea;
  latticeArea.addRoundedRect(ruled.adjusted(1.5, 1.5, -1.5, -1.5), 1.0, 1.0);
  p.setClipPath(latticeArea, Qt::IntersectClip);
  // Diagonal lines centred on the card, with a dot where they cross.
  constexpr double step = 7.0;
  p.setPen(QPen(kBackLine, 1.0));
  for (int i = -16; i <= 16; ++i) {
    const double offset = i * step;
    p.drawLine(QPointF(kCentreX + offset - 60.0, kCentreY - 60.0),
               QPointF(kCentreX + offset + 60.0, kCentreY + 60.0));
    p.drawLine(QPointF(kCentreX + offset + 60.0, kCentreY - 60.0),
               QPointF(kCentreX + offset - 60.0, kCentreY + 60.0));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 214, 246));
  for (int i = -12; i <= 12; ++i) {
    for (int j = -12; j <= 12; ++j) {
      if ((i + j) % 2 != 0)
        continue;
      p.drawEllipse(QPointF(kCentreX + i * step / 2.0, kCentreY + j * step / 2.0), 0.9, 0.9);
    }
  }
  // Central medallion.
  p.setPen(QPen(Qt::white, 1.2));
  p.setBrush(kBackField);
  p.drawEllipse(QPointF(kCentreX, kCentreY), 12.0, 17.0);
  p.setPen(QPen(kGold, 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(kCentreX, kCentreY), 9.5, 14.5);
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  p.save();
  p.translate(kCentreX, kCentreY);
  p.scale(16.0, 20.0);
  p.drawPath(SuitPath(kDiamonds));
  p.restore();
  p.restore();
}

QImage RenderFace(int code, int scale) {
  QImage image = BlankCell(kCardWidth * scale, kCardHeight * scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  PaintFace(p, code);
  return image;
}

QImage RenderBack(int scale) {
  QImage image = BlankCell(kCardWidth * scale, kCardHeight * scale);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  PaintBack(p);
  return image;
}

QImage RenderSidewaysBack(int scale) {
  // Turning the finished pixels keeps the two backs exactly alike.
  return RenderBack(scale).transformed(QTransform().rotate(90.0));
}

QImage RenderCardSheet(int scale) {
  QImage sheet = BlankCell(kSheetWidth * scale, kSheetHeight * scale);
  QPainter p(&sheet);
  const int w = kCardWidth * scale;
  const int h = kCardHeight * scale;
  for (int code = 0; code < 52; ++code)
    p.drawImage(QPoint(w * (code % kSheetColumns), h * (code / kSheetColumns)),
                RenderFace(code, scale));
  p.drawImage(QPoint(kUprightBackLeft * scale, kBacksTop * scale), RenderBack(scale));
  p.drawImage(QPoint(kSidewaysBackLeft * scale, kBacksTop * scale), RenderSidewaysBack(scale));
  p.end();
  return sheet;
}

}  // namespace zelvani::assets
