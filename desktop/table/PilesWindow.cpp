#include "desktop/table/PilesWindow.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>

#include "desktop/platform/QtText.h"
#include "desktop/platform/ScreenReader.h"
#include "desktop/table/CardPainting.h"
#include "desktop/table/CardPicture.h"
#include "desktop/table/TableMarks.h"
#include "logic/cards/CardNames.h"
#include "logic/geometry/CardSheet.h"
#include "logic/play/Piles.h"
#include "ui_PilesWindow.h"

namespace zelvani {

PilesWindow::PilesWindow(Game& game, const Preferences& prefs, const QImage& cardSheet,
                         QWidget* parent)
    : QWidget(parent), ui_(new Ui::PilesWindow), game_(game), prefs_(prefs), cardSheet_(cardSheet) {
  ui_->setupUi(this);
  setObjectName(QStringLiteral("pilesWindow"));
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(windowTitle());
  ui_->DiscardPicture->SetAcceptsCards(true);
  ui_->DiscardPicture->setFocusPolicy(Qt::ClickFocus);
  connect(ui_->StockPicture, &CardPicture::Pressed, this, [this] { ClickStock(game_); });
  connect(ui_->DiscardPicture, &CardPicture::Pressed, this, [this] { ClickDiscardPile(game_); });
  connect(ui_->DiscardPicture, &CardPicture::CardDraggedOver, this,
          [this](int slot) { DragOverDiscardPile(game_, slot); });
  connect(ui_->DiscardPicture, &CardPicture::CardDropped, this,
          [this](int slot) { DropOnDiscardPile(game_, slot); });
}

PilesWindow::~PilesWindow() {
  delete ui_;
}

CardPicture* PilesWindow::StockPicture() const {
  return ui_->StockPicture;
}
CardPicture* PilesWindow::DiscardPicture() const {
  return ui_->DiscardPicture;
}

void PilesWindow::FocusDiscardPile() {
  CardPicture* pile = ui_->DiscardPicture;
  // Asked again where it already is, the pile is said again.
  if (pile->hasFocus())
    Announce(pile->accessibleName());
  window()->raise();
  window()->activateWindow();
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
    if (QMdiArea* area = sub->mdiArea())
      area->setActiveSubWindow(sub);
  pile->setFocus(Qt::OtherFocusReason);
}

int PilesWindow::OuterWidth() const {
  // Placed by the outer width of the window, frame included.
  const auto* sub = qobject_cast<const QMdiSubWindow*>(parentWidget());
  return sub ? sub->width() : width();
}

QImage PilesWindow::EmptyPlace() const {
  const int w = prefs_.CardWidth;
  const int h = prefs_.CardHeight;
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

void PilesWindow::PaintPiles() {
  NamePiles();
  const int w = prefs_.CardWidth;
  const int h = prefs_.CardHeight;
  // Centred at a quarter and three quarters of the outer width, but never past the edges
  // of the window's own area, which the child window's frame makes narrower.
  const int outer = OuterWidth();
  const int room = qMax(0, width() - w);
  ui_->StockPicture->setGeometry(qBound(0, outer / 4 - w / 2, room), 0, w, h);
  ui_->DiscardPicture->setGeometry(qBound(0, 3 * outer / 4 - w / 2, room), 0, w, h);
  if (w <= 0 || h <= 0) {
    ui_->StockPicture->SetPicture(QImage());
    ui_->DiscardPicture->SetPicture(QImage());
    return;
  }
  const QImage empty = EmptyPlace();
  const PileRecord& piles = game_.Piles;
  if (piles.StockEmpty()) {
    ui_->StockPicture->SetPicture(empty);
  } else {
    const SheetRect back = UprightBackRect(w, h);
    ui_->StockPicture->SetPicture(SheetBlockImage(cardSheet_, back, devicePixelRatioF()));
  }
  if (!InRound(game_.State) || piles.DiscardCount == 0) {
    ui_->DiscardPicture->SetPicture(empty);
  } else {
    const SheetRect face = CardCellRect(piles.TopDiscard(), w, h);
    QImage discard = SheetBlockImage(cardSheet_, face, devicePixelRatioF());
    if (HumanMayPon(game_)) {
      QPainter painter(&discard);
      DrawMarkFrame(painter, QRect(0, 0, w, h), PonChanceColor());
    }
    ui_->DiscardPicture->SetPicture(discard);
  }
}

void PilesWindow::NamePiles() {
  // What the pictures show, for a screen reader: whether the stock has cards (never how
  // many) and the face of the top discard. A name is set only when it changes, since each
  // setting is news to a screen reader.
  const PileRecord& piles = game_.Piles;
  const QString stock = piles.StockEmpty() ? QCoreApplication::translate("PilesWindow", "山：なし")
                                           : QCoreApplication::translate("PilesWindow", "山");
  const bool faceUp = InRound(game_.State) && piles.DiscardCount > 0;
  const QString top = faceUp ? ToQString(CardText(piles.TopDiscard())) : QString();
  QString discard;
  if (HumanMayPon(game_))
    discard =
        faceUp ? QCoreApplication::translate("PilesWindow", "捨て札：%1（ポンできます）").arg(top)
               : QCoreApplication::translate("PilesWindow", "捨て札：なし（ポンできます）");
  else
    discard = faceUp ? QCoreApplication::translate("PilesWindow", "捨て札：%1").arg(top)
                     : QCoreApplication::translate("PilesWindow", "捨て札：なし");
  if (ui_->StockPicture->accessibleName() != stock)
    ui_->StockPicture->setAccessibleName(stock);
  if (ui_->DiscardPicture->accessibleName() != discard)
    ui_->DiscardPicture->setAccessibleName(discard);
}

void PilesWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), TableSurface(prefs_.Look, palette().color(backgroundRole())));
}

void PilesWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PaintPiles();
}

}  // namespace zelvani
