// Watches a game through its host's callbacks: compares the records at each moment the
// table is consistent with what it saw before, turns the differences into events (draws,
// claims, melds, discards, deals, reshuffles, round ends), and checks the table rules
// every time. It never calls into the logic.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/selfplay/Invariants.h"
#include "tools/selfplay/TableEvents.h"

namespace zelvani {

struct Game;

class TableObserver {
 public:
  explicit TableObserver(std::vector<TableEvents*> listeners);

  // From the host: a round is being dealt (the meld windows were just closed); the
  // calendar time was read to seed a shuffle; a message box is about to be shown.
  void DealStarting(const Game& game);
  void SeedTimeRead(std::int64_t time);
  void Announcement(const std::string& text);
  // From the host, at a moment when the records are consistent (a repaint, a box).
  void Observe(const Game& game);

  // From the driver: one step is over; the game in progress has ended.
  void StepDone(const Game& game);
  void GameEnded(const Game& game, int leader);

  void Report(const std::string& problem);
  // The first broken rule seen, or empty.
  const std::string& Problem() const { return problem_; }
  int GamesBegun() const { return games_; }

 private:
  enum class Claim { Unknown, Chii, Pon };

  void FinishDeal(const Game& game);
  void EmitMoves(const Game& game, const Layout& now);
  void FlushPoints(const Game& game);

  std::vector<TableEvents*> listeners_;
  Layout seen_;
  CardMarks marks_;
  int reshufflesSeen_ = 0;
  bool dealt_ = false;
  bool dealPending_ = false;
  bool roundOpen_ = false;
  bool pointsPending_ = false;
  int games_ = 0;
  std::int64_t seedTime_ = 0;
  Claim announced_ = Claim::Unknown;
  std::string problem_;
};

}  // namespace zelvani
