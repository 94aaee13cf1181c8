// The settings store's view of the Qt windows: the frame, its seat windows and the
// human's sound cues. Stored sizes larger than the screen are cut to it.
#pragma once

#include <array>

#include "logic/settings/SettingsWindows.h"

class QWidget;

namespace zelvani {

class CardSheetImage;
class TableFitter;
struct TableWindows;

class QtSettingsWindows : public SettingsWindows {
 public:
  QtSettingsWindows(QWidget& frame, const TableWindows& windows, TableFitter& fitter,
                    CardSheetImage& cardSheet)
      : frame_(frame), windows_(windows), fitter_(fitter), cardSheet_(cardSheet) {}

  WinRect FrameRect() override;
  void SetFrameRect(const WinRect& rect) override;
  WinRect SeatRect(int seat) override;
  void SetSeatRect(int seat, const WinRect& rect) override;
  PictureLoad LoadCardPicture(const std::string& fileName) override;
  PictureLoad LoadBackground(int seat, const std::string& fileName) override;
  void TileCounterClockwise() override;
  std::string SoundFile(int cue) override;
  bool OpenSound(int cue, const std::string& fileName) override;

  // On a first start nothing places the windows but the arrangement, which ran before
  // their frames were known: it runs again as each window's frame becomes known. Stored
  // places that leave a window off every screen are given up for the arrangement too.
  void ArrangeAgainWhenFramesAreKnown();

 private:
  static constexpr int kFrameIndex = 4;
  // Whether a rectangle differs from what the window had when the store asked for it.
  bool Stored(int index, const WinRect& rect);
  // Whether the frame or a seat window lies where the player cannot take hold of it.
  bool AnyWindowLost() const;

  QWidget& frame_;
  const TableWindows& windows_;
  TableFitter& fitter_;
  CardSheetImage& cardSheet_;
  std::array<WinRect, 5> lastRead_{};
  bool tiled_ = false;
  bool anyStored_ = false;
};

}  // namespace zelvani
