#include "desktop/mainwindow/MainWindow.h"

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

#include "desktop/platform/QtText.h"
#include "logic/computer/Hint.h"
#include "logic/play/GameCommands.h"
#include "logic/observer/ObservingHost.h"
#include "logic/observer/TableObserver.h"
#include "logic/computer/TurnTimer.h"
#include "logic/table/TurnDriver.h"
#include "desktop/table/KeyboardPlay.h"
#include "desktop/table/LockedSubWindow.h"
#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/MeldWindow.h"
#include "desktop/table/PilesWindow.h"
#include "logic/scoring/HiScore.h"
#include "logic/scoring/ScoreCommands.h"
#include "desktop/dialogs/ScoreSheetWindow.h"
#include "desktop/platform/PictureLoading.h"
#include "desktop/platform/QtRegistry.h"
#include "desktop/mainwindow/QtSettingsWindows.h"
#include "logic/settings/SettingsStore.h"
#include "desktop/platform/ShippedFiles.h"
#include "desktop/mainwindow/OptionsDialog.h"
#include "desktop/table/CardPainting.h"
#include "logic/geometry/CardSheet.h"
#include "logic/table/SeatNames.h"
#include "desktop/dialogs/HelpWindow.h"
#include "desktop/dialogs/MoveLogWindow.h"
#include "desktop/table/SeatWindow.h"
#include "desktop/dialogs/SplashWindow.h"
#include "ui_MainWindow.h"

