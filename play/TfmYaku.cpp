#include "play/TfmYaku.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/CardNames.h"
#include "play/MeldRules.h"
#include "play/MeldWindows.h"
#include "play/TfmPlayer.h"
#include "ui/CardPainting.h"
#include "ui/CardSheet.h"
#include "ui/HandLayout.h"
#include "ui_fmYaku.h"

namespace zelvani {

TfmYaku::TfmYaku(Game& game, int index, const QImage& cardSheet, QWidget* parent)
    : QWidget(parent), ui_(new Ui::TfmYaku), game_(game), index_(index), cardSheet_(cardSheet) {
  ui_->setupUi(this);
  setObjectName(QStringLiteral("fmYaku%1").arg(index));
  setAcceptDrops(true);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Button);
  // Focus, given when the keyboard marks the window, lets a screen reader read it.
  setFocusPolicy(Qt::ClickFocus);
}

TfmYaku::~TfmYaku() {
  delete ui_;
}

const MeldRecord* TfmYaku::Meld() const {
  return index_ < game_.YakuWindowCount() ? &game_.YakuWindows[index_] : nullptr;
}

void TfmYaku::FormPaint() {
  const MeldRecord* meld = Meld();
  const QString caption = QString::fromUtf8(MeldLabel(meld ? meld->Kind : mkNone));
  setWindowTitle(caption);
  if (parentWidget())
    parentWidget()->setWindowTitle(caption);
  setAccessibleName(caption);
  QStringList cards;
  for (int i = 0; meld && i < meld->YakuCount; ++i)
    cards << QString::fromStdString(CardName(meld->YakuCards[i]));
  setAccessibleDescription(cards.join(QStringLiteral("、")));
  update();
}

void TfmYaku::SetHighlighted(bool highlighted) {
  highlighted_ = highlighted;
  update();
}

void TfmYaku::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintMeldCards(painter);
  if (highlighted_) {
    // A frame just inside the window's edge, over the cards.
    constexpr int kPen = 3;
    painter.setPen(QPen(palette().color(QPalette::Highlight), kPen));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(kPen / 2, kPen / 2, -(kPen + 1) / 2, -(kPen + 1) / 2));
  }
}

void TfmYaku::PaintMeldCards(QPainter& painter) {
  const MeldRecord* meld = Meld();
  if (!meld || meld->Kind == mkNone)
    return;
  // The window's own area: the frame of the child window around it is not ours to draw.
  painter.fillRect(rect(), palette().color(QPalette::Button));
  const int w = game_.CardWidth;
  const int h = game_.CardHeight;
  if (w <= 0 || h <= 0)
    return;
  for (const CardBlock& block : LayoutMeld(*meld, width(), height(), w, h))
    DrawSheetBlock(painter, block.Left, block.Top, cardSheet_, block.Source);
}

void TfmYaku::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

void TfmYaku::mouseReleaseEvent(QMouseEvent* event) {
  // A click is a press and a release inside the window.
  if (pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    YakuFormClick(game_, index_);
  pressed_ = false;
}

void TfmYaku::dragEnterEvent(QDragEnterEvent* event) {
  const int slot = DraggedSlot(event);
  if (slot < 0)
    return;
  event->acceptProposedAction();
  YakuFormDragOver(game_, index_, slot);
}

void TfmYaku::dragMoveEvent(QDragMoveEvent* event) {
  if (DraggedSlot(event) >= 0)
    event->acceptProposedAction();
}

void TfmYaku::dropEvent(QDropEvent* event) {
  const int slot = DraggedSlot(event);
  if (slot < 0)
    return;
  event->acceptProposedAction();
  YakuFormDragDrop(game_, index_, slot);
}

}  // namespace zelvani
