// The game's texts and Qt's own (the standard buttons, the input box, the file chooser) in
// the language the player reads. Japanese is the language the game is written in, so it
// needs only Qt's translations; English needs only the game's, Qt being written in English.
#pragma once

#include <QLibraryInfo>
#include <QString>
#include <memory>

#include "logic/settings/Language.h"

class QTranslator;

namespace zelvani {

// Installs Qt's Japanese translations from `folder` (Qt's own translations folder unless
// another is given) into the application. Returns the installed translator, or null when
// they are missing there, and then Qt's texts simply stay in English.
QTranslator* InstallQtTranslations(
    const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

// The game's own translation into `language`, built into the program; null for Japanese.
// Needs no application object, so the command line can speak the language too.
std::unique_ptr<QTranslator> LoadGameTranslation(Language language);

// Everything the language needs, installed into the application, with the default locale
// set to it, so Qt's dialogs follow.
void InstallTranslations(Language language);
// The language installed last; Japanese when none was.
Language InstalledLanguage();

}  // namespace zelvani
