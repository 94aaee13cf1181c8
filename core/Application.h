// The application object of the game: QApplication, with a last stop for errors that
// nothing else caught, so that they never unwind through Qt's event dispatch and the
// player's settings and unfinished game are saved before the run ends.
#pragma once

#include <QApplication>
#include <string>

namespace zelvani {

class Application : public QApplication {
  Q_OBJECT

 public:
  Application(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  // Tells the player, saves through the frame as a confirmed close would, and ends the
  // event loop with exit code 1.
  void ErrorEscaped(const std::string& what);

  bool handlingError_ = false;
};

}  // namespace zelvani
