#include "desktop/mainwindow/QtSettingsWindows.h"

#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <functional>
#include <utility>
#include <vector>

#include "desktop/mainwindow/CardSheetImage.h"
#include "desktop/mainwindow/TableFitter.h"
#include "desktop/mainwindow/TableWindows.h"
#include "desktop/platform/PictureLoading.h"
#include "desktop/platform/ShippedFiles.h"
#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/SeatWindow.h"

namespace zelvani {

namespace {

// Before a window is first shown its frame counts as nothing, so an outer rectangle
// given then becomes its inner one. This runs an action once, as soon as the window's
// frame is known.
class WhenFrameKnown : public QObject {
 public:
  WhenFrameKnown(QWidget* window, std::function<void()> action)
      : QObject(window), window_(window), action_(std::move(action)) {
    setObjectName(kName);
    window->installEventFilter(this);
  }

  // The pending action on `window`, if it has one. Found by name: the class has no
  // meta-object of its own for findChild to tell it apart by.
  static WhenFrameKnown* Of(QWidget* window) {
    return static_cast<WhenFrameKnown*>(
        window->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly));
  }

  void SetAction(std::function<void()> action) { action_ = std::move(action); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (watched == window_ &&
        (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) &&
        window_->isVisible() && window_->frameGeometry().size() != window_->size()) {
      window_->removeEventFilter(this);
      // Not from inside the window's own showing or moving: a little later.
      QTimer::singleShot(0, this, [this] {
        action_();
        deleteLater();
      });
    }
    return false;
  }

 private:
  static inline const QString kName = QStringLiteral("zelvaniWhenFrameKnown");

  QWidget* window_;
  std::function<void()> action_;
};

// A window larger than the screen only costs memory and time at every repaint.
WinRect WithinScreen(WinRect rect) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize area = screen->availableVirtualGeometry().size();
    rect.Width = qMin(rect.Width, area.width());
    rect.Height = qMin(rect.Height, area.height());
  }
  return rect;
}

// The available areas of all screens.
std::vector<WinRect> ScreenAreas() {
  std::vector<WinRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->availableGeometry();
    areas.push_back({area.left(), area.top(), area.width(), area.height()});
  }
  return areas;
}

PictureLoad FailedLoad(const std::string& fileName) {
  return QFileInfo::exists(ResolveDataFile(QString::fromStdString(fileName)))
             ? PictureLoad::Unreadable
             : PictureLoad::Missing;
}

// A stored rectangle is an outer one and is given again once the frame is known, so the
// window does not grow by its frame at every start. A rectangle that only repeats what
// the window already has (nothing was stored) needs no second placement.
void Place(QWidget* window, const WinRect& rect, bool stored) {
  SetOuterRect(window, rect);
  WhenFrameKnown* pending = WhenFrameKnown::Of(window);
  if (!stored || window->isVisible()) {
    delete pending;  // a filter that is deleted stops filtering
    return;
  }
  auto place = [window, rect] { SetOuterRect(window, rect); };
  if (pending)
    pending->SetAction(place);
  else
    new WhenFrameKnown(window, place);
}

}  // namespace

WinRect QtSettingsWindows::FrameRect() {
  lastRead_[kFrameIndex] = OuterRect(&frame_);
  return lastRead_[kFrameIndex];
}

void QtSettingsWindows::SetFrameRect(const WinRect& rect) {
  Place(&frame_, WithinScreen(rect), Stored(kFrameIndex, rect));
}

WinRect QtSettingsWindows::SeatRect(int seat) {
  const SeatWindow* window = windows_.SeatWindowOf(seat);
  lastRead_[seat] = window ? OuterRect(window) : WinRect{};
  return lastRead_[seat];
}

void QtSettingsWindows::SetSeatRect(int seat, const WinRect& rect) {
  if (SeatWindow* window = windows_.SeatWindowOf(seat))
    Place(window, WithinScreen(rect), Stored(seat, rect));
}

bool QtSettingsWindows::Stored(int index, const WinRect& rect) {
  const bool stored = !(rect == lastRead_[index]);
  // The first sizing of the seat windows comes before any stored value is read.
  if (stored && tiled_)
    anyStored_ = true;
  return stored;
}

bool QtSettingsWindows::AnyWindowLost() const {
  const std::vector<WinRect> screens = ScreenAreas();
  if (!LiesOnAScreen(OuterRect(&frame_), screens))
    return true;
  for (int seat = 0; seat < kSeatCount; ++seat)
    if (const SeatWindow* window = windows_.SeatWindowOf(seat);
        window && !LiesOnAScreen(OuterRect(window), screens))
      return true;
  return false;
}

void QtSettingsWindows::ArrangeAgainWhenFramesAreKnown() {
  if (!windows_.HumanSeat)
    return;
  if (anyStored_) {
    if (!AnyWindowLost())
      return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && !LiesOnAScreen(OuterRect(&frame_), ScreenAreas()))
      frame_.move(screen->availableGeometry().center() - frame_.rect().center());
  }
  fitter_.ArrangeTableCentred();
  // Every frame that becomes known changes the room the table takes, in place of the
  // stored rectangles the windows would have had again.
  std::vector<QWidget*> windows = {&frame_};
  for (int seat = 0; seat < kSeatCount; ++seat)
    windows.push_back(windows_.SeatWindowOf(seat));
  for (QWidget* window : windows)
    if (window)
      delete WhenFrameKnown::Of(window);
  fitter_.ArrangeAgainAsFramesArrive();
}

PictureLoad QtSettingsWindows::LoadCardPicture(const std::string& fileName) {
  return cardSheet_.Load(QString::fromStdString(fileName)) ? PictureLoad::Loaded
                                                           : FailedLoad(fileName);
}

PictureLoad QtSettingsWindows::LoadBackground(int seat, const std::string& fileName) {
  SeatWindow* window = windows_.SeatWindowOf(seat);
  if (!window)
    return PictureLoad::Unreadable;
  return window->LoadBackground(QString::fromStdString(fileName)) ? PictureLoad::Loaded
                                                                  : FailedLoad(fileName);
}

void QtSettingsWindows::TileCounterClockwise() {
  fitter_.SeatRoundTable(0);
  tiled_ = true;
}

std::string QtSettingsWindows::SoundFile(int cue) {
  const HumanSeatWindow* player = windows_.HumanSeat;
  return player ? player->CueFile(cue).toStdString() : std::string();
}

bool QtSettingsWindows::OpenSound(int cue, const std::string& fileName) {
  HumanSeatWindow* player = windows_.HumanSeat;
  return player && player->OpenCue(cue, QString::fromStdString(fileName));
}

}  // namespace zelvani
