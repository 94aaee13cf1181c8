// What the settings store needs of the windows: their rectangles, the card sheet and
// seat backgrounds, the counter-clockwise arrangement and the sound cues. The Qt frame
// provides it in play; tests provide a fake.
#pragma once

#include <string>

#include "logic/geometry/TableArrangement.h"

namespace zelvani {

// How a picture load went: a file that is not there at all may come back (an unmounted
// drive), one that is there but cannot be read will not.
enum class PictureLoad { Loaded, Missing, Unreadable };

class SettingsWindows {
 public:
  virtual ~SettingsWindows() = default;

  // Outer rectangles in screen pixels.
  virtual WinRect FrameRect() = 0;
  virtual void SetFrameRect(const WinRect& rect) = 0;
  virtual WinRect SeatRect(int seat) = 0;
  virtual void SetSeatRect(int seat, const WinRect& rect) = 0;

  // Each reports its own failure to the player.
  virtual PictureLoad LoadCardPicture(const std::string& fileName) = 0;
  virtual PictureLoad LoadBackground(int seat, const std::string& fileName) = 0;
  // The arrangement of "反時計周り(&L)".
  virtual void TileCounterClockwise() = 0;

  // Sound cues 0 click, 1 discard, 2 meld: the file a cue's player was last given, and
  // giving it a file (false when the file cannot be opened; the name is kept anyway).
  virtual std::string SoundFile(int cue) = 0;
  virtual bool OpenSound(int cue, const std::string& fileName) = 0;
};

}  // namespace zelvani
