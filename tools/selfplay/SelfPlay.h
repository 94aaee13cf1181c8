// Self-play: whole games of four computer seats with no windows and no waits, checked
// against the table rules after every step. Seats 1..3 play through the turn timer,
// seat 0 by the same procedure with its pon reservations left out.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "logic/observer/TableEvents.h"
#include "logic/table/Records.h"
#include "tools/selfplay/Invariants.h"

namespace zelvani {

enum class RulesChoice { Default, Official1, Official2 };

struct SelfPlayOptions {
  int Games = 100;
  // The calendar time the first shuffle is seeded with; later shuffles count up from it.
  std::int64_t Seed = 0;
  RulesChoice Rules = RulesChoice::Default;
  // Empty for no trace, "-" for standard output.
  std::string TracePath;
  // Every step is checked; every this many the whole table is also checked from scratch.
  int FullCheckSteps = kFullCheckSteps;
  // Seats played by the strong player.
  std::array<bool, kSeatCount> Strong{};
  // Every game twice from the same deals and shuffles: all seats standard, then the
  // strong seats strong.
  bool Duplicate = false;
  // The strong player's playouts per decision: the game's, or the tournament's fast one.
  bool FastEffort = false;
};

struct ParsedArguments {
  SelfPlayOptions Options;
  bool SeedGiven = false;
  bool HelpWanted = false;
  bool VersionWanted = false;
  // Why the command line was refused; empty when it was accepted.
  std::string Error;
};
ParsedArguments ParseArguments(const std::vector<std::string>& args);
std::string UsageText();

RuleSettings RulesOf(RulesChoice preset);

// Counts of what happened, kept from the events.
class SelfPlayTally : public TableEvents {
 public:
  int Games = 0;
  long Rounds = 0;
  long Drawn = 0;
  std::array<long, 4> Wins{};
  long Turns = 0;
  long Chiis = 0;
  long Pons = 0;
  long Melds = 0;
  long Reshuffles = 0;
  // Games stopped at the round cap because their points never moved.
  int CappedGames = 0;
  // Steps of strong seats, each one decision, and the processor time they took.
  long StrongSteps = 0;
  double StrongSeconds = 0;
  double SlowestStrongStep = 0;

  void GameBegins(int) override { ++Games; }
  void Dealt(int, std::int64_t, int, const std::array<int, 52>&) override {}
  void Drew(int, int) override {}
  void Reshuffled(std::int64_t, std::span<const int>) override { ++Reshuffles; }
  void Chii(int, int) override { ++Chiis; }
  void Pon(int, int) override { ++Pons; }
  void Laid(int, int, std::span<const int>, const MeldRecord&) override { ++Melds; }
  void Discarded(int, int) override { ++Turns; }
  void RoundEnded(int, int winner) override;
  void Points(const std::array<int, 4>&, const std::array<int, 4>&) override {}
  void GameOver(int, int, bool) override {}
};

struct SelfPlayFailure {
  std::string Problem;
  int Game = 0;
  int Round = 0;
  long Step = 0;
};

// A strong seat's points in each round minus its points in the same round played by the
// standard player, over the rounds both plays of a game reached.
struct DuplicateScore {
  long Rounds = 0;
  double Sum = 0;
  double SquareSum = 0;

  void Add(double difference);
  double Mean() const;
  // Half the width of the 95 % confidence interval of the mean.
  double Margin() const;
};

struct SelfPlayResult {
  SelfPlayTally Tally;
  std::array<DuplicateScore, kSeatCount> Duplicate{};
  double Seconds = 0;
  std::optional<SelfPlayFailure> Failure;
};

// Plays the games, writing the trace to `trace` when it is given.
SelfPlayResult RunSelfPlay(const SelfPlayOptions& options, std::ostream* trace);

// The closing line: "selfplay: G games, R rounds, D drawn, wins 0:a 1:b 2:c 3:d, T turns,
// X rounds/s".
std::string SummaryLine(const SelfPlayTally& tally, double seconds);
// The lines before it, in words.
std::string SummaryDetails(const SelfPlayOptions& options, const SelfPlayTally& tally);
// After it, one line per strong seat of a duplicate tournament: "duplicate seat 1: strong
// minus standard, points per round +4.21 ± 0.87 (95 %), 20000 rounds".
std::string DuplicateLines(const SelfPlayOptions& options, const SelfPlayResult& result);

}  // namespace zelvani
