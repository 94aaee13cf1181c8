#include "core/TfmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QGridLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <ctime>

#include "ai/Hint.h"
#include "core/NewGame.h"
#include "core/ObservingHost.h"
#include "core/TableObserver.h"
#include "core/TurnDriver.h"
#include "play/KeyboardPlay.h"
#include "play/LockedSubWindow.h"
#include "play/TfmPlayer.h"
#include "play/TfmYaku.h"
#include "play/TfmYama.h"
#include "score/HiScore.h"
#include "score/ScoreMenus.h"
#include "score/TfmScore.h"
#include "settings/PictureLoading.h"
#include "settings/QtRegistry.h"
#include "settings/QtSettingsWindows.h"
#include "settings/SettingsStore.h"
#include "settings/ShippedFiles.h"
#include "settings/TfmOption.h"
#include "ui/CardPainting.h"
#include "ui/CardSheet.h"
#include "ui/HandWindow.h"
#include "ui/HelpWindow.h"
#include "ui/MoveLogWindow.h"
#include "ui/TfmHands.h"
#include "ui/TfmLogo.h"
#include "ui_fmMain.h"

namespace zelvani {

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// The width at which the window manager's title bar shows a window's whole caption (often
// a player's name) beside the bar's own icon and buttons, as far as the screen allows.
// Title bars commonly use a bold face of the system font.
int CaptionFitWidth(const QWidget& window) {
  QFont titleFont = window.font();
  titleFont.setBold(true);
  const int barExtras = 5 * window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
  int width = QFontMetrics(titleFont).horizontalAdvance(window.windowTitle()) + barExtras;
  if (const QScreen* screen = window.screen())
    width = qMin(width, screen->availableGeometry().width() * 9 / 10);
  return width;
}

// A message box sizes itself to its layout, so the width goes in as a spacer.
void WidenForCaption(QMessageBox& box) {
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(
        new QSpacerItem(CaptionFitWidth(box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
        grid->rowCount(), 0, 1, grid->columnCount());
}

// An input box builds its layout only when shown; its edit field spans it.
void WidenForCaption(QInputDialog& box) {
  if (auto* edit = box.findChild<QLineEdit*>()) {
    const QStyle* style = box.style();
    edit->setMinimumWidth(CaptionFitWidth(box) - style->pixelMetric(QStyle::PM_LayoutLeftMargin) -
                          style->pixelMetric(QStyle::PM_LayoutRightMargin));
  }
}

}  // namespace

WinRect OuterRect(const QWidget* window) {
  const QRect r = window->frameGeometry();
  return {r.left(), r.top(), r.width(), r.height()};
}

void SetOuterRect(QWidget* window, const WinRect& rect) {
  const QSize frame = window->frameGeometry().size() - window->size();
  window->move(rect.Left, rect.Top);
  window->resize(qMax(1, rect.Width - frame.width()), qMax(1, rect.Height - frame.height()));
}

TfmMain::TfmMain()
    : ui_(new Ui::TfmMain),
      observer_(std::make_unique<TableObserver>()),
      watchedHost_(std::make_unique<ObservingHost>(*this, *observer_)),
      game_(*watchedHost_),
      log_(game_),
      timer1_(new QTimer(this)) {
  watchedHost_->Attach(game_);
  observer_->Listen(&log_);
  ui_->setupUi(this);
  setObjectName(QStringLiteral("fmMain"));
  resize(kDefaultTableWidth, kDefaultTableHeight);
  ui_->mnSeeInside->menuAction()->setVisible(false);
  ui_->mnSeeCardsNormal->setData(-2);
  ui_->mnSeeCardsAll->setData(-1);
  QAction* seeSeat[] = {ui_->mnSeeCards0, ui_->mnSeeCards1, ui_->mnSeeCards2, ui_->mnSeeCards3};
  for (int seat = 0; seat < kSeatCount; ++seat) {
    seeSeat[seat]->setData(seat);
    seeSeat[seat]->setCheckable(true);
  }
  ui_->mnTileLeft->setData(0);
  ui_->mnTileRight->setData(1);

  timer1_->setSingleShot(true);
  connect(timer1_, &QTimer::timeout, this, [this] { Timer1Timer(game_); });

  for (int seat = 1; seat < kSeatCount; ++seat)
    seats_[seat] = new TfmHands(game_, seat, cardSheet_, this);
  game_.Round = 0;
  helpFile_ = ResolveDataFile(QString::fromLatin1(kHelpFileName));
  fmLog_ = new MoveLogWindow(log_, this);
  addDockWidget(DockAreaOfSide(logPlace_.Side), fmLog_);
  fmLog_->hide();
  ConnectMenus();
}

TfmMain::~TfmMain() {
  closing_ = true;
  timer1_->stop();
  CloseYakuWindows(game_);
  delete ui_;
}

void TfmMain::CreateScoreSheet() {
  fmScore_ = new TfmScore(game_.Score, this);
}

void TfmMain::CreatePlayer() {
  fmPlayer_ = new TfmPlayer(game_, cardSheet_, this);
  seats_[kHumanSeat] = fmPlayer_;
  keys_ = new KeyboardPlay(
      game_, *fmPlayer_, [this](int index) { return YakuWindow(index); }, this);
  keys_->ServeWindow(this);
  for (TfmHands* seat : seats_) {
    keys_->ServeWindow(seat);
    ServeMenuKeys(seat);
  }
  game_.Seats[kHumanSeat].Open = true;
  SetGame(game_, -1);
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->geometry();
    move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
  }
  LoadStartupSettings();
  fmPlayer_->show();
  for (int seat = 1; seat < kSeatCount; ++seat)
    seats_[seat]->show();
  show();
  PlaceLog();
}

void TfmMain::UseStore(std::unique_ptr<Registry> store) {
  store_ = std::move(store);
}

void TfmMain::LoadStartupSettings() {
  if (!store_)
    store_ = OpenUserRegistry();
  QtSettingsWindows windows(*this);
  LoadSettings(game_, *store_, windows);
  logPlace_ = LoadPlayAids(game_, *store_);
  windows.ArrangeAgainWhenFramesAreKnown();
  ui_->mnSound->setChecked(game_.PlaySounds);
}

void TfmMain::PlaceLog() {
  addDockWidget(DockAreaOfSide(logPlace_.Side), fmLog_);
  fmLog_->setVisible(logPlace_.Visible);
  ui_->mnLog->setChecked(logPlace_.Visible);
  if (!logPlace_.Visible)
    return;
  const Qt::Orientation across =
      dockWidgetArea(fmLog_) & (Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea) ? Qt::Horizontal
                                                                                  : Qt::Vertical;
  resizeDocks({fmLog_}, {across == Qt::Horizontal ? logPlace_.Width : logPlace_.Height}, across);
}

void TfmMain::CreateYama() {
  fmYama_ = new TfmYama(game_, cardSheet_);
  yamaWindow_ = new LockedSubWindow(fmYama_);
  yamaWindow_->setWindowTitle(fmYama_->windowTitle());
  ClientArea()->addSubWindow(yamaWindow_);
  yamaWindow_->resize(250, 150);
  yamaWindow_->show();
  ClientArea()->tileSubWindows();
  fmYama_->PaintYama();
}

QMdiArea* TfmMain::ClientArea() const {
  return ui_->ClientArea;
}

TfmHands* TfmMain::SeatWindow(int seat) const {
  return seat >= 0 && seat < kSeatCount ? seats_[seat] : nullptr;
}

TfmYaku* TfmMain::YakuWindow(int index) const {
  if (index < 0 || index >= static_cast<int>(yakuWindows_.size()))
    return nullptr;
  return static_cast<TfmYaku*>(yakuWindows_[index]->widget());
}

void TfmMain::ConnectMenus() {
  connect(ui_->mnGame, &QMenu::aboutToShow, this, [this] {
    const GameMenuState state = mnGameClick(game_);
    ui_->mnStart->setEnabled(state.StartEnabled);
    ui_->mnEndGame->setEnabled(state.EndGameEnabled);
  });
  // Opening the menu greys out what cannot be done now; closed, its keys stay live, and
  // the start itself refuses to deal during a round.
  connect(ui_->mnGame, &QMenu::aboutToHide, this, [this] { ui_->mnStart->setEnabled(true); });
  connect(ui_->mnStart, &QAction::triggered, this, [this] { mnStartClick(game_); });
  connect(ui_->mnEndGame, &QAction::triggered, this, [this] { mnEndGameClick(game_); });
  connect(ui_->mnExit, &QAction::triggered, this, &QWidget::close);

  connect(ui_->mnScore, &QAction::triggered, this, [this] { mnScoreClick(game_); });
  connect(ui_->mnHiScore, &QAction::triggered, this, [this] { mnHiScoreClick(game_); });
  connect(ui_->mnTotal, &QAction::triggered, this, [this] { mnTotalClick(game_); });

  connect(ui_->mnTileOnly, &QAction::triggered, this, &TfmMain::mnTileOnlyClick);
  for (QAction* item : {ui_->mnTileLeft, ui_->mnTileRight})
    connect(item, &QAction::triggered, this, [this, item] { mnTileClick(item->data().toInt()); });
  connect(ui_->mnTileVertical, &QAction::triggered, this, &TfmMain::mnTileVerticalClick);

  connect(ui_->mnSeeInside, &QMenu::aboutToShow, this, [this] {
    const SeeCardsMenuState menu = mnSeeInsideClick(game_);
    ui_->mnSeeCardsNormal->setEnabled(menu.NormalEnabled);
    ui_->mnSeeCardsAll->setEnabled(menu.AllEnabled);
    QAction* items[] = {ui_->mnSeeCards0, ui_->mnSeeCards1, ui_->mnSeeCards2, ui_->mnSeeCards3};
    for (int seat = 0; seat < kSeatCount; ++seat) {
      items[seat]->setText(Q(menu.Captions[seat]));
      items[seat]->setChecked(menu.Checked[seat]);
    }
  });
  for (QAction* item : ui_->mnSeeInside->actions()) {
    if (item->isSeparator())
      continue;
    connect(item, &QAction::triggered, this,
            [this, item] { mnSeeCards(game_, item->data().toInt()); });
  }

  connect(ui_->mnHint, &QAction::triggered, this, [this] { mnHintClick(game_); });
  connect(ui_->mnAutoPlay, &QAction::toggled, this, &TfmMain::mnAutoPlayClick);
  // The menu item and the log's own close button show and hide the same window; the meld
  // windows are tiled again in the room it leaves or takes.
  connect(ui_->mnLog, &QAction::triggered, fmLog_, &QWidget::setVisible);
  connect(fmLog_->toggleViewAction(), &QAction::toggled, ui_->mnLog, &QAction::setChecked);
  connect(ui_->mnLog, &QAction::toggled, this, [this] {
    QTimer::singleShot(0, this, [this] {
      if (!closing_)
        ClientArea()->tileSubWindows();
    });
  });

  connect(ui_->mnOption, &QAction::triggered, this, &TfmMain::mnOptionClick);
  connect(ui_->mnOptions, &QMenu::aboutToShow, this, &TfmMain::mnOptionsClick);
  connect(ui_->mnContents, &QAction::triggered, this, &TfmMain::mnContentsClick);
  connect(ui_->mnAbout, &QAction::triggered, this, &TfmMain::mnAboutClick);
  connect(ui_->mnSound, &QAction::toggled, this, [this](bool on) { game_.PlaySounds = on; });

  // The menus' keys, shown beside their items, work in every window of the game: the
  // frame with the stock and the meld windows inside it, and the four seat windows.
  ui_->mnStart->setShortcuts({QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_N)});
  ui_->mnExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  ui_->mnContents->setShortcut(QKeySequence::HelpContents);
  for (QAction* item : {ui_->mnStart, ui_->mnExit, ui_->mnContents})
    item->setShortcutContext(Qt::ApplicationShortcut);
}

