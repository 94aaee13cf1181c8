// The card faces and backs, and the sheet of all of them that the game cuts its cards
// from: 8 x 7 cells of one card each, the sideways back across the last two cells.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

namespace zelvani::assets {

constexpr int kCardWidth = 71;
constexpr int kCardHeight = 97;
constexpr int kSheetColumns = 8;
constexpr int kSheetRows = 7;
constexpr int kSheetWidth = kCardWidth * kSheetColumns;
constexpr int kSheetHeight = kCardHeight * kSheetRows;
// Where the two backs sit on the sheet.
constexpr int kUprightBackLeft = 5 * kCardWidth;
constexpr int kBacksTop = 6 * kCardHeight;
constexpr int kSidewaysBackLeft = 6 * kCardWidth;

// The colour behind the rounded corners and in the unused cells.
QColor SheetBackground();

// Paint one card into the rectangle (0, 0) - (kCardWidth, kCardHeight) of the painter's
// current coordinates, so callers can place, scale or turn it freely.
void PaintFace(QPainter& painter, int code);
void PaintBack(QPainter& painter);

// One card on the sheet background, kCardWidth x kCardHeight.
QImage RenderFace(int code);
QImage RenderBack();
// The back turned a quarter clockwise: kCardHeight wide, kCardWidth high.
QImage RenderSidewaysBack();

// The whole sheet, kSheetWidth x kSheetHeight, in Format_RGB32.
QImage RenderCardSheet();

}  // namespace zelvani::assets
