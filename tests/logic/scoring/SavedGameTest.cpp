// The stored totals and the stored unfinished game.
#include <gtest/gtest.h>

#include "logic/scoring/SavedGame.h"
#include "logic/table/Game.h"
#include "support/FakeHost.h"

namespace zelvani {
namespace {

TEST(SavedGameBytes, TotalsAreFourLittleEndianInt32s) {
  const auto bytes = EncodeTotals({1, -1, 256, 0x01020304});
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 1, 0, 0, 4, 3,
                                              2, 1}));
  EXPECT_EQ(DecodeTotals(bytes), (std::array<std::int32_t, 4>{1, -1, 256, 0x01020304}));
  EXPECT_FALSE(DecodeTotals(std::vector<std::uint8_t>(15)).has_value());
  EXPECT_FALSE(DecodeTotals(std::vector<std::uint8_t>(20)).has_value());
}

TEST(SavedGameBytes, NowIsTheRoundThenTheFourPoints) {
  const SavedGame saved{3, {280, -5, 0, 301}};
  const auto bytes = EncodeNow(saved);
  ASSERT_EQ(bytes.size(), 20u);
  EXPECT_EQ(bytes[0], 3);
  EXPECT_EQ(bytes[4], 24);
  EXPECT_EQ(bytes[5], 1);
  EXPECT_EQ(bytes[8], 0xFB);
  const auto decoded = DecodeNow(bytes);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->Round, 3);
  EXPECT_EQ(decoded->Points, saved.Points);
}

TEST(SavedGameBytes, NowWithAnImpossibleRoundIsNotAGame) {
  for (int round : {0, -5, kMaxSavedRound + 1, 1000000})
    EXPECT_FALSE(DecodeNow(EncodeNow({round, {}})).has_value()) << round;
  EXPECT_TRUE(DecodeNow(EncodeNow({kMaxSavedRound, {}})).has_value());
  EXPECT_FALSE(DecodeNow(std::vector<std::uint8_t>(21, 1)).has_value());
}

TEST(ResumeGame, RestoresRoundPointsAndSheet) {
  FakeHost host;
  Game game(host);
  game.Seats[2].PlayerName = "タンタル";
  ResumeGame(game, {2, {10, 20, 30, 40}},
             {std::string("あなた,5,10"), std::nullopt, std::string("\"タ ンタル\",25,30"),
              std::string("\"\"")});
  EXPECT_EQ(game.Round, 2);
  EXPECT_EQ(game.State, GameState::NoRound);
  EXPECT_EQ(game.Seats[2].Point, 30);
  EXPECT_EQ(host.CountCalls("Caption 2 タンタル   [30点]"), 1);
  EXPECT_EQ(game.Score.RowCount(), 10);
  EXPECT_EQ(game.Score.Cell(0, 0), "");
  EXPECT_EQ(game.Score.Cell(0, 1), "第1回戦：");
  EXPECT_EQ(game.Score.Cell(0, 2), "第2回戦：");
  EXPECT_EQ(game.Score.Cell(0, 3), "");
  EXPECT_EQ(game.Score.Cell(1, 2), "10");
  EXPECT_EQ(game.Score.Cell(2, 0), "");
  EXPECT_EQ(game.Score.Cell(3, 0), "タ ンタル");
  EXPECT_EQ(game.Score.Cell(4, 0), "");
}

TEST(SheetColumn, ReadsFromRowZeroToTheLastRow) {
  ScoreSheet sheet;
  sheet.SetCell(2, 0, "テルル");
  sheet.SetCell(2, 1, "280");
  EXPECT_EQ(SheetColumn(sheet, 2, 2), (std::vector<std::string>{"テルル", "280", ""}));
  FillSheetColumn(sheet, 3, std::vector<std::string>(12, "x"));
  EXPECT_EQ(sheet.Cell(3, 9), "x");
  EXPECT_EQ(sheet.RowCount(), 10);
}

}  // namespace
}  // namespace zelvani