void TfmMain::ServeMenuKeys(QWidget* window) {
  // Alt and a menu's underlined letter open it from a seat window too: the frame comes
  // forward with that menu open.
  for (QAction* menu : ui_->MainMenu1->actions()) {
    const QKeySequence key = QKeySequence::mnemonic(menu->text());
    if (key.isEmpty())
      continue;
    auto* open = new QAction(window);
    open->setShortcut(key);
    connect(open, &QAction::triggered, this, [this, menu] {
      raise();
      activateWindow();
      ui_->MainMenu1->setActiveAction(menu);
    });
    window->addAction(open);
  }
}

bool TfmMain::LoadCardPicture(const QString& fileName) {
  const QImage sheet = ReadPicture(fileName, Q(game_.PluginFolder));
  // A sheet too small to hold a card of at least one pixel would show no cards at all.
  if (sheet.isNull() || sheet.width() < kSheetColumns || sheet.height() < kSheetRows) {
    MessageBox(PictureErrorText(fileName).toStdString(), kErrorCaption, MsgButtons::Ok,
               MsgIcon::Error);
    return false;
  }
  cardSheet_ = sheet.convertToFormat(QImage::Format_RGB32);
  // On a table drawn larger than its pixels, a sheet drawn at twice the size keeps the
  // cards sharp; the card size stays that of the sheet as named.
  if (qApp->devicePixelRatio() > 1.0) {
    const QImage sharp = TwiceSizePicture(fileName, cardSheet_);
    if (!sharp.isNull())
      cardSheet_ = sharp.convertToFormat(QImage::Format_RGB32);
  }
  cardSheetFile_ = fileName;
  game_.CardPicturePath = fileName.toStdString();
  game_.CardWidth = CardWidthOfSheet(sheet.width());
  game_.CardHeight = CardHeightOfSheet(sheet.height());
  for (TfmHands* seat : seats_)
    if (seat)
      seat->KeepRoomForACard();
  RepaintAll();
  return true;
}

