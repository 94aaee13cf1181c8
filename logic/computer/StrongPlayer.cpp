#include "logic/computer/StrongPlayer.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <string>

#include "logic/cards/Cards.h"
#include "logic/computer/ComputerTurn.h"
#include "logic/play/MeldRules.h"
#include "logic/play/Piles.h"
#include "logic/table/SilentHost.h"
#include "logic/table/TurnDriver.h"

namespace zelvani {

namespace {

// More moves than this are never weighed; the standard player's own move always is.
constexpr std::size_t kMaxMoves = 32;
// A move replaces the standard player's only when its playouts beat it by more than this
// many standard errors: with few playouts a lucky move must not look better than it is.
constexpr double kSwitchMargin = 1.0;
// Share of the playouts spent, after a discard is chosen, on which ranks to pon.
constexpr int kPonShareDivisor = 4;

int Below(std::uint64_t& state, int n) {
  return static_cast<int>(NextLookAhead(state) % static_cast<std::uint64_t>(n));
}

template <typename Cards>
void Shuffle(Cards& cards, int count, std::uint64_t& state) {
  for (int i = count - 1; i > 0; --i)
    std::swap(cards[i], cards[Below(state, i + 1)]);
}

std::uint64_t CardBit(int card) {
  return std::uint64_t{1} << card;
}

std::uint16_t RankMask(const std::array<bool, kRankCount>& wanted) {
  std::uint16_t mask = 0;
  for (int rank = 0; rank < kRankCount; ++rank)
    if (wanted[rank])
      mask |= static_cast<std::uint16_t>(1u << rank);
  return mask;
}

// The seat's own reservations become `ranks`; a seat that reserves none (the human's)
// leaves the table's as they are.
void SetOwnReservations(Game& game, int seat, std::uint16_t ranks) {
  for (int rank = 0; rank < kRankCount; ++rank) {
    int& reserver = game.PonReservations[rank];
    if (reserver == seat)
      reserver = 0;
    if ((ranks >> rank) & 1u)
      reserver = seat;
  }
}

// Everything the game shows goes nowhere; the shuffles of a rebuilt stock are seeded
// from the strong player's generator, and no next round is dealt.
class PlayoutHost : public SilentHost {
 public:
  std::int64_t Clock = 0;

  MsgAnswer MessageBox(const Text&, const Text&, MsgButtons buttons, MsgIcon) override {
    return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
  }
  void StartTimer(int) override {}
  void StopTimer() override {}
  std::int64_t CalendarTime() override { return Clock++; }
  LocalDate Today() override { return {}; }
};

// Applies a move of the seat whose turn it is, as the standard player's own steps do.
// Returns false when the game refused it (which a candidate move never is).
bool ApplyMove(Game& game, int seat, const Move& move, bool reservePons) {
  HandRecord& hand = game.Seats[seat];
  switch (move.Kind) {
    case MoveKind::Draw:
      DrawCard(game, seat);
      return true;
    case MoveKind::Claim:
      ClaimByChii(game, seat);
      return true;
    case MoveKind::Lay:
      if (reservePons)
        SetOwnReservations(game, seat, move.PonRanks);
      hand.Selected.fill(0);
      for (int slot = 0; slot < hand.Count; ++slot)
        hand.Selected[slot] = (move.Slots >> slot) & 1u;
      if (!LayMeld(game, move.Window, seat, true)) {
        hand.Selected.fill(0);
        return false;
      }
      RearmTurnTimer(game);
      return true;
    case MoveKind::Discard:
      if (reservePons)
        SetOwnReservations(game, seat, move.PonRanks);
      hand.Selected.fill(0);
      DiscardCard(game, seat, move.Slot);
      return true;
  }
  return false;
}

// A table made from a view and one deal of the hidden cards, played to the end of the
// round by the standard player in every seat.
class Playout {
 public:
  Playout() : game_(host_) {}

