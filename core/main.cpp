// Zelvani: starts the application and creates its windows in their fixed order.
#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "core/TfmMain.h"
#include "ui/QtTranslations.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zelvani"));
  QApplication::setOrganizationName(QStringLiteral("Hollyfen"));
  zelvani::InstallQtTranslations();
  try {
    zelvani::TfmMain fmMain;
    fmMain.CreateScoreSheet();
    fmMain.CreatePlayer();
    fmMain.CreateYama();
    fmMain.CreateLogo();
    return QApplication::exec();
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, QStringLiteral("Zelvani"), QString::fromUtf8(error.what()));
  } catch (...) {
    QMessageBox::critical(nullptr, QStringLiteral("Zelvani"), QString());
  }
  return 1;
}
