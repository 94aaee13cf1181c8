#include "tools/selfplay/SelfPlay.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <ostream>
#include <sstream>

#include "logic/computer/ComputerTurn.h"
#include "logic/computer/StrongPlayer.h"
#include "logic/computer/TurnTimer.h"
#include "logic/observer/ObservingHost.h"
#include "logic/observer/TableObserver.h"
#include "logic/play/GameCommands.h"
#include "logic/scoring/HiScore.h"
#include "logic/settings/OptionRules.h"
#include "logic/table/Game.h"
#include "logic/table/TurnDriver.h"
#include "tools/selfplay/SelfPlayHost.h"
#include "tools/selfplay/TableChecker.h"
#include "tools/selfplay/TraceWriter.h"

namespace zelvani {

namespace {

template <typename Number>
bool ParseNumber(const std::string& text, Number& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc{} && ptr == end;
}

// A game whose points never move (no scoring) is stopped after this many rounds; one
// whose points move and that lasts this long is a fault.
constexpr int kRoundCap = 200;
// No round takes anywhere near this many steps; one that does is stuck.
constexpr long kStepCap = 20000;
// In a duplicate tournament each round's clock starts this many seconds after the
// previous round's, so that both plays deal it and rebuild its stock alike.
constexpr std::int64_t kRoundClockStep = 16;

// The points each round of a game added to each seat, in order.
class RoundPoints : public TableEvents {
 public:
  std::vector<std::array<int, 4>> Changes;

  void GameBegins(int) override { Changes.clear(); }
  void Dealt(int, std::int64_t, int, const std::array<int, 52>&) override {}
  void Drew(int, int) override {}
  void Reshuffled(std::int64_t, std::span<const int>) override {}
  void Chii(int, int) override {}
  void Pon(int, int) override {}
  void Laid(int, int, std::span<const int>, const MeldRecord&) override {}
  void Discarded(int, int) override {}
  void RoundEnded(int, int) override {}
  void Points(const std::array<int, 4>&, const std::array<int, 4>& change) override {
    Changes.push_back(change);
  }
  void GameOver(int, int, bool) override {}
};

// "1,3" → seats 1 and 3.
bool ParseSeats(const std::string& text, std::array<bool, kSeatCount>& seats) {
  seats = {};
  std::size_t begin = 0;
  while (begin <= text.size()) {
    const std::size_t end = std::min(text.find(',', begin), text.size());
    int seat = -1;
    if (!ParseNumber(text.substr(begin, end - begin), seat) || seat < 0 || seat >= kSeatCount)
      return false;
    seats[seat] = true;
    begin = end + 1;
  }
  return true;
}

bool ParsePreset(const std::string& name, RulesChoice& preset) {
  if (name == "default")
    preset = RulesChoice::Default;
  else if (name == "official1")
    preset = RulesChoice::Official1;
  else if (name == "official2")
    preset = RulesChoice::Official2;
  else
    return false;
  return true;
}

const char* PresetName(RulesChoice preset) {
  switch (preset) {
    case RulesChoice::Official1:
      return "official1";
    case RulesChoice::Official2:
      return "official2";
    default:
      return "default";
  }
}

std::string Percent(long part, long whole) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f%%", whole > 0 ? 100.0 * part / whole : 0.0);
  return text;
}

bool PointsMoved(const Game& game) {
  for (const HandRecord& hand : game.Seats)
    if (hand.Point != game.Rules.StartPoint)
      return true;
  return false;
}

// Runs the games on one table and keeps the position for a failure report.
class Driver {
 public:
  Driver(const SelfPlayOptions& options, SelfPlayTally& tally, std::ostream* trace)
      : host_(options.Seed),
        checker_(options.FullCheckSteps),
        observer_(Listeners(tally, trace), &checker_),
        watchedHost_(host_, observer_),
        game_(watchedHost_),
        tally_(tally),
        options_(options) {
    host_.ReportTo(checker_);
    host_.DealNextRoundFromScoring(!options.Duplicate);
    watchedHost_.Attach(game_);
    game_.LookAheadSeed = static_cast<std::uint64_t>(options.Seed);
    game_.LookAheadPlayouts = options.FastEffort ? kFastPlayouts : kGamePlayouts;
    game_.Rules = RulesOf(options.Rules);
    game_.OfficialRule = OfficialRuleOf(game_.Rules);
    for (int seat = 0; seat < kSeatCount; ++seat)
      game_.Seats[seat].PlayerName = DefaultPlayerName(seat).Render();
  }