  void Load(const SeatView& view, const HiddenDeal& deal, std::uint64_t seed) {
    Game& g = game_;
    const int me = view.Seat;
    g.State = view.State;
    g.Round = 1;
    g.Rules = view.Rules;
    // The round is all that is played: no game ends in a playout.
    g.Rules.UseEndTerm = true;
    g.Rules.EndTerm = INT_MAX;
    g.TableMap = view.TableMap;
    g.MeldWindows = view.Melds;
    g.Human.Rest = view.HumanRest;
    g.Human.ResumeState = view.HumanResume;
    for (int seat = 0; seat < kSeatCount; ++seat) {
      HandRecord& hand = g.Seats[seat];
      hand.Point = 0;
      hand.Selected.fill(0);
      hand.Claimed = seat == me ? view.Hand.Claimed : kNoClaim;
      hand.Cards = seat == me ? view.Hand.Cards : deal.Hands[seat];
      hand.Count = view.HandCounts[seat];
    }
    g.PonReservations.fill(0);
    for (int rank = 0; rank < kRankCount; ++rank)
      if (view.OwnReservations[rank])
        g.PonReservations[rank] = me;
    // The others' reservations are their own secret: made again from the dealt hands.
    for (int seat = 1; seat < kSeatCount; ++seat) {
      if (seat == me || g.Seats[seat].Count >= kEvaluatedSlots)
        continue;
      evaluation_ = Evaluation{};
      Evaluate(g.Seats[seat], g.TableMap, evaluation_);
      for (int rank = 0; rank < kRankCount; ++rank)
        if (evaluation_.PonWanted[rank] && g.PonReservations[rank] == 0)
          g.PonReservations[rank] = seat;
    }
    PileRecord& piles = g.Piles;
    piles.Stock = deal.Stock;
    piles.StockTop = view.StockCount - 1;
    piles.DiscardCount = static_cast<int>(view.Discards.size());
    std::copy(view.Discards.begin(), view.Discards.end(), piles.Discard.begin());
    piles.Reshuffles = view.Reshuffles;
    piles.RebuiltFrom = view.RebuiltFrom;
    g.Rng.SeedRandom(static_cast<std::uint32_t>(seed));
    host_.Clock = static_cast<std::int64_t>(seed >> 33);
  }

  // The seat's points from the round, once `move` is made and the round played out;
  // `steps` grows by the steps played.
  int Result(int seat, const Move& move, long& steps) {
    Game& g = game_;
    ApplyMove(g, seat, move, seat != kHumanSeat);
    for (int step = 0; InRound(g.State) && step < kPlayoutStepCap; ++step, ++steps) {
      if (!IsValidState(g.State))
        break;
      const int next = SeatOfState(g.State);
      ComputerTurn(g, next, ComputerOptions{.ReservePons = next != kHumanSeat});
    }
    if (!InRound(g.State))
      return g.Seats[seat].Point;
    int penalty = 0;
    const HandRecord& hand = g.Seats[seat];
    for (int slot = 0; slot < hand.Count; ++slot)
      penalty -= PenaltyValue(hand.Cards[slot]);
    return penalty;
  }