void TfmMain::RepaintAll() {
  for (TfmHands* seat : seats_)
    if (seat)
      seat->PaintHand();
  if (fmYama_)
    fmYama_->PaintYama();
  for (int i = 0; i < static_cast<int>(yakuWindows_.size()); ++i)
    PaintMeld(i);
}

int TfmMain::PlayerWindowHeight() const {
  if (!fmPlayer_)
    return 0;
  const int frame = fmPlayer_->frameGeometry().height() - fmPlayer_->height();
  return game_.CardHeight + 2 * fmPlayer_->StatusHeight() + frame;
}

SeatRects TfmMain::CurrentSeatRects() const {
  SeatRects rects;
  for (int seat = 0; seat < kSeatCount; ++seat)
    if (seats_[seat])
      rects[seat] = OuterRect(seats_[seat]);
  return rects;
}

void TfmMain::ApplySeatRects(const SeatRects& rects) {
  for (int seat = 0; seat < kSeatCount; ++seat)
    if (seats_[seat])
      SetOuterRect(seats_[seat], rects[seat]);
}

TableNeeds TfmMain::Needs() const {
  // Window-manager frames count as nothing until they are known; the start-up arranges
  // again once they are.
  const TfmHands* seat = seats_[1];
  const QSize seatFrame = seat ? seat->frameGeometry().size() - seat->size() : QSize();
  const QSize seatLeast = seat ? seat->minimumSize() : QSize();
  const QSize ownFrame = frameGeometry().size() - size();
  const int subWindowTitle = style()->pixelMetric(QStyle::PM_TitleBarHeight);
  constexpr int kBorders = 8;  // round the stock window and the frame's client area
  TableNeeds needs;
  needs.SideWidth = seatLeast.width() + seatFrame.width() + kBorders;
  needs.SeatHeight = seatLeast.height() + seatFrame.height();
  needs.PlayerHeight = PlayerWindowHeight();
  // The stock window shows its two cards side by side.
  needs.FrameWidth = 3 * game_.CardWidth + ownFrame.width() + kBorders;
  needs.FrameHeight = menuBar()->sizeHint().height() + subWindowTitle + game_.CardHeight +
                      ownFrame.height() + kBorders;
  return needs;
}

