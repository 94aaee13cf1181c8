// Whether a file in the plug-in folder can be handed to the system's library loader: a
// library cut short (a copy still under way, a broken download) is mapped by the loader
// all the same, and the first touch of a page beyond its end kills the program.
#pragma once

#include <QByteArray>
#include <QString>

namespace zelvani {

// A whole library for this machine: an ELF file of this machine's class, byte order and
// processor whose program headers and loaded segments lie inside it (a PE file on
// Windows, whose headers and sections lie inside it). Anything else is not loaded.
bool IsWholeLibrary(const QString& path);

// The same judgement on bytes held in memory: `head` is the file's start (as much of it
// as was read) and `fileSize` the file's whole size.
bool IsWholeElfLibrary(const QByteArray& head, qint64 fileSize);
bool IsWholePeLibrary(const QByteArray& head, qint64 fileSize);

}  // namespace zelvani
