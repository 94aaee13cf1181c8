#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "logic/cards/Random.h"
#include "logic/observer/ObservingHost.h"
#include "logic/observer/TableObserver.h"
#include "logic/play/GameCommands.h"
#include "logic/table/Game.h"
#include "tools/selfplay/SelfPlay.h"
#include "tools/selfplay/SelfPlayHost.h"
#include "tools/selfplay/TraceWriter.h"

namespace zelvani {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

std::vector<std::string> Tokens(const std::string& line) {
  std::vector<std::string> tokens;
  std::istringstream in(line);
  for (std::string token; in >> token;)
    tokens.push_back(token);
  return tokens;
}

bool IsNumber(const std::string& token) {
  const std::size_t digits = token.size() - (token[0] == '-' ? 1 : 0);
  return digits > 0 && std::all_of(token.end() - digits, token.end(), ::isdigit);
}

std::vector<int> NumbersFrom(const std::vector<std::string>& tokens, std::size_t first) {
  std::vector<int> numbers;
  for (std::size_t i = first; i < tokens.size(); ++i)
    numbers.push_back(std::stoi(tokens[i]));
  return numbers;
}

std::string TracedRun(int games, std::int64_t seed) {
  SelfPlayOptions options;
  options.Games = games;
  options.Seed = seed;
  std::ostringstream trace;
  const SelfPlayResult result = RunSelfPlay(options, &trace);
  EXPECT_FALSE(result.Failure) << result.Failure->Problem;
  return trace.str();
}

// The shape of each line: its keyword, fixed words at fixed places, and how many numbers.
struct Shape {
  std::map<std::size_t, std::string> Words;
  std::size_t MinTokens;
  std::size_t MaxTokens;
};

const std::map<std::string, Shape> kShapes = {
    {"game", {{}, 2, 2}},
    {"deal", {{{2, "time"}, {4, "dealer"}, {6, "deck"}}, 59, 59}},
    {"draw", {{}, 3, 3}},
    {"reshuffle", {{{1, "time"}, {3, "stock"}}, 5, 28}},
    {"chii", {{}, 3, 3}},
    {"pon", {{}, 3, 3}},
    {"lay", {{}, 4, 16}},
    {"discard", {{}, 3, 3}},
    {"end", {{}, 3, 4}},
    {"points", {{}, 5, 5}},
    {"gameover", {{{2, "leader"}}, 4, 4}},
};

bool Parses(const std::string& line) {
  const std::vector<std::string> tokens = Tokens(line);
  if (tokens.empty())
    return false;
  std::string joined = tokens[0];
  for (std::size_t i = 1; i < tokens.size(); ++i)
    joined += " " + tokens[i];
  if (joined != line)
    return false;  // single spaces, nothing around
  const auto shape = kShapes.find(tokens[0]);
  if (shape == kShapes.end())
    return false;
  const Shape& s = shape->second;
  if (tokens.size() < s.MinTokens || tokens.size() > s.MaxTokens)
    return false;
  std::map<std::size_t, std::string> words = s.Words;
  if (tokens[0] == "end")
    words[2] = tokens.size() == 3 ? "drawn" : "winner";
  for (std::size_t i = 1; i < tokens.size(); ++i) {
    const auto word = words.find(i);
    if (word != words.end() ? tokens[i] != word->second : !IsNumber(tokens[i]))
      return false;
  }
  return true;
}

// Follows a trace on a model of the table and says where it stops making sense.
class Replay {
 public:
  void Apply(const std::string& line) {
    SCOPED_TRACE(line);
    const std::vector<std::string> t = Tokens(line);
    const std::string& what = t[0];
    if (what == "game") {
      ++game_;
      EXPECT_EQ(std::stoi(t[1]), game_);
      round_ = 0;
    } else if (what == "deal") {
      EXPECT_EQ(std::stoi(t[1]), ++round_);
      Deal(NumbersFrom(t, 7));
    } else if (what == "draw") {
      ASSERT_FALSE(stock_.empty());
      EXPECT_EQ(stock_.back(), std::stoi(t[2]));
      stock_.pop_back();
      hands_[std::stoi(t[1])].push_back(std::stoi(t[2]));
    } else if (what == "reshuffle") {
      EXPECT_TRUE(stock_.empty());
      const std::vector<int> stock = NumbersFrom(t, 4);
      EXPECT_EQ(Sorted(stock), Sorted(pile_));
      EXPECT_EQ(stock, Shuffled(pile_, std::stoi(t[2])));
      stock_ = stock;
      pile_.clear();
      ++reshuffles_;
    } else if (what == "chii" || what == "pon") {
      const int seat = std::stoi(t[1]);
      if (what == "chii") {
        // In the seat's own draw phase: the seat after the one that discarded.
        EXPECT_EQ(seat, (lastDiscarder_ + 1) % 4);
      } else {
        // By a reservation, which seat 0 never makes in self-play.
        EXPECT_NE(seat, lastDiscarder_);
        EXPECT_NE(seat, 0);
      }
      ASSERT_FALSE(pile_.empty());
      EXPECT_EQ(pile_.back(), std::stoi(t[2]));
      pile_.pop_back();
      hands_[std::stoi(t[1])].push_back(std::stoi(t[2]));
    } else if (what == "lay") {
      const int window = std::stoi(t[2]);
      const std::vector<int> cards = NumbersFrom(t, 3);
      EXPECT_EQ(cards, Sorted(cards));
      for (int card : cards)
        TakeFromHand(std::stoi(t[1]), card);
      ASSERT_LE(window, static_cast<int>(melds_.size()));
      if (window == static_cast<int>(melds_.size()))
        melds_.emplace_back();
      melds_[window].insert(melds_[window].end(), cards.begin(), cards.end());
    } else if (what == "discard") {
      TakeFromHand(std::stoi(t[1]), std::stoi(t[2]));
      pile_.push_back(std::stoi(t[2]));
      lastDiscarder_ = std::stoi(t[1]);
    } else if (what == "end") {
      EXPECT_EQ(std::stoi(t[1]), round_);
      if (t[2] == "winner") {
        EXPECT_EQ(std::stoi(t[3]), lastDiscarder_);
        EXPECT_TRUE(hands_[lastDiscarder_].empty());
      } else {
        for (const auto& hand : hands_)
          EXPECT_FALSE(hand.empty());
      }
    }
  }
  int Reshuffles() const { return reshuffles_; }

