#include "desktop/dialogs/SplashWindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "desktop/platform/PictureLoading.h"
#include "desktop/platform/ShippedFiles.h"
#include "desktop/table/CardPainting.h"
#include "ui_SplashWindow.h"

namespace zelvani {

namespace {

constexpr QSize kClientSize(256, 192);
constexpr int kCaptionPixels = 19;

QImage ReadLogo(const QString& file) {
  const QImage picture = ReadWindowsBitmap(file);
  return picture.isNull() ? picture : picture.convertToFormat(QImage::Format_RGB32);
}

// On a table drawn larger than its pixels, both pictures at twice the size when both are
// shipped so, for the wipe takes its columns from one into the other.
void ReadSharpLogos(const QString& file1, const QString& file2, QImage& picture1,
                    QImage& picture2) {
  if (qApp->devicePixelRatio() <= 1.0)
    return;
  const QImage sharp1 = TwiceSizePicture(file1, picture1);
  const QImage sharp2 = TwiceSizePicture(file2, picture2);
  if (sharp1.isNull() || sharp2.isNull())
    return;
  picture1 = sharp1.convertToFormat(QImage::Format_RGB32);
  picture2 = sharp2.convertToFormat(QImage::Format_RGB32);
}

// Copies one column of every other row, starting at `firstRow`, where both pictures have
// it. Columns and rows are those of the window; a picture at twice the size has two of
// its own in each.
void CopyColumn(QImage& into, const QImage& from, int column, int firstRow) {
  const int ratio = qRound(into.devicePixelRatio());
  const int columns = qMin(into.width(), from.width()) / ratio;
  if (column < 0 || column >= columns)
    return;
  const int rows = qMin(into.height(), from.height()) / ratio;
  for (int y = firstRow; y < rows; y += 2)
    for (int dy = 0; dy < ratio; ++dy)
      for (int dx = 0; dx < ratio; ++dx) {
        const QPoint pixel(column * ratio + dx, y * ratio + dy);
        into.setPixel(pixel, from.pixel(pixel));
      }
}

}  // namespace

SplashWindow::SplashWindow(QWidget* owner, const QString& picture1File, const QString& picture2File)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      ui_(new Ui::SplashWindow),
      timer_(new QTimer(this)),
      picture1_(ReadLogo(picture1File)),
      picture2_(ReadLogo(picture2File)) {
  ReadSharpLogos(picture1File, picture2File, picture1_, picture2_);
  ui_->setupUi(this);
  setObjectName(QStringLiteral("splashWindow"));
  QPalette face = palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  setPalette(face);
  setFixedSize(kClientSize);

  QFont captionFont = ui_->editionLabel->font();
  captionFont.setPixelSize(kCaptionPixels);
  // Where no Arial-wide font is installed the caption would run past its fixed place:
  // narrow the letters rather than cut them.
  for (int stretch = 95;
       stretch >= 50 && QFontMetrics(captionFont).horizontalAdvance(ui_->editionLabel->text()) >
                            ui_->editionLabel->width();
       stretch -= 5)
    captionFont.setStretch(stretch);
  ui_->editionLabel->setFont(captionFont);
  SetCaptionColor(kCaptionBlack);

  ui_->picture2->setPixmap(QPixmap::fromImage(picture2_));
  ui_->picture2->setGeometry(QRect(QPoint(0, 0), picture2_.deviceIndependentSize().toSize()));
  RedrawPictures();
  for (QWidget* clickable : {ui_->picture1, ui_->picture2, ui_->editionLabel})
    clickable->installEventFilter(this);

  timer_->setInterval(kLogoTickMs);
  connect(timer_, &QTimer::timeout, this, &SplashWindow::Tick);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
  }
}

SplashWindow::SplashWindow(QWidget* owner)
    : SplashWindow(owner, ResolveDataFile(QStringLiteral("Logo1.bmp")),
                   ResolveDataFile(QStringLiteral("Logo2.bmp"))) {}

SplashWindow::~SplashWindow() {
  delete ui_;
}

void SplashWindow::StartSplash() {
  show();
  timer_->start();
}

