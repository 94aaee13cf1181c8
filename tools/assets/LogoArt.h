// The splash pictures: a fan of cards on the table, first in green felt, then recoloured
// with the game's name, which the start-up wipes in over the first.
#pragma once

#include <QImage>
#include <QRect>

namespace zelvani::assets {

constexpr int kLogoWidth = 256;
constexpr int kLogoHeight = 192;
// Kept plain: the game writes its one-line edition caption here.
constexpr QRect kCaptionArea(74, 120, 64, 20);

enum class LogoStyle { kGreenFelt, kNightTitle };

// The full-colour scene, kLogoWidth x kLogoHeight times `scale`, Format_RGB32.
QImage PaintLogoScene(LogoStyle style, int scale = 1);

// The scene reduced to 256 colours (first picture) and to 16 colours (second picture),
// both Format_Indexed8, kLogoWidth x kLogoHeight times `scale`.
QImage RenderLogo1(int scale = 1);
QImage RenderLogo2(int scale = 1);

}  // namespace zelvani::assets
