#include "desktop/mainwindow/MainWindow.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QTimer>
#include <utility>

#include "desktop/dialogs/HelpWindow.h"
#include "desktop/dialogs/MoveLogWindow.h"
#include "desktop/dialogs/ScoreSheetWindow.h"
#include "desktop/dialogs/SplashWindow.h"
#include "desktop/mainwindow/ChildWindowTiler.h"
#include "desktop/mainwindow/OptionsDialog.h"
#include "desktop/mainwindow/QtSettingsWindows.h"
#include "desktop/platform/QtText.h"
#include "desktop/platform/QtTranslations.h"
#include "desktop/platform/ShippedFiles.h"
#include "desktop/table/HumanSeatWindow.h"
#include "desktop/table/KeyboardPlay.h"
#include "desktop/table/LockedSubWindow.h"
#include "desktop/table/MeldWindow.h"
#include "desktop/table/PilesWindow.h"
#include "desktop/table/SeatWindow.h"
#include "desktop/table/TableMarks.h"
#include "logic/computer/Hint.h"
#include "logic/computer/TurnTimer.h"
#include "logic/observer/ObservingHost.h"
#include "logic/observer/TableObserver.h"
#include "logic/play/GameCommands.h"
#include "logic/scoring/HiScore.h"
#include "logic/scoring/ScoreCommands.h"
#include "logic/table/TurnDriver.h"
#include "ui_MainWindow.h"