  // Plays game `number` (from 0) to its end; false when a rule was broken.
  bool PlayGame(int number);
  const std::optional<SelfPlayFailure>& Failure() const { return failure_; }
  // The strong seats play strong, or every seat standard.
  void PlayStrong(bool strong) {
    for (int seat = 0; seat < kSeatCount; ++seat)
      game_.Seats[seat].Level =
          strong && options_.Strong[seat] ? PlayerLevel::Strong : PlayerLevel::Standard;
  }
  // What each round of the last game added to each seat.
  const std::vector<std::array<int, 4>>& RoundChanges() const { return roundPoints_.Changes; }

 private:
  // The checker first: the moves keep what it expects of the table map.
  std::vector<TableEvents*> Listeners(SelfPlayTally& tally, std::ostream* trace) {
    std::vector<TableEvents*> listeners{&checker_, &tally, &roundPoints_};
    if (trace) {
      writer_.emplace(*trace);
      listeners.push_back(&*writer_);
    }
    return listeners;
  }
  // The next round of game `number`: in a duplicate tournament dealt by the driver, with
  // the clock both plays share.
  void DealRound(int number) {
    if (options_.Duplicate)
      host_.SetClock(options_.Seed +
                     (static_cast<std::int64_t>(number) * (kRoundCap + 2) + game_.Round + 1) *
                         kRoundClockStep);
    StartRound(game_);
  }
  void Step();
  void StepDone();
  bool Fail(const std::string& problem);

  SelfPlayHost host_;
  std::optional<TraceWriter> writer_;
  TableChecker checker_;
  TableObserver observer_;
  ObservingHost watchedHost_;
  Game game_;
  SelfPlayTally& tally_;
  const SelfPlayOptions& options_;
  RoundPoints roundPoints_;
  long step_ = 0;
  std::optional<SelfPlayFailure> failure_;
};

void Driver::Step() {
  const GameState state = game_.State;
  const bool strong = IsValidState(state) && InRound(state) &&
                      game_.Seats[SeatOfState(state)].Level == PlayerLevel::Strong;
  const std::clock_t start = strong ? std::clock() : 0;
  if (state == GameState::HumanDraws || state == GameState::HumanPlays) {
    ComputerTurn(game_, kHumanSeat, ComputerOptions{.ReservePons = false});
  } else if (host_.TimerRunning()) {
    TurnTimerFired(game_);
  } else {
    checker_.Report("state " + std::to_string(StateNumber(state)) +
                    " waits with the timer stopped");
  }
  if (strong) {
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    ++tally_.StrongSteps;
    tally_.StrongSeconds += seconds;
    tally_.SlowestStrongStep = std::max(tally_.SlowestStrongStep, seconds);
  }
  StepDone();
}

void Driver::StepDone() {
  observer_.StepDone(game_);
  checker_.StepDone(game_, observer_);
}

bool Driver::Fail(const std::string& problem) {
  failure_ = SelfPlayFailure{problem, observer_.GamesBegun(), game_.Round, step_};
  return false;
}

bool Driver::PlayGame(int number) {
  DealRound(number);
  const long roundsBefore = tally_.Rounds;
  long roundsSeen = tally_.Rounds;
  step_ = 0;
  while (true) {
    if (InRound(game_.State)) {
      Step();
      ++step_;
    } else if (game_.Round == 0) {
      // The scoring ended the game, and the host told the observer. Every drawn round the
      // tally counts was one the checker saw the stock run out for.
      if (checker_.DrawnByRunOut() != tally_.Drawn)
        return Fail(std::to_string(tally_.Drawn) + " rounds drawn, " +
                    std::to_string(checker_.DrawnByRunOut()) + " of them by run-out");
      return true;
    } else if (tally_.Rounds - roundsBefore >= kRoundCap && !PointsMoved(game_)) {
      host_.AgreeToAbandon();
      AbandonGame(game_);
      ++tally_.CappedGames;
      return checker_.Problem().empty() || Fail(checker_.Problem());
    } else {
      // The scoring did not deal the next round itself.
      DealRound(number);
      StepDone();
    }
    if (!checker_.Problem().empty())
      return Fail(checker_.Problem());
    if (tally_.Rounds != roundsSeen) {
      roundsSeen = tally_.Rounds;
      step_ = 0;
      if (roundsSeen - roundsBefore > kRoundCap && PointsMoved(game_))
        return Fail("the game goes on after " + std::to_string(kRoundCap) + " rounds");
    }
    if (step_ > kStepCap)
      return Fail("the round goes on after " + std::to_string(kStepCap) + " steps");
  }
}

}  // namespace

