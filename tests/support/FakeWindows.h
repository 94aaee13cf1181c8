// Windows for the settings store in tests: rectangles in memory, picture and sound loads
// that succeed unless their file is listed as bad or missing, and a log of every call.
#pragma once

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "logic/geometry/TableArrangement.h"
#include "logic/settings/Preferences.h"
#include "logic/settings/SettingsWindows.h"

namespace zelvani {

class FakeWindows : public SettingsWindows {
 public:
  explicit FakeWindows(Preferences& prefs) : prefs_(prefs) {
    for (WinRect& seat : Seats)
      seat = {0, 0, 148, 178};
  }

  static constexpr WinRect kScreen{0, 0, 1280, 1024};

  WinRect Frame{145, 114, 510, 371};
  SeatRects Seats;
  std::array<std::string, 3> Sounds;
  std::set<std::string> BadFiles;
  std::set<std::string> MissingFiles;
  bool SoundThrows = false;
  std::vector<std::string> Calls;

  WinRect FrameRect() override { return Frame; }
  void SetFrameRect(const WinRect& rect) override {
    Frame = rect;
    Calls.push_back("Frame");
  }
  WinRect SeatRect(int seat) override { return Seats[seat]; }
  void SetSeatRect(int seat, const WinRect& rect) override {
    Seats[seat] = rect;
    Calls.push_back("Seat " + std::to_string(seat));
  }

  PictureLoad LoadCardPicture(const std::string& fileName) override {
    Calls.push_back("Card " + fileName);
    const PictureLoad load = Load(fileName);
    if (load == PictureLoad::Loaded) {
      prefs_.CardPicturePath = fileName;
      prefs_.CardHeight = 96;
    }
    return load;
  }
  PictureLoad LoadBackground(int seat, const std::string& fileName) override {
    Calls.push_back("Back " + std::to_string(seat) + " " + fileName);
    const PictureLoad load = Load(fileName);
    prefs_.SeatBackgrounds[seat] = load == PictureLoad::Loaded ? fileName : "";
    return load;
  }
  // As the frame does it: the table fitted to a 1280 x 1024 screen, the frame moved so
  // that the seats round it fit.
  void TileCounterClockwise() override {
    Calls.push_back("Tile");
    const TableRects table = FitRoundTable(Frame, Seats, false, {1, 1, 134, 1, 1}, kScreen);
    Frame = table.Frame;
    Seats = table.Seats;
  }

  std::string SoundFile(int cue) override { return Sounds[cue]; }
  bool OpenSound(int cue, const std::string& fileName) override {
    Calls.push_back("Sound " + std::to_string(cue) + " " + fileName);
    Sounds[cue] = fileName;
    if (SoundThrows)
      throw std::runtime_error("no sound device");
    return !BadFiles.count(fileName);
  }

 private:
  PictureLoad Load(const std::string& fileName) const {
    if (MissingFiles.count(fileName))
      return PictureLoad::Missing;
    return BadFiles.count(fileName) ? PictureLoad::Unreadable : PictureLoad::Loaded;
  }

  Preferences& prefs_;
};

}  // namespace zelvani
