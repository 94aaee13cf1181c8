// The arithmetic of the splash animation: a second picture wiped in over the first,
// three columns a tick, then the edition caption fading from green to black.
#pragma once

#include <cstdint>

namespace zelvani {

// The pace of the whole animation: one tick, and the pause once the caption is black.
inline constexpr int kLogoTickMs = 50;
inline constexpr int kLogoPauseMs = 3000;
inline constexpr int kWipeColumnsPerTick = 3;

// A colour as one value, red + 256 × green + 65536 × blue.
constexpr std::int32_t ColorValue(int red, int green, int blue) {
  return red + 256 * green + 65536 * blue;
}
constexpr int RedOf(std::int32_t value) {
  return value & 0xFF;
}
constexpr int GreenOf(std::int32_t value) {
  return (value >> 8) & 0xFF;
}
constexpr int BlueOf(std::int32_t value) {
  return (value >> 16) & 0xFF;
}

inline constexpr std::int32_t kCaptionGreen = ColorValue(0, 255, 0);
inline constexpr std::int32_t kCaptionBlack = 0;
// Each fade tick takes this much off the colour value: four levels of green.
inline constexpr std::int32_t kFadeStepValue = 1024;

// A tick wipes while the next column is still inside the picture (or just at its edge).
constexpr bool IsWipeTick(int wipeColumn, int width) {
  return wipeColumn <= width;
}

// The column whose odd rows a wipe pass copies, mirrored from the right edge.
constexpr int OddRowColumn(int wipeColumn, int width) {
  return width - wipeColumn;
}

enum class FadeAction {
  Close,  // the caption is black: the splash ends
  Pause,  // the caption turns black and the window stays a while
  Dim,    // the caption grows darker
};

struct FadeStep {
  FadeAction Action;
  std::int32_t Color;  // the caption's colour after the tick
};

// One fade tick for the caption's current colour value.
FadeStep NextFade(bool captionVisible, std::int32_t color);

}  // namespace zelvani