 private:
  void Deal(const std::vector<int>& deck) {
    ASSERT_EQ(deck.size(), 52u);
    EXPECT_EQ(Sorted(deck), Sorted(Range(52)));
    for (int seat = 0; seat < 4; ++seat) {
      const auto first = deck.begin() + 7 * ((seat + 3) % 4);
      hands_[seat].assign(first, first + 7);
    }
    stock_.assign(deck.begin() + 28, deck.end());
    pile_.clear();
    melds_.clear();
  }
  void TakeFromHand(int seat, int card) {
    auto& hand = hands_[seat];
    const auto it = std::find(hand.begin(), hand.end(), card);
    ASSERT_NE(it, hand.end()) << "seat " << seat << " does not hold " << card;
    hand.erase(it);
  }
  static std::vector<int> Range(int n) {
    std::vector<int> all(n);
    for (int i = 0; i < n; ++i)
      all[i] = i;
    return all;
  }
  static std::vector<int> Sorted(std::vector<int> cards) {
    std::sort(cards.begin(), cards.end());
    return cards;
  }
  // The rebuilt stock: the pile bottom first, each place swapped with one drawn over the
  // whole stock.
  static std::vector<int> Shuffled(std::vector<int> cards, std::uint32_t seed) {
    Random rng;
    rng.SeedRandom(seed);
    const int n = static_cast<int>(cards.size());
    for (int i = 0; i < n; ++i)
      std::swap(cards[i], cards[rng.NextBelow(n)]);
    return cards;
  }

