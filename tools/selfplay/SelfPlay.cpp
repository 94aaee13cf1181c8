#include "tools/selfplay/SelfPlay.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <ostream>
#include <sstream>

#include "logic/computer/ComputerTurn.h"
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

// A game whose points never move (no scoring) is stopped after this many rounds; one
// whose points move and that lasts this long is a fault.
constexpr int kRoundCap = 200;
// No round takes anywhere near this many steps; one that does is stuck.
constexpr long kStepCap = 20000;

template <typename Number>
bool ParseNumber(const std::string& text, Number& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc{} && ptr == end;
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
        tally_(tally) {
    host_.ReportTo(checker_);
    watchedHost_.Attach(game_);
    game_.Rules = RulesOf(options.Rules);
    game_.OfficialRule = OfficialRuleOf(game_.Rules);
    for (int seat = 0; seat < kSeatCount; ++seat)
      game_.Seats[seat].PlayerName = kDefaultPlayerNames[seat];
  }

  // Plays one game to its end; false when a rule was broken.
  bool PlayGame();
  const std::optional<SelfPlayFailure>& Failure() const { return failure_; }

 private:
  // The checker first: the moves keep what it expects of the table map.
  std::vector<TableEvents*> Listeners(SelfPlayTally& tally, std::ostream* trace) {
    if (!trace)
      return {&checker_, &tally};
    writer_.emplace(*trace);
    return {&checker_, &tally, &*writer_};
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
  long step_ = 0;
  std::optional<SelfPlayFailure> failure_;
};

void Driver::Step() {
  const GameState state = game_.State;
  if (state == GameState::HumanDraws || state == GameState::HumanPlays) {
    ComputerTurn(game_, kHumanSeat, ComputerOptions{.ReservePons = false});
  } else if (host_.TimerRunning()) {
    TurnTimerFired(game_);
  } else {
    checker_.Report("state " + std::to_string(StateNumber(state)) +
                    " waits with the timer stopped");
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

bool Driver::PlayGame() {
  StartRound(game_);
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
      StartRound(game_);
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
    if (name != "--games" && name != "--seed" && name != "--rules" && name != "--trace") {
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
    } else if (value.empty()) {
      parsed.Error = "--trace needs a file name or -";
    } else {
      options.TracePath = value;
    }
  }
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
    for (int g = 0; g < options.Games; ++g) {
      if (!driver.PlayGame()) {
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
  return out.str();
}

}  // namespace zelvani