namespace zelvani {

namespace {

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

MainWindow::MainWindow()
    : ui_(new Ui::MainWindow),
      observer_(std::make_unique<TableObserver>()),
      watchedHost_(std::make_unique<ObservingHost>(*this, *observer_)),
      game_(*watchedHost_),
      log_(game_),
      turnTimer_(new QTimer(this)) {
  watchedHost_->Attach(game_);
  observer_->Listen(&log_);
  ui_->setupUi(this);
  setObjectName(QStringLiteral("mainWindow"));
  resize(kDefaultTableWidth, kDefaultTableHeight);
  ui_->seeCardsMenu->menuAction()->setVisible(false);
  ui_->seeCardsNormalAction->setData(-2);
  ui_->seeAllCardsAction->setData(-1);
  QAction* seeSeat[] = {ui_->seeSeat0CardsAction, ui_->seeSeat1CardsAction, ui_->seeSeat2CardsAction, ui_->seeSeat3CardsAction};
  for (int seat = 0; seat < kSeatCount; ++seat) {
    seeSeat[seat]->setData(seat);
    seeSeat[seat]->setCheckable(true);
  }
  ui_->counterClockwiseAction->setData(0);
  ui_->clockwiseAction->setData(1);

  turnTimer_->setSingleShot(true);
  connect(turnTimer_, &QTimer::timeout, this, [this] { TurnTimerFired(game_); });

  for (int seat = 1; seat < kSeatCount; ++seat)
    seats_[seat] = new SeatWindow(game_, prefs_, seat, cardSheet_, this);
  game_.Round = 0;
  helpFile_ = ResolveDataFile(QString::fromLatin1(kHelpFileName));
  moveLogWindow_ = new MoveLogWindow(log_, this);
  addDockWidget(DockAreaOfSide(prefs_.Log.Side), moveLogWindow_);
  moveLogWindow_->hide();
  ConnectMenus();
}

MainWindow::~MainWindow() {
  closing_ = true;
  turnTimer_->stop();
  CloseMeldWindows(game_);
  delete ui_;
}

void MainWindow::CreateScoreSheet() {
  scoreSheet_ = new ScoreSheetWindow(game_.Score, this);
}

void MainWindow::CreateHumanSeat() {
  humanSeat_ = new HumanSeatWindow(game_, prefs_, cardSheet_, this);
  seats_[kHumanSeat] = humanSeat_;
  keys_ = new KeyboardPlay(
      game_, *humanSeat_, [this](int index) { return MeldWindowAt(index); }, this);
  keys_->ServeWindow(this);
  for (SeatWindow* seat : seats_) {
    keys_->ServeWindow(seat);
    ServeMenuKeys(seat);
  }
  game_.Seats[kHumanSeat].Open = true;
  SetGame(game_, GameState::NoRound);
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->geometry();
    move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
  }
  LoadStartupSettings();
  humanSeat_->show();
  for (int seat = 1; seat < kSeatCount; ++seat)
    seats_[seat]->show();
  show();
  PlaceLog();
}

void MainWindow::UseStore(std::unique_ptr<Registry> store) {
  store_ = std::move(store);
}

void MainWindow::LoadStartupSettings() {
  if (!store_)
    store_ = OpenUserRegistry();
  QtSettingsWindows windows(*this);
  LoadSettings(game_, prefs_, *store_, windows);
  LoadPlayAids(game_, prefs_, *store_);
  windows.ArrangeAgainWhenFramesAreKnown();
  ui_->soundAction->setChecked(prefs_.PlaySounds);
}

void MainWindow::PlaceLog() {
  addDockWidget(DockAreaOfSide(prefs_.Log.Side), moveLogWindow_);
  moveLogWindow_->setVisible(prefs_.Log.Visible);
  ui_->moveLogAction->setChecked(prefs_.Log.Visible);
  if (!prefs_.Log.Visible)
    return;
  const Qt::Orientation across =
      dockWidgetArea(moveLogWindow_) & (Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea) ? Qt::Horizontal
                                                                                  : Qt::Vertical;
  resizeDocks({moveLogWindow_}, {across == Qt::Horizontal ? prefs_.Log.Width : prefs_.Log.Height},
              across);
}

void MainWindow::CreatePilesWindow() {
  pilesWindow_ = new PilesWindow(game_, prefs_, cardSheet_);
  pilesSubWindow_ = new LockedSubWindow(pilesWindow_);
  pilesSubWindow_->setWindowTitle(pilesWindow_->windowTitle());
  ClientArea()->addSubWindow(pilesSubWindow_);
  pilesSubWindow_->resize(250, 150);
  pilesSubWindow_->show();
  ClientArea()->tileSubWindows();
  pilesWindow_->PaintPiles();
}

QMdiArea* MainWindow::ClientArea() const {
  return ui_->ClientArea;
}

SeatWindow* MainWindow::SeatWindowOf(int seat) const {
  return seat >= 0 && seat < kSeatCount ? seats_[seat] : nullptr;
}

MeldWindow* MainWindow::MeldWindowAt(int index) const {
  if (index < 0 || index >= static_cast<int>(meldSubWindows_.size()))
    return nullptr;
  return static_cast<MeldWindow*>(meldSubWindows_[index]->widget());
}

void MainWindow::ConnectMenus() {
  connect(ui_->gameMenu, &QMenu::aboutToShow, this, [this] {
    const GameMenuState state = GameMenuNow(game_);
    ui_->startAction->setEnabled(state.StartEnabled);
    ui_->abandonAction->setEnabled(state.EndGameEnabled);
  });
  // Opening the menu greys out what cannot be done now; closed, its keys stay live, and
  // the start itself refuses to deal during a round.
  connect(ui_->gameMenu, &QMenu::aboutToHide, this, [this] { ui_->startAction->setEnabled(true); });
  connect(ui_->startAction, &QAction::triggered, this, [this] { StartRound(game_); });
  connect(ui_->abandonAction, &QAction::triggered, this, [this] { AbandonGame(game_); });
  connect(ui_->quitAction, &QAction::triggered, this, &QWidget::close);

  connect(ui_->scoreSheetAction, &QAction::triggered, this, [this] { ShowScores(game_); });
  connect(ui_->highScoresAction, &QAction::triggered, this, [this] { ShowHighScores(game_); });
  connect(ui_->totalsAction, &QAction::triggered, this, [this] { ShowTotals(game_); });

  connect(ui_->tileMeldsAction, &QAction::triggered, this, &MainWindow::TileMeldWindows);
  for (QAction* item : {ui_->counterClockwiseAction, ui_->clockwiseAction})
    connect(item, &QAction::triggered, this, [this, item] { SeatRoundTable(item->data().toInt()); });
  connect(ui_->topToBottomAction, &QAction::triggered, this, &MainWindow::StackSeatsTopToBottom);

  connect(ui_->seeCardsMenu, &QMenu::aboutToShow, this, [this] {
    const SeeCardsMenuState menu = SeeCardsMenuNow(game_);
    ui_->seeCardsNormalAction->setEnabled(menu.NormalEnabled);
    ui_->seeAllCardsAction->setEnabled(menu.AllEnabled);
    QAction* items[] = {ui_->seeSeat0CardsAction, ui_->seeSeat1CardsAction, ui_->seeSeat2CardsAction, ui_->seeSeat3CardsAction};
    for (int seat = 0; seat < kSeatCount; ++seat) {
      items[seat]->setText(ToQString(menu.Captions[seat]));
      items[seat]->setChecked(menu.Checked[seat]);
    }
  });
  for (QAction* item : ui_->seeCardsMenu->actions()) {
    if (item->isSeparator())
      continue;
    connect(item, &QAction::triggered, this,
            [this, item] { SeeCards(game_, item->data().toInt()); });
  }

  connect(ui_->hintAction, &QAction::triggered, this, [this] { ShowHint(game_); });
  connect(ui_->autoPlayAction, &QAction::toggled, this, &MainWindow::SwitchAutoPlay);
  // The menu item and the log's own close button show and hide the same window; the meld
  // windows are tiled again in the room it leaves or takes.
  connect(ui_->moveLogAction, &QAction::triggered, moveLogWindow_, &QWidget::setVisible);
  connect(moveLogWindow_->toggleViewAction(), &QAction::toggled, ui_->moveLogAction, &QAction::setChecked);
  connect(ui_->moveLogAction, &QAction::toggled, this, [this] {
    QTimer::singleShot(0, this, [this] {
      if (!closing_)
        ClientArea()->tileSubWindows();
    });
  });

  connect(ui_->optionsDialogAction, &QAction::triggered, this, &MainWindow::ShowOptionsDialog);
  connect(ui_->optionsMenu, &QMenu::aboutToShow, this, &MainWindow::OptionsMenuOpening);
  connect(ui_->helpContentsAction, &QAction::triggered, this, &MainWindow::ShowHelpContents);
  connect(ui_->aboutAction, &QAction::triggered, this, &MainWindow::ShowAbout);
  connect(ui_->soundAction, &QAction::toggled, this, [this](bool on) { prefs_.PlaySounds = on; });

  // The menus' keys, shown beside their items, work in every window of the game: the
  // frame with the stock and the meld windows inside it, and the four seat windows.
  ui_->startAction->setShortcuts({QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_N)});
  ui_->quitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  ui_->helpContentsAction->setShortcut(QKeySequence::HelpContents);
  for (QAction* item : {ui_->startAction, ui_->quitAction, ui_->helpContentsAction})
    item->setShortcutContext(Qt::ApplicationShortcut);
}

