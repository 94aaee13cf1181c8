// File-name pieces as the picture loaders and the options dialog read them. Both "\" and
// "/" separate folders (stored names may come from either system); ":" ends a drive.
#pragma once

#include <string>

namespace zelvani {

// The extension with its leading "." upper-cased (ASCII letters only), from the last "."
// after the last separator; empty when there is none.
std::string ExtensionUpper(const std::string& fileName);
// The text after the last separator.
std::string FileNamePart(const std::string& fileName);
// Everything up to and including the last separator; empty when there is none.
std::string DirectoryPart(const std::string& fileName);
// Whether the name starts at a root of this system ("/x"; on Windows also "C:\x" and
// "\x"), so that no folder is put before it.
bool IsRootedPath(const std::string& fileName);
// The absolute, normalised path (relative names expanded against the current folder);
// empty for an empty name.
std::string FullPath(const std::string& fileName);

}  // namespace zelvani
