// Watches a game through its host's callbacks: compares the records at each moment the
// table is consistent with what it saw before, turns the differences into events (draws,
// claims, melds, discards, deals, reshuffles, round ends), and checks the table rules
// whenever cards moved and at the end of every step. It never calls into the logic.
//
// The places of the cards, what the table map should say and the verdicts on the melds
// are kept up to date from what changed, so a sound table costs little to check; only a
// broken rule is looked for over the whole table, to name it. Every few steps the whole
// table is checked from scratch as well, and what was kept is compared with it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Game.h"
#include "tools/selfplay/Invariants.h"
#include "tools/selfplay/TableEvents.h"
#include "tools/selfplay/TableLedger.h"

namespace zelvani {

class TableObserver {
 public:
  explicit TableObserver(std::vector<TableEvents*> listeners, int fullCheckSteps = kFullCheckSteps);

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

  void Look(const Game& game, bool stepEnd);
  void FinishDeal(const Game& game);
  void EmitMoves(const Game& game);
  void FlushPoints(const Game& game);
  // The rules, each read again only when what it reads changed (`changed` as the ledger
  // gives it); false when one is broken.
  bool QuickCheck(const Game& game, unsigned changed);
  // The whole table from scratch: reports the first broken rule, or else the first thing
  // kept step by step that the records contradict. True when there is neither.
  bool CheckWhole(const Game& game);

  std::vector<TableEvents*> listeners_;
  TableLedger ledger_;
  CardMoves moves_;
  CardMarks marks_;
  // What TableMap should say, from the kept places and the marks.
  TableMapGrid expectedMap_{};
  // The state, the reservations and the claims as last found sound, checked again only
  // when they change.
  struct Checked {
    std::int32_t State = -2;
    std::array<std::int32_t, 14> PonReserve{};
    std::array<std::int32_t, kSeatCount> Claimed{-2, -2, -2, -2};
  };
  Checked checked_;
  int fullCheckSteps_;
  int stepsSinceFullCheck_ = 0;
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
