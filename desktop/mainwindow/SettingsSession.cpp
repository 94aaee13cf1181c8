#include "desktop/mainwindow/SettingsSession.h"

#include <exception>
#include <utility>

#include "desktop/mainwindow/MessageBoxes.h"
#include "desktop/mainwindow/QtSettingsWindows.h"
#include "desktop/platform/PictureLoading.h"
#include "desktop/platform/QtRegistry.h"
#include "logic/play/GameCommands.h"
#include "logic/storage/Registry.h"

namespace zelvani {

SettingsSession::SettingsSession(Game& game, MessageBoxes& boxes) : game_(game), boxes_(boxes) {}

SettingsSession::~SettingsSession() = default;

void SettingsSession::UseStore(std::unique_ptr<Registry> store) {
  store_ = std::move(store);
}

LogPlace SettingsSession::Load(QtSettingsWindows& windows) {
  if (!store_)
    store_ = OpenUserRegistry();
  LoadSettings(game_, *store_, windows);
  const LogPlace log = LoadPlayAids(game_, *store_);
  windows.ArrangeAgainWhenFramesAreKnown();
  return log;
}

void SettingsSession::SaveAtClose(SettingsWindows& windows, const LogPlace& log) {
  if (saved_)
    return;
  saved_ = true;
  // A save that fails leaves the previous settings in place.
  std::string failure;
  try {
    if (!store_)
      store_ = OpenUserRegistry();
    if (!SavePlayAids(game_, *store_, log) || !SaveSettings(game_, *store_, windows))
      failure = SaveFailureText(store_->LastFailure());
  } catch (const std::exception& error) {
    failure = SaveFailureText({std::string(), error.what()});
  } catch (...) {
    failure = SaveFailureText({});
  }
  if (!failure.empty())
    boxes_.MessageBox(failure, kErrorCaption, MsgButtons::Ok, MsgIcon::Error);
}

void SettingsSession::SaveAfterError(const std::string& what, SettingsWindows& windows,
                                     const LogPlace& log) {
  if (saved_)
    return;
  boxes_.MessageBox("予期しないエラーが起きました。設定と成績を保存して終了します。\n\n" + what,
                    kErrorCaption, MsgButtons::Ok, MsgIcon::Error);
  ForgetRoundInPlay(game_);
  SaveAtClose(windows, log);
}

}  // namespace zelvani
