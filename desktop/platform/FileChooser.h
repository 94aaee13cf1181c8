// The file-open dialog with filters written as "description|pattern" pairs.
#pragma once

#include <QString>
#include <string>

class QWidget;

namespace zelvani {

// "A (*.x)|*.x|B (*.*)|*.*" becomes "A (*.x);;B (*.*)".
QString QtFilterFromPipes(const QString& pipes);

// Returns the chosen file, or an empty string when the user cancels.
QString ChooseFile(QWidget* parent, const QString& title, const QString& pipeFilter,
                   const QString& initialName);

inline constexpr const char* kFilterBitmap = "ビットマップ (*.bmp)|*.bmp";
inline constexpr const char* kFilterBitmapOrAll =
    "ビットマップ (*.bmp)|*.bmp|全てのファイル (*.*)|*.*";
inline constexpr const char* kFilterWave = "ウェイブ (*.wav)|*.wav";

// The filter of the picture choosers: bitmaps or all files, whatever the plug-in folder,
// since the plug-ins shipped beside the program read other formats when none is set.
const char* PictureFilter(const std::string& pluginFolder);

}  // namespace zelvani
