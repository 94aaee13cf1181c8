#include "desktop/table/MeldWindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>

#include "desktop/platform/QtText.h"
#include "desktop/table/CardPainting.h"
#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/TableMarks.h"
#include "logic/cards/CardNames.h"
#include "logic/geometry/CardSheet.h"
#include "logic/geometry/HandLayout.h"
#include "logic/play/MeldRules.h"
#include "logic/play/MeldWindowInput.h"
#include "ui_MeldWindow.h"

namespace zelvani {

MeldWindow::MeldWindow(Game& game, const Preferences& prefs, int index, const QImage& cardSheet,
                       QWidget* parent)
    : QWidget(parent),
      ui_(new Ui::MeldWindow),
      game_(game),
      prefs_(prefs),
      index_(index),
      cardSheet_(cardSheet) {
  ui_->setupUi(this);
  setObjectName(QStringLiteral("meldWindow%1").arg(index));
  setAcceptDrops(true);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Button);
  // Focus, given when the keyboard marks the window, lets a screen reader read it.
  setFocusPolicy(Qt::ClickFocus);
}

MeldWindow::~MeldWindow() {
  delete ui_;
}

const MeldRecord* MeldWindow::Meld() const {
  return index_ < game_.MeldWindowCount() ? &game_.MeldWindows[index_] : nullptr;
}

void MeldWindow::PaintMeld() {
  const MeldRecord* meld = Meld();
  const Text label = MeldLabel(meld ? meld->Kind : MeldKind::None);
  const QString caption =
      prefs_.KeepMeldPlaces && meld && meld->LaidBy >= 0 && meld->LaidBy < kSeatCount
          ? ToQString(Translatable("Melds", "%1：%2")
                          .Arg(label)
                          .Arg(game_.Seats[meld->LaidBy].PlayerName))
          : ToQString(label);
  setWindowTitle(caption);
  if (parentWidget())
    parentWidget()->setWindowTitle(caption);
  setAccessibleName(caption);
  setAccessibleDescription(
      meld ? ToQString(CardListText({meld->Cards.data(), static_cast<std::size_t>(std::clamp(
                                                             meld->Count, 0, kMeldSlots))}))
           : QString());
  update();
}

void MeldWindow::SetHighlighted(bool highlighted) {
  highlighted_ = highlighted;
  update();
}

void MeldWindow::MarkClaimedCard(int card) {
  if (card == claimedCard_)
    return;
  claimedCard_ = card;
  update();
}

void MeldWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The window's own area: the frame of the child window around it is not ours to draw.
  painter.fillRect(rect(), TableSurface(prefs_.Look, palette().color(QPalette::Button)));
  PaintMeldCards(painter);
  if (highlighted_)
    DrawMarkFrame(painter, rect(), palette().color(QPalette::Highlight));
}

void MeldWindow::PaintMeldCards(QPainter& painter) {
  const MeldRecord* meld = Meld();
  if (!meld || meld->Kind == MeldKind::None)
    return;
  const int w = prefs_.CardWidth;
  const int h = prefs_.CardHeight;
  if (w <= 0 || h <= 0)
    return;
  const auto blocks = LayoutMeld(*meld, width(), height(), w, h);
  for (const CardBlock& block : blocks)
    DrawSheetBlock(painter, block.Left, block.Top, cardSheet_, block.Source);
  for (int i = 0; i < static_cast<int>(blocks.size()) && i < meld->Count; ++i)
    if (meld->Cards[i] == claimedCard_)
      DrawMarkFrame(painter, QRect(blocks[i].Left, blocks[i].Top, w, h), ClaimedCardColor());
}

void MeldWindow::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

void MeldWindow::mouseReleaseEvent(QMouseEvent* event) {
  // A click is a press and a release inside the window.
  if (pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    ClickMeldWindow(game_, index_);
  pressed_ = false;
}

void MeldWindow::dragEnterEvent(QDragEnterEvent* event) {
  const int slot = DraggedSlot(event);
  if (slot < 0)
    return;
  event->acceptProposedAction();
  DragOverMeldWindow(game_, index_, slot);
}

void MeldWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (DraggedSlot(event) >= 0)
    event->acceptProposedAction();
}

void MeldWindow::dropEvent(QDropEvent* event) {
  const int slot = DraggedSlot(event);
  if (slot < 0)
    return;
  event->acceptProposedAction();
  DropOnMeldWindow(game_, index_, slot);
}

}  // namespace zelvani
