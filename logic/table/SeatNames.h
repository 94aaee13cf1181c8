// The logic of the seat windows: their caption rule, shared by renaming and scoring.
#pragma once

#include <string>
#include <string_view>

#include "logic/program/Text.h"

namespace zelvani {

struct Game;

// The name alone while no game is under way; during a game the name, three spaces and
// the points in brackets. Rebuilt only by SetPlayerName and SetPoint.
Text SeatCaption(const Game& game, int seat);
void SetPlayerName(Game& game, int seat, const std::string& name);
void SetPoint(Game& game, int seat, int points);
// A name of nothing but spaces (of either width), or none at all: it would leave a seat
// unnamed in every message.
bool IsBlankName(std::string_view name);
// The player's renaming of a seat: a blank name is refused and the seat keeps its name.
// Returns whether the name was taken.
bool RenameSeat(Game& game, int seat, const std::string& name);
// A player's name or file name as a menu item shows it: a menu takes "&" for the mark of
// its access key, so each is doubled to be shown as it is typed.
std::string MenuText(const std::string& text);

}  // namespace zelvani
