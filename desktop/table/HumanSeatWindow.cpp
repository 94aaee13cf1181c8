#include "desktop/table/HumanSeatWindow.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSoundEffect>
#include <QStatusBar>
#include <QUrl>
#include <algorithm>

#include "desktop/platform/ScreenReader.h"
#include "desktop/platform/ShippedFiles.h"
#include "desktop/table/CardPainting.h"
#include "desktop/table/HandAccessible.h"
#include "logic/geometry/CardSheet.h"
#include "logic/play/HumanHand.h"
#include "ui_HumanSeatWindow.h"

namespace zelvani {

namespace {

// A playable cue file starts as a RIFF wave file; anything else is silence.
bool LooksLikeWaveFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return false;
  const QByteArray head = file.read(12);
  return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WAVE";
}

}  // namespace

int DraggedSlot(const QDropEvent* event) {
  const QMimeData* mime = event->mimeData();
  // Only a drag begun in this program's own hand window counts. A drag from another
  // program has no source here, even when it carries the same format (a second copy of
  // the game running beside this one).
  if (!qobject_cast<const HumanSeatWindow*>(event->source()))
    return -1;
  if (!mime || !mime->hasFormat(QString::fromLatin1(kCardMimeType)))
    return -1;
  bool ok = false;
  const int slot = mime->data(QString::fromLatin1(kCardMimeType)).toInt(&ok);
  return ok && slot >= 0 && slot < kHandSlots ? slot : -1;
}

HumanSeatWindow::HumanSeatWindow(Game& game, Preferences& prefs, const QImage& cardSheet,
                                 QWidget* owner)
    : SeatWindow(game, prefs, kHumanSeat, cardSheet, owner), ui_(new Ui::HumanSeatWindow) {
  ui_->setupUi(this);
  setObjectName(QStringLiteral("humanSeatWindow"));
  namePlate_ = new QLabel(windowTitle(), ui_->Status);
  namePlate_->setObjectName(QStringLiteral("namePlate"));
  namePlate_->setTextFormat(Qt::PlainText);
  QFont bold = namePlate_->font();
  bold.setBold(true);
  namePlate_->setFont(bold);
  namePlate_->setContentsMargins(0, 0, namePlate_->fontMetrics().averageCharWidth(), 0);
  claimNote_ = new QLabel(ui_->Status);
  claimNote_->setObjectName(QStringLiteral("claimNote"));
  claimNote_->setTextFormat(Qt::PlainText);
  claimNote_->hide();
  ui_->Status->addPermanentWidget(claimNote_);
  ui_->Status->addPermanentWidget(namePlate_);
  // The prompts stand on a plate of the window's plain colour, as the computers' names do,
  // so that they read the same over any background picture.
  QPalette plate = ui_->Status->palette();
  plate.setColor(QPalette::Window, plate.color(QPalette::Button));
  plate.setColor(QPalette::WindowText, plate.color(QPalette::ButtonText));
  ui_->Status->setPalette(plate);
  ui_->Status->setAutoFillBackground(true);
  // Focus lets a screen reader follow the cursor's card in this window.
  setFocusPolicy(Qt::StrongFocus);
  // The prompt is what a screen reader reads of the status bar.
  connect(ui_->Status, &QStatusBar::messageChanged, ui_->Status, &QWidget::setAccessibleName);
}

HumanSeatWindow::~HumanSeatWindow() {
  delete ui_;
}

QStatusBar* HumanSeatWindow::Status() const {
  return ui_->Status;
}

void HumanSeatWindow::ShowStatus(const QString& text) {
  // A prompt set again for the same seat is not news; a refusal given again comes after
  // the prompt it replaced, so it is said again.
  if (text != ui_->Status->currentMessage())
    Announce(text, AnnouncementKind::Status);
  ui_->Status->showMessage(text);
}

void HumanSeatWindow::SayStatus() {
  Announce(ui_->Status->currentMessage(), AnnouncementKind::Status);
}

void HumanSeatWindow::ShowClaimNote(const QString& text) {
  claimNote_->setText(text);
  claimNote_->setAccessibleName(text);
  claimNote_->setVisible(!text.isEmpty());
}

QString HumanSeatWindow::ClaimNote() const {
  return claimNote_->text();
}

int HumanSeatWindow::StatusHeight() const {
  return ui_->Status->sizeHint().height();
}

void HumanSeatWindow::KeepRoomForACard() {
  setMinimumSize(prefs_.CardWidth, prefs_.CardHeight + 2 * StatusHeight());
}

void HumanSeatWindow::resizeEvent(QResizeEvent* event) {
  // The status bar lies over the bottom strip of the hand's picture.
  const int h = StatusHeight();
  ui_->Status->setGeometry(0, height() - h, width(), h);
  SeatWindow::resizeEvent(event);
}

void HumanSeatWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowTitleChange && namePlate_)
    namePlate_->setText(windowTitle());
  // Back in this window, a screen reader hears the card under the cursor again.
  if (event->type() == QEvent::ActivationChange && isActiveWindow())
    HandFocused(this);
  SeatWindow::changeEvent(event);
}

bool HumanSeatWindow::OpenCue(int cue, const QString& fileName) {
  if (cue < 0 || cue >= 3)
    return false;
  cueFiles_[cue] = fileName;
  const QString path = ResolveDataFile(fileName);
  const bool playable = !fileName.isEmpty() && LooksLikeWaveFile(path);
  cueSources_[cue] = playable ? QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()) : QUrl();
  if (cues_[cue])
    cues_[cue]->setSource(cueSources_[cue]);
  return playable;
}

