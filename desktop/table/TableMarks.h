// What the table marks on its cards and windows, drawn the same way everywhere: a frame
// just inside the edge of a card or a window, over what it shows. And the felt of the
// card-table look, drawn by code.
#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QRect>

#include "logic/settings/Preferences.h"

class QPainter;

namespace zelvani {

// A card a computer seat has just claimed.
QColor ClaimedCardColor();
// The top discard, while the human could take it by pon.
QColor PonChanceColor();

// A frame of `color` just inside `area`.
void DrawMarkFrame(QPainter& painter, const QRect& area, const QColor& color);

// A square tile of green cloth with an even grain; tiled, its edges meet unseen.
const QImage& FeltTile();
// What the frame's area and a seat window without a picture of its own are painted with:
// the felt in the card-table look, `plain` otherwise.
QBrush TableSurface(TableLook look, const QBrush& plain);

}  // namespace zelvani
