// The frame window: a multiple-document frame with the game's menus. It owns the game and
// the other windows of the table, and the helpers that carry out the rest: the host of
// the logic's effects, the modal boxes, the card sheet, the table's fitting to the screen,
// the settings of the run and the automatic player's input filter.
#pragma once

#include <QBrush>
#include <QMainWindow>
#include <memory>
#include <string>

#include "desktop/dialogs/MoveLogWindow.h"
#include "desktop/mainwindow/AutoPlayInputFilter.h"
#include "desktop/mainwindow/CardSheetImage.h"
#include "desktop/mainwindow/MessageBoxes.h"
#include "desktop/mainwindow/QtGameHost.h"
#include "desktop/mainwindow/SettingsSession.h"
#include "desktop/mainwindow/TableFitter.h"
#include "desktop/mainwindow/TableWindows.h"
#include "logic/observer/MoveLog.h"
#include "logic/settings/Preferences.h"
#include "logic/table/Game.h"

class QMdiArea;
class QTimer;

namespace Ui {
class MainWindow;
}

namespace zelvani {

class HelpWindow;
class KeyboardPlay;
class SeatWindow;
class SplashWindow;
class HumanSeatWindow;
class ScoreSheetWindow;
class PilesWindow;
class MeldWindow;
class MoveLogWindow;
class ObservingHost;
class QtSettingsWindows;
class TableObserver;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `boxes` stand in for the frame's own modal boxes, as a test's answer them.
  explicit MainWindow(std::unique_ptr<MessageBoxes> boxes = nullptr);
  ~MainWindow() override;

  // The windows the application creates after the frame, in this order.
  void CreateScoreSheet();
  void CreateHumanSeat();
  void CreatePilesWindow();
  // The splash, created fifth: shown with its animation running.
  void CreateSplash();

  Game& GameRecord() { return game_; }
  Preferences& PreferencesRecord() { return prefs_; }
  HumanSeatWindow* HumanSeat() const { return windows_.HumanSeat; }
  SeatWindow* SeatWindowOf(int seat) const { return windows_.SeatWindowOf(seat); }
  PilesWindow* Piles() const { return windows_.Piles; }
  ScoreSheetWindow* ScoreWindow() const { return windows_.ScoreSheet; }
  MeldWindow* MeldWindowAt(int index) const { return windows_.MeldWindowAt(index); }
  QMdiArea* ClientArea() const { return windows_.ClientArea; }
  QTimer* TurnTimer() const { return turnTimer_; }
  SplashWindow* Splash() const { return splash_; }
  HelpWindow* Help() const { return help_; }
  KeyboardPlay* Keys() const { return keys_; }
  MoveLogWindow* LogWindow() const { return moveLogWindow_; }
  const MoveLog& Log() const { return log_; }

  MessageBoxes& Boxes() { return *boxes_; }
  CardSheetImage& CardSheet() { return cardSheet_; }
  TableFitter& Fitter() { return fitter_; }
  SettingsSession& Settings() { return settings_; }

  // An error that nothing caught: says so and saves the settings as a confirmed close
  // would. The run ends after it.
  void SaveAfterError(const std::string& what);

  // The options dialog, made anew for each use; OfficialRule follows its rules after
  // OK and Cancel alike.
  void ShowOptionsDialog();
  // When the options menu opens: the card-opening submenu shows only beside the logo.
  void OptionsMenuOpening();
  // The help file at its contents, from the menu or the help key.
  void ShowHelpContents();
  // The logo window again, as a still picture.
  void ShowAbout();
  // The frame's area and the seat windows painted in the chosen look (Preferences::Look).
  void ShowTableLook();
  // "ヒント(&H)": the hint, and the meld window it would lay on marked as Tab marks it.
  void ShowHintHere();
  // "自動プレイ(&A)": the automatic player on or off, and the log told so. Turning it on
  // asks first when it would take the game out of the records.
  void SwitchAutoPlay(bool on);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ConnectMenus();
  void ServeMenuKeys(QWidget* window);
  void PlaceLog();
  // The store's view of the frame and its windows, for one reading or writing.
  QtSettingsWindows WindowsForStore();
  // The preferences told where the move log stands now; a hidden log keeps the size it
  // was last shown at.
  void NoteLogPlace();

  Ui::MainWindow* ui_;
  QTimer* turnTimer_;
  TableWindows windows_;
  std::unique_ptr<MessageBoxes> boxes_;
  CardSheetImage cardSheet_;
  QtGameHost host_;
  // The game is played through a host that shows the observer what this frame shows,
  // and the observer tells the move log.
  std::unique_ptr<TableObserver> observer_;
  std::unique_ptr<ObservingHost> watchedHost_;
  Game game_;
  // The player's choices and the windows' state, kept beside the table.
  Preferences prefs_;
  WindowMoveLog log_;
  TableFitter fitter_;
  SettingsSession settings_;
  AutoPlayInputFilter autoPlayFilter_;
  MoveLogWindow* moveLogWindow_ = nullptr;
  SplashWindow* splash_ = nullptr;
  HelpWindow* help_ = nullptr;
  KeyboardPlay* keys_ = nullptr;
  // The frame's area in the plain look, as Qt paints it.
  QBrush plainSurface_;
  // The application's help file, looked up once at start-up like the other shipped files.
  QString helpFile_;
};

}  // namespace zelvani
