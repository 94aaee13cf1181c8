#include "desktop/table/SeatWindow.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QPainter>

#include "desktop/platform/FileChooser.h"
#include "desktop/platform/PictureLoading.h"
#include "desktop/platform/QtText.h"
#include "desktop/table/CardPainting.h"
#include "desktop/table/HandAccessible.h"
#include "desktop/table/TableMarks.h"
#include "logic/geometry/HandLayout.h"
#include "logic/settings/FileNames.h"
#include "logic/table/SeatNames.h"
#include "ui_SeatWindow.h"

namespace zelvani {

namespace {
constexpr int kPlatePadding = 3;
constexpr int kPlateAlignment = Qt::AlignHCenter | Qt::AlignTop;

// Lines break between words (and between Japanese letters); a word wider than the plate
// breaks where it must.
int PlateFlags(const QFontMetrics& metrics, const QRect& room, const QString& text) {
  const int byWords = kPlateAlignment | Qt::TextWordWrap;
  return metrics.boundingRect(room, byWords, text).width() <= room.width()
             ? byWords
             : kPlateAlignment | Qt::TextWrapAnywhere;
}
}  // namespace

SeatWindow::SeatWindow(Game& game, Preferences& prefs, int seat, const QImage& cardSheet,
                       QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      game_(game),
      prefs_(prefs),
      seat_(seat),
      cardSheet_(cardSheet),
      ui_(new Ui::SeatWindow) {
  ui_->setupUi(this);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setObjectName(seat == kHumanSeat ? QStringLiteral("humanSeatWindow")
                                   : QStringLiteral("seatWindow%1").arg(seat));

  popupMenu_ = new QMenu(this);
  popupMenu_->setAccessibleName(QCoreApplication::translate("SeatWindow", "席のメニュー"));
  renameAction_ = popupMenu_->addAction(QCoreApplication::translate("SeatWindow", "名前(&N)"), this,
                                        &SeatWindow::RenameSeat);
  pointsAction_ = popupMenu_->addAction(QCoreApplication::translate("SeatWindow", "得点"));
  popupMenu_->addSeparator();
  backgroundAction_ = popupMenu_->addAction(QCoreApplication::translate("SeatWindow", "背景(&B)"),
                                            this, &SeatWindow::ChooseBackground);
  noBackgroundAction_ =
      popupMenu_->addAction(QCoreApplication::translate("SeatWindow", "背景なし(&G)"), this,
                            &SeatWindow::RemoveBackground);
  backgroundAction_->setCheckable(true);
  noBackgroundAction_->setCheckable(true);
  noBackgroundAction_->setChecked(true);
  connect(popupMenu_, &QMenu::aboutToShow, this, &SeatWindow::ShowPopupMenu);
  InstallHandAccessibility();
}

SeatWindow::~SeatWindow() {
  delete ui_;
}

void SeatWindow::PaintHand() {
  update();
  HandChanged(this);
}

QRect SeatWindow::CardRect(int slot) {
  // The cards lie under the name plate, as PaintCards draws them.
  const QRect area = CardArea();
  const auto blocks =
      LayoutSeatHand(Hand(), area.width(), area.height(), prefs_.CardWidth, prefs_.CardHeight);
  if (slot < 0 || slot >= static_cast<int>(blocks.size()))
    return {};
  const CardBlock& b = blocks[slot];
  return {area.left() + b.Left, area.top() + b.Top, b.Source.Width, b.Source.Height};
}

void SeatWindow::closeEvent(QCloseEvent* event) {
  // Seat windows have no close button; they go only with the frame.
  if (parentWidget() && parentWidget()->isVisible())
    event->ignore();
  else
    event->accept();
}

bool SeatWindow::LoadBackground(const QString& fileName) {
  std::string& backgroundFile = prefs_.SeatBackgrounds[seat_];
  if (fileName.isEmpty()) {
    backgroundFile.clear();
    background_ = QImage();
    return true;
  }
  QImage picture = ReadPicture(fileName, ToQString(prefs_.PluginFolder));
  if (picture.isNull()) {
    game_.Host.MessageBox(Text::Verbatim(PictureErrorText(fileName).toStdString()),
                          Text::Verbatim(ErrorCaption().toStdString()), MsgButtons::Ok,
                          MsgIcon::Error);
    backgroundFile.clear();
    background_ = QImage();
    return false;
  }
  background_ = picture;
  backgroundFile = fileName.toStdString();
  return true;
}

void SeatWindow::PaintBackground(QPainter& painter) {
  const QSize outer = frameGeometry().size().expandedTo(size());
  if (prefs_.SeatBackgrounds[seat_].empty() || background_.isNull()) {
    painter.fillRect(QRect(QPoint(0, 0), outer),
                     TableSurface(prefs_.Look, palette().color(QPalette::Button)));
    return;
  }
  // One fill with the picture as its pattern tiles it from the top left corner, however
  // small the picture and however large the window.
  painter.fillRect(QRect(QPoint(0, 0), outer), QBrush(background_));
}

void SeatWindow::DrawBlock(QPainter& painter, const CardBlock& block) {
  DrawSheetBlock(painter, block.Left, block.Top, cardSheet_, block.Source);
}

QFont SeatWindow::NamePlateFont() const {
  QFont plate = font();
  plate.setBold(true);
  return plate;
}

QString SeatWindow::NamePlateText(bool upright) const {
  QString text = windowTitle();
  if (upright) {
    // The caption rule puts three spaces before the points.
    const qsizetype points = text.lastIndexOf(QStringLiteral("   ["));
    if (points >= 0)
      text.replace(points, 3, QLatin1Char('\n'));
  }
  return text;
}

int SeatWindow::NamePlateHeight(const QString& text, int width) const {
  const QRect room(0, 0, qMax(1, width - 2 * kPlatePadding), QWIDGETSIZE_MAX);
  const QFontMetrics metrics(NamePlateFont());
  const int lines = metrics.boundingRect(room, PlateFlags(metrics, room, text), text).height();
  return lines + 2 * kPlatePadding + 1;
}

void SeatWindow::KeepRoomForACard() {
  // A card on its side, and a whole hand with its corner indices in view.
  const ClientSize cards = LeastSeatCards(prefs_.CardWidth, prefs_.CardHeight);
  const int width = qMax(prefs_.CardHeight, cards.Width);
  // Two lines as a name and points take them, Japanese letters and all.
  const int plate = NamePlateHeight(QStringLiteral("名Mg\n[0点]"), width);
  setMinimumSize(width, plate + qMax(prefs_.CardHeight, cards.Height));
}

QRect SeatWindow::CardArea() const {
  const int plate =
      HasNamePlate() ? qMin(height(), NamePlateHeight(NamePlateText(width() <= height()), width()))
                     : 0;
  return QRect(0, plate, width(), height() - plate);
}

void SeatWindow::PaintNamePlate(QPainter& painter) {
  const QRect plate(0, 0, width(), CardArea().top());
  painter.fillRect(plate, palette().color(QPalette::Button));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawLine(plate.bottomLeft(), plate.bottomRight());
  painter.setPen(palette().color(QPalette::ButtonText));
  painter.setFont(NamePlateFont());
  const QRect room = plate.adjusted(kPlatePadding, kPlatePadding, -kPlatePadding, -kPlatePadding);
  const QString text = NamePlateText(width() <= height());
  painter.drawText(room, PlateFlags(painter.fontMetrics(), room, text), text);
}

void SeatWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowTitleChange)
    update();
  QWidget::changeEvent(event);
}

