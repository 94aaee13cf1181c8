// While the automatic player is on, a press on the human's window or a table window only
// takes the turn back: the filter watches every event of the application while on.
#pragma once

#include <QObject>
#include <functional>

namespace zelvani {

struct Game;
struct TableWindows;

class AutoPlayInputFilter : public QObject {
 public:
  // `takeTurnBack` switches the automatic player off.
  AutoPlayInputFilter(const Game& game, const TableWindows& windows,
                      std::function<void()> takeTurnBack);

  // Watches the application's events, or stops.
  void Watch(bool on);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool PlaysTheTable(const QWidget* widget) const;

  const Game& game_;
  const TableWindows& windows_;
  std::function<void()> takeTurnBack_;
};

}  // namespace zelvani
