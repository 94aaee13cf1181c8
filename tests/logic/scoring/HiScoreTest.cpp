// The high-score tables: their rule, their bytes, insertion and display, and the menu
// commands for the tables and the totals.
#include <gtest/gtest.h>

#include "logic/scoring/HiScore.h"
#include "logic/scoring/ScoreCommands.h"
#include "logic/storage/ShiftJis.h"
#include "logic/table/Game.h"
#include "support/FakeHost.h"

namespace zelvani {
namespace {

const LocalDate kDay{2026, 12, 8};

HiScoreRecord Record(int score, const std::string& name, bool human) {
  HiScoreRecord record;
  record.Score = score;
  record.Name = HiScoreNameField(name);
  record.IsHuman = human ? 1 : 0;
  return record;
}

TEST(OfficialRule, NamesTheTwoPresetsAndNothingElse) {
  RuleSettings rules;  // 300, no bonus, ends by points
  EXPECT_EQ(OfficialRuleOf(rules), 0);
  rules.EndTerm = 3;
  rules.RunOutLimit = 9;
  rules.DealerRule = 2;
  rules.PonWaitMs = 1;
  EXPECT_EQ(OfficialRuleOf(rules), 0);
  rules = {300, true, true, 10, 3, 0, 1000, 500};
  EXPECT_EQ(OfficialRuleOf(rules), 1);
  rules.EndTerm = 9;
  EXPECT_EQ(OfficialRuleOf(rules), -1);
  rules = {300, true, false, 10, 3, 0, 1000, 500};
  EXPECT_EQ(OfficialRuleOf(rules), -1);
  rules = {300, false, true, 10, 3, 0, 1000, 500};
  EXPECT_EQ(OfficialRuleOf(rules), -1);
  rules = {301, false, false, 10, 3, 0, 1000, 500};
  EXPECT_EQ(OfficialRuleOf(rules), -1);
}

TEST(HiScoreBytes, ARecordIsFortyFourBytesLaidOutLittleEndian) {
  HiScoreRecord record = Record(-2, "あ", true);
  record.Year = 2026;
  record.Month = 12;
  record.Day = 8;
  const std::vector<std::uint8_t> bytes = EncodeHiScoreRecord(record);
  std::vector<std::uint8_t> expected(44, 0);
  expected[0] = 0xFE;  // -2
  expected[1] = expected[2] = expected[3] = 0xFF;
  expected[4] = 0x82;
  expected[5] = 0xA0;
  expected[36] = 0xEA;  // 2026 = 0x07EA
  expected[37] = 0x07;
  expected[38] = 12;
  expected[40] = 8;
  expected[42] = 1;
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(DecodeHiScoreRecord(bytes.data()), record);
}

TEST(HiScoreBytes, ATableIsTenRecordsBackToBack) {
  HiScoreTable table = EmptyHiScoreTable();
  AddHiScore(table, 250, "あなた", true, kDay);
  const std::vector<std::uint8_t> bytes = EncodeHiScoreTable(table);
  ASSERT_EQ(bytes.size(), 440u);
  // Record 1 the new result; record 2 an empty one: "なし", 2000-01-01, a computer.
  EXPECT_EQ(bytes[0], 250);
  EXPECT_EQ(bytes[44 + 4], 0x82);
  EXPECT_EQ(bytes[44 + 5], 0xC8);
  EXPECT_EQ(bytes[44 + 8], 0);
  EXPECT_EQ(bytes[44 + 36], 0xD0);  // 2000 = 0x07D0
  EXPECT_EQ(bytes[44 + 38], 1);
  EXPECT_EQ(bytes[44 + 42], 0);
  const auto decoded = DecodeHiScoreTable(bytes);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(*decoded, table);
  EXPECT_EQ(EncodeHiScoreTable(*decoded), bytes);
}

TEST(HiScoreBytes, OnlyATableOfExactlyFourHundredFortyBytesIsRead) {
  EXPECT_FALSE(DecodeHiScoreTable(std::vector<std::uint8_t>(439)).has_value());
  EXPECT_FALSE(DecodeHiScoreTable(std::vector<std::uint8_t>(441)).has_value());
  EXPECT_FALSE(DecodeHiScoreTable({}).has_value());
  EXPECT_TRUE(DecodeHiScoreTable(std::vector<std::uint8_t>(440, 0xFF)).has_value());
}

TEST(HiScoreNames, ALongNameIsCutOnACharacterBoundary) {
  const std::string longName = "じゅげむじゅげむごこうのすりきれかいじゃりすいぎょ";
  const auto field = HiScoreNameField(longName);
  EXPECT_EQ(field[30], '\0');  // 15 double-byte characters fill 30 bytes
  EXPECT_EQ(field[31], '\0');
  HiScoreRecord record;
  record.Name = field;
  EXPECT_EQ(HiScoreNameText(record), "じゅげむじゅげむごこうのすりき");

  const auto odd = HiScoreNameField("a" + longName);
  EXPECT_NE(odd[30], '\0');
  EXPECT_EQ(odd[31], '\0');
  record.Name = odd;
  EXPECT_EQ(HiScoreNameText(record), "aじゅげむじゅげむごこうのすりき");
}

TEST(HiScoreNames, CharactersOutsideCodePage932BecomeQuestionMarks) {
  HiScoreRecord record;
  record.Name = HiScoreNameField("Zoë😀");
  EXPECT_EQ(HiScoreNameText(record), "Zo??");
}

TEST(HiScoreNames, AStoredNameWithoutItsNulEndsAtTheField) {
  HiScoreRecord record;
  record.Name.fill('A');
  EXPECT_EQ(HiScoreNameText(record), std::string(32, 'A'));
}

TEST(AddHiScore, AFirstResultTopsAnEmptyTable) {
  HiScoreTable table = EmptyHiScoreTable();
  AddHiScore(table, 250, "あなた", true, kDay);
  EXPECT_EQ(table[0].Score, 250);
  EXPECT_EQ(HiScoreNameText(table[0]), "あなた");
  EXPECT_EQ(table[0].IsHuman, 1);
  EXPECT_EQ(table[0].Year, 2026);
  EXPECT_EQ(table[0].Month, 12);
  EXPECT_EQ(table[0].Day, 8);
  EXPECT_EQ(table[1], EmptyHiScoreTable()[0]);
}

TEST(AddHiScore, EqualScoresKeepTheirOrderOfArrival) {
  HiScoreTable table = EmptyHiScoreTable();
  AddHiScore(table, 120, "first", false, kDay);
  AddHiScore(table, 120, "second", true, kDay);
  AddHiScore(table, 200, "top", false, kDay);
  AddHiScore(table, 50, "low", false, kDay);
  EXPECT_EQ(HiScoreNameText(table[0]), "top");
  EXPECT_EQ(HiScoreNameText(table[1]), "first");
  EXPECT_EQ(HiScoreNameText(table[2]), "second");
  EXPECT_EQ(HiScoreNameText(table[3]), "low");
  EXPECT_EQ(HiScoreNameText(table[4]), "なし");
}

TEST(AddHiScore, AResultOfAFullTableDropsTheLastRecord) {
  HiScoreTable table;
  for (int i = 0; i < 10; ++i)
    table[i] = Record(100 - i, "r" + std::to_string(i), false);
  AddHiScore(table, 92, "new", false, kDay);  // one more than the tenth
  EXPECT_EQ(HiScoreNameText(table[8]), "r8");
  EXPECT_EQ(HiScoreNameText(table[9]), "new");
  AddHiScore(table, 1000, "best", true, kDay);
  EXPECT_EQ(HiScoreNameText(table[0]), "best");
  EXPECT_EQ(HiScoreNameText(table[9]), "r8");
}

TEST(ShowHiScore, ListsTenLinesWithDatesAndComputerNamesInParentheses) {
  FakeHost host;
  Game game(host);
  AddHiScore(game.HiScore[0], 250, "あなた", true, kDay);
  AddHiScore(game.HiScore[0], 120, "テルル", false, {1999, 3, 4});
  ShowHiScore(game, 0, Text::Verbatim("ハイスコア（ルール1）"));
  ASSERT_EQ(host.Messages.size(), 1u);
  const ShownMessage& shown = host.Messages[0];
  EXPECT_EQ(shown.Caption, "ハイスコア（ルール1）");
  EXPECT_EQ(shown.Buttons, MsgButtons::Ok);
  std::string expected =
      "第1位：\t250点\t26/12/08   あなた\n"
      "第2位：\t120点\t99/03/04   (テルル)\n";
  for (int k = 3; k <= 10; ++k)
    expected += "第" + std::to_string(k) + "位：\t0点\t00/01/01   (なし)\n";
  EXPECT_EQ(shown.Text, expected);
}

TEST(ScoreMenus, HiScoreMenuShowsTheTableOfTheRulesOrSaysThereIsNone) {
  FakeHost host;
  Game game(host);
  game.OfficialRule = 1;
  ShowHighScores(game);
  ASSERT_EQ(host.Messages.size(), 1u);
  EXPECT_EQ(host.Messages[0].Caption, "ハイスコア（ルール2）");
  EXPECT_EQ(host.Messages[0].Text, HiScoreText(game.HiScore[1]).Render());

  game.Rules = {300, true, true, 12, 3, 0, 1000, 500};
  game.OfficialRule = OfficialRuleOf(game.Rules);
  ShowHighScores(game);
  ASSERT_EQ(host.Messages.size(), 2u);
  EXPECT_EQ(host.Messages[1].Text, "このルールではハイスコアは記録しません。");
  EXPECT_EQ(host.Messages[1].Caption, "ごめんね");
  EXPECT_EQ(host.Messages[1].Buttons, MsgButtons::Ok);
}

TEST(ScoreMenus, TotalsListEverySeatInSeatOrder) {
  FakeHost host;
  Game game(host);
  const char* names[] = {"あなた", "テルル", "タンタル", "セレン"};
  const int totals[] = {120, -35, 0, 1000};
  for (int seat = 0; seat < 4; ++seat) {
    game.Seats[seat].PlayerName = names[seat];
    game.Seats[seat].Total = totals[seat];
  }
  ShowTotals(game);
  ASSERT_EQ(host.Messages.size(), 1u);
  EXPECT_EQ(host.Messages[0].Caption, "トータルスコア");
  EXPECT_EQ(host.Messages[0].Text,
            "あなた ： 120 点\nテルル ： -35 点\nタンタル ： 0 点\nセレン ： 1000 点\n");
}

}  // namespace
}  // namespace zelvani
