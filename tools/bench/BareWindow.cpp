// The yardstick of the game's start-up in tools/bench.sh: the least a Qt Widgets program
// with the game's kind of frame does before its first window shows, built in the same tree
// with the same Qt.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow frame;
  frame.setCentralWidget(new QMdiArea(&frame));
  frame.resize(800, 620);
  frame.show();
  return QApplication::exec();
}
