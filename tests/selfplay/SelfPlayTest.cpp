#include "tools/selfplay/SelfPlay.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "logic/cards/Cards.h"
#include "logic/observer/ObservingHost.h"
#include "logic/observer/TableObserver.h"
#include "logic/play/GameCommands.h"
#include "logic/table/Game.h"
#include "tools/selfplay/Invariants.h"
#include "tools/selfplay/SelfPlayHost.h"
#include "tools/selfplay/TableChecker.h"

namespace zelvani {
namespace {

TEST(Arguments, DefaultsToAHundredGamesOfTheDefaultRulesWithNoTrace) {
  const ParsedArguments parsed = ParseArguments({});
  EXPECT_TRUE(parsed.Error.empty());
  EXPECT_EQ(parsed.Options.Games, 100);
  EXPECT_EQ(parsed.Options.Rules, RulesChoice::Default);
  EXPECT_FALSE(parsed.SeedGiven);
  EXPECT_TRUE(parsed.Options.TracePath.empty());
}

TEST(Arguments, TakeValuesAfterASpaceOrAnEqualsSign) {
  const ParsedArguments parsed =
      ParseArguments({"--games", "3", "--seed=42", "--rules", "official2", "--trace", "-"});
  ASSERT_TRUE(parsed.Error.empty()) << parsed.Error;
  EXPECT_EQ(parsed.Options.Games, 3);
  EXPECT_EQ(parsed.Options.Seed, 42);
  EXPECT_TRUE(parsed.SeedGiven);
  EXPECT_EQ(parsed.Options.Rules, RulesChoice::Official2);
  EXPECT_EQ(parsed.Options.TracePath, "-");
}

TEST(Arguments, RefuseWhatTheyCannotUse) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"--games"},
                                             {"--games", "0"},
                                             {"--games", "ten"},
                                             {"--seed", "-1"},
                                             {"--seed", "12x"},
                                             {"--rules", "house"},
                                             {"--players", "4"},
                                             {"--trace="}}) {
    EXPECT_FALSE(ParseArguments(args).Error.empty()) << args[0];
  }
  EXPECT_TRUE(ParseArguments({"--help"}).HelpWanted);
  EXPECT_TRUE(ParseArguments({"--version"}).VersionWanted);
}

TEST(Arguments, ChooseStrongSeatsADuplicateTournamentAndTheEffort) {
  const ParsedArguments parsed =
      ParseArguments({"--strong", "1,3", "--duplicate", "--effort", "fast"});
  ASSERT_TRUE(parsed.Error.empty()) << parsed.Error;
  EXPECT_EQ(parsed.Options.Strong, (std::array<bool, 4>{false, true, false, true}));
  EXPECT_TRUE(parsed.Options.Duplicate);
  EXPECT_TRUE(parsed.Options.FastEffort);
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"--strong", "4"}, {"--strong", "1,"}, {"--effort", "slow"}, {"--duplicate"}})
    EXPECT_FALSE(ParseArguments(args).Error.empty()) << args[0] << ' ' << args.back();
}

// Both plays of a game are dealt alike, round by round, however differently they go.
TEST(Duplicate, BothPlaysOfAGameHaveTheSameDealsAndAreScoredRoundByRound) {
  SelfPlayOptions options;
  options.Games = 2;
  options.Seed = 5;
  options.Strong[2] = true;
  options.Duplicate = true;
  options.FastEffort = true;
  std::ostringstream trace;
  const SelfPlayResult result = RunSelfPlay(options, &trace);
  ASSERT_FALSE(result.Failure) << result.Failure->Problem;
  EXPECT_EQ(result.Tally.Games, 4);

  std::vector<std::vector<std::string>> deals;  // per play
  std::istringstream lines(trace.str());
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("game ", 0) == 0)
      deals.emplace_back();
    else if (line.rfind("deal ", 0) == 0)
      deals.back().push_back(line);
  }
  ASSERT_EQ(deals.size(), 4u);
  long paired = 0;
  for (std::size_t play = 0; play < deals.size(); play += 2) {
    const std::size_t rounds = std::min(deals[play].size(), deals[play + 1].size());
    paired += static_cast<long>(rounds);
    EXPECT_TRUE(
        std::equal(deals[play].begin(), deals[play].begin() + rounds, deals[play + 1].begin()));
  }
  EXPECT_EQ(result.Duplicate[2].Rounds, paired);
  EXPECT_EQ(result.Duplicate[1].Rounds, 0);
  EXPECT_NE(DuplicateLines(options, result)
                .find("duplicate seat 2: strong minus standard, "
                      "points per round "),
            std::string::npos);
}

TEST(Summary, TheLastLineNamesGamesRoundsDrawsWinsTurnsAndSpeed) {
  SelfPlayTally tally;
  tally.Games = 2;
  tally.Rounds = 10;
  tally.Drawn = 1;
  tally.Wins = {1, 2, 3, 3};
  tally.Turns = 200;
  EXPECT_EQ(SummaryLine(tally, 4.0),
            "selfplay: 2 games, 10 rounds, 1 drawn, wins 0:1 1:2 2:3 3:3, 200 turns, 2.5 rounds/s");
}

