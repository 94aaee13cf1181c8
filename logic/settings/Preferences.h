// The player's choices and the windows' state that the settings store keeps beside the
// table: the card sheet and its card size, the picture viewer's plug-in folder, the sound
// switch, the table scale, the seats' backgrounds, the log window's place, the score
// sheet's view, the claim boxes and the table's look. The frame window owns one beside its
// Game; only the settings store reads it, never the rules.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "logic/settings/Language.h"
#include "logic/table/Records.h"

namespace zelvani {

// Where the "記録" window sits and whether it shows.
struct LogPlace {
  bool Visible = false;
  // The side of the frame: 0 right, 1 bottom, 2 left, 3 top.
  int Side = 0;
  int Width = 280;
  int Height = 160;
  // Each line is said by a screen reader as it is written, shown or not.
  bool Spoken = true;

  bool operator==(const LogPlace&) const = default;
};
inline constexpr int kLogSides = 4;

// How the table looks: the windows' own plain colours, or a card table's felt under the
// frame's area (its piles and meld windows too) and the seat windows.
enum class TableLook { Plain = 0, Felt = 1 };
inline constexpr int kTableLooks = 2;

struct Preferences {
  std::string CardPicturePath = "Cards.bmp";
  std::string PluginFolder;
  // The menu's sound switch: off, no cue plays.
  bool PlaySounds = true;
  // The card size of the sheet on the table, in pixels; 0 until one is loaded.
  std::int32_t CardWidth = 0;
  std::int32_t CardHeight = 0;
  // "表示倍率": how large the whole program is drawn, in percent, taken up at the next
  // start; 0 until the player chooses, which follows the screen's own scale.
  std::int32_t TableScale = 0;
  // Each seat window's background picture file; empty for none. The picture itself
  // belongs to the window.
  std::array<std::string, kSeatCount> SeatBackgrounds;
  LogPlace Log;
  // The score sheet window shows its chart rather than its grid.
  bool ScoreChart = false;
  // A computer's pon or chii asks to be confirmed in a box; off, it is told in the status
  // bar and the log instead, and the claimed card is marked on the table.
  bool ClaimBoxes = true;
  TableLook Look = TableLook::Plain;
  // "役の並びを保つ(&M)": the stock window first and the meld windows in the order they were
  // opened, each captioned with the seat that laid it. Off, they are tiled as the
  // standard tiling takes them.
  bool KeepMeldPlaces = false;
  // "言語": the language of the next start; automatic follows the system.
  LanguageChoice Language = LanguageChoice::Automatic;
};

}  // namespace zelvani
