#include "core/Application.h"

#include <QMessageBox>
#include <exception>

#include "core/TfmMain.h"
#include "settings/PictureLoading.h"

namespace zelvani {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ErrorEscaped(error.what());
  } catch (...) {
    ErrorEscaped("不明なエラー");
  }
  return false;
}

void Application::ErrorEscaped(const std::string& what) {
  // A second error while the first is being handled ends with it.
  if (handlingError_)
    return;
  handlingError_ = true;
  TfmMain* frame = nullptr;
  for (QWidget* window : topLevelWidgets())
    if (auto* found = qobject_cast<TfmMain*>(window))
      frame = found;
  try {
    if (frame)
      frame->SaveAfterError(what);
    else
      QMessageBox::critical(nullptr, QString::fromUtf8(kErrorCaption),
                            QString::fromStdString(what));
  } catch (...) {
  }
  exit(1);
  handlingError_ = false;
}

}  // namespace zelvani
