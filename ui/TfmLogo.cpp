#include "ui/TfmLogo.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include "settings/PictureLoading.h"
#include "settings/ShippedFiles.h"
#include "ui/CardPainting.h"
#include "ui_fmLogo.h"

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

TfmLogo::TfmLogo(QWidget* owner, const QString& picture1File, const QString& picture2File)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      ui_(new Ui::TfmLogo),
      timer1_(new QTimer(this)),
      picture1_(ReadLogo(picture1File)),
      picture2_(ReadLogo(picture2File)) {
  ReadSharpLogos(picture1File, picture2File, picture1_, picture2_);
  ui_->setupUi(this);
  setObjectName(QStringLiteral("fmLogo"));
  QPalette face = palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  setPalette(face);
  setFixedSize(kClientSize);

  QFont captionFont = ui_->lblVer->font();
  captionFont.setPixelSize(kCaptionPixels);
  // Where no Arial-wide font is installed the caption would run past its fixed place:
  // narrow the letters rather than cut them.
  for (int stretch = 95;
       stretch >= 50 &&
       QFontMetrics(captionFont).horizontalAdvance(ui_->lblVer->text()) > ui_->lblVer->width();
       stretch -= 5)
    captionFont.setStretch(stretch);
  ui_->lblVer->setFont(captionFont);
  SetCaptionColor(kCaptionBlack);

  ui_->imgLogo2->setPixmap(QPixmap::fromImage(picture2_));
  ui_->imgLogo2->setGeometry(QRect(QPoint(0, 0), picture2_.deviceIndependentSize().toSize()));
  RedrawPictures();
  for (QWidget* clickable : {ui_->imgLogo, ui_->imgLogo2, ui_->lblVer})
    clickable->installEventFilter(this);

  timer1_->setInterval(kLogoTickMs);
  connect(timer1_, &QTimer::timeout, this, &TfmLogo::Timer1Timer);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
  }
}

TfmLogo::TfmLogo(QWidget* owner)
    : TfmLogo(owner, ResolveDataFile(QStringLiteral("Logo1.bmp")),
              ResolveDataFile(QStringLiteral("Logo2.bmp"))) {}

TfmLogo::~TfmLogo() {
  delete ui_;
}

void TfmLogo::StartSplash() {
  show();
  timer1_->start();
}

void TfmLogo::Timer1Timer() {
  if (IsWipeTick(wipeColumn_, ui_->imgLogo->width()))
    WipeStep();
  else
    FadeStep();
  RedrawPictures();
}

void TfmLogo::WipeStep() {
  const int width = ui_->imgLogo->width();
  for (int pass = 0; pass < kWipeColumnsPerTick; ++pass) {
    CopyColumn(picture1_, picture2_, wipeColumn_, 0);
    CopyColumn(picture1_, picture2_, OddRowColumn(wipeColumn_, width), 1);
    ++wipeColumn_;
  }
  if (!IsWipeTick(wipeColumn_, width)) {
    SetCaptionColor(kCaptionGreen);
    ui_->lblVer->show();
  }
}

void TfmLogo::FadeStep() {
  const zelvani::FadeStep step = NextFade(ui_->lblVer->isVisible(), captionColor_);
  switch (step.Action) {
    case FadeAction::Close:
      timer1_->stop();
      imgLogoClick();
      break;
    case FadeAction::Pause:
      SetCaptionColor(step.Color);
      timer1_->setInterval(kLogoPauseMs);
      break;
    case FadeAction::Dim:
      SetCaptionColor(step.Color);
      break;
  }
}

void TfmLogo::imgLogoClick() {
  timer1_->stop();
  hide();
  ui_->imgLogo2->show();
  SetCaptionColor(kCaptionBlack);
  ui_->lblVer->show();
  ui_->imgLogo->hide();
}

void TfmLogo::SetCaptionColor(std::int32_t color) {
  captionColor_ = color;
  QPalette text = ui_->lblVer->palette();
  text.setColor(QPalette::WindowText, QColor(RedOf(color), GreenOf(color), BlueOf(color)));
  ui_->lblVer->setPalette(text);
}

void TfmLogo::RedrawPictures() {
  ui_->imgLogo->setPixmap(QPixmap::fromImage(picture1_));
}

bool TfmLogo::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* control = static_cast<QWidget*>(watched);
    if (control->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
      imgLogoClick();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TfmLogo::mouseReleaseEvent(QMouseEvent* event) {
  if (rect().contains(event->position().toPoint()))
    imgLogoClick();
}

void TfmLogo::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Space)
    imgLogoClick();
  else
    QWidget::keyPressEvent(event);
}

}  // namespace zelvani
