// Where the game finds the files it ships: the default card sheet, sounds, logos and help,
// the picture plug-ins and the application icon. One lookup serves them all, so the game
// finds them in its build folder, in an installed copy and in an install moved elsewhere.
#pragma once

#include <QIcon>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

namespace zelvani {

// "zelvani.files": where each shipped file was found, and which plug-in read a picture.
// Off unless asked for, e.g. QT_LOGGING_RULES="zelvani.files.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcFiles)

enum class ShippedKind { Data, Plugins, Icons };

// The folders that may hold files of `kind`, in the order they are tried: beside the
// program as the build lays them out, then the install location, both found from the
// program's own folder (never from a path fixed at build time).
QStringList ShippedFolders(ShippedKind kind);

// A relative data file name ("Cards.bmp", "Click.wav", ...) is looked up in the current
// folder first, then in the shipped folders; a name found nowhere, or an absolute one, is
// returned as it is, so a failure names the file as the settings hold it.
QString ResolveDataFile(const QString& name);

// The folder of the shipped plug-ins, ending in "/": the first of the plug-in folders that
// exists. The current folder is never searched, so no library is loaded from it by chance.
QString ShippedPluginFolder();

// The application icon from every size drawn for it up to the largest a window title
// needs, from the first icon folder that has it; empty when none is found.
QIcon ApplicationIcon();
// The same from one icon folder (the one holding "hicolor").
QIcon ApplicationIconIn(const QString& iconFolder);

}  // namespace zelvani