void MainWindow::ServeMenuKeys(QWidget* window) {
  // Alt and a menu's underlined letter open it from a seat window too: the frame comes
  // forward with that menu open.
  for (QAction* menu : ui_->menuBar->actions()) {
    const QKeySequence key = QKeySequence::mnemonic(menu->text());
    if (key.isEmpty())
      continue;
    auto* open = new QAction(window);
    open->setShortcut(key);
    connect(open, &QAction::triggered, this, [this, menu] {
      raise();
      activateWindow();
      ui_->menuBar->setActiveAction(menu);
    });
    window->addAction(open);
  }
}

bool MainWindow::LoadCardPicture(const QString& fileName) {
  const QImage sheet = ReadPicture(fileName, ToQString(prefs_.PluginFolder));
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
  prefs_.CardPicturePath = fileName.toStdString();
  prefs_.CardWidth = CardWidthOfSheet(sheet.width());
  prefs_.CardHeight = CardHeightOfSheet(sheet.height());
  for (SeatWindow* seat : seats_)
    if (seat)
      seat->KeepRoomForACard();
  RepaintAll();
  return true;
}

void MainWindow::RepaintAll() {
  for (SeatWindow* seat : seats_)
    if (seat)
      seat->PaintHand();
  if (pilesWindow_)
    pilesWindow_->PaintPiles();
  for (int i = 0; i < static_cast<int>(meldSubWindows_.size()); ++i)
    PaintMeld(i);
}

int MainWindow::PlayerWindowHeight() const {
  if (!humanSeat_)
    return 0;
  const int frame = humanSeat_->frameGeometry().height() - humanSeat_->height();
  return prefs_.CardHeight + 2 * humanSeat_->StatusHeight() + frame;
}

SeatRects MainWindow::CurrentSeatRects() const {
  SeatRects rects;
  for (int seat = 0; seat < kSeatCount; ++seat)
    if (seats_[seat])
      rects[seat] = OuterRect(seats_[seat]);
  return rects;
}

void MainWindow::ApplySeatRects(const SeatRects& rects) {
  for (int seat = 0; seat < kSeatCount; ++seat)
    if (seats_[seat])
      SetOuterRect(seats_[seat], rects[seat]);
}

TableNeeds MainWindow::Needs() const {
  // Window-manager frames count as nothing until they are known; the start-up arranges
  // again once they are.
  const SeatWindow* seat = seats_[1];
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
  needs.FrameWidth = 3 * prefs_.CardWidth + ownFrame.width() + kBorders;
  needs.FrameHeight = menuBar()->sizeHint().height() + subWindowTitle + prefs_.CardHeight +
                      ownFrame.height() + kBorders;
  return needs;
}