WinRect TfmMain::TableScreen() const {
  const QScreen* holder = QGuiApplication::screenAt(frameGeometry().center());
  if (!holder)
    holder = screen();
  if (!holder)
    return {0, 0, kMaxWindowExtent, kMaxWindowExtent};
  const QRect area = holder->availableGeometry();
  // A table flush with the screen's right and bottom edges reads as running past them
  // wherever a window's place is taken as its client corner plus its frame's borders;
  // a margin of one left border and one title bar there keeps it plainly inside.
  const TfmHands* seat = seats_[1];
  const QPoint border =
      seat ? seat->geometry().topLeft() - seat->frameGeometry().topLeft() : QPoint();
  return {area.left(), area.top(), area.width() - border.x(), area.height() - border.y()};
}

void TfmMain::PlaceFrame(const WinRect& rect) {
  if (isMaximized() || isFullScreen()) {
    // A maximised window may have no borders; given back a size of its own it gets those
    // of any other window again, such as a seat's.
    showNormal();
    const TfmHands* seat = seats_[1];
    const QRect outer = seat ? seat->frameGeometry() : QRect();
    const QRect inner = seat ? seat->geometry() : QRect();
    setGeometry(rect.Left + inner.left() - outer.left(), rect.Top + inner.top() - outer.top(),
                qMax(1, rect.Width - (outer.width() - inner.width())),
                qMax(1, rect.Height - (outer.height() - inner.height())));
    return;
  }
  if (!(OuterRect(this) == rect))
    SetOuterRect(this, rect);
}

