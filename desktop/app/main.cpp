// Zelvani: starts the application and creates its windows in their fixed order.
#include <QMessageBox>
#include <exception>
#include <memory>
#include <utility>

#include "desktop/app/Application.h"
#include "desktop/app/CommandLine.h"
#include "desktop/mainwindow/MainWindow.h"
#include "desktop/platform/QtTranslations.h"
#include "desktop/platform/ShippedFiles.h"
#include "logic/program/AppInfo.h"
#include "logic/settings/SettingsStore.h"
#include "logic/storage/Registry.h"

int main(int argc, char* argv[]) {
  // Before the application object, which needs a display: --help and --version do not.
  const zelvani::CommandLineOutcome command = zelvani::ReadCommandLine(argc, argv);
  if (!command.Start)
    return zelvani::Report(command);
  // The table scale applies from the application object on, so it is read first, from
  // the store the rest of the start-up then goes on with.
  std::unique_ptr<zelvani::Registry> store = zelvani::Application::OpenStoreAndScale();
  zelvani::Application app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zelvani"));
  QApplication::setOrganizationName(QStringLiteral("Hollyfen"));
  QApplication::setApplicationVersion(QString::fromUtf8(zelvani::kVersion));
  QApplication::setDesktopFileName(QString::fromUtf8(zelvani::kApplicationId));
  QApplication::setWindowIcon(zelvani::ApplicationIcon());
  zelvani::InstallTranslations(
      zelvani::ChosenLanguage(zelvani::LoadLanguageChoice(*store), zelvani::ProcessEnvironment));
  try {
    zelvani::MainWindow mainWindow;
    mainWindow.Settings().UseStore(std::move(store));
    mainWindow.CreateScoreSheet();
    mainWindow.CreateHumanSeat();
    mainWindow.CreatePilesWindow();
    mainWindow.CreateSplash();
    return QApplication::exec();
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, QStringLiteral("Zelvani"), QString::fromUtf8(error.what()));
  } catch (...) {
    QMessageBox::critical(nullptr, QStringLiteral("Zelvani"), QString());
  }
  return 1;
}
