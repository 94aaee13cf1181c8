#include "desktop/app/Application.h"

#include <QMessageBox>
#include <exception>

#include "desktop/mainwindow/MainWindow.h"
#include "desktop/platform/PictureLoading.h"
#include "desktop/platform/QtRegistry.h"
#include "logic/settings/SettingsStore.h"

namespace zelvani {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

std::unique_ptr<Registry> Application::OpenStoreAndScale() {
  std::unique_ptr<Registry> store = OpenUserRegistry();
  const int percent = LoadTableScale(*store);
  if (percent > 0) {
    // The chosen size is the whole of it: the screen's own factors are not applied on top.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(percent / 100.0));
  }
  return store;
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ErrorEscaped(error.what());
  } catch (...) {
    ErrorEscaped(QCoreApplication::translate("Application", "不明なエラー").toStdString());
  }
  return false;
}

void Application::ErrorEscaped(const std::string& what) {
  // A second error while the first is being handled ends with it.
  if (handlingError_)
    return;
  handlingError_ = true;
  MainWindow* frame = nullptr;
  for (QWidget* window : topLevelWidgets())
    if (auto* found = qobject_cast<MainWindow*>(window))
      frame = found;
  try {
    if (frame)
      frame->SaveAfterError(what);
    else
      QMessageBox::critical(nullptr, ErrorCaption(), QString::fromStdString(what));
  } catch (...) {
  }
  exit(1);
  handlingError_ = false;
}

}  // namespace zelvani
