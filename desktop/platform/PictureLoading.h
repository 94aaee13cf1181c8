// Reading picture files for the card sheet and the seat backgrounds.
#pragma once

#include <QImage>
#include <QString>

namespace zelvani {

// Reads a picture: Windows bitmaps (".BMP" in any case) directly, any other file through
// the picture plug-ins of `pluginFolder`. A null image means the file cannot be read;
// a truncated, empty, huge or mislabelled file is such a failure, never a crash.
QImage ReadPicture(const QString& fileName, const QString& pluginFolder);

// Reads a Windows bitmap file, checking its header against its real size first.
QImage ReadWindowsBitmap(const QString& path);

// "画像ファイル <name> は開けません。"
QString PictureErrorText(const QString& fileName);
// The caption of the boxes that tell of a failure.
QString ErrorCaption();

}  // namespace zelvani
