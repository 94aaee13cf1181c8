// Which language the game speaks: the player's choice in the options, or when that is
// automatic the system's, read from the environment as gettext reads it.
#pragma once

#include <cstdlib>
#include <functional>
#include <string>

namespace zelvani {

enum class Language { Japanese, English };

// Stored as Options\Language; absent means automatic.
enum class LanguageChoice { Automatic = 0, Japanese = 1, English = 2 };

// Reads an environment variable; null or empty when it is not set.
using Environment = std::function<const char*(const char* name)>;

// This process's own environment.
inline const char* ProcessEnvironment(const char* name) {
  return std::getenv(name);
}

// The system's language from LANGUAGE, LC_ALL, LC_MESSAGES and LANG. Japanese is the
// game's own language and also what a system with no locale ("C", "POSIX" or none) gets;
// any other language gets English, the one translation there is.
Language SystemLanguage(const Environment& environment);

Language ChosenLanguage(LanguageChoice choice, const Environment& environment);

// The language of what the program prints in a terminal (--help): as the system's, but
// English with no locale, as command-line tools speak.
Language TerminalLanguage(const Environment& environment);

// "ja" or "en": the suffix of the translation and help files.
const char* LanguageCode(Language language);

}  // namespace zelvani
