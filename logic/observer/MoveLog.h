// The move log of the "記録" window: one line for each event of the table,
// with the seat's name. It names only cards that lie face up on the table, and the hands
// as they are opened at the end of a round. It keeps the current round and the one
// before, and starts afresh with each new game.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "logic/observer/TableEvents.h"
#include "logic/program/Text.h"

namespace zelvani {

struct Game;

class MoveLog : public TableEvents {
 public:
  // Reads the seats' names and whether the automatic player took part from `game`.
  explicit MoveLog(const Game& game) : game_(game) {}

  // The lines in the translator's language; in Japanese with none.
  std::vector<std::string> Lines(const Translator& translate = {}) const;
  // The newest line alone, "" when there is none: what an append adds.
  std::string LastLine(const Translator& translate = {}) const;
  // Told after every change: true when lines were only added at the end, false when
  // earlier ones went.
  std::function<void(bool appended)> Changed;

  // The automatic player was switched on or off.
  void AutoPlaySwitched(bool on);

  void GameBegins(int game) override;
  void Dealt(int round, std::int64_t time, int dealer, const std::array<int, 52>& deck) override;
  void Drew(int seat, int card) override;
  void Reshuffled(std::int64_t time, std::span<const int> stock) override;
  void Chii(int seat, int card) override;
  void Pon(int seat, int card) override;
  void Laid(int seat, int window, std::span<const int> cards, const MeldRecord& meld) override;
  void Discarded(int seat, int card) override;
  void RoundEnded(int round, int winner) override;
  void Points(const std::array<int, 4>& points, const std::array<int, 4>& change) override;
  void GameOver(int game, int leader, bool abandoned) override;
  void FalseClaim(int seat, int card) override;
  void TurnSkipped(int seat) override;
  void HandsShown(const std::array<HandRecord, kSeatCount>& seats) override;

 private:
  struct Entry {
    // The deal the line belongs to, counted from the log's start.
    int Deal;
    Text Line;
  };
  void Add(Text text);
  const std::string& Name(int seat) const;

  const Game& game_;
  std::vector<Entry> entries_;
  int deals_ = 0;
  int reshuffles_ = 0;
};

}  // namespace zelvani
