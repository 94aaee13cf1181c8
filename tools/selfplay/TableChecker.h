// Checks the table rules as the table observer follows a game: whenever cards moved and
// at the end of every step. What the table map should say and the marks it depends on
// are kept up to date from the events, so a sound table costs little to check; only a
// broken rule is looked for over the whole table, to name it. Every few steps the whole
// table is checked from scratch as well, and what was kept is compared with it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "logic/cards/Cards.h"
#include "logic/observer/TableObserver.h"
#include "logic/table/Game.h"
#include "tools/selfplay/Invariants.h"

namespace zelvani {

class TableChecker : public TableEvents, public TableWatcher {
 public:
  explicit TableChecker(int fullCheckSteps = kFullCheckSteps) : fullCheckSteps_(fullCheckSteps) {}

  // After the observer's StepDone: counts the step, and checks the whole table when due.
  void StepDone(const Game& game, const TableObserver& observer);

  void Report(const std::string& problem);
  // The first broken rule seen, or empty.
  const std::string& Problem() const { return problem_; }
  // The rounds seen drawn once the stock ran out for the last time the rules allow.
  long DrawnByRunOut() const { return drawnByRunOut_; }

  void RoundDealt(const Game& game, const TableLedger& ledger) override;
  void Strayed(int card, const CardPlace& from, const CardPlace& to) override;
  void Looked(const Game& game, const TableLedger& ledger, bool moved, bool stepEnd) override;

  // The moves, for the marks and the table map they call for.
  void GameBegins(int) override {}
  void Dealt(int, std::int64_t, int, const std::array<int, 52>&) override {}
  void Drew(int seat, int card) override;
  void Reshuffled(std::int64_t time, std::span<const int> stock) override;
  void Chii(int, int card) override { Claimed(card); }
  void Pon(int, int card) override { Claimed(card); }
  void Laid(int seat, int window, std::span<const int> cards, const MeldRecord& meld) override;
  void Discarded(int seat, int card) override;
  // A drawn round must have run the stock out as often as the rules allow.
  void RoundEnded(int round, int winner) override;
  void Points(const std::array<int, 4>&, const std::array<int, 4>&) override {}
  void GameOver(int, int, bool) override {}

 private:
  void Claimed(int card);
  void Expect(int card, int value) { expectedMap_[Suit(card)][RankIndex(card)] = value; }
  // The rules, each read again only when what it reads changed (`changed` as the ledger
  // gives it); false when one is broken.
  bool QuickCheck(const Game& game, const TableLedger& ledger, unsigned changed);
  // The whole table from scratch: reports the first broken rule, or else the first thing
  // kept step by step that the records contradict. True when there is neither.
  bool CheckWhole(const Game& game, const TableLedger& ledger);

  CardMarks marks_;
  // The meld windows whose record is not sound on its own, by bit, as last laid into.
  std::uint32_t unsoundMelds_ = 0;
  // What TableMap should say, from the kept places and the marks.
  TableMapGrid expectedMap_{};
  // The state, the reservations and the claims as last found sound, checked again only
  // when they change.
  struct Checked {
    GameState State = static_cast<GameState>(-2);
    std::array<std::int32_t, 14> PonReservations{};
    std::array<std::int32_t, kSeatCount> Claimed{-2, -2, -2, -2};
  };
  Checked checked_;
  int fullCheckSteps_;
  // The run-out limit of the round under way, and how often its stock was rebuilt.
  int runOutLimit_ = 0;
  int reshuffles_ = 0;
  long drawnByRunOut_ = 0;
  int stepsSinceFullCheck_ = 0;
  std::string problem_;
};

}  // namespace zelvani
