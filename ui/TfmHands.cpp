#include "ui/TfmHands.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

#include "settings/FileChooser.h"
#include "settings/FileNames.h"
#include "settings/PictureLoading.h"
#include "ui/HandAccessible.h"
#include "ui/HandLayout.h"
#include "ui/HandWindow.h"
#include "ui_fmHands.h"

namespace zelvani {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

TfmHands::TfmHands(Game& game, int seat, const QImage& cardSheet, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      game_(game),
      seat_(seat),
      cardSheet_(cardSheet),
      ui_(new Ui::TfmHands) {
  ui_->setupUi(this);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setObjectName(seat == kHumanSeat ? QStringLiteral("fmPlayer")
                                   : QStringLiteral("fmHands%1").arg(seat));

  PopMenu = new QMenu(this);
  mnpName = PopMenu->addAction(QStringLiteral("名前(&N)"), this, &TfmHands::mnpNameClick);
  mnpPoint = PopMenu->addAction(QStringLiteral("得点"));
  PopMenu->addSeparator();
  mnpBack = PopMenu->addAction(QStringLiteral("背景(&B)"), this, &TfmHands::mnpBackClick);
  mnpNoBack = PopMenu->addAction(QStringLiteral("背景なし(&G)"), this, &TfmHands::mnpNoBackClick);
  mnpBack->setCheckable(true);
  mnpNoBack->setCheckable(true);
  mnpNoBack->setChecked(true);
  connect(PopMenu, &QMenu::aboutToShow, this, &TfmHands::PopMenuPopup);
  InstallHandAccessibility();
}

TfmHands::~TfmHands() { delete ui_; }

void TfmHands::PaintHand() {
  update();
  HandChanged(this);
}

QRect TfmHands::CardRect(int slot) {
  const auto blocks = LayoutSeatHand(Hand(), width(), height(), game_.CardWidth, game_.CardHeight);
  if (slot < 0 || slot >= static_cast<int>(blocks.size())) return {};
  const CardBlock& b = blocks[slot];
  return {b.Left, b.Top, b.Source.Width, b.Source.Height};
}

void TfmHands::closeEvent(QCloseEvent* event) {
  // Seat windows have no close button; they go only with the frame.
  if (parentWidget() && parentWidget()->isVisible())
    event->ignore();
  else
    event->accept();
}

bool TfmHands::LoadBackground(const QString& fileName) {
  HandRecord& hand = Hand();
  if (fileName.isEmpty()) {
    hand.BackgroundFile.clear();
    background_ = QImage();
    return true;
  }
  QImage picture = ReadPicture(fileName, Q(game_.PluginFolder));
  if (picture.isNull()) {
    game_.Host.MessageBox(PictureErrorText(fileName).toStdString(), kErrorCaption,
                          MsgButtons::Ok, MsgIcon::Error);
    hand.BackgroundFile.clear();
    background_ = QImage();
    return false;
  }
  background_ = picture;
  hand.BackgroundFile = fileName.toStdString();
  return true;
}

void TfmHands::PaintBackground(QPainter& painter) {
  const QSize outer = frameGeometry().size().expandedTo(size());
  if (Hand().BackgroundFile.empty() || background_.isNull()) {
    painter.fillRect(QRect(QPoint(0, 0), outer), palette().color(QPalette::Button));
    return;
  }
  // One fill with the picture as its pattern tiles it from the top left corner, however
  // small the picture and however large the window.
  painter.fillRect(QRect(QPoint(0, 0), outer), QBrush(background_));
}

void TfmHands::DrawBlock(QPainter& painter, const CardBlock& block) {
  const SheetRect& s = block.Source;
  if (s.Width <= 0 || s.Height <= 0) return;
  painter.drawImage(QPoint(block.Left, block.Top), cardSheet_,
                    QRect(s.Left, s.Top, s.Width, s.Height));
}

void TfmHands::PaintCards(QPainter& painter, const QSize& client) {
  for (const CardBlock& block : LayoutSeatHand(Hand(), client.width(), client.height(),
                                               game_.CardWidth, game_.CardHeight))
    DrawBlock(painter, block);
}

QImage TfmHands::ComposeHand() {
  QImage frame(size(), QImage::Format_RGB32);
  QPainter painter(&frame);
  PaintBackground(painter);
  PaintCards(painter, size());
  return frame;
}

void TfmHands::paintEvent(QPaintEvent*) {
  // Composed off-screen and put on screen in one copy, so a repaint never flickers.
  const QImage frame = ComposeHand();
  QPainter painter(this);
  painter.drawImage(0, 0, frame);
}

void TfmHands::contextMenuEvent(QContextMenuEvent* event) { PopMenu->popup(event->globalPos()); }

void TfmHands::PopMenuPopup() {
  const HandRecord& hand = Hand();
  mnpName->setText(Q(hand.PlayerName) + QStringLiteral("(&N)"));
  mnpPoint->setText(QString::number(hand.Point) + QStringLiteral("点"));
  if (hand.BackgroundFile.empty()) {
    mnpBack->setText(QStringLiteral("背景(&B)"));
    mnpBack->setChecked(false);
    mnpNoBack->setChecked(true);
  } else {
    mnpBack->setText(QStringLiteral("背景：") + Q(FileNamePart(hand.BackgroundFile)) +
                     QStringLiteral("(&B)"));
    mnpBack->setChecked(true);
    mnpNoBack->setChecked(false);
  }
}

void TfmHands::mnpNameClick() {
  const std::string name =
      game_.Host.InputBox("名前を入力してください。", "名前の変更", Hand().PlayerName);
  SetPlayerName(game_, seat_, name);
}

void TfmHands::mnpBackClick() {
  const QString file = ChooseFile(this, QStringLiteral("背景"),
                                  QString::fromUtf8(PictureFilter(game_.PluginFolder)),
                                  Q(Hand().BackgroundFile));
  if (file.isEmpty()) return;
  LoadBackground(file);
  PaintHand();
}

void TfmHands::mnpNoBackClick() {
  LoadBackground(QString());
  PaintHand();
}

}  // namespace zelvani
