#include "desktop/platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace zelvani {

QTranslator* InstallQtTranslations(const QString& folder) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  // "qt_ja" gathers the translations of every Qt module the game uses.
  if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qt"),
                        QStringLiteral("_"), folder) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return nullptr;
  }
  return translator;
}

}  // namespace zelvani