TEST(SelfPlay, ARunIsReproducibleFromItsSeedAndAddsUp) {
  SelfPlayOptions options;
  options.Games = 2;
  options.Seed = 99;
  std::ostringstream first, second, other;
  const SelfPlayResult a = RunSelfPlay(options, &first);
  const SelfPlayResult b = RunSelfPlay(options, &second);
  ASSERT_FALSE(a.Failure) << a.Failure->Problem;
  EXPECT_EQ(first.str(), second.str());
  EXPECT_EQ(a.Tally.Rounds, b.Tally.Rounds);
  EXPECT_EQ(a.Tally.Games, 2);
  long wins = 0;
  for (long w : a.Tally.Wins)
    wins += w;
  EXPECT_EQ(wins + a.Tally.Drawn, a.Tally.Rounds);
  EXPECT_GT(a.Tally.Turns, a.Tally.Rounds);

  options.Seed = 100;
  RunSelfPlay(options, &other);
  EXPECT_NE(first.str(), other.str());
}

TEST(SelfPlay, TheKeptPlacesNeverDriftFromTheRecordsAndChangeNoResult) {
  // The whole table checked from scratch after every step, against what the observer
  // kept step by step, for whole games; the counts are those of the usual run.
  SelfPlayOptions options;
  options.Games = 20;
  options.Seed = 7;
  const SelfPlayResult usual = RunSelfPlay(options, nullptr);
  options.FullCheckSteps = 1;
  const SelfPlayResult checked = RunSelfPlay(options, nullptr);
  ASSERT_FALSE(checked.Failure) << checked.Failure->Problem;
  EXPECT_EQ(SummaryDetails(options, checked.Tally), SummaryDetails(options, usual.Tally));
}

// A freshly dealt round followed by the observer and its checker, which checks the whole
// table from scratch at every step.
class Watched : public ::testing::Test {
 protected:
  SelfPlayHost host{4242};
  TableChecker checker{1};
  TableObserver observer{{&checker}, &checker};
  ObservingHost watchedHost{host, observer};
  Game game{watchedHost};
  void SetUp() override {
    host.ReportTo(checker);
    watchedHost.Attach(game);
    StartRound(game);
    ASSERT_EQ(checker.Problem(), "");
  }
  void StepDone() {
    observer.StepDone(game);
    checker.StepDone(game, observer);
  }
};

TEST_F(Watched, NamesABrokenRuleAsTheWholeCheckDoes) {
  const int top = game.Piles.Stock[game.Piles.StockTop];
  game.TableMap[Suit(top)][RankIndex(top)] = kMapDiscarded;
  StepDone();
  EXPECT_EQ(checker.Problem(), "TableMap says 5 for card " + std::to_string(top) + ", expected 0");
}

TEST_F(Watched, FindsACardAddedToASecondPlace) {
  HandRecord& hand = game.Seats[1];
  const int card = game.Seats[2].Cards[0];
  hand.Cards[hand.Count++] = card;
  observer.Observe(game);
  EXPECT_EQ(checker.Problem(), "card " + std::to_string(card) + " is in two places");
}

TEST_F(Watched, FindsCardsSwappedUnseenByTheCountsAtTheNextWholeCheck) {
  const int card = game.Seats[1].Cards[0];
  std::swap(game.Seats[1].Cards[0], game.Seats[2].Cards[0]);
  StepDone();
  EXPECT_EQ(checker.Problem(), "the kept place of card " + std::to_string(card) +
                                   " is hand 1, the records say hand 2");
}

// A freshly dealt round on a host that observes nothing.
class TableCheck : public ::testing::Test {
 protected:
  SelfPlayHost host{4242};
  Game game{host};
  void SetUp() override { StartRound(game); }
  std::string Check(const CardMarks& marks = {}) { return CheckTable(game, LayoutOf(game), marks); }
};

TEST_F(TableCheck, ADealtTableIsSound) {
  EXPECT_EQ(Check(), "");
}

TEST_F(TableCheck, FindsACardInTwoPlaces) {
  game.Seats[1].Cards[0] = game.Seats[2].Cards[0];
  EXPECT_NE(Check().find("two places"), std::string::npos);
}

TEST_F(TableCheck, FindsACardThatIsNowhere) {
  game.Piles.StockTop -= 1;
  EXPECT_NE(Check().find("nowhere"), std::string::npos);
}

TEST_F(TableCheck, FindsATableMapThatDisagreesWithTheCards) {
  const int top = game.Piles.Stock[game.Piles.StockTop];
  game.TableMap[Suit(top)][RankIndex(top)] = kMapDiscarded;
  EXPECT_NE(Check().find("TableMap"), std::string::npos);
  // A card in hand marked as taken from the pile must still say so.
  game.TableMap[Suit(top)][RankIndex(top)] = kMapHidden;
  CardMarks marks;
  marks.FromPile[game.Seats[3].Cards[2]] = true;
  EXPECT_NE(Check(marks).find("TableMap"), std::string::npos);
}

