#include "desktop/mainwindow/SettingsSession.h"

#include <exception>
#include <utility>

#include "desktop/mainwindow/MessageBoxes.h"
#include "desktop/mainwindow/QtSettingsWindows.h"
#include "desktop/platform/PictureLoading.h"
#include "desktop/platform/QtRegistry.h"
#include "desktop/platform/QtText.h"
#include "logic/play/GameCommands.h"
#include "logic/storage/Registry.h"

namespace zelvani {

SettingsSession::SettingsSession(Game& game, Preferences& prefs, MessageBoxes& boxes)
    : game_(game), prefs_(prefs), boxes_(boxes) {}

SettingsSession::~SettingsSession() = default;

void SettingsSession::UseStore(std::unique_ptr<Registry> store) {
  store_ = std::move(store);
}

void SettingsSession::Load(QtSettingsWindows& windows) {
  if (!store_)
    store_ = OpenUserRegistry();
  LoadSettings(game_, prefs_, *store_, windows, TranslateText);
  LoadPlayAids(game_, prefs_, *store_);
  windows.ArrangeAgainWhenFramesAreKnown();
}

void SettingsSession::SaveAtClose(SettingsWindows& windows) {
  if (saved_)
    return;
  saved_ = true;
  // A save that fails leaves the previous settings in place.
  Text failure;
  try {
    if (!store_)
      store_ = OpenUserRegistry();
    if (!SavePlayAids(game_, prefs_, *store_) || !SaveSettings(game_, prefs_, *store_, windows))
      failure = SaveFailureText(store_->LastFailure());
  } catch (const std::exception& error) {
    failure = SaveFailureText({std::string(), Text::Verbatim(error.what())});
  } catch (...) {
    failure = SaveFailureText({});
  }
  if (!failure.Empty())
    boxes_.MessageBox(RenderText(failure), ErrorCaption().toStdString(), MsgButtons::Ok,
                      MsgIcon::Error);
}

void SettingsSession::SaveAfterError(const std::string& what, SettingsWindows& windows) {
  if (saved_)
    return;
  boxes_.MessageBox(
      QCoreApplication::translate(
          "SettingsSession", "予期しないエラーが起きました。設定と成績を保存して終了します。\n\n%1")
          .arg(ToQString(what))
          .toStdString(),
      ErrorCaption().toStdString(), MsgButtons::Ok, MsgIcon::Error);
  ForgetRoundInPlay(game_);
  SaveAtClose(windows);
}

}  // namespace zelvani
