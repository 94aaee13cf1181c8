// Watches a game through its host's callbacks, which an ObservingHost passes on, and
// tells its listeners what happened: it compares the records at each moment the table is
// consistent (a repaint, a box) with what it saw before and turns the differences into
// events (deals, draws, claims, melds, discards, reshuffles, false claims, round ends,
// points, game ends). It never calls into the logic. The frame feeds it for the move log,
// the self-play tool for its trace, so the two always tell the same story.
//
// The places of the cards are kept up to date from what changed, so a look at a table
// where nothing moved costs little. A watcher (the self-play tool's rule checker) may
// follow every look.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "logic/observer/TableEvents.h"
#include "logic/observer/TableLedger.h"
#include "logic/table/Game.h"

namespace zelvani {

class TableWatcher {
 public:
  virtual ~TableWatcher() = default;
  // A round has been dealt and the ledger taken afresh from it.
  virtual void RoundDealt(const Game& game, const TableLedger& ledger) = 0;
  // A card moved in a way no operation of the game moves one.
  virtual void Strayed(int card, const CardPlace& from, const CardPlace& to) = 0;
  // A look is over and its events were told; `moved` when cards moved, `stepEnd` at the
  // end of a step of the game. A look with neither is not told: most looks find nothing
  // changed, and they are many.
  virtual void Looked(const Game& game, const TableLedger& ledger, bool moved, bool stepEnd) = 0;
};

class TableObserver {
 public:
  explicit TableObserver(std::vector<TableEvents*> listeners = {}, TableWatcher* watcher = nullptr);
  // One more listener, told after those before it.
  void Listen(TableEvents* listener) { listeners_.push_back(listener); }

  // From the host: a round is being dealt (the meld windows were just closed); the
  // calendar time was read to seed a shuffle; a seat announced a claim.
  void DealStarting(const Game& game);
  void SeedTimeRead(std::int64_t time);
  void ClaimAnnounced(ClaimKind kind);
  // From the host, at a moment when the records are consistent (a repaint, a box).
  void Observe(const Game& game) {
    // Most such moments show the table as the last look left it; they need no look.
    if (!AsLastSeen(game))
      Look(game, false);
  }
  // From the host: the score sheet is shown, so the round's points are final.
  void RoundScored(const Game& game);
  // From the host: the game in progress has ended, by its scoring or from the menu.
  void GameEnded(const Game& game, int leader, bool abandoned);

  // From a driver: one step is over.
  void StepDone(const Game& game);

  int GamesBegun() const { return games_; }
  // A round has been dealt and is being followed.
  bool Watching() const { return dealt_ && !dealPending_; }
  const TableLedger& Ledger() const { return ledger_; }

 private:
  enum class Claim { Unknown, Chii, Pon };

  // Nothing that a look tells or checks has changed since the last one.
  bool AsLastSeen(const Game& game) const {
    return Watching() && ledger_.CountsAsKept(game) && game.Human.Rest == restSeen_ &&
           !(roundOpen_ && !InRound(game.State));
  }
  void Look(const Game& game, bool stepEnd);
  void FinishDeal(const Game& game);
  void EmitMoves(const Game& game);
  void FlushPoints(const Game& game);

  std::vector<TableEvents*> listeners_;
  TableWatcher* watcher_;
  TableLedger ledger_;
  CardMoves moves_;
  int reshufflesSeen_ = 0;
  int restSeen_ = 0;
  bool dealt_ = false;
  bool dealPending_ = false;
  bool roundOpen_ = false;
  bool pointsPending_ = false;
  int games_ = 0;
  std::int64_t seedTime_ = 0;
  std::array<int, kSeatCount> pointsAtDeal_{};
  Claim announced_ = Claim::Unknown;
};

}  // namespace zelvani