TEST_F(TableCheck, FindsAMeldThatIsNotOfItsKind) {
  // The three top stock cards, of mixed ranks and suits, laid as a "sequence".
  MeldRecord& meld = game.MeldWindows.front();
  CardMarks marks;
  meld.Kind = MeldKind::Sequence;
  for (int i = 21; i <= 23; ++i) {
    const int card = game.Piles.Stock[i];
    meld.Cards[meld.Count++] = card;
    marks.LaidKind[card] = MapValue(MeldKind::Sequence);
    game.TableMap[Suit(card)][RankIndex(card)] = MapValue(MeldKind::Sequence);
  }
  std::sort(meld.Cards.begin(), meld.Cards.begin() + meld.Count);
  game.Piles.StockTop = 20;
  AddNewMeldWindow(game);
  EXPECT_NE(Check(marks).find("not a valid meld"), std::string::npos);
}

MeldFault Judged(MeldKind kind, std::vector<int> cards) {
  MeldRecord meld;
  meld.Kind = kind;
  std::sort(cards.begin(), cards.end());
  for (int card : cards)
    meld.Cards[meld.Count++] = card;
  return CheckMeld(meld);
}

// Card codes as the game numbers them: suit × 13 + face − 1.
constexpr int Card(int suit, int face) {
  return suit * 13 + face - 1;
}

TEST(CheckMeld, JudgesRunsSameRanksAndSevensByItsOwnRules) {
  EXPECT_EQ(Judged(MeldKind::Seven, {Card(2, 7)}), MeldFault::None);
  EXPECT_EQ(Judged(MeldKind::Sequence, {Card(0, 1), Card(0, 2), Card(0, 3)}), MeldFault::None);
  EXPECT_EQ(Judged(MeldKind::Sequence, {Card(1, 10), Card(1, 11), Card(1, 12), Card(1, 13)}),
            MeldFault::None);
  EXPECT_EQ(Judged(MeldKind::SameRank, {Card(0, 5), Card(2, 5), Card(3, 5)}), MeldFault::None);
  EXPECT_EQ(Judged(MeldKind::SameRank, {Card(0, 5), Card(1, 5), Card(2, 5), Card(3, 5)}),
            MeldFault::None);
  const std::vector<std::pair<MeldKind, std::vector<int>>> wrong = {
      {MeldKind::Seven, {Card(2, 6)}},
      {MeldKind::Seven, {Card(2, 7), Card(3, 7)}},
      {MeldKind::Sequence, {Card(0, 3), Card(0, 4), Card(0, 6)}},    // a gap
      {MeldKind::Sequence, {Card(0, 12), Card(0, 13), Card(0, 1)}},  // no turn past the king
      {MeldKind::Sequence, {Card(0, 3), Card(0, 4)}},
      {MeldKind::Sequence, {Card(0, 3), Card(0, 4), Card(1, 5)}},
      {MeldKind::SameRank, {Card(0, 5), Card(1, 5)}},
      {MeldKind::SameRank, {Card(0, 5), Card(1, 5), Card(2, 6)}},
      {MeldKind::Sequence, {Card(0, 5), Card(1, 5), Card(2, 5)}},
  };
  for (const auto& [kind, cards] : wrong)
    EXPECT_EQ(Judged(kind, cards), MeldFault::NotOfItsKind) << cards[0] << " " << cards.size();
}

TEST_F(Watched, ARoundDrawnBeforeTheStockRanOutOftenEnoughIsFound) {
  ASSERT_EQ(game.Rules.RunOutLimit, 3);
  checker.RoundEnded(1, kDrawnRound);
  EXPECT_EQ(checker.Problem(),
            "round 1 was drawn after the stock was rebuilt 0 times, with the run-out limit 3");
  EXPECT_EQ(checker.DrawnByRunOut(), 0);
}

TEST(SelfPlay, EveryDrawnRoundRanTheStockOut) {
  SelfPlayOptions options;
  options.Games = 100;
  options.Seed = 7;
  const SelfPlayResult run = RunSelfPlay(options, nullptr);
  ASSERT_FALSE(run.Failure) << run.Failure->Problem;
  EXPECT_GT(run.Tally.Drawn, 0);
}

TEST_F(TableCheck, FindsAHandAboveEightCards) {
  HandRecord& hand = game.Seats[1];
  hand.Cards[hand.Count++] = game.Piles.Stock[game.Piles.StockTop--];
  hand.Cards[hand.Count++] = game.Piles.Stock[game.Piles.StockTop--];
  EXPECT_NE(Check().find("holds 9 cards"), std::string::npos);
}

TEST_F(TableCheck, FindsAStateThatIsNone) {
  game.State = static_cast<GameState>(5);
  EXPECT_NE(Check().find("GameState"), std::string::npos);
}

}  // namespace
}  // namespace zelvani
