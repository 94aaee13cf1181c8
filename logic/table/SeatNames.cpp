#include "logic/table/SeatNames.h"

#include "logic/table/Game.h"

namespace zelvani {

Text SeatCaption(const Game& game, int seat) {
  const HandRecord& hand = game.Seats[seat];
  if (game.Round <= 0)
    return Text::Verbatim(hand.PlayerName);
  return Translatable("Table", "%1   [%2点]").Arg(hand.PlayerName).Arg(hand.Point);
}

void SetPlayerName(Game& game, int seat, const std::string& name) {
  game.Seats[seat].PlayerName = name;
  game.Host.SetSeatCaption(seat, SeatCaption(game, seat));
}

void SetPoint(Game& game, int seat, int points) {
  game.Seats[seat].Point = points;
  game.Host.SetSeatCaption(seat, SeatCaption(game, seat));
}

bool IsBlankName(std::string_view name) {
  constexpr std::string_view kWideSpace = "\u3000";
  while (!name.empty()) {
    if (name.starts_with(kWideSpace))
      name.remove_prefix(kWideSpace.size());
    else if (name.front() == ' ' || name.front() == '\t' || name.front() == '\r' ||
             name.front() == '\n')
      name.remove_prefix(1);
    else
      return false;
  }
  return true;
}

bool RenameSeat(Game& game, int seat, const std::string& name) {
  if (IsBlankName(name))
    return false;
  SetPlayerName(game, seat, name);
  return true;
}

std::string MenuText(const std::string& text) {
  std::string shown;
  shown.reserve(text.size());
  for (char c : text) {
    shown += c;
    if (c == '&')
      shown += '&';
  }
  return shown;
}

}  // namespace zelvani
