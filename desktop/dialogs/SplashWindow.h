// The logo window: the splash at start-up, which wipes a second picture in over the first
// and fades in the edition caption before it closes, and later the still about box.
#pragma once

#include <QImage>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "logic/geometry/SplashAnimation.h"

class QTimer;

namespace Ui {
class SplashWindow;
}

namespace zelvani {

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  // The pictures are read from these files; one that cannot be read leaves its place
  // in the plain window colour.
  SplashWindow(QWidget* owner, const QString& picture1File, const QString& picture2File);
  // With the default pictures "Logo1.bmp" and "Logo2.bmp".
  explicit SplashWindow(QWidget* owner);
  ~SplashWindow() override;

  // Shows the splash and starts its animation.
  void StartSplash();
  // One tick of the animation: a wipe step or a fade step, then the redraw.
  void Tick();
  // Ends the splash (or closes the about box) and leaves the still picture for later.
  void Dismiss();
  // The still picture again, as the about box, with the focus on it.
  void ShowAbout();
  // While the window shows, Esc and Space pressed in these windows (the table's) close it
  // as on the window itself, for it stays in front of them when a menu or a click has
  // taken the focus. A menu open over them keeps its own keys.
  void CloseByKeysIn(const QList<QWidget*>& windows);

  QTimer* AnimationTimer() const { return timer_; }
  int WipeColumn() const { return wipeColumn_; }
  // The first picture as it stands in the wipe.
  const QImage& Picture1() const { return picture1_; }
  const QImage& Picture2() const { return picture2_; }
  std::int32_t CaptionColor() const { return captionColor_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Without its pictures the window still closes when clicked.
  void mouseReleaseEvent(QMouseEvent* event) override;
  // Esc or Space close it as a click does.
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void WipeStep();
  void FadeStep();
  void SetCaptionColor(std::int32_t color);
  void RedrawPictures();
  // Whether `event`, on its way to `receiver`, is a key that closes the window.
  bool ClosingKeyFor(const QObject* receiver, const QEvent* event) const;

  Ui::SplashWindow* ui_;
  QTimer* timer_;
  QImage picture1_;
  QImage picture2_;
  int wipeColumn_ = 0;
  std::int32_t captionColor_ = kCaptionBlack;
  QList<QPointer<QWidget>> keyWindows_;
};

}  // namespace zelvani
