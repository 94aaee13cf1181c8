// The four suit symbols as filled outlines, so the cards never depend on a font.
#pragma once

#include <QColor>
#include <QPainterPath>

namespace zelvani::assets {

enum SuitIndex { kSpades = 0, kHearts = 1, kDiamonds = 2, kClubs = 3 };

// Outline of a suit symbol in a box one unit wide and one unit high centred on the
// origin, point upwards as it stands in the top-left index.
QPainterPath SuitPath(int suit);

// Ink of a suit: deep red for hearts and diamonds, near black for spades and clubs.
QColor SuitColor(int suit);
bool IsRedSuit(int suit);

}  // namespace zelvani::assets