 private:
  PlayoutHost host_;
  Game game_;
  Evaluation evaluation_;
};

// Sums of each move's playout results over the same deals, and of each move's
// difference from the first move, squared, for its spread.
struct Tally {
  std::vector<long long> Sums;
  std::vector<double> SquaredDifferences;
  int Deals = 0;
};

Tally PlayMoves(const SeatView& view, const std::vector<Move>& moves, int deals,
                std::uint64_t& state) {
  Tally tally;
  tally.Sums.assign(moves.size(), 0);
  tally.SquaredDifferences.assign(moves.size(), 0);
  Playout playout;
  std::vector<int> results(moves.size());
  const long stepBudget =
      static_cast<long>(deals) * static_cast<long>(moves.size()) * kStepsPerPlayout;
  long steps = 0;
  int d = 0;
  for (; d < deals && steps < stepBudget; ++d) {
    const HiddenDeal deal = DealHiddenCards(view, state);
    const std::uint64_t seed = NextLookAhead(state);
    for (std::size_t m = 0; m < moves.size(); ++m) {
      playout.Load(view, deal, seed);
      results[m] = playout.Result(view.Seat, moves[m], steps);
      tally.Sums[m] += results[m];
      const double difference = results[m] - results[0];
      tally.SquaredDifferences[m] += difference * difference;
    }
  }
  tally.Deals = d;
  return tally;
}

// Whether move `m` beats the first move clearly enough to be made instead.
bool ClearlyBetter(const Tally& tally, std::size_t m) {
  const double n = tally.Deals;
  const double mean = static_cast<double>(tally.Sums[m] - tally.Sums[0]) / n;
  if (mean <= 0)
    return false;
  const double variance = std::max(0.0, tally.SquaredDifferences[m] / n - mean * mean);
  return mean > kSwitchMargin * std::sqrt(variance / n);
}

// The best move by its playouts; the first (the standard player's) unless one is clearly
// better.
std::size_t BestMove(const Tally& tally) {
  std::size_t best = 0;
  for (std::size_t m = 1; m < tally.Sums.size(); ++m)
    if (tally.Sums[m] > tally.Sums[best] && ClearlyBetter(tally, m))
      best = m;
  return best;
}

int DealsFor(int playouts, std::size_t moves) {
  return std::max(1, playouts / static_cast<int>(moves));
}

// Ranks the seat could still pon after throwing `move`'s card: it keeps two of the rank,
// would keep a card once the three are laid, and a third is still hidden somewhere.
std::uint16_t PonChoices(const SeatView& view, const Move& move) {
  const HandRecord& hand = view.Hand;
  if (hand.Count - 1 < 3)
    return 0;
  std::array<int, kRankCount> held{};
  for (int slot = 0; slot < hand.Count; ++slot)
    if (slot != move.Slot)
      ++held[RankIndex(hand.Cards[slot])];
  std::uint16_t ranks = 0;
  for (int rank = 0; rank < kRankCount; ++rank) {
    if (held[rank] < 2)
      continue;
    bool hidden = false;
    for (int suit = 0; suit < kSuitCount; ++suit) {
      const int card = CardCode(suit, rank);
      const bool own = std::find(hand.Cards.begin(), hand.Cards.begin() + hand.Count, card) !=
                       hand.Cards.begin() + hand.Count;
      hidden = hidden || (!own && view.TableMap[suit][rank] == kMapHidden);
    }
    if (hidden)
      ranks |= static_cast<std::uint16_t>(1u << rank);
  }
  return ranks;
}

// After the discard is chosen: each rank the seat could pon is tried reserved and not,
// against the standard player's reservations.
Move ChoosePons(const SeatView& view, Move discard, int playouts, std::uint64_t& state) {
  const std::uint16_t choices = PonChoices(view, discard);
  if (choices == 0)
    return discard;
  std::vector<Move> moves{discard};
  for (int rank = 0; rank < kRankCount; ++rank) {
    if ((choices >> rank) & 1u) {
      Move other = discard;
      other.PonRanks ^= static_cast<std::uint16_t>(1u << rank);
      moves.push_back(other);
    }
  }
  const Tally tally = PlayMoves(view, moves, DealsFor(playouts, moves.size()), state);
  for (std::size_t m = 1; m < moves.size(); ++m)
    if (ClearlyBetter(tally, m))
      discard.PonRanks ^= moves[m].PonRanks ^ moves[0].PonRanks;
  return discard;
}

}  // namespace

std::uint64_t NextLookAhead(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::vector<Move> CandidateMoves(const SeatView& view) {
  std::vector<Move> moves;
  const HandRecord& hand = view.Hand;
  if (PhaseOfState(view.State) == 0) {
    const int top = view.Discards.empty() ? -1 : view.Discards.back();
    const bool standardClaims = WantsChii(hand, top);
    // Taking the discard is weighed whenever it makes a new meld with two cards of the
    // hand and leaves a card once that meld is laid.
    bool claimable = false;
    if (IsCard(top) && hand.Count >= 3 && hand.Count < kHandSlots) {
      HandRecord taken = hand;
      taken.Cards[taken.Count++] = top;
      taken.Claimed = taken.Count - 1;
      MeldRecord fresh;
      for (int a = 0; a < hand.Count && !claimable; ++a) {
        for (int b = a + 1; b < hand.Count && !claimable; ++b) {
          taken.Selected.fill(0);
          taken.Selected[a] = taken.Selected[b] = taken.Selected[taken.Count - 1] = 1;
          claimable = JudgeLay(fresh, taken).Verdict == LayVerdict::Laid;
        }
      }
    }
    moves.push_back({standardClaims ? MoveKind::Claim : MoveKind::Draw});
    if (standardClaims || claimable)
      moves.push_back({standardClaims ? MoveKind::Draw : MoveKind::Claim});
    return moves;
  }

  const PlayChoice standard = ChoosePlay(hand, view.TableMap);
  const std::uint16_t ponRanks = view.Seat == kHumanSeat ? 0 : RankMask(standard.Judged.PonWanted);
  HandRecord trial = hand;
  auto firstWindow = [&](std::uint16_t slots) {
    for (int slot = 0; slot < trial.Count; ++slot)
      trial.Selected[slot] = (slots >> slot) & 1u;
    for (int window = 0; window < static_cast<int>(view.Melds.size()); ++window)
      if (JudgeLay(view.Melds[window], trial).Verdict == LayVerdict::Laid)
        return window;
    return -1;
  };
  Move standardMove{MoveKind::Discard, 0, -1, standard.DiscardSlot, ponRanks};
  if (standard.Meld != kNoCandidate) {
    const Candidate& meld = standard.Judged.Candidates[standard.Meld];
    std::uint16_t slots = 0;
    for (int i = 0; i < meld.SlotCount; ++i)
      slots |= static_cast<std::uint16_t>(1u << meld.Slots[i]);
    if (const int window = firstWindow(slots); window >= 0)
      standardMove = {MoveKind::Lay, slots, window, -1, ponRanks};
  }
  moves.push_back(standardMove);
  // A human who throws the card just claimed sits out a turn; the computer never
  // suggests it.
  const int claimed = hand.ClaimedSlot();
  for (int slot = 0; slot < hand.Count && moves.size() < kMaxMoves; ++slot) {
    const Move discard{MoveKind::Discard, 0, -1, slot, ponRanks};
    if (!(discard == standardMove) && !(view.Seat == kHumanSeat && slot == claimed))
      moves.push_back(discard);
  }
  const std::uint16_t all = static_cast<std::uint16_t>((1u << hand.Count) - 1);
  for (std::uint16_t slots = 1; slots < all && moves.size() < kMaxMoves; ++slots) {
    if (const int window = firstWindow(slots); window >= 0) {
      const Move lay{MoveKind::Lay, slots, window, -1, ponRanks};
      if (!(lay == standardMove))
        moves.push_back(lay);
    }
  }
  return moves;
}

HiddenDeal DealHiddenCards(const SeatView& view, std::uint64_t& state) {
  std::uint64_t seen = 0;
  for (int slot = 0; slot < view.Hand.Count; ++slot)
    if (IsCard(view.Hand.Cards[slot]))
      seen |= CardBit(view.Hand.Cards[slot]);
  // Rebuilt from the pile, the stock holds only cards that lay there; the other hidden
  // cards are in hands.
  std::array<int, kDeckSize> rebuilt{};
  std::array<int, kDeckSize> elsewhere{};
  int rebuiltCount = 0;
  int elsewhereCount = 0;
  for (int card = 0; card < kDeckSize; ++card) {
    if ((seen & CardBit(card)) || view.TableMap[Suit(card)][RankIndex(card)] != kMapHidden)
      continue;
    if (view.Reshuffles > 0 && (view.RebuiltFrom & CardBit(card)))
      rebuilt[rebuiltCount++] = card;
    else
      elsewhere[elsewhereCount++] = card;
  }
  const int stockCount = std::clamp(view.StockCount, 0, kStockSlots);
  if (rebuiltCount < stockCount) {
    // Only on a table no game could reach: every hidden card may be anywhere.
    std::copy(rebuilt.begin(), rebuilt.begin() + rebuiltCount, elsewhere.begin() + elsewhereCount);
    elsewhereCount += rebuiltCount;
    rebuiltCount = 0;
    std::swap(rebuilt, elsewhere);
    std::swap(rebuiltCount, elsewhereCount);
  }
  Shuffle(rebuilt, rebuiltCount, state);
  HiddenDeal deal;
  for (int i = 0; i < stockCount && i < rebuiltCount; ++i)
    deal.Stock[i] = rebuilt[i];
  for (int i = stockCount; i < rebuiltCount; ++i)
    elsewhere[elsewhereCount++] = rebuilt[i];
  Shuffle(elsewhere, elsewhereCount, state);
  int next = 0;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (seat == view.Seat)
      continue;
    const int count = std::clamp(view.HandCounts[seat], 0, kHandSlots);
    for (int slot = 0; slot < count && next < elsewhereCount; ++slot)
      deal.Hands[seat][slot] = elsewhere[next++];
  }
  return deal;
}

Move ChooseStrongMove(const SeatView& view, int playouts, std::uint64_t seed) {
  const std::vector<Move> moves = CandidateMoves(view);
  std::uint64_t state = seed;
  if (moves.size() == 1 && moves[0].Kind != MoveKind::Discard)
    return moves[0];
  const bool weighsPons = view.Seat != kHumanSeat;
  const int ponShare = weighsPons ? playouts / kPonShareDivisor : 0;
  Move chosen = moves[0];
  if (moves.size() > 1) {
    const Tally tally = PlayMoves(view, moves, DealsFor(playouts - ponShare, moves.size()), state);
    chosen = moves[BestMove(tally)];
  }
  if (chosen.Kind == MoveKind::Discard && weighsPons)
    chosen = ChoosePons(view, chosen, ponShare, state);
  return chosen;
}

namespace {

Move MoveFor(Game& game, int seat) {
  const int playouts = game.LookAheadPlayouts > 0 ? game.LookAheadPlayouts : kGamePlayouts;
  return ChooseStrongMove(ViewFromSeat(game, seat), playouts, NextLookAhead(game.LookAheadSeed));
}

}  // namespace

bool StrongClaims(Game& game, int seat) {
  return MoveFor(game, seat).Kind == MoveKind::Claim;
}

PlayChoice StrongPlayChoice(Game& game, int seat) {
  const Move move = MoveFor(game, seat);
  PlayChoice choice = ChoosePlay(game.Seats[seat], game.TableMap);
  if (move.Kind == MoveKind::Discard) {
    choice.Meld = kNoCandidate;
    choice.DiscardSlot = move.Slot;
  } else if (move.Kind == MoveKind::Lay) {
    Candidate lay;
    for (int slot = 0; slot < kEvaluatedSlots; ++slot)
      if ((move.Slots >> slot) & 1u)
        lay.Add(slot);
    choice.Judged.Candidates[0] = lay;
    choice.Meld = 0;
  }
  return choice;
}

void StrongTurn(Game& game, int seat, const ComputerOptions& options) {
  const Move move = MoveFor(game, seat);
  // A refused lay (never a candidate move) ends the turn as the standard player would.
  if (!ApplyMove(game, seat, move, options.ReservePons))
    DiscardCard(game, seat, ChoosePlay(game.Seats[seat], game.TableMap).DiscardSlot);
}

}  // namespace zelvani
