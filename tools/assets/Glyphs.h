// A tiny stroke alphabet for the card ranks and the game's name, drawn with a pen
// instead of a font so the pictures look the same on every machine.
#pragma once

#include <QPainterPath>
#include <string>
#include <string_view>

namespace zelvani::assets {

// Centre lines of a run of characters, ten units tall (capitals and digits fill the
// height; small letters stand on the same base line at y = 10). Stroke it with a pen.
struct StrokedText {
  QPainterPath path;
  double width = 0.0;
};

// Knows A J Q K, the digits, and the letters of "Zelvani"; other characters are blanks.
StrokedText TextStrokes(std::string_view text, double spacing);

// "A", "2".."10", "J", "Q", "K" for rank index 0..12.
std::string RankLabel(int rank);

}  // namespace zelvani::assets