void TfmMain::mnTileOnlyClick() {
  ClientArea()->tileSubWindows();
}

void TfmMain::mnTileClick(int tag) {
  arrangement_ = tag == 1 ? Arrangement::Clockwise : Arrangement::CounterClockwise;
  PlaceTable(FitRoundTable(OuterRect(this), CurrentSeatRects(), tag == 1, Needs(), TableScreen()),
             true);
}

void TfmMain::mnTileVerticalClick() {
  arrangement_ = Arrangement::TopToBottom;
  PlaceTable(FitTopToBottom(OuterRect(this), CurrentSeatRects(), Needs(), TableScreen()), false);
}

void TfmMain::ArrangeTableCentred() {
  const WinRect screen = TableScreen();
  PlaceTable(
      CentredTable(FitRoundTable(OuterRect(this), CurrentSeatRects(), false, Needs(), screen),
                   screen),
      true);
}

void TfmMain::PlaceTable(const TableRects& table, bool tile) {
  PlaceFrame(table.Frame);
  if (tile)
    mnTileOnlyClick();
  ApplySeatRects(table.Seats);
}

void TfmMain::CreateLogo() {
  fmLogo_ = new TfmLogo(this);
  fmLogo_->StartSplash();
}

void TfmMain::mnOptionClick() {
  {
    TfmOption fmOption(*this);
    fmOption.FillOptions();
    if (fmOption.exec() == QDialog::Accepted)
      fmOption.ApplyOptions();
  }
  game_.OfficialRule = OfficialRuleOf(game_.Rules);
}

void TfmMain::mnOptionsClick() {
  ui_->mnSeeInside->menuAction()->setVisible(fmLogo_ && fmLogo_->isVisible());
}

void TfmMain::mnContentsClick() {
  if (!fmHelp_)
    fmHelp_ = new HelpWindow(this, helpFile_);
  fmHelp_->ShowContext(kHelpContents);
}

void TfmMain::mnAboutClick() {
  if (!fmLogo_)
    return;
  fmLogo_->show();
  fmLogo_->raise();
}

void TfmMain::mnAutoPlayClick(bool on) {
  if (on == game_.AutoPlay)
    return;
  log_.AutoPlaySwitched(on);
  SetAutoPlay(game_, on);
  if (on)
    qApp->installEventFilter(this);
  else
    qApp->removeEventFilter(this);
  ui_->mnAutoPlay->setChecked(on);
}

