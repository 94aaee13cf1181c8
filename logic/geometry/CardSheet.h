// Geometry of the card sheet: 8 columns x 7 rows of cells, one card each. The card size
// follows the sheet, and every card is copied whole and unscaled from its block.
#pragma once

namespace zelvani {

constexpr int kSheetColumns = 8;
constexpr int kSheetRows = 7;

struct SheetRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const SheetRect&) const = default;
};

// The card size a sheet of the given pixel size gives (the rest is never used).
constexpr int CardWidthOfSheet(int sheetWidth) {
  return sheetWidth / kSheetColumns;
}
constexpr int CardHeightOfSheet(int sheetHeight) {
  return sheetHeight / kSheetRows;
}

// Face of card `code` (also the upright back for code 53).
constexpr SheetRect CardCellRect(int code, int w, int h) {
  return {w * (code % kSheetColumns), h * (code / kSheetColumns), w, h};
}
constexpr SheetRect UprightBackRect(int w, int h) {
  return {5 * w, 6 * h, w, h};
}
// A face-down card lying on its side: H wide and W high, from columns 6 and 7 of row 6.
constexpr SheetRect SidewaysBackRect(int w, int h) {
  return {6 * w, 6 * h, h, w};
}

// The corner index (rank and small suit) of the shipped sheet's 71 x 97 cards lies within
// their top-left 14 x 26 pixels (tools/assets/CardArt.cpp); other sheets are taken to scale
// alike. A card laid over another at least this far to the right or below leaves the
// other's index in view.
constexpr int CornerIndexWidth(int cardWidth) {
  return (cardWidth * 14 + 70) / 71;
}
constexpr int CornerIndexHeight(int cardHeight) {
  return (cardHeight * 26 + 96) / 97;
}

}  // namespace zelvani
