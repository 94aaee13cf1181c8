// A settings file that version 1.0 (commit a04a2cd) wrote through QtRegistry as its frame
// does at a close, with every value away from its default and an unfinished game of three
// rounds: this build must load every value as it was and write the file back unchanged.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "desktop/platform/QtRegistry.h"
#include "logic/settings/Preferences.h"
#include "logic/settings/SettingsStore.h"
#include "logic/table/Game.h"
#include "support/FakeHost.h"
#include "support/FakeWindows.h"

namespace zelvani {
namespace {

const QString kFixture = QStringLiteral(ZELVANI_SETTINGS_FIXTURE);

std::string ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// `name` as stored: code page 932 bytes.
HiScoreRecord Record(int score, const char* name, int year, int month, int day, bool human) {
  HiScoreRecord record;
  record.Score = score;
  std::memcpy(record.Name.data(), name, std::strlen(name));
  record.Year = static_cast<std::uint16_t>(year);
  record.Month = static_cast<std::uint16_t>(month);
  record.Day = static_cast<std::uint16_t>(day);
  record.IsHuman = human;
  return record;
}

// The table's rows below the given ones hold the empty record.
HiScoreTable Table(const std::vector<HiScoreRecord>& top) {
  HiScoreTable table;
  table.fill(Record(0, "\x82\xC8\x82\xB5", 2000, 1, 1, false));  // なし
  std::copy(top.begin(), top.end(), table.begin());
  return table;
}

template <typename Field>
auto EachSeat(const Game& game, Field field) {
  std::array<decltype(field(game.Seats[0])), kSeatCount> values;
  for (int seat = 0; seat < kSeatCount; ++seat)
    values[seat] = field(game.Seats[seat]);
  return values;
}

std::vector<std::vector<std::string>> Cells(const ScoreSheet& sheet) {
  std::vector<std::vector<std::string>> rows(sheet.RowCount());
  for (int row = 0; row < sheet.RowCount(); ++row)
    for (int col = 0; col < ScoreSheet::kColumns; ++col)
      rows[row].push_back(sheet.Cell(col, row));
  return rows;
}

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(config.isValid());
    ASSERT_TRUE(QDir(config.path()).mkpath(QStringLiteral("Hollyfen")));
    ASSERT_TRUE(QFile::copy(kFixture, IniPath(config.path())));
  }

  static QString IniPath(const QString& folder) { return folder + "/Hollyfen/Zelvani.ini"; }

  void Load() {
    QtRegistry store(config.path());
    LoadSettings(game, prefs, store, windows);
    LoadPlayAids(game, prefs, store);
  }

  QTemporaryDir config;
  FakeHost host;
  Game game{host};
  Preferences prefs;
  FakeWindows windows{prefs};
};

TEST_F(SettingsFileTest, EveryValueLoadsAsVersion1_0WroteIt) {
  Load();

  const auto name = [](const HandRecord& hand) { return hand.PlayerName; };
  EXPECT_EQ(EachSeat(game, name), (std::array<std::string, kSeatCount>{"山田 花子", "Salt & Pepper",
                                                                       "Brambleton", "Quince-7"}));
  EXPECT_EQ(
      prefs.SeatBackgrounds,
      (std::array<std::string, kSeatCount>{
          "/home/player/Pictures/backs/moss green.bmp", "/home/player/Pictures/backs/tide.png",
          "/home/player/Pictures/backs/桜.jpg", "/home/player/Pictures/backs/slate.bmp"}));
  const auto total = [](const HandRecord& hand) { return hand.Total; };
  EXPECT_EQ(EachSeat(game, total), (std::array<std::int32_t, kSeatCount>{1234, -567, 89, -4321}));

  EXPECT_EQ(game.Rules, (RuleSettings{450, true, true, 12, 5, 2, 1500, 250}));
  EXPECT_EQ(game.Dealer, 3);
  EXPECT_EQ(game.OfficialRule, -1);

  EXPECT_EQ(prefs.CardPicturePath, "/home/player/Pictures/cards/Big Cards.bmp");
  EXPECT_EQ(windows.Sounds, (std::array<std::string, 3>{"/home/player/Sounds/tick.wav",
                                                        "/home/player/Sounds/drop.wav",
                                                        "/home/player/Sounds/fanfare.wav"}));
  EXPECT_EQ(prefs.TableScale, 150);
  EXPECT_FALSE(prefs.PlaySounds);
  EXPECT_EQ(prefs.PluginFolder, "");  // read from the picture viewer's key only

  // The unfinished game: three rounds played, the fourth not yet dealt.
  EXPECT_EQ(game.Round, 3);
  EXPECT_EQ(game.GameState, -1);
  EXPECT_TRUE(game.AutoPlayUsed);
  const auto point = [](const HandRecord& hand) { return hand.Point; };
  EXPECT_EQ(EachSeat(game, point), (std::array<std::int32_t, kSeatCount>{333, 437, 514, 515}));
  std::vector<std::vector<std::string>> sheet = {
      {"", "山田 花子", "Salt & Pepper", "Brambleton", "Quince-7"},
      {"第1回戦：", "390", "445", "530", "435"},
      {"第2回戦：", "393", "447", "532", "427"},
      {"第3回戦：", "333", "437", "514", "515"},
  };
  sheet.resize(ScoreSheet::kInitialRows, std::vector<std::string>(ScoreSheet::kColumns));
  EXPECT_EQ(Cells(game.Score), sheet);

  const char* hanako = "\x8E\x52\x93\x63\x20\x89\xD4\x8E\x71";  // 山田 花子
  EXPECT_EQ(game.HiScore[0], Table({Record(612, hanako, 2026, 11, 2, true),
                                    Record(540, "Salt & Pepper", 2026, 11, 15, false),
                                    Record(498, "Brambleton", 2026, 12, 1, false)}));
  EXPECT_EQ(game.HiScore[1], Table({Record(275, "Quince-7", 2026, 10, 20, false),
                                    Record(190, hanako, 2026, 12, 5, true)}));

  EXPECT_EQ(windows.Frame, (WinRect{212, 96, 820, 604}));
  EXPECT_EQ(windows.Seats, (SeatRects{WinRect{212, 700, 820, 170}, WinRect{1040, 96, 160, 604},
                                      WinRect{212, 4, 820, 88}, WinRect{-150, 96, 160, 604}}));
  EXPECT_EQ(prefs.Log, (LogPlace{true, 1, 333, 177}));

  // Everything was taken as it is: no backup was asked for and the file is untouched.
  EXPECT_EQ(QDir(config.path() + "/Hollyfen").entryList(QDir::Files).join(' ').toStdString(),
            "Zelvani.ini");
  EXPECT_EQ(ReadFile(IniPath(config.path())), ReadFile(kFixture));
  QtRegistry store(config.path());
  EXPECT_EQ(LoadTableScale(store), 150);
}

TEST_F(SettingsFileTest, SavedAgainItIsTheSameFile) {
  Load();
  QTemporaryDir again;
  ASSERT_TRUE(again.isValid());
  {
    QtRegistry store(again.path());
    ASSERT_TRUE(SavePlayAids(game, prefs, store));
    ASSERT_TRUE(SaveSettings(game, prefs, store, windows));
  }
  EXPECT_EQ(ReadFile(IniPath(again.path())), ReadFile(kFixture));
}

}  // namespace
}  // namespace zelvani
