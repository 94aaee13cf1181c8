#include "settings/QtSettingsWindows.h"

#include <QEvent>
#include <QTimer>

#include "core/TfmMain.h"
#include "play/TfmPlayer.h"
#include "ui/TfmHands.h"

namespace zelvani {

namespace {

// Before a window is first shown its frame counts as nothing, so an outer rectangle
// given then becomes its inner one and the window would grow by its frame at every
// start. This gives the rectangle again, once, as soon as the frame is known.
class PendingPlacement : public QObject {
 public:
  PendingPlacement(QWidget* window, const WinRect& rect)
      : QObject(window), window_(window), rect_(rect) {
    setObjectName(kName);
    window->installEventFilter(this);
  }

  // The pending placement of `window`, if it has one. Found by name: the class has no
  // meta-object of its own for findChild to tell it apart by.
  static PendingPlacement* Of(QWidget* window) {
    return static_cast<PendingPlacement*>(
        window->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly));
  }

  void SetRect(const WinRect& rect) { rect_ = rect; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (watched == window_ &&
        (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) &&
        window_->isVisible() && window_->frameGeometry().size() != window_->size()) {
      window_->removeEventFilter(this);
      // Not from inside the window's own showing or moving: a little later.
      QTimer::singleShot(0, this, [this] {
        SetOuterRect(window_, rect_);
        deleteLater();
      });
    }
    return false;
  }

 private:
  static inline const QString kName = QStringLiteral("zelvaniPendingPlacement");

  QWidget* window_;
  WinRect rect_;
};

void Place(QWidget* window, const WinRect& rect) {
  SetOuterRect(window, rect);
  if (window->isVisible())
    return;
  if (PendingPlacement* pending = PendingPlacement::Of(window))
    pending->SetRect(rect);
  else
    new PendingPlacement(window, rect);
}

}  // namespace

WinRect QtSettingsWindows::FrameRect() {
  return OuterRect(&frame_);
}

void QtSettingsWindows::SetFrameRect(const WinRect& rect) {
  Place(&frame_, rect);
}

WinRect QtSettingsWindows::SeatRect(int seat) {
  const TfmHands* window = frame_.SeatWindow(seat);
  return window ? OuterRect(window) : WinRect{};
}

void QtSettingsWindows::SetSeatRect(int seat, const WinRect& rect) {
  if (TfmHands* window = frame_.SeatWindow(seat))
    Place(window, rect);
}

bool QtSettingsWindows::LoadCardPicture(const std::string& fileName) {
  return frame_.LoadCardPicture(QString::fromStdString(fileName));
}

bool QtSettingsWindows::LoadBackground(int seat, const std::string& fileName) {
  TfmHands* window = frame_.SeatWindow(seat);
  return window && window->LoadBackground(QString::fromStdString(fileName));
}

void QtSettingsWindows::TileCounterClockwise() {
  frame_.mnTileClick(0);
}

std::string QtSettingsWindows::SoundFile(int cue) {
  const TfmPlayer* player = frame_.Player();
  return player ? player->CueFile(cue).toStdString() : std::string();
}

bool QtSettingsWindows::OpenSound(int cue, const std::string& fileName) {
  TfmPlayer* player = frame_.Player();
  return player && player->OpenCue(cue, QString::fromStdString(fileName));
}

}  // namespace zelvani
