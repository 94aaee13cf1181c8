// The settings store for the run: read at start-up into the game and onto the windows,
// written once at close (a failure is told, and the program closes anyway), and written
// too after an error that nothing caught. What start-up found in the store decides what
// the close may write, so the run keeps to one store.
#pragma once

#include <memory>
#include <string>

#include "logic/settings/SettingsStore.h"

namespace zelvani {

struct Game;
struct Preferences;
class MessageBoxes;
class QtSettingsWindows;
class Registry;

class SettingsSession {
 public:
  SettingsSession(Game& game, Preferences& prefs, MessageBoxes& boxes);
  ~SettingsSession();

  // The user's settings store when it was opened before the application object (the
  // table scale is read from it first); the run goes on with this one store.
  void UseStore(std::unique_ptr<Registry> store);

  // The settings into the game, the preferences and onto the windows, which are arranged
  // again once their frames are known.
  void Load(QtSettingsWindows& windows);
  // The settings written, once in a run.
  void SaveAtClose(SettingsWindows& windows);
  // An error that nothing caught: says so, forgets the round in play and saves as a
  // confirmed close would, unless the close has saved already.
  void SaveAfterError(const std::string& what, SettingsWindows& windows);

 private:
  Game& game_;
  Preferences& prefs_;
  MessageBoxes& boxes_;
  std::unique_ptr<Registry> store_;
  bool saved_ = false;
};

}  // namespace zelvani
