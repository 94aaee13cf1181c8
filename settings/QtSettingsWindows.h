// The settings store's view of the Qt windows: the frame, its seat windows and the
// human's sound cues.
#pragma once

#include "settings/SettingsWindows.h"

namespace zelvani {

class TfmMain;

class QtSettingsWindows : public SettingsWindows {
 public:
  explicit QtSettingsWindows(TfmMain& frame) : frame_(frame) {}

  WinRect FrameRect() override;
  void SetFrameRect(const WinRect& rect) override;
  WinRect SeatRect(int seat) override;
  void SetSeatRect(int seat, const WinRect& rect) override;
  bool LoadCardPicture(const std::string& fileName) override;
  bool LoadBackground(int seat, const std::string& fileName) override;
  void TileCounterClockwise() override;
  std::string SoundFile(int cue) override;
  bool OpenSound(int cue, const std::string& fileName) override;

 private:
  TfmMain& frame_;
};

}  // namespace zelvani
