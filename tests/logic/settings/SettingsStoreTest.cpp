// Loading and saving every setting through an in-memory store.
#include <gtest/gtest.h>

#include <set>

#include "logic/play/GameCommands.h"
#include "logic/play/Piles.h"
#include "logic/scoring/HiScore.h"
#include "logic/scoring/SavedGame.h"
#include "logic/settings/SettingsStore.h"
#include "logic/table/Game.h"
#include "support/FakeHost.h"
#include "support/FakeWindows.h"
#include "support/MemoryRegistry.h"

namespace zelvani {
namespace {

const std::string kProgram = kProgramKey;
const std::string kMain = kProgram + "\\Form\\Main";
const std::string kRule = kProgram + "\\Rule";
const std::string kOptions = kProgram + "\\Options";
const std::string kScore = kProgram + "\\Score";
const std::string kSusie = "Software\\Morwick\\Susie\\Plug-in";
std::string PlayerKey(int seat) {
  return kProgram + "\\Form\\Player" + std::to_string(seat);
}

class SettingsStoreTest : public ::testing::Test {
 protected:
  SettingsStoreTest() : game(host), windows(prefs) {}

  void Load() { LoadSettings(game, prefs, registry, windows); }

  FakeHost host;
  Game game;
  Preferences prefs;
  FakeWindows windows;
  MemoryRegistry registry;
};

// A second run reading what the first one saved.
struct NextRun {
  NextRun() : game(host), windows(prefs) {}
  FakeHost host;
  Game game;
  Preferences prefs;
  FakeWindows windows;
};

TEST_F(SettingsStoreTest, FirstRunTakesEveryDefault) {
  Load();
  EXPECT_EQ(game.Seats[0].PlayerName, "あなた");
  EXPECT_EQ(game.Seats[1].PlayerName, "テルル");
  EXPECT_EQ(game.Seats[2].PlayerName, "タンタル");
  EXPECT_EQ(game.Seats[3].PlayerName, "セレン");
  EXPECT_EQ(game.Rules, RuleSettings{});
  EXPECT_EQ(game.Dealer, 0);
  EXPECT_EQ(prefs.CardPicturePath, "Cards.bmp");
  EXPECT_EQ(windows.Sounds,
            (std::array<std::string, 3>{"Click.wav", "Suteru.wav", "YakuDasu.wav"}));
  EXPECT_EQ(prefs.PluginFolder, "");
  EXPECT_EQ(game.Round, 0);
  for (const HandRecord& hand : game.Seats)
    EXPECT_EQ(hand.Total, 0);
  for (const std::string& background : prefs.SeatBackgrounds)
    EXPECT_EQ(background, "");
  EXPECT_EQ(game.HiScore[0], EmptyHiScoreTable());
  EXPECT_EQ(game.HiScore[1], EmptyHiScoreTable());
  EXPECT_EQ(game.OfficialRule, 0);
  EXPECT_EQ(game.Score.RowCount(), 10);
  // The program key is made at start-up, its sections only at the first close.
  EXPECT_TRUE(registry.HasKey(kProgram));
  EXPECT_FALSE(registry.HasKey(kRule));
  EXPECT_EQ(registry.Writes, 0);
  EXPECT_EQ(registry.Backups, 0);
}

TEST_F(SettingsStoreTest, LoadRunsItsStepsInOrder) {
  registry.Put(PlayerKey(2), "Back", std::string("felt.bmp"));
  Load();
  const std::vector<std::string> expected = {"Seat 0",
                                             "Seat 1",
                                             "Seat 2",
                                             "Seat 3",
                                             "Card Cards.bmp",
                                             "Tile",
                                             "Frame",
                                             "Frame",
                                             "Frame",
                                             "Frame",
                                             "Seat 0",
                                             "Seat 0",
                                             "Seat 0",
                                             "Seat 0",
                                             "Seat 1",
                                             "Seat 1",
                                             "Seat 1",
                                             "Seat 1",
                                             "Seat 2",
                                             "Seat 2",
                                             "Seat 2",
                                             "Seat 2",
                                             "Back 2 felt.bmp",
                                             "Seat 3",
                                             "Seat 3",
                                             "Seat 3",
                                             "Seat 3",
                                             "Sound 0 Click.wav",
                                             "Sound 1 Suteru.wav",
                                             "Sound 2 YakuDasu.wav"};
  EXPECT_EQ(windows.Calls, expected);
}

TEST_F(SettingsStoreTest, SeatWindowsAreSizedThenArrangedAndKeepThatWithoutStoredPlaces) {
  Load();
  // Seat windows of 150 x 132 when the arrangement runs: the frame at (145, 114) moves to
  // make room for them above it and on its left.
  EXPECT_EQ(windows.Frame, (WinRect{150, 132, 510, 371}));
  EXPECT_EQ(windows.Seats[2], (WinRect{150, 0, 510, 132}));
  EXPECT_EQ(windows.Seats[1], (WinRect{660, 0, 150, 503}));
  EXPECT_EQ(windows.Seats[3], (WinRect{0, 0, 150, 503}));
  EXPECT_EQ(windows.Seats[0], (WinRect{0, 503, 810, 134}));
}

TEST_F(SettingsStoreTest, StoredRectanglesOverrideTheArrangement) {
  registry.Put(kMain, "Left", std::string("10"));
  registry.Put(kMain, "Top", std::string("20"));
  registry.Put(kMain, "Width", std::string("600"));
  registry.Put(kMain, "Height", std::string("400"));
  registry.Put(PlayerKey(3), "Left", std::string("-40"));
  registry.Put(PlayerKey(3), "Height", std::string("250"));
  Load();
  EXPECT_EQ(windows.Frame, (WinRect{10, 20, 600, 400}));
  EXPECT_EQ(windows.Seats[3], (WinRect{-40, 0, 150, 250}));
}

TEST_F(SettingsStoreTest, AbsurdRectanglesKeepTheArrangedPlace) {
  registry.Put(kMain, "Width", std::string("1000000"));
  registry.Put(kMain, "Height", std::string("0"));
  registry.Put(kMain, "Left", std::string("-99999"));
  registry.Put(kMain, "Top", std::vector<std::uint8_t>{1, 2});
  registry.Put(PlayerKey(0), "Width", std::string("-5"));
  registry.Put(PlayerKey(0), "Height", std::string("12px"));
  Load();
  EXPECT_EQ(windows.Frame, (WinRect{150, 132, 510, 371}));
  EXPECT_EQ(windows.Seats[0], (WinRect{0, 503, 810, 134}));
}

TEST_F(SettingsStoreTest, PluginFolderAlwaysEndsInASeparator) {
  const struct {
    std::string stored;
    std::string folder;
  } cases[] = {
      {"/opt/susie", std::string("/opt/susie") + kPathSeparator},
      {"/opt/susie/", "/opt/susie/"},
      {"C:\\Susie\\", "C:\\Susie\\"},
      // An empty path names no folder at all, rather than the root.
      {"", ""},
  };
  for (const auto& c : cases) {
    FakeHost otherHost;
    Game other(otherHost);
    Preferences otherPrefs;
    FakeWindows otherWindows(otherPrefs);
    MemoryRegistry store;
    store.Put(kSusie, "Path", c.stored);
    LoadSettings(other, otherPrefs, store, otherWindows);
    EXPECT_EQ(otherPrefs.PluginFolder, c.folder) << c.stored;
  }
}

TEST_F(SettingsStoreTest, PluginFolderStaysEmptyWithoutTheViewersKeyOrWithBinaryPath) {
  Load();
  EXPECT_EQ(prefs.PluginFolder, "");
  EXPECT_FALSE(registry.HasKey(kSusie));

  NextRun next;
  MemoryRegistry store;
  store.Put(kSusie, "Path", std::vector<std::uint8_t>{'/', 'x'});
  LoadSettings(next.game, next.prefs, store, next.windows);
  EXPECT_EQ(next.prefs.PluginFolder, "");
}

TEST_F(SettingsStoreTest, PluginFolderIsNeverWritten) {
  registry.Put(kSusie, "Path", std::string("/opt/susie"));
  Load();
  ASSERT_TRUE(SaveSettings(game, prefs, registry, windows));
  EXPECT_EQ(registry.Values[MemoryRegistry::Normal(kSusie)].size(), 1u);
  EXPECT_EQ(registry.Text(kSusie, "Path"), "/opt/susie");
}

TEST_F(SettingsStoreTest, DealerValueHoldsTheRuleAndTheDealer) {
  registry.Put(kRule, "Oya", std::string("23"));
  Load();
  EXPECT_EQ(game.Rules.DealerRule, 2);
  EXPECT_EQ(game.Dealer, 3);
  ASSERT_TRUE(SaveSettings(game, prefs, registry, windows));
  EXPECT_EQ(registry.Text(kRule, "Oya"), "23");
}

TEST(SplitDealerValue, KeepsTheHalfThatIsInRange) {
  const struct {
    int oya, rule, dealer;
  } cases[] = {{0, 0, 0}, {31, 3, 1}, {47, 0, 0}, {43, 0, 3}, {19, 1, 0}, {-5, 0, 0}, {-23, 0, 0}};
  for (const auto& c : cases) {
    int rule = -1, dealer = -1;
    SplitDealerValue(c.oya, rule, dealer);
    EXPECT_EQ(rule, c.rule) << c.oya;
    EXPECT_EQ(dealer, c.dealer) << c.oya;
  }
  EXPECT_EQ(JoinDealerValue(2, 3), 23);
}

TEST(ParseDecimal, AcceptsOnlyDecimalIntegers) {
  EXPECT_EQ(ParseDecimal("300"), 300);
  EXPECT_EQ(ParseDecimal("-20"), -20);
  EXPECT_EQ(ParseDecimal("+7"), 7);
  EXPECT_EQ(ParseDecimal(" 42 "), 42);
  EXPECT_EQ(ParseDecimal("2147483647"), 2147483647);
  EXPECT_EQ(ParseDecimal("-2147483648"), -2147483647 - 1);
  for (const char* bad :
       {"", "-", "abc", "12a", "1 2", "0x10", "2147483648", "3.5", "99999999999999999999999"})
    EXPECT_FALSE(ParseDecimal(bad).has_value()) << bad;
}

TEST_F(SettingsStoreTest, UnreadableRuleValuesGiveTheirDefaults) {
  registry.Put(kRule, "StartPoint", std::string("三百"));
  registry.Put(kRule, "ZeroSum", std::string("yes"));
  registry.Put(kRule, "UseEndTerm", std::string("2"));
  registry.Put(kRule, "EndTerm", std::vector<std::uint8_t>{12, 0, 0, 0});
  registry.Put(kRule, "Ryukyoku", OtherValue{5});
  registry.Put(kRule, "Oya", std::string("twenty"));
  Load();
  EXPECT_EQ(game.Rules.StartPoint, 300);
  EXPECT_FALSE(game.Rules.ZeroSum);
  EXPECT_TRUE(game.Rules.UseEndTerm);  // any integer but 0 is true
  EXPECT_EQ(game.Rules.EndTerm, 10);
  EXPECT_EQ(game.Rules.RunOutLimit, 3);
  EXPECT_EQ(game.Rules.DealerRule, 0);
}

// Values the options dialog would never give: each is taken as the nearer end of its
// range, and a round played with them waits and ends as with those ends.
TEST_F(SettingsStoreTest, RuleValuesAreKeptToTheDialogsRanges) {
  registry.Put(kRule, "StartPoint", std::string("-2147483648"));
  registry.Put(kRule, "EndTerm", std::string("2147483647"));
  registry.Put(kRule, "Ryukyoku", std::string("-2147483648"));
  registry.Put(kRule, "Wait0", std::string("2147483647"));
  registry.Put(kRule, "Wait1", std::string("-1"));
  Load();
  EXPECT_EQ(game.Rules.StartPoint, 1);
  EXPECT_EQ(game.Rules.EndTerm, 999);
  EXPECT_EQ(game.Rules.RunOutLimit, 1);
  EXPECT_EQ(game.Rules.PonWaitMs, 9999);
  EXPECT_EQ(game.Rules.ThinkingMs, 0);

  StartRound(game);
  std::set<int> waits;
  for (int step = 0; step < 1000 && InRound(game.State); ++step) {
    if (game.State == GameState::HumanDraws) {
      ClickStock(game);  // draw; the new card is selected
    } else if (game.State == GameState::HumanPlays) {
      ClickDiscardPile(game);  // and discard it
    } else {
      waits.insert(host.TimerInterval);
      ASSERT_TRUE(host.FireTimer(game));
    }
  }
  EXPECT_EQ(game.State, GameState::NoRound);
  EXPECT_EQ(waits, (std::set<int>{0, 9999}));
  // Whoever won or not, the round went no further than the stock's first run-out.
  EXPECT_EQ(game.Piles.Reshuffles, 0);
}

TEST_F(SettingsStoreTest, NamesAndTextsOfTheWrongTypeGiveTheirDefaults) {
  registry.Put(PlayerKey(1), "Name", std::vector<std::uint8_t>{0x83, 0x65});
  registry.Put(PlayerKey(2), "Name", std::string("\u3000 "));
  registry.Put(kOptions, "CardPicture", OtherValue{1});
  registry.Put(kOptions, "Sound2", std::vector<std::uint8_t>{});
  Load();
  EXPECT_EQ(game.Seats[1].PlayerName, "テルル");
  EXPECT_EQ(game.Seats[2].PlayerName, "タンタル");  // a blank name names no one: the default
  EXPECT_EQ(registry.Backups, 1);
  EXPECT_EQ(prefs.CardPicturePath, "Cards.bmp");
  EXPECT_EQ(windows.Sounds[1], "Suteru.wav");
}

TEST_F(SettingsStoreTest, PicturesAndSoundsThatFailDoNotStopTheStart) {
  registry.Put(kOptions, "CardPicture", std::string("broken.png"));
  registry.Put(PlayerKey(1), "Back", std::string("missing.bmp"));
  registry.Put(kRule, "StartPoint", std::string("250"));
  windows.BadFiles = {"broken.png", "missing.bmp"};
  windows.SoundThrows = true;
  Load();
  // The shipped sheet stands in; the names are left out, so the store keeps a backup.
  EXPECT_EQ(windows.Calls[5], "Card Cards.bmp");
  EXPECT_EQ(prefs.CardPicturePath, "Cards.bmp");
  EXPECT_EQ(prefs.SeatBackgrounds[1], "");
  EXPECT_EQ(registry.Backups, 1);
  EXPECT_EQ(game.Rules.StartPoint, 250);
  EXPECT_EQ(windows.Sounds[2], "YakuDasu.wav");
  EXPECT_EQ(game.OfficialRule, -1);
}

// An unmounted drive must not cost the player the choice of pictures.
TEST_F(SettingsStoreTest, MissingPicturesStayChosenWhileTheShippedSheetIsShown) {
  registry.Put(kOptions, "CardPicture", std::string("/media/usb/mine.bmp"));
  registry.Put(PlayerKey(2), "Back", std::string("/media/usb/felt.bmp"));
  windows.MissingFiles = {"/media/usb/mine.bmp", "/media/usb/felt.bmp"};
  Load();
  EXPECT_EQ(windows.Calls[4], "Card /media/usb/mine.bmp");
  EXPECT_EQ(windows.Calls[5], "Card Cards.bmp");
  EXPECT_EQ(prefs.CardHeight, 96);
  EXPECT_EQ(prefs.CardPicturePath, "/media/usb/mine.bmp");
  EXPECT_EQ(prefs.SeatBackgrounds[2], "/media/usb/felt.bmp");
  EXPECT_EQ(registry.Backups, 0);
  ASSERT_TRUE(SaveSettings(game, prefs, registry, windows));
  EXPECT_EQ(registry.Text(kOptions, "CardPicture"), "/media/usb/mine.bmp");
  EXPECT_EQ(registry.Text(PlayerKey(2), "Back"), "/media/usb/felt.bmp");
}

// Whatever loading leaves out would be gone after the next save, so the store is asked
// for a backup first; a store read whole is not.
TEST(LoadSettings, WhatIsLeftOutIsBackedUpFirst) {
  const struct {
    const char* what;
    std::string key;
    std::string name;
    StoredValue value;
  } cases[] = {
      {"a high-score table of the wrong length", kScore, "Data1", std::vector<std::uint8_t>(439)},
      {"a saved game with a bad round", kScore, "Now", EncodeNow({-3, {1, 2, 3, 4}})},
      {"a column without a saved game", kScore, "Histry2", std::string("a,1,2")},
      {"totals of the wrong length", kScore, "Data2", std::vector<std::uint8_t>(15)},
      {"a name of the wrong type", PlayerKey(1), "Name", OtherValue{7}},
      {"a wait beyond the range", kRule, "Wait1", std::string("100000")},
      {"a dealer beyond the seats", kRule, "Oya", std::string("17")},
      {"a window width that is no number", kMain, "Width", std::string("wide")},
  };
  for (const auto& c : cases) {
    NextRun run;
    MemoryRegistry store;
    store.Put(c.key, c.name, c.value);
    LoadSettings(run.game, run.prefs, store, run.windows);
    EXPECT_EQ(store.Backups, 1) << c.what;
  }
  NextRun first;
  MemoryRegistry store;
  LoadSettings(first.game, first.prefs, store, first.windows);
  first.game.Round = 2;
  first.game.Rules.ThinkingMs = 9999;
  ASSERT_TRUE(SaveSettings(first.game, first.prefs, store, first.windows));
  NextRun second;
  LoadSettings(second.game, second.prefs, store, second.windows);
  EXPECT_EQ(second.game.Round, 2);
  EXPECT_EQ(store.Backups, 0);
}

TEST_F(SettingsStoreTest, OfficialRuleIsWorkedOutFromTheLoadedRules) {
  registry.Put(kRule, "ZeroSum", std::string("1"));
  registry.Put(kRule, "UseEndTerm", std::string("1"));
  registry.Put(kRule, "EndTerm", std::string("10"));
  Load();
  EXPECT_EQ(game.OfficialRule, 1);

  NextRun next;
  registry.Put(kRule, "EndTerm", std::string("9"));
  LoadSettings(next.game, next.prefs, registry, next.windows);
  EXPECT_EQ(next.game.OfficialRule, -1);
}

// Every setting set away from its default, saved, and read by a fresh run.
TEST_F(SettingsStoreTest, EverySettingSurvivesASaveAndALoad) {
  Load();
  windows.Frame = {11, 22, 633, 444};
  for (int seat = 0; seat < kSeatCount; ++seat) {
    windows.Seats[seat] = {100 * seat, 7 + seat, 160 + seat, 140 + seat};
    game.Seats[seat].PlayerName = "名前, \"" + std::to_string(seat) + "\"";
    prefs.SeatBackgrounds[seat] = "back" + std::to_string(seat) + ".bmp";
    game.Seats[seat].Total = -1000 + 700 * seat;
  }
  game.Rules = {250, true, true, 12, 5, 3, 700, 300};
  game.Dealer = 2;
  prefs.CardPicturePath = "カード.bmp";
  windows.Sounds = {"a.wav", "b.wav", "c.wav"};
  game.HiScore[1] = EmptyHiScoreTable();
  AddHiScore(game.HiScore[1], 333, "セレン", false, {2025, 3, 4});
  AddHiScore(game.HiScore[0], 444, "あなた", true, {2024, 5, 6});
  ASSERT_TRUE(SaveSettings(game, prefs, registry, windows));
  EXPECT_EQ(registry.Flushes, 1);

  NextRun next;
  LoadSettings(next.game, next.prefs, registry, next.windows);
  EXPECT_EQ(next.windows.Frame, windows.Frame);
  for (int seat = 0; seat < kSeatCount; ++seat) {
    EXPECT_EQ(next.windows.Seats[seat], windows.Seats[seat]);
    EXPECT_EQ(next.game.Seats[seat].PlayerName, game.Seats[seat].PlayerName);
    EXPECT_EQ(next.prefs.SeatBackgrounds[seat], prefs.SeatBackgrounds[seat]);
    EXPECT_EQ(next.game.Seats[seat].Total, game.Seats[seat].Total);
  }
  EXPECT_EQ(next.game.Rules, game.Rules);
  EXPECT_EQ(next.game.Dealer, 2);
  EXPECT_EQ(next.prefs.CardPicturePath, "カード.bmp");
  EXPECT_EQ(next.windows.Sounds, windows.Sounds);
  EXPECT_EQ(next.game.HiScore, game.HiScore);
  EXPECT_EQ(next.game.OfficialRule, -1);
  EXPECT_EQ(next.game.Round, 0);
}

// A computer seat's level is a value beside its name; a file without it, or with a level
// not offered, plays the standard player.
TEST_F(SettingsStoreTest, ComputerLevelsAreStoredBesideTheNames) {
  registry.Put(PlayerKey(2), "Level", std::string("1"));
  registry.Put(PlayerKey(3), "Level", std::string("7"));
  Load();
  EXPECT_EQ(game.Seats[1].Level, PlayerLevel::Standard);
  EXPECT_EQ(game.Seats[2].Level, PlayerLevel::Strong);
  EXPECT_EQ(game.Seats[3].Level, PlayerLevel::Standard);

  game.Seats[1].Level = PlayerLevel::Strong;
  ASSERT_TRUE(SaveSettings(game, prefs, registry, windows));
  EXPECT_EQ(registry.Text(PlayerKey(1), "Level"), "1");
  EXPECT_FALSE(registry.Has(PlayerKey(3), "Level"));  // the standard again: none stored
  EXPECT_FALSE(registry.Has(PlayerKey(0), "Level"));
  NextRun next;
  LoadSettings(next.game, next.prefs, registry, next.windows);
  for (int seat = 0; seat < kSeatCount; ++seat)
    EXPECT_EQ(next.game.Seats[seat].Level, game.Seats[seat].Level) << seat;
}

TEST_F(SettingsStoreTest, ValuesAreStoredAsTheyAreSpelled) {
  Load();
  game.Rules.ZeroSum = true;
  game.Rules.StartPoint = -15;
  game.Seats[2].Total = 120;
  ASSERT_TRUE(SaveSettings(game, prefs, registry, windows));
  EXPECT_EQ(registry.Text(kRule, "ZeroSum"), "1");
  EXPECT_EQ(registry.Text(kRule, "UseEndTerm"), "0");
  EXPECT_EQ(registry.Text(kRule, "StartPoint"), "-15");
  EXPECT_EQ(registry.Text(kRule, "Wait1"), "500");
  EXPECT_EQ(registry.Text(kMain, "Width"), "510");
  EXPECT_EQ(registry.Text(PlayerKey(3), "Name"), "セレン");
  EXPECT_EQ(registry.Text(PlayerKey(3), "Back"), "");
  EXPECT_EQ(registry.Text(kOptions, "Sound3"), "YakuDasu.wav");
  EXPECT_EQ(registry.Binary(kScore, "Data2"),
            (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0, 0, 120, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(registry.Binary(kScore, "Data0").size(), 440u);
  EXPECT_EQ(registry.Binary(kScore, "Data1").size(), 440u);
}

TEST_F(SettingsStoreTest, TheTableScaleIsStoredBesideTheOptionsOnceChosen) {
  EXPECT_EQ(LoadTableScale(registry), 0);
  Load();
  ASSERT_TRUE(SaveSettings(game, prefs, registry, windows));
  EXPECT_FALSE(registry.Has(kOptions, "TableScale"));  // the screen's own scale goes on

  prefs.TableScale = 150;
  ASSERT_TRUE(SaveSettings(game, prefs, registry, windows));
  EXPECT_EQ(registry.Text(kOptions, "TableScale"), "150");
  EXPECT_EQ(LoadTableScale(registry), 150);
  NextRun next;
  LoadSettings(next.game, next.prefs, registry, next.windows);
  EXPECT_EQ(next.prefs.TableScale, 150);
  EXPECT_EQ(registry.Backups, 0);
  // Taken back to "自動": no size stored, the screen's own scale at the next start.
  next.prefs.TableScale = 0;
  ASSERT_TRUE(SaveSettings(next.game, next.prefs, registry, next.windows));
  EXPECT_FALSE(registry.Has(kOptions, "TableScale"));

  // A size not offered follows the screen again, and the store keeps a backup of it.
  registry.Put(kOptions, "TableScale", std::string("137"));
  EXPECT_EQ(LoadTableScale(registry), 0);
  NextRun damaged;
  LoadSettings(damaged.game, damaged.prefs, registry, damaged.windows);
  EXPECT_EQ(damaged.prefs.TableScale, 0);
  EXPECT_EQ(registry.Backups, 1);
  ASSERT_TRUE(SaveSettings(damaged.game, damaged.prefs, registry, damaged.windows));
  EXPECT_FALSE(registry.Has(kOptions, "TableScale"));
}

// The sound switch has a value of its own; the sound files keep theirs.
TEST_F(SettingsStoreTest, TheSoundSwitchIsOnUntilStoredOff) {
  Load();
  EXPECT_TRUE(prefs.PlaySounds);
  prefs.PlaySounds = false;
  ASSERT_TRUE(SaveSettings(game, prefs, registry, windows));
  EXPECT_EQ(registry.Text(kOptions, "PlaySounds"), "0");
  EXPECT_EQ(registry.Text(kOptions, "Sound1"), "Click.wav");
  NextRun next;
  LoadSettings(next.game, next.prefs, registry, next.windows);
  EXPECT_FALSE(next.prefs.PlaySounds);
  EXPECT_EQ(next.windows.Sounds, windows.Sounds);
}

TEST_F(SettingsStoreTest, ClosingWithNoGameRemovesTheSavedGame) {
  registry.Put(kScore, "Now", std::vector<std::uint8_t>(20, 0));
  for (int seat = 0; seat < kSeatCount; ++seat)
    registry.Put(kScore, HistoryValueName(seat), std::string("x"));
  Load();
  game.Round = 0;
  ASSERT_TRUE(SaveSettings(game, prefs, registry, windows));
  EXPECT_FALSE(registry.Has(kScore, "Now"));
  for (int seat = 0; seat < kSeatCount; ++seat)
    EXPECT_FALSE(registry.Has(kScore, HistoryValueName(seat)));
  EXPECT_TRUE(registry.Has(kScore, "Data2"));
}

// Quitting between rounds 3 and 4 and starting again.
TEST_F(SettingsStoreTest, AGameLeftBetweenRoundsGoesOnWhereItStopped) {
  Load();
  game.Round = 3;
  const int points[4] = {280, 310, 265, 305};
  for (int seat = 0; seat < kSeatCount; ++seat) {
    game.Seats[seat].Point = points[seat];
    game.Score.SetCell(seat + 1, 0, game.Seats[seat].PlayerName);
    for (int row = 1; row <= 3; ++row)
      game.Score.SetCell(seat + 1, row, std::to_string(300 + row * (seat - 1)));
  }
  for (int row = 1; row <= 3; ++row)
    game.Score.SetCell(0, row, "第" + std::to_string(row) + "回戦：");
  game.Score.SetCell(1, 0, "あなた さん");
  ASSERT_TRUE(SaveSettings(game, prefs, registry, windows));
  EXPECT_EQ(game.Score.RowCount(), 4);
  EXPECT_EQ(registry.Text(kScore, "Histry0"), "\"あなた さん\",299,298,297");
  EXPECT_EQ(
      registry.Binary(kScore, "Now"),
      (std::vector<std::uint8_t>{3, 0, 0, 0, 24, 1, 0, 0, 54, 1, 0, 0, 9, 1, 0, 0, 49, 1, 0, 0}));

  NextRun next;
  LoadSettings(next.game, next.prefs, registry, next.windows);
  Game& resumed = next.game;
  EXPECT_EQ(resumed.Round, 3);
  EXPECT_EQ(resumed.State, GameState::NoRound);
  EXPECT_EQ(resumed.Score.RowCount(), 10);
  for (int col = 0; col < 5; ++col)
    for (int row = 0; row < 10; ++row)
      EXPECT_EQ(resumed.Score.Cell(col, row), row <= 3 ? game.Score.Cell(col, row) : "")
          << col << "," << row;
  for (int seat = 0; seat < kSeatCount; ++seat)
    EXPECT_EQ(resumed.Seats[seat].Point, points[seat]);
  // Each column holds the name and a row per round: all of it was taken.
  EXPECT_EQ(registry.Backups, 0);
  EXPECT_EQ(next.host.Calls.back(), "ScoreSheetRowsChanged");
  EXPECT_EQ(next.host.CountCalls("Caption 1 テルル   [310点]"), 1);

  StartRound(resumed);
  EXPECT_EQ(resumed.Round, 4);
  EXPECT_EQ(resumed.Seats[0].Point, 280);
  EXPECT_EQ(resumed.Score.Cell(0, 3), "第3回戦：");
}

TEST_F(SettingsStoreTest,
       TheLogsPlaceTheScoreSheetsViewAndAGameWithTheAutomaticPlayerSurviveAClose) {
  Load();
  LoadPlayAids(game, prefs, registry);
  EXPECT_EQ(prefs.Log, LogPlace{});
  EXPECT_FALSE(prefs.ScoreChart);                // the grid, as before the chart was offered
  const LogPlace log{true, 1, 300, 120, false};  // kept quiet for a screen reader
  game.Round = 3;
  game.AutoPlayUsed = true;
  prefs.Log = log;
  prefs.ScoreChart = true;
  ASSERT_TRUE(SavePlayAids(game, prefs, registry));
  ASSERT_TRUE(SaveSettings(game, prefs, registry, windows));
  EXPECT_EQ(registry.Text(kProgram + "\\Form\\Log", "Side"), "1");
  EXPECT_EQ(registry.Text(kScore, "AutoPlayed"), "1");

  NextRun next;
  LoadSettings(next.game, next.prefs, registry, next.windows);
  LoadPlayAids(next.game, next.prefs, registry);
  EXPECT_EQ(next.prefs.Log, log);
  EXPECT_TRUE(next.prefs.ScoreChart);
  EXPECT_EQ(registry.Text(kProgram + "\\Form\\Score", "Chart"), "1");
  EXPECT_TRUE(next.game.AutoPlayUsed);  // the resumed game still counts toward nothing
  prefs.Log.Spoken = true;  // the default again: stored as it was before there was a switch
  ASSERT_TRUE(SavePlayAids(game, prefs, registry));
  EXPECT_FALSE(registry.Has(kProgram + "\\Form\\Log", "Spoken"));
  // A game that is over leaves nothing to carry.
  game.Round = 0;
  ASSERT_TRUE(SavePlayAids(game, prefs, registry));
  EXPECT_EQ(registry.Text(kScore, "AutoPlayed"), "0");
  // Back to the grid: nothing stored, as before the chart was offered.
  prefs.ScoreChart = false;
  ASSERT_TRUE(SavePlayAids(game, prefs, registry));
  EXPECT_FALSE(registry.Has(kProgram + "\\Form\\Score", "Chart"));
}

TEST_F(SettingsStoreTest, TheLogsPlaceTakesEachEndOfItsRanges) {
  const std::string log = kProgram + "\\Form\\Log";
  for (const LogPlace& stored :
       {LogPlace{true, 0, 1, 1},
        LogPlace{true, kLogSides - 1, kMaxWindowExtent, kMaxWindowExtent}}) {
    MemoryRegistry store;
    store.Put(log, "Visible", std::string("1"));
    store.Put(log, "Side", std::to_string(stored.Side));
    store.Put(log, "Width", std::to_string(stored.Width));
    store.Put(log, "Height", std::to_string(stored.Height));
    NextRun run;
    LoadPlayAids(run.game, run.prefs, store);
    EXPECT_EQ(run.prefs.Log, stored);
    EXPECT_EQ(store.Backups, 0);
  }
}

TEST_F(SettingsStoreTest, AStoredDealerBeyondTheFourSeatsIsNotTaken) {
  registry.Put(kRule, "Oya", std::string("14"));
  registry.Put(kScore, "Now", EncodeNow({2, {280, 310, 265, 305}}));
  Load();
  EXPECT_EQ(game.Rules.DealerRule, 1);
  EXPECT_EQ(game.Dealer, 0);
  EXPECT_EQ(registry.Backups, 1);
  // The resumed game goes on with a seat that exists.
  StartRound(game);
  EXPECT_EQ(game.Round, 3);
  EXPECT_TRUE(InRound(game.State));
}

TEST_F(SettingsStoreTest, TheClaimBoxesAndTheTableLookAreStoredOnlyAwayFromTheDefault) {
  Load();
  LoadPlayAids(game, prefs, registry);
  EXPECT_TRUE(prefs.ClaimBoxes);
  EXPECT_EQ(prefs.Look, TableLook::Plain);
  prefs.ClaimBoxes = false;
  prefs.Look = TableLook::Felt;
  ASSERT_TRUE(SavePlayAids(game, prefs, registry));
  EXPECT_EQ(registry.Text(kOptions, "ClaimBoxes"), "0");
  EXPECT_EQ(registry.Text(kOptions, "TableLook"), "1");
  NextRun next;
  LoadPlayAids(next.game, next.prefs, registry);
  EXPECT_FALSE(next.prefs.ClaimBoxes);
  EXPECT_EQ(next.prefs.Look, TableLook::Felt);

  // Back to the defaults, the values go: a file of an earlier version reads the same.
  prefs.ClaimBoxes = true;
  prefs.Look = TableLook::Plain;
  ASSERT_TRUE(SavePlayAids(game, prefs, registry));
  EXPECT_FALSE(registry.Has(kOptions, "ClaimBoxes"));
  EXPECT_FALSE(registry.Has(kOptions, "TableLook"));

  // A look not offered is the plain one, and the store keeps a backup of it.
  registry.Put(kOptions, "TableLook", std::string("7"));
  NextRun damaged;
  LoadPlayAids(damaged.game, damaged.prefs, registry);
  EXPECT_EQ(damaged.prefs.Look, TableLook::Plain);
  EXPECT_EQ(registry.Backups, 1);
}

TEST_F(SettingsStoreTest, TheLanguageIsStoredOnlyOnceChosenAndReadBeforeTheWindows) {
  Load();
  LoadPlayAids(game, prefs, registry);
  EXPECT_EQ(prefs.Language, LanguageChoice::Automatic);
  prefs.Language = LanguageChoice::English;
  ASSERT_TRUE(SavePlayAids(game, prefs, registry));
  EXPECT_EQ(registry.Text(kOptions, "Language"), "2");
  EXPECT_EQ(LoadLanguageChoice(registry), LanguageChoice::English);
  NextRun next;
  LoadPlayAids(next.game, next.prefs, registry);
  EXPECT_EQ(next.prefs.Language, LanguageChoice::English);

  prefs.Language = LanguageChoice::Automatic;
  ASSERT_TRUE(SavePlayAids(game, prefs, registry));
  EXPECT_FALSE(registry.Has(kOptions, "Language"));
  // A choice not offered is automatic.
  registry.Put(kOptions, "Language", std::string("9"));
  EXPECT_EQ(LoadLanguageChoice(registry), LanguageChoice::Automatic);
}

TEST_F(SettingsStoreTest, KeptMeldPlacesSurviveACloseAndLeaveNothingOnceTurnedOff) {
  Load();
  LoadPlayAids(game, prefs, registry);
  EXPECT_FALSE(prefs.KeepMeldPlaces);
  prefs.KeepMeldPlaces = true;
  ASSERT_TRUE(SavePlayAids(game, prefs, registry));
  NextRun next;
  LoadSettings(next.game, next.prefs, registry, next.windows);
  LoadPlayAids(next.game, next.prefs, registry);
  EXPECT_TRUE(next.prefs.KeepMeldPlaces);
  prefs.KeepMeldPlaces = false;
  ASSERT_TRUE(SavePlayAids(game, prefs, registry));
  EXPECT_FALSE(registry.Has(kProgram + "\\Form\\Melds", "KeepPlaces"));
}

TEST_F(SettingsStoreTest, ClosingDuringTheFirstRoundKeepsNoGame) {
  Load();
  game.Round = 1;
  game.State = GameState::HumanDraws;
  host.Answers.push_back(MsgAnswer::Yes);
  ASSERT_TRUE(ConfirmClose(game));
  ASSERT_TRUE(SaveSettings(game, prefs, registry, windows));
  EXPECT_FALSE(registry.Has(kScore, "Now"));
}

TEST_F(SettingsStoreTest, ASavedGameThatCannotBeTrustedIsIgnored) {
  const std::vector<std::vector<std::uint8_t>> broken = {
      std::vector<std::uint8_t>(19, 1),                                          // too short
      std::vector<std::uint8_t>(24, 1),                                          // too long
      {0x40, 0x42, 0x0F, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0},     // round 1000000
      {0xFB, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0},  // round -5
      std::vector<std::uint8_t>(20, 0),                                          // round 0
  };
  for (const auto& now : broken) {
    NextRun run;
    MemoryRegistry store;
    store.Put(kScore, "Now", now);
    store.Put(kScore, "Histry0", std::string("a,1,2"));
    LoadSettings(run.game, run.prefs, store, run.windows);
    EXPECT_EQ(run.game.Round, 0);
    EXPECT_EQ(run.game.Score.RowCount(), 10);
    EXPECT_EQ(run.game.Score.Cell(1, 0), "");
    // The bad value goes at the next close.
    ASSERT_TRUE(SaveSettings(run.game, run.prefs, store, run.windows));
    EXPECT_FALSE(store.Has(kScore, "Now"));
  }
  NextRun textNow;
  registry.Put(kScore, "Now", std::string("3,280,310,265,305"));
  LoadSettings(textNow.game, textNow.prefs, registry, textNow.windows);
  EXPECT_EQ(textNow.game.Round, 0);
}

TEST_F(SettingsStoreTest, ColumnsWithTooManyOrTooFewItemsFillWhatFits) {
  registry.Put(kScore, "Now", EncodeNow({2, {1, 2, 3, 4}}));
  registry.Put(kScore, "Histry0", std::string("A,1,2,3,4,5,6,7,8,9,10,11,12"));
  registry.Put(kScore, "Histry1", std::string("B"));
  registry.Put(kScore, "Histry2", std::vector<std::uint8_t>{'C'});
  Load();
  EXPECT_EQ(game.Score.RowCount(), 10);
  EXPECT_EQ(game.Score.Cell(1, 0), "A");
  EXPECT_EQ(game.Score.Cell(1, 2), "2");
  // Items beyond the saved rounds are dropped before the sheet grows back to ten rows.
  EXPECT_EQ(game.Score.Cell(1, 3), "");
  EXPECT_EQ(game.Score.Cell(2, 0), "B");
  EXPECT_EQ(game.Score.Cell(2, 1), "");
  EXPECT_EQ(game.Score.Cell(3, 0), "");
  EXPECT_EQ(game.Score.Cell(4, 0), "");
  EXPECT_EQ(game.Score.Cell(0, 2), "第2回戦：");
}

TEST_F(SettingsStoreTest, ALongSavedGameGetsAllItsRows) {
  registry.Put(kScore, "Now", EncodeNow({14, {1, 2, 3, 4}}));
  Load();
  EXPECT_EQ(game.Score.RowCount(), 15);
  EXPECT_EQ(game.Score.Cell(0, 14), "第14回戦：");
}

TEST_F(SettingsStoreTest, ScoreTablesOfTheWrongShapeAreReplacedOneByOne) {
  HiScoreTable kept = EmptyHiScoreTable();
  AddHiScore(kept, 99, "テルル", false, {2024, 1, 2});
  registry.Put(kScore, "Data0", std::vector<std::uint8_t>(439, 7));
  registry.Put(kScore, "Data1", EncodeHiScoreTable(kept));
  registry.Put(kScore, "Data2", std::vector<std::uint8_t>(17, 1));
  Load();
  EXPECT_EQ(game.HiScore[0], EmptyHiScoreTable());
  EXPECT_EQ(game.HiScore[1], kept);
  for (const HandRecord& hand : game.Seats)
    EXPECT_EQ(hand.Total, 0);

  NextRun next;
  registry.Put(kScore, "Data1", std::string("not a table"));
  registry.Put(kScore, "Data2", EncodeTotals({5, -6, 7, -8}));
  LoadSettings(next.game, next.prefs, registry, next.windows);
  EXPECT_EQ(next.game.HiScore[1], EmptyHiScoreTable());
  EXPECT_EQ(next.game.Seats[3].Total, -8);
}

TEST_F(SettingsStoreTest, ARefusedWriteEndsTheSaveAtThatStep) {
  Load();
  registry.WritesAllowed = 5;  // the frame's four values and the first one of seat 0
  EXPECT_FALSE(SaveSettings(game, prefs, registry, windows));
  EXPECT_TRUE(registry.Has(kMain, "Height"));
  EXPECT_TRUE(registry.Has(PlayerKey(0), "Left"));
  EXPECT_FALSE(registry.Has(PlayerKey(0), "Top"));
  EXPECT_FALSE(registry.Has(kRule, "StartPoint"));
  EXPECT_EQ(registry.Flushes, 0);
}

TEST_F(SettingsStoreTest, AFlushThatFailsIsReported) {
  Load();
  registry.FlushSucceeds = false;
  EXPECT_FALSE(SaveSettings(game, prefs, registry, windows));
}

}  // namespace
}  // namespace zelvani
