// Why the store could not keep something, as the player is told in the failure box: in
// the game's language, whatever language the system's own messages are in.
#pragma once

#include <string>

#include "logic/program/Text.h"

namespace zelvani {

enum class StoreProblem {
  AccessDenied,
  // A part of the path that should be a folder is a file.
  NotAFolder,
  // A folder stands where the file belongs.
  IsAFolder,
  // A pipe, a device or a link to one stands where the file belongs.
  NotARegularFile,
  DiskFull,
  ReadOnlyPlace,
  NameTooLong,
  NoSuchFolder,
  TooManyBackups,
  // The copy of what was stored, which must come before the first write, was not made.
  NoBackup,
  // Anything else; the system's number is shown with it.
  Other,
};

// The reason as a sentence; `code` is shown only for StoreProblem::Other (0: not shown).
Text StoreProblemText(StoreProblem problem, long code = 0);

}  // namespace zelvani