  int game_ = 0;
  int round_ = 0;
  int lastDiscarder_ = -1;
  int reshuffles_ = 0;
  std::array<std::vector<int>, 4> hands_;
  std::vector<int> stock_, pile_;
  std::vector<std::vector<int>> melds_;
};

TEST(Trace, EveryLineOfATracedRunParsesAndTheWholeTraceReplays) {
  const std::vector<std::string> lines = Lines(TracedRun(3, 1));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "game 1");
  EXPECT_EQ(Tokens(lines.back())[0], "gameover");
  Replay replay;
  std::map<std::string, int> seen;
  for (const std::string& line : lines) {
    ASSERT_TRUE(Parses(line)) << line;
    ++seen[Tokens(line)[0]];
    replay.Apply(line);
    if (testing::Test::HasFailure())
      return;
  }
  for (const auto& [word, shape] : kShapes)
    EXPECT_GT(seen[word], 0) << word;
  // Every round ends once, followed by its points; every game ends once.
  EXPECT_EQ(seen["end"], seen["deal"]);
  EXPECT_EQ(seen["points"], seen["deal"]);
  EXPECT_EQ(seen["gameover"], 3);
}

TEST(Trace, EachRoundEndIsFollowedByItsPointsAndEachGameEndsAfterThem) {
  const std::vector<std::string> lines = Lines(TracedRun(2, 5));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string word = Tokens(lines[i])[0];
    if (word == "end") {
      ASSERT_LT(i + 1, lines.size());
      EXPECT_EQ(Tokens(lines[i + 1])[0], "points") << lines[i];
    }
    if (word == "gameover") {
      EXPECT_EQ(Tokens(lines[i - 1])[0], "points");
    }
    if (word == "game") {
      EXPECT_EQ(Tokens(lines[i + 1])[0], "deal");
    }
  }
}

TEST(Trace, ADealLineHoldsTheDeckTheHandsAndStockWereDealtFrom) {
  SelfPlayHost host(31337);
  std::ostringstream out;
  TraceWriter writer(out);
  TableObserver observer({&writer});
  ObservingHost watchedHost(host, observer);
  Game game(watchedHost);
  watchedHost.Attach(game);
  StartRound(game);
  writer.Flush();

  const std::vector<std::string> lines = Lines(out.str());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "game 1");
  const std::vector<std::string> t = Tokens(lines[1]);
  EXPECT_EQ(t[1], "1");
  EXPECT_EQ(t[3], "31337");
  EXPECT_EQ(std::stoi(t[5]), game.Dealer);
  const std::vector<int> deck = NumbersFrom(t, 7);
  ASSERT_EQ(deck.size(), 52u);

  for (int seat = 1; seat < 4; ++seat) {
    const auto first = deck.begin() + 7 * (seat - 1);
    const HandRecord& hand = game.Seats[seat];
    EXPECT_EQ(std::vector<int>(first, first + 7),
              std::vector<int>(hand.Cards.begin(), hand.Cards.begin() + hand.Count));
  }
  // The human's hand is sorted after the deal.
  std::vector<int> human(deck.begin() + 21, deck.begin() + 28);
  std::vector<int> held(game.Seats[0].Cards.begin(), game.Seats[0].Cards.begin() + 7);
  std::sort(human.begin(), human.end());
  std::sort(held.begin(), held.end());
  EXPECT_EQ(human, held);
  EXPECT_EQ(std::vector<int>(deck.begin() + 28, deck.end()),
            std::vector<int>(game.Piles.Stock.begin(), game.Piles.Stock.begin() + 24));

  // And it is the shuffle seeded with the time the line names.
  SelfPlayHost otherHost(0);
  Game scratch(otherHost);
  const std::array<int, 52> shuffled = ShuffledDeck(scratch, 31337);
  EXPECT_EQ(deck, std::vector<int>(shuffled.begin(), shuffled.end()));
}