bool TfmMain::PlaysTheTable(const QWidget* widget) const {
  auto within = [widget](const QWidget* window) {
    return window && (window == widget || window->isAncestorOf(widget));
  };
  if (within(fmPlayer_) || within(fmYama_))
    return true;
  for (int i = 0; i < static_cast<int>(yakuWindows_.size()); ++i)
    if (within(YakuWindow(i)))
      return true;
  return false;
}

bool TfmMain::eventFilter(QObject* watched, QEvent* event) {
  if (!game_.AutoPlay || !watched->isWidgetType() || !PlaysTheTable(static_cast<QWidget*>(watched)))
    return QMainWindow::eventFilter(watched, event);
  if (event->type() == QEvent::ShortcutOverride) {
    // A play key (D, T, Space, ...) would act as a shortcut before the window sees it:
    // taken as a plain key press it only hands the turn back. Keys with Ctrl or Alt and
    // the function keys stay the menus'.
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool menuKey = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) ||
                         (key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F35);
    if (!menuKey) {
      event->accept();
      return true;
    }
  }
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) {
    mnAutoPlayClick(false);
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TfmMain::PaintHand(int seat) {
  if (TfmHands* window = SeatWindow(seat))
    window->PaintHand();
}

void TfmMain::PaintYama() {
  if (fmYama_)
    fmYama_->PaintYama();
}

void TfmMain::PaintMeld(int index) {
  if (TfmYaku* window = YakuWindow(index))
    window->FormPaint();
}

void TfmMain::SetSeatCaption(int seat, const std::string& caption) {
  if (TfmHands* window = SeatWindow(seat))
    window->setWindowTitle(Q(caption));
}

void TfmMain::ShowSeatWindow(int seat) {
  if (TfmHands* window = SeatWindow(seat))
    window->show();
}

void TfmMain::MeldWindowOpened(int index) {
  auto* content = new TfmYaku(game_, index, cardSheet_);
  auto* window = new LockedSubWindow(content);
  window->setWindowTitle(content->windowTitle());
  yakuWindows_.push_back(window);
  ClientArea()->addSubWindow(window);
  window->show();
  content->FormPaint();
  if (yamaWindow_) {
    ClientArea()->setActiveSubWindow(yamaWindow_);
    fmYama_->setFocus();
  }
  ClientArea()->tileSubWindows();
}

void TfmMain::MeldWindowsClosed() {
  for (LockedSubWindow* window : yakuWindows_) {
    window->Release();
    window->close();
  }
  yakuWindows_.clear();
  if (!closing_)
    ClientArea()->tileSubWindows();
}

void TfmMain::PlayCue(Cue cue) {
  if (fmPlayer_ && game_.PlaySounds)
    fmPlayer_->PlayCue(cue);
}

void TfmMain::SetStatus(const std::string& text) {
  if (fmPlayer_)
    fmPlayer_->ShowStatus(Q(text));
}

MsgAnswer TfmMain::MessageBox(const std::string& text, const std::string& caption,
                              MsgButtons buttons, MsgIcon icon) {
  QMessageBox::Icon qicon = QMessageBox::NoIcon;
  switch (icon) {
    case MsgIcon::Information:
      qicon = QMessageBox::Information;
      break;
    case MsgIcon::Question:
      qicon = QMessageBox::Question;
      break;
    case MsgIcon::Exclamation:
      qicon = QMessageBox::Warning;
      break;
    case MsgIcon::Error:
      qicon = QMessageBox::Critical;
      break;
    case MsgIcon::None:
      break;
  }
  const auto qbuttons = buttons == MsgButtons::YesNo
                            ? QMessageBox::Yes | QMessageBox::No
                            : QMessageBox::StandardButtons(QMessageBox::Ok);
  QMessageBox box(qicon, Q(caption), Q(text), qbuttons, this);
  // Names and file paths are shown as they are, never read as markup.
  box.setTextFormat(Qt::PlainText);
  WidenForCaption(box);
  if (QAbstractButton* yes = box.button(QMessageBox::Yes))
    yes->setText(QStringLiteral("はい(&Y)"));
  if (QAbstractButton* no = box.button(QMessageBox::No))
    no->setText(QStringLiteral("いいえ(&N)"));
  const int answer = box.exec();
  if (answer == QMessageBox::Yes)
    return MsgAnswer::Yes;
  if (answer == QMessageBox::No)
    return MsgAnswer::No;
  return MsgAnswer::Ok;
}

std::string TfmMain::InputBox(const std::string& caption, const std::string& prompt,
                              const std::string& defaultText) {
  QInputDialog dialog(this);
  dialog.setWindowTitle(Q(caption));
  dialog.setLabelText(Q(prompt));
  dialog.setTextValue(Q(defaultText));
  for (QLabel* label : dialog.findChildren<QLabel*>())
    label->setTextFormat(Qt::PlainText);
  WidenForCaption(dialog);
  return dialog.exec() == QDialog::Accepted ? dialog.textValue().toStdString() : defaultText;
}

void TfmMain::ShowScoreSheet() {
  if (!fmScore_)
    return;
  fmScore_->Refresh();
  fmScore_->exec();
}

void TfmMain::ScoreSheetRowsChanged() {
  if (!fmScore_)
    return;
  fmScore_->Refresh();
  fmScore_->FitRows();
}

void TfmMain::StartTimer(int intervalMs) {
  timer1_->start(qMax(0, intervalMs));
}

void TfmMain::StopTimer() {
  timer1_->stop();
}

std::int64_t TfmMain::CalendarTime() {
  return static_cast<std::int64_t>(std::time(nullptr));
}

LocalDate TfmMain::Today() {
  const QDate today = QDate::currentDate();
  return {today.year(), today.month(), today.day()};
}

void TfmMain::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || !isMaximized() || closing_)
    return;
  // The frame may not have its maximised size yet: the table is fitted to the screen
  // itself, as it would be to a frame that covers it.
  QTimer::singleShot(0, this, [this] {
    if (!isMaximized())
      return;
    const WinRect screen = TableScreen();
    if (arrangement_ == Arrangement::TopToBottom)
      PlaceTable(FitTopToBottom(screen, CurrentSeatRects(), Needs(), screen), false);
    else
      PlaceTable(FitRoundTable(screen, CurrentSeatRects(), arrangement_ == Arrangement::Clockwise,
                               Needs(), screen),
                 true);
  });
}

