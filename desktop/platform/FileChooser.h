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

// The choosers' filters, in pipes: "name|patterns|name|patterns".
QString WaveFilter();

// The filter of the picture choosers: first every picture the loader reads, bitmaps and
// what the plug-ins of `pluginFolder` (the shipped ones when none is set) say they read;
// then bitmaps, or all files, whatever the folder.
QString PictureFilter(const std::string& pluginFolder);

}  // namespace zelvani
