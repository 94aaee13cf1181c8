#include "desktop/platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

// The compiled translations are a resource of the program (see desktop/CMakeLists.txt).
static void LoadTranslationResources() {
  Q_INIT_RESOURCE(translations);
}

namespace zelvani {

namespace {

Language installed = Language::Japanese;

}  // namespace

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

std::unique_ptr<QTranslator> LoadGameTranslation(Language language) {
  if (language == Language::Japanese)
    return nullptr;
  LoadTranslationResources();
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral(":/translations/zelvani_%1.qm")
                            .arg(QString::fromUtf8(LanguageCode(language)))))
    return nullptr;
  return translator;
}

Language InstalledLanguage() {
  return installed;
}

void InstallTranslations(Language language) {
  installed = language;
  if (language == Language::Japanese) {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    InstallQtTranslations();
    return;
  }
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  if (std::unique_ptr<QTranslator> game = LoadGameTranslation(language)) {
    // The application keeps it.
    game->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(game.release());
  }
}

}  // namespace zelvani
