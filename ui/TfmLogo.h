// The logo window: the splash at start-up, which wipes a second picture in over the first
// and fades in the edition caption before it closes, and later the still about box.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>

#include "ui/LogoAnimation.h"

class QTimer;

namespace Ui {
class TfmLogo;
}

namespace zelvani {

class TfmLogo : public QWidget {
  Q_OBJECT

 public:
  // The pictures are read from these files; one that cannot be read leaves its place
  // in the plain window colour.
  TfmLogo(QWidget* owner, const QString& picture1File, const QString& picture2File);
  // With the default pictures "Logo1.bmp" and "Logo2.bmp".
  explicit TfmLogo(QWidget* owner);
  ~TfmLogo() override;

  // Shows the splash and starts its animation.
  void StartSplash();
  // One tick of the animation: a wipe step or a fade step, then the redraw.
  void Timer1Timer();
  // Ends the splash (or closes the about box) and leaves the still picture for later.
  void imgLogoClick();

  QTimer* Timer1() const { return timer1_; }
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

 private:
  void WipeStep();
  void FadeStep();
  void SetCaptionColor(std::int32_t color);
  void RedrawPictures();

  Ui::TfmLogo* ui_;
  QTimer* timer1_;
  QImage picture1_;
  QImage picture2_;
  int wipeColumn_ = 0;
  std::int32_t captionColor_ = kCaptionBlack;
};

}  // namespace zelvani