void HumanSeatWindow::PlayCue(Cue cue) {
  const int index = static_cast<int>(cue);
  if (index < 0 || index >= 3)
    return;
  if (cueSources_[index].isEmpty())
    return;
  // The sound stack (the audio server's connection, the media plug-ins) is started by the
  // first cue, not by the window: nothing on the first screen needs it. A cue still
  // loading plays once loaded.
  QSoundEffect*& effect = cues_[index];
  if (!effect) {
    effect = new QSoundEffect(this);
    effect->setSource(cueSources_[index]);
  }
  if (effect->status() == QSoundEffect::Error)
    return;
  // A cue still sounding goes on; a finished one starts again from the beginning.
  if (!effect->isPlaying())
    effect->play();
}

void HumanSeatWindow::PaintCards(QPainter& painter, const QSize& client) {
  const auto blocks = LayoutPlayerHand(Hand(), client.width(), client.height(), prefs_.CardWidth,
                                       prefs_.CardHeight);
  for (const CardBlock& block : blocks)
    DrawBlock(painter, block);
  const int cursor = cursorShown_ ? CursorSlot() : -1;
  if (cursor < 0 || cursor >= static_cast<int>(blocks.size()))
    return;
  // A frame round the whole card, drawn over its neighbours so it shows however they
  // overlap.
  const CardBlock& card = blocks[cursor];
  constexpr int kPen = 3;
  painter.setPen(QPen(palette().color(QPalette::Highlight), kPen));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRect(card.Left, card.Top, prefs_.CardWidth, prefs_.CardHeight)
                       .adjusted(-kPen / 2, -kPen / 2, kPen / 2, kPen / 2));
}

QRect HumanSeatWindow::CardRect(int slot) {
  const auto blocks =
      LayoutPlayerHand(Hand(), width(), height(), prefs_.CardWidth, prefs_.CardHeight);
  if (slot < 0 || slot >= static_cast<int>(blocks.size()))
    return {};
  return {blocks[slot].Left, blocks[slot].Top, prefs_.CardWidth, prefs_.CardHeight};
}

int HumanSeatWindow::CursorSlot() {
  const HandRecord& hand = Hand();
  if (hand.Count == 0)
    return -1;
  for (int i = 0; i < hand.Count; ++i) {
    if (hand.Cards[i] == cursorCard_) {
      cursorSlot_ = i;
      return i;
    }
  }
  PutCursor(std::clamp(cursorSlot_, 0, hand.Count - 1));
  return cursorSlot_;
}

void HumanSeatWindow::PutCursor(int slot) {
  cursorSlot_ = slot;
  cursorCard_ = slot >= 0 && slot < Hand().Count ? Hand().Cards[slot] : -1;
}

void HumanSeatWindow::ShowCursor() {
  if (cursorShown_)
    return;
  cursorShown_ = true;
  update();
}

void HumanSeatWindow::MoveCursor(int step) {
  const int slot = CursorSlot();
  if (slot < 0)
    return;
  PutCursor(std::clamp(slot + step, 0, Hand().Count - 1));
  PaintHand();
}

void HumanSeatWindow::MoveCursorToEnd(bool last) {
  if (CursorSlot() < 0)
    return;
  PutCursor(last ? Hand().Count - 1 : 0);
  PaintHand();
}

void HumanSeatWindow::PressCursorCard() {
  PressHandCard(game_, CursorSlot());
}

void HumanSeatWindow::FocusHand() {
  if (!isVisible())
    return;
  raise();
  activateWindow();
  setFocus(Qt::OtherFocusReason);
}

void HumanSeatWindow::mousePressEvent(QMouseEvent* event) {
  dragArmed_ = false;
  dragSlot_ = PressHandAt(game_, event->position().toPoint().x(), width(), prefs_.CardWidth);
  if (dragSlot_ >= 0) {
    PutCursor(dragSlot_);
    dragArmed_ = true;
    pressPos_ = event->position().toPoint();
  }
}

void HumanSeatWindow::mouseMoveEvent(QMouseEvent* event) {
  if (!dragArmed_ || event->buttons() == Qt::NoButton)
    return;
  if ((event->position().toPoint() - pressPos_).manhattanLength() <
      QApplication::startDragDistance())
    return;
  dragArmed_ = false;
  StartCardDrag();
}

void HumanSeatWindow::StartCardDrag() {
  const int slot = dragSlot_;
  if (slot < 0 || slot >= Hand().Count)
    return;
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(kCardMimeType), QByteArray::number(slot));
  auto* drag = new QDrag(this);
  drag->setMimeData(mime);
  const SheetRect cell = CardCellRect(Hand().Cards[slot], prefs_.CardWidth, prefs_.CardHeight);
  if (cell.Width > 0 && cell.Height > 0) {
    const QPixmap picture =
        QPixmap::fromImage(SheetBlockImage(cardSheet_, cell, devicePixelRatioF()));
    drag->setPixmap(picture);
    drag->setHotSpot(QPoint(cell.Width / 2, cell.Height / 2));
  }
  drag->exec(Qt::MoveAction);
}

}  // namespace zelvani
