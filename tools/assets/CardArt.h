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

// One card on the sheet background, kCardWidth x kCardHeight times `scale`: the same
// paths drawn larger, for screens that show the table larger.
QImage RenderFace(int code, int scale = 1);
QImage RenderBack(int scale = 1);
// The back turned a quarter clockwise: kCardHeight wide, kCardWidth high (times `scale`).
QImage RenderSidewaysBack(int scale = 1);

// The whole sheet, kSheetWidth x kSheetHeight times `scale`, in Format_RGB32.
QImage RenderCardSheet(int scale = 1);

}  // namespace zelvani::assets
