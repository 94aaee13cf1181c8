// Qt's own texts in Japanese: the standard buttons and Qt's dialogs (the input box, the
// file chooser) speak the language of the rest of the game.
#pragma once

#include <QLibraryInfo>
#include <QString>

class QTranslator;

namespace zelvani {

// Installs Qt's Japanese translations from `folder` (Qt's own translations folder unless
// another is given) into the application. Returns the installed translator, or null when
// they are missing there, and then Qt's texts simply stay in English.
QTranslator* InstallQtTranslations(
    const QString& folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

}  // namespace zelvani
