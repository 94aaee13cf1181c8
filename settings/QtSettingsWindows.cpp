#include "settings/QtSettingsWindows.h"

#include "core/TfmMain.h"
#include "play/TfmPlayer.h"
#include "ui/TfmHands.h"

namespace zelvani {

WinRect QtSettingsWindows::FrameRect() {
  return OuterRect(&frame_);
}

void QtSettingsWindows::SetFrameRect(const WinRect& rect) {
  SetOuterRect(&frame_, rect);
}

WinRect QtSettingsWindows::SeatRect(int seat) {
  const TfmHands* window = frame_.SeatWindow(seat);
  return window ? OuterRect(window) : WinRect{};
}

void QtSettingsWindows::SetSeatRect(int seat, const WinRect& rect) {
  if (TfmHands* window = frame_.SeatWindow(seat))
    SetOuterRect(window, rect);
}

bool QtSettingsWindows::LoadCardPicture(const std::string& fileName) {
  return frame_.LoadCardPicture(QString::fromStdString(fileName));
}

bool QtSettingsWindows::LoadBackground(int seat, const std::string& fileName) {
  TfmHands* window = frame_.SeatWindow(seat);
  return window && window->LoadBackground(QString::fromStdString(fileName));
}

void QtSettingsWindows::TileCounterClockwise() {
  frame_.mnTileClick(0);
}

std::string QtSettingsWindows::SoundFile(int cue) {
  const TfmPlayer* player = frame_.Player();
  return player ? player->CueFile(cue).toStdString() : std::string();
}

bool QtSettingsWindows::OpenSound(int cue, const std::string& fileName) {
  TfmPlayer* player = frame_.Player();
  return player && player->OpenCue(cue, QString::fromStdString(fileName));
}

}  // namespace zelvani