namespace zelvani {

MainWindow::MainWindow(std::unique_ptr<MessageBoxes> boxes)
    : ui_(new Ui::MainWindow),
      turnTimer_(new QTimer(this)),
      boxes_(boxes ? std::move(boxes) : std::make_unique<MessageBoxes>(this)),
      cardSheet_(prefs_, windows_, *boxes_),
      host_(game_, prefs_, windows_, cardSheet_.Image(), *boxes_, *turnTimer_),
      observer_(std::make_unique<TableObserver>()),
      watchedHost_(std::make_unique<ObservingHost>(host_, *observer_)),
      game_(*watchedHost_),
      log_(game_),
      fitter_(*this, windows_, prefs_),
      settings_(game_, prefs_, *boxes_),
      autoPlayFilter_(game_, windows_, [this] { SwitchAutoPlay(false); }) {
  watchedHost_->Attach(game_);
  observer_->Listen(&log_);
  ui_->setupUi(this);
  windows_.ClientArea = ui_->ClientArea;
  plainSurface_ = ui_->ClientArea->background();
  windows_.Tiler = new ChildWindowTiler(windows_, prefs_, this);
  ClientArea()->viewport()->installEventFilter(windows_.Tiler);
  setObjectName(QStringLiteral("mainWindow"));
  resize(kDefaultTableWidth, kDefaultTableHeight);
  ui_->seeCardsMenu->menuAction()->setVisible(false);
  ui_->seeCardsNormalAction->setData(-2);
  ui_->seeAllCardsAction->setData(-1);
  QAction* seeSeat[] = {ui_->seeSeat0CardsAction, ui_->seeSeat1CardsAction,
                        ui_->seeSeat2CardsAction, ui_->seeSeat3CardsAction};
  for (int seat = 0; seat < kSeatCount; ++seat) {
    seeSeat[seat]->setData(seat);
    seeSeat[seat]->setCheckable(true);
  }
  ui_->counterClockwiseAction->setData(0);
  ui_->clockwiseAction->setData(1);

  turnTimer_->setSingleShot(true);
  connect(turnTimer_, &QTimer::timeout, this, [this] { TurnTimerFired(game_); });

  for (int seat = 1; seat < kSeatCount; ++seat)
    windows_.Seats[seat] = new SeatWindow(game_, prefs_, seat, cardSheet_.Image(), this);
  game_.Round = 0;
  helpFile_ = ResolveDataFile(HelpFileName(InstalledLanguage()));
  moveLogWindow_ = new MoveLogWindow(log_, prefs_.Log, this);
  addDockWidget(DockAreaOfSide(prefs_.Log.Side), moveLogWindow_);
  moveLogWindow_->hide();
  ConnectMenus();
}

MainWindow::~MainWindow() {
  windows_.Closing = true;
  turnTimer_->stop();
  CloseMeldWindows(game_);
  delete ui_;
}

void MainWindow::CreateScoreSheet() {
  windows_.ScoreSheet = new ScoreSheetWindow(game_.Score, this);
  // The rules of a game under way are fixed, so they tell the start points on the sheet.
  windows_.ScoreSheet->SetStartPointSource([this] { return game_.Rules.StartPoint; });
  connect(windows_.ScoreSheet, &ScoreSheetWindow::ViewChanged, this,
          [this](bool chart) { prefs_.ScoreChart = chart; });
}

void MainWindow::CreateHumanSeat() {
  windows_.HumanSeat = new HumanSeatWindow(game_, prefs_, cardSheet_.Image(), this);
  windows_.Seats[kHumanSeat] = windows_.HumanSeat;
  keys_ = new KeyboardPlay(
      game_, *windows_.HumanSeat, [this](int index) { return MeldWindowAt(index); }, this);
  // For a player who cannot see the table: P the discard pile, L the move log.
  keys_->AddKey({Qt::Key_P}, false, [this] {
    if (windows_.Piles)
      windows_.Piles->FocusDiscardPile();
  });
  keys_->AddKey({Qt::Key_L}, false, [this] { moveLogWindow_->TakeFocus(); });
  connect(moveLogWindow_, &MoveLogWindow::Left, windows_.HumanSeat, &HumanSeatWindow::FocusHand);
  keys_->ServeWindow(this);
  for (SeatWindow* seat : windows_.Seats) {
    keys_->ServeWindow(seat);
    // H and A, one key each, act only where the table has the focus: in the frame and the
    // seat windows, never in an open menu (whose own letters they are too) or a dialog.
    seat->addActions({ui_->hintAction, ui_->autoPlayAction});
    ServeMenuKeys(seat);
  }
  game_.Seats[kHumanSeat].Open = true;
  SetGame(game_, GameState::NoRound);
  fitter_.CentreFrame();
  QtSettingsWindows windows = WindowsForStore();
  settings_.Load(windows);
  ShowTableLook();
  ui_->soundAction->setChecked(prefs_.PlaySounds);
  ui_->keepMeldPlacesAction->setChecked(prefs_.KeepMeldPlaces);
  windows_.HumanSeat->show();
  for (int seat = 1; seat < kSeatCount; ++seat)
    windows_.Seats[seat]->show();
  show();
  PlaceLog();
  if (windows_.ScoreSheet && prefs_.ScoreChart)
    windows_.ScoreSheet->ShowChart(true);
  fitter_.Watch();
}

QtSettingsWindows MainWindow::WindowsForStore() {
  return QtSettingsWindows(*this, windows_, fitter_, cardSheet_);
}

void MainWindow::PlaceLog() {
  addDockWidget(DockAreaOfSide(prefs_.Log.Side), moveLogWindow_);
  moveLogWindow_->setVisible(prefs_.Log.Visible);
  ui_->moveLogAction->setChecked(prefs_.Log.Visible);
  ui_->speakLogAction->setChecked(prefs_.Log.Spoken);
  if (!prefs_.Log.Visible)
    return;
  const Qt::Orientation across =
      dockWidgetArea(moveLogWindow_) & (Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea)
          ? Qt::Horizontal
          : Qt::Vertical;
  resizeDocks({moveLogWindow_}, {across == Qt::Horizontal ? prefs_.Log.Width : prefs_.Log.Height},
              across);
}

void MainWindow::NoteLogPlace() {
  LogPlace& log = prefs_.Log;
  log.Visible = !moveLogWindow_->isHidden();
  log.Side = SideOfDockArea(dockWidgetArea(moveLogWindow_));
  if (log.Visible) {
    log.Width = moveLogWindow_->width();
    log.Height = moveLogWindow_->height();
  }
}

void MainWindow::CreatePilesWindow() {
  auto* piles = new PilesWindow(game_, prefs_, cardSheet_.Image());
  auto* window = new LockedSubWindow(piles);
  windows_.Piles = piles;
  windows_.PilesSubWindow = window;
  window->setWindowTitle(piles->windowTitle());
  ClientArea()->addSubWindow(window);
  window->resize(250, 150);
  window->show();
  fitter_.TileMeldWindows();
  piles->PaintPiles();
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

  connect(ui_->tileMeldsAction, &QAction::triggered, this, [this] { fitter_.TileMeldWindows(); });
  for (QAction* item : {ui_->counterClockwiseAction, ui_->clockwiseAction})
    connect(item, &QAction::triggered, this,
            [this, item] { fitter_.SeatRoundTable(item->data().toInt()); });
  connect(ui_->topToBottomAction, &QAction::triggered, this,
          [this] { fitter_.StackSeatsTopToBottom(); });
  connect(ui_->keepMeldPlacesAction, &QAction::toggled, this, [this](bool on) {
    prefs_.KeepMeldPlaces = on;
    fitter_.TileMeldWindows();
    for (int i = 0; i < windows_.MeldWindowCount(); ++i)
      MeldWindowAt(i)->PaintMeld();
  });

  connect(ui_->seeCardsMenu, &QMenu::aboutToShow, this, [this] {
    const SeeCardsMenuState menu = SeeCardsMenuNow(game_);
    ui_->seeCardsNormalAction->setEnabled(menu.NormalEnabled);
    ui_->seeAllCardsAction->setEnabled(menu.AllEnabled);
    QAction* items[] = {ui_->seeSeat0CardsAction, ui_->seeSeat1CardsAction,
                        ui_->seeSeat2CardsAction, ui_->seeSeat3CardsAction};
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

  connect(ui_->hintAction, &QAction::triggered, this, &MainWindow::ShowHintHere);
  connect(ui_->autoPlayAction, &QAction::toggled, this, &MainWindow::SwitchAutoPlay);
  // The menu item and the log's own close button show and hide the same window; the meld
  // windows are tiled again in the room it leaves or takes.
  connect(ui_->moveLogAction, &QAction::triggered, moveLogWindow_, &QWidget::setVisible);
  connect(moveLogWindow_->toggleViewAction(), &QAction::toggled, ui_->moveLogAction,
          &QAction::setChecked);
  connect(ui_->moveLogAction, &QAction::toggled, this,
          [this] { QTimer::singleShot(0, this, [this] { fitter_.TileMeldWindows(); }); });

  connect(ui_->speakLogAction, &QAction::toggled, this,
          [this](bool on) { prefs_.Log.Spoken = on; });

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
  // Alt and a menu's underlined letter open it from a seat window or the about box too:
  // the frame comes forward with that menu open.
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

void MainWindow::CreateSplash() {
  splash_ = new SplashWindow(this);
  QList<QWidget*> table = {this};
  for (SeatWindow* seat : windows_.Seats)
    table << seat;
  splash_->CloseByKeysIn(table);
  ServeMenuKeys(splash_);
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
  host_.FocusHumanMove();
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
  if (splash_)
    splash_->ShowAbout();
}

void MainWindow::ShowTableLook() {
  ClientArea()->setBackground(TableSurface(prefs_.Look, plainSurface_));
  for (SeatWindow* seat : windows_.Seats)
    if (seat)
      seat->update();
  if (windows_.Piles)
    windows_.Piles->update();
  for (int i = 0; i < windows_.MeldWindowCount(); ++i)
    windows_.MeldWindowAt(i)->update();
}

void MainWindow::ShowHintHere() {
  const int target = ShowHint(game_);
  if (keys_ && target >= 0)
    keys_->Mark(MeldWindowAt(target));
}

void MainWindow::SwitchAutoPlay(bool on) {
  if (on == game_.AutoPlay)
    return;
  if (on && !ConfirmAutoPlay(game_)) {
    ui_->autoPlayAction->setChecked(false);
    return;
  }
  log_.AutoPlaySwitched(on);
  SetAutoPlay(game_, on);
  autoPlayFilter_.Watch(on);
  ui_->autoPlayAction->setChecked(on);
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && isMaximized() && !windows_.Closing)
    fitter_.FitMaximisedFrame();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!ConfirmClose(game_)) {
    event->ignore();
    return;
  }
  turnTimer_->stop();
  NoteLogPlace();
  QtSettingsWindows windows = WindowsForStore();
  settings_.SaveAtClose(windows);
  event->accept();
}

void MainWindow::SaveAfterError(const std::string& what) {
  turnTimer_->stop();
  NoteLogPlace();
  QtSettingsWindows windows = WindowsForStore();
  settings_.SaveAfterError(what, windows);
}

}  // namespace zelvani
