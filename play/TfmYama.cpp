#include "play/TfmYama.h"

#include <QMdiSubWindow>
#include <QPainter>

#include "core/CardNames.h"
#include "play/CardPicture.h"
#include "play/Piles.h"
#include "ui/CardPainting.h"
#include "ui/CardSheet.h"
#include "ui_fmYama.h"

namespace zelvani {

TfmYama::TfmYama(Game& game, const QImage& cardSheet, QWidget* parent)
    : QWidget(parent), ui_(new Ui::TfmYama), game_(game), cardSheet_(cardSheet) {
  ui_->setupUi(this);
  setObjectName(QStringLiteral("fmYama"));
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(windowTitle());
  ui_->ImgSute->SetAcceptsCards(true);
  connect(ui_->ImgYama, &CardPicture::MouseDown, this, [this] { ImgYamaMouseDown(game_); });
  connect(ui_->ImgSute, &CardPicture::MouseDown, this, [this] { ImgSuteMouseDown(game_); });
  connect(ui_->ImgSute, &CardPicture::CardDraggedOver, this,
          [this](int slot) { ImgSuteDragOver(game_, slot); });
  connect(ui_->ImgSute, &CardPicture::CardDropped, this,
          [this](int slot) { ImgSuteDragDrop(game_, slot); });
}

TfmYama::~TfmYama() {
  delete ui_;
}

CardPicture* TfmYama::ImgYama() const {
  return ui_->ImgYama;
}
CardPicture* TfmYama::ImgSute() const {
  return ui_->ImgSute;
}

int TfmYama::OuterWidth() const {
  // Placed by the outer width of the window, frame included.
  const auto* sub = qobject_cast<const QMdiSubWindow*>(parentWidget());
  return sub ? sub->width() : width();
}

QImage TfmYama::EmptyPlace() const {
  const int w = game_.CardWidth;
  const int h = game_.CardHeight;
  const qreal ratio = devicePixelRatioF();
  QImage place(QSize(w, h) * ratio, QImage::Format_RGB32);
  place.setDevicePixelRatio(ratio);
  place.fill(palette().color(QPalette::Button));
  QPainter painter(&place);
  // Shadow on the left and top, highlight on the right and bottom: a sunken place.
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawLine(0, h - 1, 0, 0);
  painter.drawLine(0, 0, w - 1, 0);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawLine(w - 1, 0, w - 1, h - 1);
  painter.drawLine(w - 1, h - 1, 0, h - 1);
  return place;
}

void TfmYama::PaintYama() {
  NameYama();
  const int w = game_.CardWidth;
  const int h = game_.CardHeight;
  const int outer = OuterWidth();
  ui_->ImgYama->setGeometry(outer / 4 - w / 2, 0, w, h);
  ui_->ImgSute->setGeometry(3 * outer / 4 - w / 2, 0, w, h);
  if (w <= 0 || h <= 0) {
    ui_->ImgYama->SetPicture(QImage());
    ui_->ImgSute->SetPicture(QImage());
    return;
  }
  const QImage empty = EmptyPlace();
  const PileRecord& yama = game_.Yama;
  if (yama.StockEmpty()) {
    ui_->ImgYama->SetPicture(empty);
  } else {
    const SheetRect back = UprightBackRect(w, h);
    ui_->ImgYama->SetPicture(SheetBlockImage(cardSheet_, back, devicePixelRatioF()));
  }
  if (game_.GameState < 0 || yama.DiscardCount == 0) {
    ui_->ImgSute->SetPicture(empty);
  } else {
    const SheetRect face = CardCellRect(yama.TopDiscard(), w, h);
    ui_->ImgSute->SetPicture(SheetBlockImage(cardSheet_, face, devicePixelRatioF()));
  }
}

void TfmYama::NameYama() {
  // What the pictures show, for a screen reader: whether the stock has cards (never how
  // many) and the face of the top discard.
  const PileRecord& yama = game_.Yama;
  const QString none = QStringLiteral("：なし");
  ui_->ImgYama->setAccessibleName(QStringLiteral("山") + (yama.StockEmpty() ? none : QString()));
  const bool faceUp = game_.GameState >= 0 && yama.DiscardCount > 0;
  ui_->ImgSute->setAccessibleName(
      QStringLiteral("捨て札") +
      (faceUp ? QStringLiteral("：") + QString::fromStdString(CardName(yama.TopDiscard())) : none));
}

void TfmYama::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PaintYama();
}

}  // namespace zelvani
