#include "logic/play/RoundEnd.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "logic/cards/Cards.h"
#include "logic/play/GameCommands.h"
#include "logic/scoring/HiScore.h"
#include "logic/scoring/ScoreCommands.h"
#include "logic/table/Game.h"
#include "logic/table/SeatNames.h"

namespace zelvani {

std::array<int, kSeatCount> RoundPenalties(const Game& game) {
  std::array<int, kSeatCount> penalties{};
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const HandRecord& hand = game.Seats[seat];
    const int count = std::clamp(hand.Count, 0, kHandSlots);
    for (int slot = 0; slot < count; ++slot)
      if (IsCard(hand.Cards[slot]))
        penalties[seat] -= PenaltyValue(hand.Cards[slot]);
  }
  return penalties;
}

int RoundWinner(const std::array<int, kSeatCount>& penalties) {
  for (int seat = 0; seat < kSeatCount; ++seat)
    if (penalties[seat] == 0)
      return seat;
  return -1;
}

int NextDealer(int dealerRule, int dealer, int winner) {
  switch (dealerRule) {
    case 1:
      ++dealer;
      break;
    case 2:
      if (dealer != winner)
        ++dealer;
      break;
    case 3:
      if (winner >= 0)
        dealer = winner;
      break;
    default:
      break;
  }
  if (dealer >= kSeatCount || dealer < 0)
    dealer = 0;
  return dealer;
}

std::array<int, kSeatCount> ZeroSumResults(const std::array<int, kSeatCount>& penalties,
                                           int winner) {
  std::array<int, kSeatCount> results = penalties;
  int total = 0;
  for (int pen : penalties)
    total += pen;
  if (winner >= 0) {
    results[winner] -= total;
  } else {
    // C++ division truncates toward zero, as the rule asks.
    for (int& pen : results)
      pen -= total / kSeatCount;
  }
  return results;
}

int LeadingSeat(const Game& game) {
  int leader = 0;
  for (int seat = 1; seat < kSeatCount; ++seat)
    if (game.Seats[seat].Point > game.Seats[leader].Point)
      leader = seat;
  return leader;
}

void EndRound(Game& game) {
  ScoreSheet& sheet = game.Score;
  for (int seat = 0; seat < kSeatCount; ++seat)
    sheet.SetCell(seat + 1, 0, game.Seats[seat].PlayerName);
  if (game.Round > 9) {
    sheet.SetRowCount(game.Round + 1);
    game.Host.ScoreSheetRowsChanged();
  }
  sheet.SetCell(0, game.Round, RoundLabel(game.Round).Render());

  std::array<int, kSeatCount> pen = RoundPenalties(game);
  const int winner = RoundWinner(pen);
  game.Dealer = NextDealer(game.Rules.DealerRule, game.Dealer, winner);
  if (game.Rules.ZeroSum)
    pen = ZeroSumResults(pen, winner);

  std::vector<Text> report;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    HandRecord& hand = game.Seats[seat];
    SetPoint(game, seat, SaturatingAdd(hand.Point, pen[seat]));
    report.push_back(Translatable("Scores", "%1：%2点\n").Arg(hand.PlayerName).Arg(pen[seat]));
    sheet.SetCell(seat + 1, game.Round, std::to_string(hand.Point));
  }
  game.Host.MessageBox(Text::Joined({}, std::move(report)),
                       Translatable("Scores", "このゲームの結果"), MsgButtons::Ok, MsgIcon::None);

  const int leader = LeadingSeat(game);
  sheet.Col = leader + 1;
  sheet.Row = 0;
  sheet.Selection = {leader + 1, 0, leader + 1, 0};

  bool over = false;
  if (game.Rules.UseEndTerm) {
    over = game.Round >= game.Rules.EndTerm;
  } else {
    for (const HandRecord& hand : game.Seats)
      over = over || hand.Point <= 0;
  }

  if (!over) {
    sheet.Caption = ScoreSheetCaption();
    game.Host.ShowScoreSheet();
    if (game.Host.MessageBox(Translatable("Scores", "次のゲームを始めますか？"),
                             Text::Verbatim("Zelvani"), MsgButtons::YesNo,
                             MsgIcon::Question) == MsgAnswer::Yes)
      StartRound(game);
    return;
  }

  sheet.Caption = Translatable("Scores", "総合成績");
  sheet.Selection = {leader + 1, 0, leader + 1, game.Round};
  game.Host.ShowScoreSheet();
  game.Host.MessageBox(
      Translatable("Scores", "総合優勝は\n%1でした。").Arg(game.Seats[leader].PlayerName),
      Translatable("Scores", "総合優勝"), MsgButtons::Ok, MsgIcon::None);
  game.Round = 0;
  game.Host.GameFinished(leader, false);
  // A game the automatic player took part in is no one's result.
  const bool counted = !game.AutoPlayUsed;
  const int table = game.OfficialRule;
  const bool recorded = counted && table >= 0 && table < static_cast<int>(game.HiScore.size());
  for (int seat = kSeatCount - 1; seat >= 0; --seat) {
    HandRecord& hand = game.Seats[seat];
    if (counted)
      hand.Total = SaturatingAdd(hand.Total, hand.Point);
    if (!recorded || hand.Point <= game.HiScore[table][kHiScoreRows - 1].Score)
      continue;
    if (seat == kHumanSeat)
      RenameSeat(
          game, seat,
          game.Host.InputBox(Translatable("Scores", "名前を入力してください"),
                             Translatable("Scores", "名前を入力してください"), hand.PlayerName));
    AddHiScore(game, table, hand.Point, hand.PlayerName, seat == kHumanSeat);
  }
  ShowHighScores(game);
}

}  // namespace zelvani
