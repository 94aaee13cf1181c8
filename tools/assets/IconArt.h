// The application icon: three cards fanned over a round green table, drawn at any size so
// every size of the icon theme (and later twice-size copies) comes from the same paths.
#pragma once

#include <QImage>
#include <QString>
#include <array>

namespace zelvani::assets {

// The sizes of the hicolor icon theme that the build draws, in pixels.
constexpr std::array<int, 7> kIconSizes = {16, 24, 32, 48, 64, 128, 256};

// The icon at `size` x `size` pixels, transparent around the table.
QImage RenderIcon(int size);

// Where the icon of `size` goes below the output folder, as the hicolor theme lays it out:
// "icons/hicolor/<size>x<size>/apps/<application id>.png"; with `scale` 2 the folder is
// "<size>x<size>@2", for the icon drawn at twice the size for screens scaled so.
QString IconFileName(int size, int scale = 1);

}  // namespace zelvani::assets
