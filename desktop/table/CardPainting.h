// Cards put on screen from the card sheet at any table scale. Blocks of the sheet are
// given in card pixels (CardWidth x CardHeight a card) whatever the sheet's own pixel
// ratio: a sheet drawn at twice the size shows every pixel of it on a screen scaled to
// twice the size, and any other sheet is scaled smoothly.
#pragma once

#include <QImage>
#include <QString>

#include "logic/geometry/CardSheet.h"

class QPainter;

namespace zelvani {

// Draws `block` of `sheet` with its top-left corner at (left, top).
void DrawSheetBlock(QPainter& painter, int left, int top, const QImage& sheet,
                    const SheetRect& block);

// `block` of `sheet` as a picture of its own for a device of pixel ratio `ratio`.
QImage SheetBlockImage(const QImage& sheet, const SheetRect& block, qreal ratio);

// The twice-size copy shipped beside a picture file ("Cards.bmp" → "Cards@2x.bmp"), read
// with pixel ratio 2 when it is exactly twice `picture`'s size; a null image otherwise.
QImage TwiceSizePicture(const QString& file, const QImage& picture);

}  // namespace zelvani