void SeatWindow::PaintCards(QPainter& painter, const QSize& client) {
  for (const CardBlock& block :
       LayoutSeatHand(Hand(), client.width(), client.height(), prefs_.CardWidth, prefs_.CardHeight))
    DrawBlock(painter, block);
}

QImage SeatWindow::ComposeHand() {
  const qreal ratio = devicePixelRatioF();
  QImage frame(size() * ratio, QImage::Format_RGB32);
  frame.setDevicePixelRatio(ratio);
  QPainter painter(&frame);
  PaintBackground(painter);
  if (HasNamePlate())
    PaintNamePlate(painter);
  const QRect area = CardArea();
  painter.translate(area.topLeft());
  PaintCards(painter, area.size());
  painter.resetTransform();
  for (int slot = 0; claimedCard_ != kNoCard && slot < Hand().Count; ++slot)
    if (Hand().Cards[slot] == claimedCard_)
      DrawMarkFrame(painter, CardRect(slot), ClaimedCardColor());
  return frame;
}

void SeatWindow::MarkClaimedCard(int card) {
  if (card == claimedCard_)
    return;
  claimedCard_ = card;
  update();
}

void SeatWindow::paintEvent(QPaintEvent*) {
  // Composed off-screen and put on screen in one copy, so a repaint never flickers.
  const QImage frame = ComposeHand();
  QPainter painter(this);
  painter.drawImage(0, 0, frame);
}

void SeatWindow::contextMenuEvent(QContextMenuEvent* event) {
  if (event->reason() != QContextMenuEvent::Keyboard) {
    popupMenu_->popup(event->globalPos());
    return;
  }
  // From the menu key the menu opens at the window's top left with its first item chosen,
  // which a screen reader then reads as the focus.
  popupMenu_->popup(mapToGlobal(CardArea().topLeft()));
  popupMenu_->setActiveAction(renameAction_);
}

void SeatWindow::ShowPopupMenu() {
  const HandRecord& hand = Hand();
  renameAction_->setText(QCoreApplication::translate("SeatWindow", "%1(&N)")
                             .arg(ToQString(MenuText(hand.PlayerName))));
  pointsAction_->setText(QCoreApplication::translate("SeatWindow", "%1点").arg(hand.Point));
  const std::string& backgroundFile = prefs_.SeatBackgrounds[seat_];
  if (backgroundFile.empty()) {
    backgroundAction_->setText(QCoreApplication::translate("SeatWindow", "背景(&B)"));
    backgroundAction_->setChecked(false);
    noBackgroundAction_->setChecked(true);
  } else {
    backgroundAction_->setText(QCoreApplication::translate("SeatWindow", "背景：%1(&B)")
                                   .arg(ToQString(MenuText(FileNamePart(backgroundFile)))));
    backgroundAction_->setChecked(true);
    noBackgroundAction_->setChecked(false);
  }
}

void SeatWindow::RenameSeat() {
  const std::string name =
      game_.Host.InputBox(Translatable("Seats", "名前を入力してください。"),
                          Translatable("Seats", "名前の変更"), Hand().PlayerName);
  zelvani::RenameSeat(game_, seat_, name);
}

void SeatWindow::ChooseBackground() {
  const QString file =
      ChooseFile(this, QCoreApplication::translate("SeatWindow", "背景"),
                 PictureFilter(prefs_.PluginFolder), ToQString(prefs_.SeatBackgrounds[seat_]));
  if (file.isEmpty())
    return;
  LoadBackground(file);
  PaintHand();
}

void SeatWindow::RemoveBackground() {
  LoadBackground(QString());
  PaintHand();
}

}  // namespace zelvani