WinRect MainWindow::TableScreen() const {
  const QScreen* holder = QGuiApplication::screenAt(frameGeometry().center());
  if (!holder)
    holder = screen();
  if (!holder)
    return {0, 0, kMaxWindowExtent, kMaxWindowExtent};
  const QRect area = holder->availableGeometry();
  // A table flush with the screen's right and bottom edges reads as running past them
  // wherever a window's place is taken as its client corner plus its frame's borders;
  // a margin of one left border and one title bar there keeps it plainly inside.
  const SeatWindow* seat = seats_[1];
  const QPoint border =
      seat ? seat->geometry().topLeft() - seat->frameGeometry().topLeft() : QPoint();
  return {area.left(), area.top(), area.width() - border.x(), area.height() - border.y()};
}

void MainWindow::PlaceFrame(const WinRect& rect) {
  if (isMaximized() || isFullScreen()) {
    // A maximised window may have no borders; given back a size of its own it gets those
    // of any other window again, such as a seat's.
    showNormal();
    const SeatWindow* seat = seats_[1];
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

void MainWindow::TileMeldWindows() {
  ClientArea()->tileSubWindows();
}

void MainWindow::SeatRoundTable(int tag) {
  arrangement_ = tag == 1 ? Arrangement::Clockwise : Arrangement::CounterClockwise;
  PlaceTable(FitRoundTable(OuterRect(this), CurrentSeatRects(), tag == 1, Needs(), TableScreen()),
             true);
}

void MainWindow::StackSeatsTopToBottom() {
  arrangement_ = Arrangement::TopToBottom;
  PlaceTable(FitTopToBottom(OuterRect(this), CurrentSeatRects(), Needs(), TableScreen()), false);
}

void MainWindow::ArrangeTableCentred() {
  const WinRect screen = TableScreen();
  PlaceTable(
      CentredTable(FitRoundTable(OuterRect(this), CurrentSeatRects(), false, Needs(), screen),
                   screen),
      true);
}

void MainWindow::PlaceTable(const TableRects& table, bool tile) {
  PlaceFrame(table.Frame);
  if (tile)
    TileMeldWindows();
  ApplySeatRects(table.Seats);
}

void MainWindow::CreateSplash() {
  splash_ = new SplashWindow(this);
  splash_->StartSplash();
}

void MainWindow::ShowOptionsDialog() {
  {
    OptionsDialog dialog(*this);
    dialog.FillOptions();
    if (dialog.exec() == QDialog::Accepted)
      dialog.ApplyOptions();
  }
  game_.OfficialRule = OfficialRuleOf(game_.Rules);
}

void MainWindow::OptionsMenuOpening() {
  ui_->seeCardsMenu->menuAction()->setVisible(splash_ && splash_->isVisible());
}

void MainWindow::ShowHelpContents() {
  if (!help_)
    help_ = new HelpWindow(this, helpFile_);
  help_->ShowContext(kHelpContents);
}

void MainWindow::ShowAbout() {
  if (!splash_)
    return;
  splash_->show();
  splash_->raise();
}

void MainWindow::SwitchAutoPlay(bool on) {
  if (on == game_.AutoPlay)
    return;
  log_.AutoPlaySwitched(on);
  SetAutoPlay(game_, on);
  if (on)
    qApp->installEventFilter(this);
  else
    qApp->removeEventFilter(this);
  ui_->autoPlayAction->setChecked(on);
}

bool MainWindow::PlaysTheTable(const QWidget* widget) const {
  auto within = [widget](const QWidget* window) {
    return window && (window == widget || window->isAncestorOf(widget));
  };
  if (within(humanSeat_) || within(pilesWindow_))
    return true;
  for (int i = 0; i < static_cast<int>(meldSubWindows_.size()); ++i)
    if (within(MeldWindowAt(i)))
      return true;
  return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
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
    SwitchAutoPlay(false);
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::PaintHand(int seat) {
  if (SeatWindow* window = SeatWindowOf(seat))
    window->PaintHand();
}

void MainWindow::PaintPiles() {
  if (pilesWindow_)
    pilesWindow_->PaintPiles();
}

void MainWindow::PaintMeld(int index) {
  if (MeldWindow* window = MeldWindowAt(index))
    window->PaintMeld();
}

void MainWindow::SetSeatCaption(int seat, const std::string& caption) {
  if (SeatWindow* window = SeatWindowOf(seat))
    window->setWindowTitle(ToQString(caption));
}

void MainWindow::ShowSeatWindow(int seat) {
  if (SeatWindow* window = SeatWindowOf(seat))
    window->show();
}

void MainWindow::MeldWindowOpened(int index) {
  auto* content = new MeldWindow(game_, prefs_, index, cardSheet_);
  auto* window = new LockedSubWindow(content);
  window->setWindowTitle(content->windowTitle());
  meldSubWindows_.push_back(window);
  ClientArea()->addSubWindow(window);
  window->show();
  content->PaintMeld();
  if (pilesSubWindow_) {
    ClientArea()->setActiveSubWindow(pilesSubWindow_);
    pilesWindow_->setFocus();
  }
  ClientArea()->tileSubWindows();
}

void MainWindow::MeldWindowsClosed() {
  for (LockedSubWindow* window : meldSubWindows_) {
    window->Release();
    window->close();
  }
  meldSubWindows_.clear();
  if (!closing_)
    ClientArea()->tileSubWindows();
}

void MainWindow::PlayCue(Cue cue) {
  if (humanSeat_ && prefs_.PlaySounds)
    humanSeat_->PlayCue(cue);
}

void MainWindow::SetStatus(const std::string& text) {
  if (humanSeat_)
    humanSeat_->ShowStatus(ToQString(text));
}

MsgAnswer MainWindow::MessageBox(const std::string& text, const std::string& caption,
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
  QMessageBox box(qicon, ToQString(caption), ToQString(text), qbuttons, this);
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

std::string MainWindow::InputBox(const std::string& caption, const std::string& prompt,
                              const std::string& defaultText) {
  QInputDialog dialog(this);
  dialog.setWindowTitle(ToQString(caption));
  dialog.setLabelText(ToQString(prompt));
  dialog.setTextValue(ToQString(defaultText));
  for (QLabel* label : dialog.findChildren<QLabel*>())
    label->setTextFormat(Qt::PlainText);
  WidenForCaption(dialog);
  return dialog.exec() == QDialog::Accepted ? dialog.textValue().toStdString() : defaultText;
}

void MainWindow::ShowScoreSheet() {
  if (!scoreSheet_)
    return;
  scoreSheet_->Refresh();
  scoreSheet_->exec();
}

void MainWindow::ScoreSheetRowsChanged() {
  if (!scoreSheet_)
    return;
  scoreSheet_->Refresh();
  scoreSheet_->FitRows();
}

void MainWindow::StartTimer(int intervalMs) {
  turnTimer_->start(qMax(0, intervalMs));
}

void MainWindow::StopTimer() {
  turnTimer_->stop();
}

std::int64_t MainWindow::CalendarTime() {
  return static_cast<std::int64_t>(std::time(nullptr));
}

LocalDate MainWindow::Today() {
  const QDate today = QDate::currentDate();
  return {today.year(), today.month(), today.day()};
}

void MainWindow::changeEvent(QEvent* event) {
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

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!ConfirmClose(game_)) {
    event->ignore();
    return;
  }
  turnTimer_->stop();
  SaveSettingsAtClose();
  event->accept();
}

void MainWindow::SaveSettingsAtClose() {
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
    prefs_.Log.Visible = !moveLogWindow_->isHidden();
    prefs_.Log.Side = SideOfDockArea(dockWidgetArea(moveLogWindow_));
    if (prefs_.Log.Visible) {
      prefs_.Log.Width = moveLogWindow_->width();
      prefs_.Log.Height = moveLogWindow_->height();
    }
    if (!SavePlayAids(game_, prefs_, *store_) || !SaveSettings(game_, prefs_, *store_, windows))
      failure = SaveFailureText(store_->LastFailure());
  } catch (const std::exception& error) {
    failure = SaveFailureText({std::string(), error.what()});
  } catch (...) {
    failure = SaveFailureText({});
  }
  if (!failure.empty())
    MessageBox(failure, kErrorCaption, MsgButtons::Ok, MsgIcon::Error);
}

void MainWindow::SaveAfterError(const std::string& what) {
  turnTimer_->stop();
  if (!settingsSaved_) {
    MessageBox("予期しないエラーが起きました。設定と成績を保存して終了します。\n\n" + what,
               kErrorCaption, MsgButtons::Ok, MsgIcon::Error);
    ForgetRoundInPlay(game_);
    SaveSettingsAtClose();
  }
}

}  // namespace zelvani