void SplashWindow::Tick() {
  if (IsWipeTick(wipeColumn_, ui_->picture1->width()))
    WipeStep();
  else
    FadeStep();
  RedrawPictures();
}

void SplashWindow::WipeStep() {
  const int width = ui_->picture1->width();
  for (int pass = 0; pass < kWipeColumnsPerTick; ++pass) {
    CopyColumn(picture1_, picture2_, wipeColumn_, 0);
    CopyColumn(picture1_, picture2_, OddRowColumn(wipeColumn_, width), 1);
    ++wipeColumn_;
  }
  if (!IsWipeTick(wipeColumn_, width)) {
    SetCaptionColor(kCaptionGreen);
    ui_->editionLabel->show();
  }
}

void SplashWindow::FadeStep() {
  const zelvani::FadeStep step = NextFade(ui_->editionLabel->isVisible(), captionColor_);
  switch (step.Action) {
    case FadeAction::Close:
      timer_->stop();
      Dismiss();
      break;
    case FadeAction::Pause:
      SetCaptionColor(step.Color);
      timer_->setInterval(kLogoPauseMs);
      break;
    case FadeAction::Dim:
      SetCaptionColor(step.Color);
      break;
  }
}

void SplashWindow::ShowAbout() {
  show();
  raise();
  activateWindow();
  // The still picture takes the focus, so that a screen reader reads the box by it and
  // Esc or Space reach the box.
  ui_->picture2->setFocusPolicy(Qt::StrongFocus);
  ui_->picture2->setAccessibleDescription(ui_->editionLabel->text());
  ui_->picture2->setFocus(Qt::OtherFocusReason);
}

void SplashWindow::Dismiss() {
  timer_->stop();
  hide();
  ui_->picture2->show();
  SetCaptionColor(kCaptionBlack);
  ui_->editionLabel->show();
  ui_->picture1->hide();
}

void SplashWindow::SetCaptionColor(std::int32_t color) {
  captionColor_ = color;
  QPalette text = ui_->editionLabel->palette();
  text.setColor(QPalette::WindowText, QColor(RedOf(color), GreenOf(color), BlueOf(color)));
  ui_->editionLabel->setPalette(text);
}

void SplashWindow::RedrawPictures() {
  ui_->picture1->setPixmap(QPixmap::fromImage(picture1_));
}

void SplashWindow::CloseByKeysIn(const QList<QWidget*>& windows) {
  keyWindows_.clear();
  for (QWidget* window : windows)
    keyWindows_ << window;
}

void SplashWindow::showEvent(QShowEvent* event) {
  // Only while it shows does the window look at the keys of the others.
  qApp->installEventFilter(this);
  QWidget::showEvent(event);
}

void SplashWindow::hideEvent(QHideEvent* event) {
  qApp->removeEventFilter(this);
  QWidget::hideEvent(event);
}

bool SplashWindow::ClosingKeyFor(const QObject* receiver, const QEvent* event) const {
  if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
    return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  if ((key->key() != Qt::Key_Escape && key->key() != Qt::Key_Space) ||
      key->modifiers() != Qt::NoModifier || QApplication::activePopupWidget() ||
      !receiver->isWidgetType())
    return false;
  const QWidget* window = static_cast<const QWidget*>(receiver)->window();
  return std::any_of(keyWindows_.begin(), keyWindows_.end(),
                     [window](const QPointer<QWidget>& w) { return w == window; });
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
  if (ClosingKeyFor(watched, event)) {
    // The key is this window's: no shortcut of the table acts on it first.
    if (event->type() == QEvent::ShortcutOverride)
      event->accept();
    else
      Dismiss();
    return true;
  }
  // While it shows, the window sees every object's events: only its own pictures and
  // caption are clicked to close it.
  const bool clickable =
      watched == ui_->picture1 || watched == ui_->picture2 || watched == ui_->editionLabel;
  if (clickable && event->type() == QEvent::MouseButtonRelease) {
    const auto* control = static_cast<QWidget*>(watched);
    if (control->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
      Dismiss();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void SplashWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (rect().contains(event->position().toPoint()))
    Dismiss();
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Space)
    Dismiss();
  else
    QWidget::keyPressEvent(event);
}

}  // namespace zelvani
