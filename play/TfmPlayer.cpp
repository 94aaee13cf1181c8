#include "play/TfmPlayer.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSoundEffect>
#include <QStatusBar>
#include <QUrl>

#include "play/HumanHand.h"
#include "settings/ShippedFiles.h"
#include "ui/CardSheet.h"
#include "ui_fmPlayer.h"

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
  if (!qobject_cast<const TfmPlayer*>(event->source()))
    return -1;
  if (!mime || !mime->hasFormat(QString::fromLatin1(kCardMimeType)))
    return -1;
  bool ok = false;
  const int slot = mime->data(QString::fromLatin1(kCardMimeType)).toInt(&ok);
  return ok && slot >= 0 && slot < kHandSlots ? slot : -1;
}

TfmPlayer::TfmPlayer(Game& game, const QImage& cardSheet, QWidget* owner)
    : TfmHands(game, kHumanSeat, cardSheet, owner), ui_(new Ui::TfmPlayer) {
  ui_->setupUi(this);
  setObjectName(QStringLiteral("fmPlayer"));
  for (auto& cue : cues_)
    cue = new QSoundEffect(this);
}

TfmPlayer::~TfmPlayer() {
  delete ui_;
}

QStatusBar* TfmPlayer::Status() const {
  return ui_->Status;
}

void TfmPlayer::ShowStatus(const QString& text) {
  ui_->Status->showMessage(text);
}

int TfmPlayer::StatusHeight() const {
  return ui_->Status->sizeHint().height();
}

void TfmPlayer::resizeEvent(QResizeEvent* event) {
  // The status bar lies over the bottom strip of the hand's picture.
  const int h = StatusHeight();
  ui_->Status->setGeometry(0, height() - h, width(), h);
  TfmHands::resizeEvent(event);
}

bool TfmPlayer::OpenCue(int cue, const QString& fileName) {
  if (cue < 0 || cue >= 3)
    return false;
  cueFiles_[cue] = fileName;
  const QString path = ResolveDataFile(fileName);
  if (fileName.isEmpty() || !LooksLikeWaveFile(path)) {
    cues_[cue]->setSource(QUrl());
    return false;
  }
  cues_[cue]->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
  return true;
}

void TfmPlayer::PlayCue(int cue) {
  if (cue < 0 || cue >= 3)
    return;
  QSoundEffect* effect = cues_[cue];
  if (effect->source().isEmpty() || effect->status() == QSoundEffect::Error)
    return;
  // A cue still sounding goes on; a finished one starts again from the beginning.
  if (!effect->isPlaying())
    effect->play();
}

void TfmPlayer::PaintCards(QPainter& painter, const QSize& client) {
  for (const CardBlock& block :
       LayoutPlayerHand(Hand(), client.width(), client.height(), game_.CardWidth, game_.CardHeight))
    DrawBlock(painter, block);
}

void TfmPlayer::mousePressEvent(QMouseEvent* event) {
  dragArmed_ = false;
  dragCardTag_ = PlayerMouseDown(game_, event->position().toPoint().x(), width());
  if (dragCardTag_ >= 0) {
    dragArmed_ = true;
    pressPos_ = event->position().toPoint();
  }
}

void TfmPlayer::mouseMoveEvent(QMouseEvent* event) {
  if (!dragArmed_ || event->buttons() == Qt::NoButton)
    return;
  if ((event->position().toPoint() - pressPos_).manhattanLength() <
      QApplication::startDragDistance())
    return;
  dragArmed_ = false;
  StartCardDrag();
}

void TfmPlayer::StartCardDrag() {
  const int slot = dragCardTag_;
  if (slot < 0 || slot >= Hand().Count)
    return;
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(kCardMimeType), QByteArray::number(slot));
  auto* drag = new QDrag(this);
  drag->setMimeData(mime);
  const SheetRect cell = CardCellRect(Hand().Cards[slot], game_.CardWidth, game_.CardHeight);
  if (cell.Width > 0 && cell.Height > 0) {
    const QPixmap picture =
        QPixmap::fromImage(cardSheet_.copy(cell.Left, cell.Top, cell.Width, cell.Height));
    drag->setPixmap(picture);
    drag->setHotSpot(QPoint(cell.Width / 2, cell.Height / 2));
  }
  drag->exec(Qt::MoveAction);
}

}  // namespace zelvani
