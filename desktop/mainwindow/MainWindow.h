// The frame window: a multiple-document frame that owns the game, the turn timer, the
// card sheet and the other windows, and carries out the logic's effects on screen.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "logic/table/Game.h"
#include "logic/settings/Preferences.h"
#include "logic/settings/SettingsStore.h"
#include "logic/geometry/TableArrangement.h"
#include "logic/observer/MoveLog.h"

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
class LockedSubWindow;
class MoveLogWindow;
class ObservingHost;
class Registry;
class TableObserver;

class MainWindow : public QMainWindow, public GameHost {
  Q_OBJECT

 public:
  MainWindow();
  ~MainWindow() override;

  // The user's settings store when it was opened before the application object (the
  // table scale is read from it first); the run goes on with this one store.
  void UseStore(std::unique_ptr<Registry> store);

  // The windows the application creates after the frame, in this order.
  void CreateScoreSheet();
  void CreateHumanSeat();
  void CreatePilesWindow();
  // The splash, created fifth: shown with its animation running.
  void CreateSplash();

  Game& GameRecord() { return game_; }
  Preferences& PreferencesRecord() { return prefs_; }
  HumanSeatWindow* HumanSeat() const { return humanSeat_; }
  SeatWindow* SeatWindowOf(int seat) const;
  PilesWindow* Piles() const { return pilesWindow_; }
  ScoreSheetWindow* ScoreWindow() const { return scoreSheet_; }
  MeldWindow* MeldWindowAt(int index) const;
  QMdiArea* ClientArea() const;
  QTimer* TurnTimer() const { return turnTimer_; }
  const QImage& CardSheet() const { return cardSheet_; }
  SplashWindow* Splash() const { return splash_; }
  HelpWindow* Help() const { return help_; }
  KeyboardPlay* Keys() const { return keys_; }
  MoveLogWindow* LogWindow() const { return moveLogWindow_; }
  const MoveLog& Log() const { return log_; }

  // Loads the card sheet; on failure says so and keeps the old one.
  bool LoadCardPicture(const QString& fileName);
  // The file of the sheet on the table, which differs from CardPicturePath while a
  // chosen sheet is missing; empty while no sheet could be loaded.
  const QString& CardSheetFile() const { return cardSheetFile_; }

  // An error that nothing caught: says so and saves the settings as a confirmed close
  // would. The run ends after it.
  void SaveAfterError(const std::string& what);

  // Window arrangement.
  void TileMeldWindows();
  void SeatRoundTable(int tag);
  void StackSeatsTopToBottom();
  // The table of a first start: counter-clockwise, the whole of it amid the screen.
  void ArrangeTableCentred();
  int PlayerWindowHeight() const;
  // What the arrangements fit the table to: the least sizes of its windows as they are
  // drawn now, and the available area of the screen that holds the frame.
  TableNeeds Needs() const;
  WinRect TableScreen() const;

  // The options dialog, made anew for each use; OfficialRule follows its rules after
  // OK and Cancel alike.
  void ShowOptionsDialog();
  // When the options menu opens: the card-opening submenu shows only beside the logo.
  void OptionsMenuOpening();
  // The help file at its contents, from the menu or the help key.
  void ShowHelpContents();
  // The logo window again, as a still picture.
  void ShowAbout();
  // "自動プレイ(&A)": the automatic player on or off, and the log told so.
  void SwitchAutoPlay(bool on);

  // GameHost.
  void PaintHand(int seat) override;
  void PaintPiles() override;
  void PaintMeld(int index) override;
  void SetSeatCaption(int seat, const std::string& caption) override;
  void ShowSeatWindow(int seat) override;
  void MeldWindowOpened(int index) override;
  void MeldWindowsClosed() override;
  void PlayCue(Cue cue) override;
  void SetStatus(const std::string& text) override;
  MsgAnswer MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                       MsgIcon icon) override;
  std::string InputBox(const std::string& caption, const std::string& prompt,
                       const std::string& defaultText) override;
  void ShowScoreSheet() override;
  void ScoreSheetRowsChanged() override;
  void StartTimer(int intervalMs) override;
  void StopTimer() override;
  std::int64_t CalendarTime() override;
  LocalDate Today() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Maximising the frame makes the table as large as the screen allows, the seats round
  // the frame as they stood, rather than letting the frame cover them.
  void changeEvent(QEvent* event) override;
  // While the automatic player is on, a press on the human's window or a table window
  // only takes the turn back.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectMenus();
  void ServeMenuKeys(QWidget* window);
  void LoadStartupSettings();
  void SaveSettingsAtClose();
  void RepaintAll();
  void PlaceLog();
  bool PlaysTheTable(const QWidget* widget) const;
  SeatRects CurrentSeatRects() const;
  void ApplySeatRects(const SeatRects& rects);
  // The windows where an arrangement put them; `tile` tiles the frame's children as well.
  // A maximised frame is given back a size of its own.
  void PlaceTable(const TableRects& table, bool tile);
  void PlaceFrame(const WinRect& rect);
  // The last arrangement the player chose: round the table (by tag) or top to bottom.
  enum class Arrangement { CounterClockwise, Clockwise, TopToBottom };
  Arrangement arrangement_ = Arrangement::CounterClockwise;

  Ui::MainWindow* ui_;
  // The game is played through a host that shows the observer what this frame shows,
  // and the observer tells the move log.
  std::unique_ptr<TableObserver> observer_;
  std::unique_ptr<ObservingHost> watchedHost_;
  Game game_;
  // The player's choices and the windows' state, kept beside the table.
  Preferences prefs_;
  MoveLog log_;
  MoveLogWindow* moveLogWindow_ = nullptr;
  QImage cardSheet_;
  QString cardSheetFile_;
  // One store for the run: what start-up found in it decides what the close may write.
  std::unique_ptr<Registry> store_;
  bool settingsSaved_ = false;
  QTimer* turnTimer_;
  ScoreSheetWindow* scoreSheet_ = nullptr;
  HumanSeatWindow* humanSeat_ = nullptr;
  PilesWindow* pilesWindow_ = nullptr;
  LockedSubWindow* pilesSubWindow_ = nullptr;
  std::array<SeatWindow*, kSeatCount> seats_{};
  std::vector<LockedSubWindow*> meldSubWindows_;
  bool closing_ = false;
  SplashWindow* splash_ = nullptr;
  HelpWindow* help_ = nullptr;
  KeyboardPlay* keys_ = nullptr;
  // The application's help file, looked up once at start-up like the other shipped files.
  QString helpFile_;
};

// Outer rectangles of top-level windows, frame included.
WinRect OuterRect(const QWidget* window);
void SetOuterRect(QWidget* window, const WinRect& rect);

}  // namespace zelvani
