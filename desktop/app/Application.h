// The application object of the game: QApplication, with a last stop for errors that
// nothing else caught, so that they never unwind through Qt's event dispatch and the
// player's settings and unfinished game are saved before the run ends.
#pragma once

#include <QApplication>
#include <memory>
#include <string>

namespace zelvani {

class Registry;

class Application : public QApplication {
  Q_OBJECT

 public:
  Application(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // Before the application object exists: opens the user's settings store and has the
  // whole program drawn at the size the player chose ("表示倍率"), windows, texts and
  // cards alike, in place of the screen's own scale; with no choice stored the screen's
  // own scale stays. Qt reads this once, when the object is made. The store is handed on
  // to the frame, so the run reads and writes through this one.
  static std::unique_ptr<Registry> OpenStoreAndScale();

 private:
  // Tells the player, saves through the frame as a confirmed close would, and ends the
  // event loop with exit code 1.
  void ErrorEscaped(const std::string& what);

  bool handlingError_ = false;
};

}  // namespace zelvani