void SelfPlayTally::RoundEnded(int, int winner) {
  ++Rounds;
  if (winner == kDrawnRound)
    ++Drawn;
  else
    ++Wins[winner];
}

std::string UsageText() {
  return "usage: zelvani-selfplay [--games N] [--seed S] [--rules official1|official2|default]"
         " [--trace FILE|-]\n"
         "       [--strong SEATS] [--duplicate] [--effort game|fast]\n"
         "       zelvani-selfplay --help | --version\n";
}

ParsedArguments ParseArguments(const std::vector<std::string>& args) {
  ParsedArguments parsed;
  for (std::size_t i = 0; i < args.size() && parsed.Error.empty(); ++i) {
    std::string name = args[i];
    std::string value;
    bool hasValue = false;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
      hasValue = true;
    }
    if (name == "--help" || name == "-h") {
      parsed.HelpWanted = true;
      continue;
    }
    if (name == "--version") {
      parsed.VersionWanted = true;
      continue;
    }
    if (name == "--duplicate" && !hasValue) {
      parsed.Options.Duplicate = true;
      continue;
    }
    if (name != "--games" && name != "--seed" && name != "--rules" && name != "--trace" &&
        name != "--strong" && name != "--effort") {
      parsed.Error = "unknown option " + args[i];
      break;
    }
    if (!hasValue) {
      if (i + 1 >= args.size()) {
        parsed.Error = name + " needs a value";
        break;
      }
      value = args[++i];
    }
    SelfPlayOptions& options = parsed.Options;
    if (name == "--games") {
      if (!ParseNumber(value, options.Games) || options.Games < 1)
        parsed.Error = "--games needs a whole number of at least 1";
    } else if (name == "--seed") {
      if (!ParseNumber(value, options.Seed) || options.Seed < 0)
        parsed.Error = "--seed needs a whole number of 0 or more";
      parsed.SeedGiven = true;
    } else if (name == "--rules") {
      if (!ParsePreset(value, options.Rules))
        parsed.Error = "--rules is official1, official2 or default";
    } else if (name == "--strong") {
      if (!ParseSeats(value, options.Strong))
        parsed.Error = "--strong needs seats from 0 to 3, separated by commas";
    } else if (name == "--effort") {
      if (value != "game" && value != "fast")
        parsed.Error = "--effort is game or fast";
      options.FastEffort = value == "fast";
    } else if (value.empty()) {
      parsed.Error = "--trace needs a file name or -";
    } else {
      options.TracePath = value;
    }
  }
  if (parsed.Error.empty() && parsed.Options.Duplicate &&
      parsed.Options.Strong == std::array<bool, kSeatCount>{})
    parsed.Error = "--duplicate needs --strong";
  return parsed;
}

RuleSettings RulesOf(RulesChoice choice) {
  switch (choice) {
    case RulesChoice::Official1:
      return WithPreset(RuleSettings{}, kOfficialRule1);
    case RulesChoice::Official2:
      return WithPreset(RuleSettings{}, kOfficialRule2);
    default:
      return RuleSettings{};
  }
}

