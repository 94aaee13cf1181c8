// A child window of the frame that the user cannot close: no close button, and Ctrl+F4
// or any other close request is refused until the program itself lets it go.
#pragma once

#include <QMdiSubWindow>

namespace zelvani {

class LockedSubWindow : public QMdiSubWindow {
  Q_OBJECT

 public:
  explicit LockedSubWindow(QWidget* content);
  // Lets the next close request through (the program closing the window itself).
  void Release() { released_ = true; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool released_ = false;
};

}  // namespace zelvani
