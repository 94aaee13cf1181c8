// Turns a true-colour picture into a palettised one for the 8-bit and 4-bit logos.
#pragma once

#include <QImage>

namespace zelvani::assets {

// A Format_Indexed8 copy of `image` using at most `maxColors` colours: the `keep` colours
// first (so a small palette cannot lose, say, the red of the hearts), the rest chosen by
// median cut over the picture's own colours; every pixel takes the nearest palette colour.
// Deterministic: the same picture always gives the same palette and indices.
QImage ReduceColors(const QImage& image, int maxColors, const QList<QRgb>& keep = {});

}  // namespace zelvani::assets