void TfmMain::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery(game_)) {
    event->ignore();
    return;
  }
  timer1_->stop();
  SaveSettingsAtClose();
  event->accept();
}

void TfmMain::SaveSettingsAtClose() {
  if (settingsSaved_)
    return;
  settingsSaved_ = true;
  // A save that fails leaves the previous settings in place; the player is told, and the
  // program closes anyway.
  std::string failure;
  try {
    if (!store_)
      store_ = OpenUserRegistry();
    QtSettingsWindows windows(*this);
    // A hidden log keeps the size it was last shown at.
    logPlace_.Visible = !fmLog_->isHidden();
    logPlace_.Side = SideOfDockArea(dockWidgetArea(fmLog_));
    if (logPlace_.Visible) {
      logPlace_.Width = fmLog_->width();
      logPlace_.Height = fmLog_->height();
    }
    if (!SavePlayAids(game_, *store_, logPlace_) || !SaveSettings(game_, *store_, windows))
      failure = SaveFailureText(store_->LastFailure());
  } catch (const std::exception& error) {
    failure = SaveFailureText({std::string(), error.what()});
  } catch (...) {
    failure = SaveFailureText({});
  }
  if (!failure.empty())
    MessageBox(failure, kErrorCaption, MsgButtons::Ok, MsgIcon::Error);
}

void TfmMain::SaveAfterError(const std::string& what) {
  timer1_->stop();
  if (!settingsSaved_) {
    MessageBox("予期しないエラーが起きました。設定と成績を保存して終了します。\n\n" + what,
               kErrorCaption, MsgButtons::Ok, MsgIcon::Error);
    ForgetRoundInPlay(game_);
    SaveSettingsAtClose();
  }
}

}  // namespace zelvani