TEST(Trace, AReshuffleLineIsTheDiscardPileItCameFromShuffled) {
  // The replay checks each rebuilt stock against the pile; this run is long enough to
  // rebuild some.
  Replay replay;
  for (const std::string& line : Lines(TracedRun(5, 1))) {
    replay.Apply(line);
    if (testing::Test::HasFailure())
      return;
  }
  EXPECT_GT(replay.Reshuffles(), 0);
}

// FNV-1a over the bytes: the same on every platform and needs no library.
std::uint64_t Digest(const std::string& text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
}

TEST(Trace, TracesAndCountsStayAsRecordedForFixedSeeds) {
  // Recorded from a build known to be right; any change to the game's logic, the
  // computer player or the trace shows here. Runs with and without a trace agree.
  struct Recorded {
    RulesChoice Rules;
    std::int64_t Seed;
    int Games;
    std::uint64_t TraceDigest;
    std::string Summary;
  };
  const std::vector<Recorded> recorded = {
      {RulesChoice::Default, 1, 200, 14797247237367721972ull,
       "seed 1, rules default\ngames: 200\nrounds: 1454, drawn 9 (0.6%)\n"
       "wins by seat: 0 110 (7.6%) 1 405 (27.9%) 2 450 (30.9%) 3 480 (33.0%)\n"
       "turns: 28653 (19.7 a round), chii 923, pon 2982, melds 9861, reshuffles 213\n"
       "selfplay: 200 games, 1454 rounds, 9 drawn, wins 0:110 1:405 2:450 3:480, 28653 turns, "
       "0.0 rounds/s"},
      {RulesChoice::Official1, 3, 100, 5670835854723113294ull,
       "seed 3, rules official1\ngames: 100\nrounds: 712, drawn 5 (0.7%)\n"
       "wins by seat: 0 53 (7.4%) 1 198 (27.8%) 2 222 (31.2%) 3 234 (32.9%)\n"
       "turns: 14266 (20.0 a round), chii 415, pon 1502, melds 4865, reshuffles 111\n"
       "selfplay: 100 games, 712 rounds, 5 drawn, wins 0:53 1:198 2:222 3:234, 14266 turns, "
       "0.0 rounds/s"},
      {RulesChoice::Official2, 20260101, 100, 3608702948247481966ull,
       "seed 20260101, rules official2\ngames: 100\nrounds: 1000, drawn 12 (1.2%)\n"
       "wins by seat: 0 84 (8.4%) 1 301 (30.1%) 2 289 (28.9%) 3 314 (31.4%)\n"
       "turns: 20202 (20.2 a round), chii 648, pon 2099, melds 6968, reshuffles 171\n"
       "selfplay: 100 games, 1000 rounds, 12 drawn, wins 0:84 1:301 2:289 3:314, 20202 turns, "
       "0.0 rounds/s"},
  };
  for (const Recorded& r : recorded) {
    SelfPlayOptions options;
    options.Rules = r.Rules;
    options.Seed = r.Seed;
    options.Games = r.Games;
    std::ostringstream trace;
    const SelfPlayResult traced = RunSelfPlay(options, &trace);
    const SelfPlayResult untraced = RunSelfPlay(options, nullptr);
    ASSERT_FALSE(traced.Failure) << traced.Failure->Problem;
    ASSERT_FALSE(untraced.Failure) << untraced.Failure->Problem;
    const std::string summary =
        SummaryDetails(options, traced.Tally) + SummaryLine(traced.Tally, 0);
    EXPECT_EQ(Digest(trace.str()), r.TraceDigest) << "seed " << r.Seed;
    EXPECT_EQ(summary, r.Summary);
    EXPECT_EQ(SummaryDetails(options, untraced.Tally) + SummaryLine(untraced.Tally, 0), summary);
  }
}

}  // namespace
}  // namespace zelvani