SelfPlayResult RunSelfPlay(const SelfPlayOptions& options, std::ostream* trace) {
  SelfPlayResult result;
  const auto start = std::chrono::steady_clock::now();
  {
    Driver driver(options, result.Tally, trace);
    driver.PlayStrong(true);
    for (int g = 0; g < options.Games; ++g) {
      if (options.Duplicate) {
        driver.PlayStrong(false);
        if (!driver.PlayGame(g)) {
          result.Failure = driver.Failure();
          break;
        }
        const std::vector<std::array<int, 4>> standard = driver.RoundChanges();
        driver.PlayStrong(true);
        if (!driver.PlayGame(g)) {
          result.Failure = driver.Failure();
          break;
        }
        const std::vector<std::array<int, 4>>& strong = driver.RoundChanges();
        const std::size_t rounds = std::min(standard.size(), strong.size());
        for (int seat = 0; seat < kSeatCount; ++seat)
          for (std::size_t r = 0; r < rounds && options.Strong[seat]; ++r)
            result.Duplicate[seat].Add(strong[r][seat] - standard[r][seat]);
      } else if (!driver.PlayGame(g)) {
        result.Failure = driver.Failure();
        break;
      }
    }
  }
  if (trace)
    trace->flush();
  result.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return result;
}

std::string SummaryLine(const SelfPlayTally& tally, double seconds) {
  char rate[32];
  std::snprintf(rate, sizeof rate, "%.1f", seconds > 0 ? tally.Rounds / seconds : 0.0);
  std::ostringstream line;
  line << "selfplay: " << tally.Games << " games, " << tally.Rounds << " rounds, " << tally.Drawn
       << " drawn, wins";
  for (int seat = 0; seat < kSeatCount; ++seat)
    line << ' ' << seat << ':' << tally.Wins[seat];
  line << ", " << tally.Turns << " turns, " << rate << " rounds/s";
  return line.str();
}

std::string SummaryDetails(const SelfPlayOptions& options, const SelfPlayTally& tally) {
  std::ostringstream out;
  out << "seed " << options.Seed << ", rules " << PresetName(options.Rules) << '\n';
  out << "games: " << tally.Games;
  if (tally.CappedGames > 0)
    out << " (" << tally.CappedGames << " stopped after " << kRoundCap
        << " rounds: their points never moved)";
  out << '\n';
  out << "rounds: " << tally.Rounds << ", drawn " << tally.Drawn << " ("
      << Percent(tally.Drawn, tally.Rounds) << ")\n";
  out << "wins by seat:";
  for (int seat = 0; seat < kSeatCount; ++seat)
    out << ' ' << seat << ' ' << tally.Wins[seat] << " (" << Percent(tally.Wins[seat], tally.Rounds)
        << ')';
  out << '\n';
  const double perRound = tally.Rounds > 0 ? static_cast<double>(tally.Turns) / tally.Rounds : 0;
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", perRound);
  out << "turns: " << tally.Turns << " (" << text << " a round), chii " << tally.Chiis << ", pon "
      << tally.Pons << ", melds " << tally.Melds << ", reshuffles " << tally.Reshuffles << '\n';
  if (tally.StrongSteps > 0) {
    std::snprintf(text, sizeof text, "%.1f",
                  tally.StrongSeconds > 0 ? tally.StrongSteps / tally.StrongSeconds : 0.0);
    char slowest[32];
    std::snprintf(slowest, sizeof slowest, "%.1f", tally.SlowestStrongStep * 1000);
    out << "strong decisions: " << tally.StrongSteps << ", " << text
        << " a second of processor time, slowest " << slowest << " ms\n";
  }
  return out.str();
}

void DuplicateScore::Add(double difference) {
  ++Rounds;
  Sum += difference;
  SquareSum += difference * difference;
}

double DuplicateScore::Mean() const {
  return Rounds > 0 ? Sum / Rounds : 0;
}

double DuplicateScore::Margin() const {
  if (Rounds < 2)
    return 0;
  const double mean = Mean();
  const double variance = (SquareSum - Rounds * mean * mean) / (Rounds - 1);
  return 1.96 * std::sqrt(std::max(0.0, variance) / Rounds);
}

std::string DuplicateLines(const SelfPlayOptions& options, const SelfPlayResult& result) {
  std::string lines;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (!options.Duplicate || !options.Strong[seat])
      continue;
    const DuplicateScore& score = result.Duplicate[seat];
    char line[160];
    std::snprintf(line, sizeof line,
                  "duplicate seat %d: strong minus standard, points per round %+.2f \u00b1 %.2f "
                  "(95 %%), %ld rounds\n",
                  seat, score.Mean(), score.Margin(), score.Rounds);
    lines += line;
  }
  return lines;
}

}  // namespace zelvani
