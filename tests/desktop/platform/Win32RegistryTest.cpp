// The settings store on the Windows registry. These tests write the program's real keys
// below HKEY_CURRENT_USER, so they run only where neither the program's vendor nor the
// picture viewer has a key yet (a fresh Wine prefix), and remove both afterwards.
#include <gtest/gtest.h>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "desktop/platform/Win32Registry.h"
#include "logic/scoring/HiScore.h"
#include "logic/scoring/SavedGame.h"
#include "logic/settings/SettingsStore.h"
#include "logic/table/Game.h"
#include "support/FakeHost.h"
#include "support/FakeWindows.h"

namespace zelvani {
namespace {

using Bytes = std::vector<std::uint8_t>;

const std::wstring kVendorKey = L"Software\\Hollyfen";
const std::wstring kViewerVendorKey = L"Software\\Morwick";
const std::wstring kProgram = L"Software\\Hollyfen\\Zelvani";
const std::wstring kScore = kProgram + L"\\Score";
const std::wstring kViewer = L"Software\\Morwick\\Susie\\Plug-in";
const std::string kScorePath = std::string(kProgramKey) + "\\Score";

bool KeyExists(const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

struct RawValue {
  DWORD Type = REG_NONE;
  Bytes Data;
  bool operator==(const RawValue&) const = default;
};

// What the registry itself holds, read past the back end under test.
RawValue Raw(const std::wstring& path, const std::wstring& name) {
  RawValue value;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return value;
  DWORD size = 0;
  if (RegQueryValueExW(key, name.c_str(), nullptr, &value.Type, nullptr, &size) == ERROR_SUCCESS) {
    value.Data.resize(size);
    RegQueryValueExW(key, name.c_str(), nullptr, &value.Type, value.Data.data(), &size);
    value.Data.resize(size);
  }
  RegCloseKey(key);
  return value;
}

// Writes a value as another program, or a hand with a registry editor, would.
void PutRaw(const std::wstring& path, const std::wstring& name, DWORD type, const Bytes& data) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(
      RegSetValueExW(key, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size())),
      ERROR_SUCCESS);
  RegCloseKey(key);
}

// REG_SZ data as Windows stores it: UTF-16, little-endian, with its terminating NUL.
Bytes Utf16(const std::wstring& text) {
  Bytes bytes;
  for (wchar_t c : text + L'\0') {
    bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(c >> 8));
  }
  return bytes;
}

RawValue Text(const std::wstring& text) {
  return {REG_SZ, Utf16(text)};
}

Bytes Pattern(std::size_t size) {
  Bytes bytes(size);
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
  return bytes;
}

class Win32RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(KeyExists(kVendorKey) || KeyExists(kViewerVendorKey))
        << "The registry already holds the program's or the viewer's keys; these tests run "
           "only in a registry of their own, such as a fresh Wine prefix.";
    owner_ = true;
  }

  void TearDown() override {
    if (!owner_)
      return;
    for (const std::wstring& vendor : {kVendorKey, kViewerVendorKey}) {
      if (KeyExists(vendor)) {
        EXPECT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, vendor.c_str()), ERROR_SUCCESS);
      }
    }
    EXPECT_FALSE(KeyExists(kVendorKey));
    EXPECT_FALSE(registry.OpenKey(kProgramKey, false));
  }

  Win32Registry registry;

 private:
  bool owner_ = false;
};

// One run of the game: its table, windows and host.
struct Session {
  Session() : game(host), windows(prefs) {}
  FakeHost host;
  Game game;
  Preferences prefs;
  FakeWindows windows;
};

TEST_F(Win32RegistryTest, TextAndBinaryValuesAreStoredAsTheRegistrysOwnTypes) {
  const Bytes table = Pattern(kHiScoreTableBytes);
  const Bytes now = Pattern(kNowBytes);
  {
    auto score = registry.OpenKey("\\" + kScorePath, true);
    ASSERT_TRUE(score);
    EXPECT_TRUE(score->WriteString("Histry0", "あなた,120"));
    EXPECT_TRUE(score->WriteString("Empty", ""));
    EXPECT_TRUE(score->WriteBinary("Data0", table));
    EXPECT_TRUE(score->WriteBinary("Now", now));
    EXPECT_TRUE(registry.Flush());
  }
  EXPECT_EQ(Raw(kScore, L"Histry0"),
            (RawValue{REG_SZ,
                      {0x42, 0x30, 0x6A, 0x30, 0x5F, 0x30, ',', 0, '1', 0, '2', 0, '0', 0, 0, 0}}));
  EXPECT_EQ(Raw(kScore, L"Empty"), (RawValue{REG_SZ, {0, 0}}));
  EXPECT_EQ(Raw(kScore, L"Data0"), (RawValue{REG_BINARY, table}));
  EXPECT_EQ(Raw(kScore, L"Now"), (RawValue{REG_BINARY, now}));

  auto score = registry.OpenKey(kScorePath, false);
  ASSERT_TRUE(score);
  EXPECT_TRUE(score->ValueExists("Now"));
  EXPECT_EQ(score->ReadString("Histry0").Value, "あなた,120");
  EXPECT_TRUE(score->ReadString("Empty").Ok());
  EXPECT_EQ(score->ReadString("Empty").Value, "");
  EXPECT_EQ(score->ReadBinary("Data0").Value, table);
  EXPECT_EQ(score->ReadBinary("Now").Value, now);

  EXPECT_TRUE(score->DeleteValue("Now"));
  EXPECT_FALSE(score->ValueExists("Now"));
  EXPECT_TRUE(score->DeleteValue("Now"));  // already gone
}

TEST_F(Win32RegistryTest, MissingKeysAndValuesAreTold) {
  EXPECT_FALSE(registry.OpenKey(kProgramKey, false));
  EXPECT_FALSE(registry.OpenKey("", true));
  EXPECT_FALSE(KeyExists(kProgram));
  auto program = registry.OpenKey(kProgramKey, true);
  ASSERT_TRUE(program);
  EXPECT_TRUE(KeyExists(kProgram));
  EXPECT_FALSE(program->ValueExists("Rule"));
  EXPECT_EQ(program->ReadString("Rule").Status, ReadStatus::Missing);
  EXPECT_EQ(program->ReadBinary("Rule").Status, ReadStatus::Missing);
}

TEST_F(Win32RegistryTest, ValuesOfAnotherTypeAreTheWrongType) {
  PutRaw(kScore, L"Number", REG_DWORD, {250, 0, 0, 0});
  PutRaw(kScore, L"Text", REG_SZ, Utf16(L"300"));
  PutRaw(kScore, L"Binary", REG_BINARY, {1, 2, 3});
  // Text another program wrote without its terminating NUL still reads whole.
  PutRaw(kScore, L"Unterminated", REG_SZ, {'3', 0, '0', 0, '0', 0});
  auto score = registry.OpenKey(kScorePath, false);
  ASSERT_TRUE(score);
  EXPECT_EQ(score->ReadString("Number").Status, ReadStatus::WrongType);
  EXPECT_EQ(score->ReadBinary("Number").Status, ReadStatus::WrongType);
  EXPECT_EQ(score->ReadBinary("Text").Status, ReadStatus::WrongType);
  EXPECT_EQ(score->ReadString("Binary").Status, ReadStatus::WrongType);
  EXPECT_EQ(score->ReadString("Unterminated").Value, "300");
}

TEST_F(Win32RegistryTest, EverySettingIsSavedAndLoadedThroughTheRegistry) {
  PutRaw(kViewer, L"Path", REG_SZ, Utf16(L"C:\\Susie"));
  Session first;
  LoadSettings(first.game, first.prefs, registry, first.windows);
  EXPECT_TRUE(KeyExists(kProgram));
  Game& game = first.game;
  game.Seats[2].PlayerName = "ｾﾚﾝ・二号";
  game.Rules.StartPoint = 250;
  game.Dealer = 2;
  game.Seats[1].Total = -2;
  game.Round = 1;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    game.Seats[seat].Point = 300 + seat;
    game.Score.SetCell(seat + 1, 1, std::to_string(300 + seat));
  }
  // A name at the record's 31-byte limit ends in a double-byte character, and the one
  // after it, which would cross the limit, is left out.
  AddHiScore(game.HiScore[0], 512, "xあああああああああああああああい", true, {2026, 12, 8});
  ASSERT_TRUE(SaveSettings(game, first.prefs, registry, first.windows));

  EXPECT_EQ(Raw(kProgram + L"\\Rule", L"StartPoint"), Text(L"250"));
  EXPECT_EQ(Raw(kProgram + L"\\Rule", L"Oya"), Text(L"2"));
  EXPECT_EQ(Raw(kProgram + L"\\Form\\Player2", L"Name"),
            Text(L"\xFF7E\xFF9A\xFF9D\x30FB\x4E8C\x53F7"));
  EXPECT_EQ(Raw(kScore, L"Data2"),
            (RawValue{REG_BINARY, {0, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0}}));
  EXPECT_EQ(
      Raw(kScore, L"Now"),
      (RawValue{REG_BINARY, {1, 0, 0, 0, 44, 1, 0, 0, 45, 1, 0, 0, 46, 1, 0, 0, 47, 1, 0, 0}}));
  const RawValue table = Raw(kScore, L"Data0");
  EXPECT_EQ(table.Type, static_cast<DWORD>(REG_BINARY));
  ASSERT_EQ(table.Data.size(), kHiScoreTableBytes);
  Bytes firstRecord = {0, 2, 0, 0, 'x'};
  for (int i = 0; i < 15; ++i)
    firstRecord.insert(firstRecord.end(), {0x82, 0xA0});
  firstRecord.insert(firstRecord.end(), {0, 0xEA, 0x07, 12, 0, 8, 0, 1});
  EXPECT_EQ(Bytes(table.Data.begin(), table.Data.begin() + 43), firstRecord);
  // The empty records that follow are named "なし" in code page 932.
  EXPECT_EQ(Bytes(table.Data.begin() + 48, table.Data.begin() + 53),
            (Bytes{0x82, 0xC8, 0x82, 0xB5, 0}));
  EXPECT_EQ(Raw(kScore, L"Data1").Data.size(), kHiScoreTableBytes);
  // The viewer's key is read and never written.
  EXPECT_EQ(Raw(kViewer, L"Path"), Text(L"C:\\Susie"));

  Session next;
  LoadSettings(next.game, next.prefs, registry, next.windows);
  EXPECT_EQ(next.game.Seats[2].PlayerName, "ｾﾚﾝ・二号");
  EXPECT_EQ(next.game.Rules, game.Rules);
  EXPECT_EQ(next.game.Dealer, 2);
  EXPECT_EQ(next.game.Seats[1].Total, -2);
  EXPECT_EQ(next.game.Round, 1);
  EXPECT_EQ(next.game.Seats[3].Point, 303);
  EXPECT_EQ(next.game.Score.Cell(4, 1), "303");
  EXPECT_EQ(next.game.HiScore, game.HiScore);
  EXPECT_EQ(HiScoreNameText(next.game.HiScore[0][0]), "xあああああああああああああああ");
  EXPECT_EQ(next.prefs.PluginFolder, "C:\\Susie\\");
}

TEST_F(Win32RegistryTest, ValuesOfTheWrongTypeOrLengthGiveTheDefaults) {
  const std::wstring rule = kProgram + L"\\Rule";
  PutRaw(rule, L"StartPoint", REG_DWORD, {250, 0, 0, 0});
  PutRaw(kProgram + L"\\Form\\Player1", L"Name", REG_BINARY, {'A', 0});
  PutRaw(kScore, L"Data0", REG_BINARY, Bytes(kHiScoreTableBytes - 1, 0));
  PutRaw(kScore, L"Data1", REG_SZ, Utf16(L"table"));
  PutRaw(kScore, L"Data2", REG_BINARY, Bytes(kTotalsBytes + 1, 1));
  PutRaw(kScore, L"Now", REG_BINARY, Bytes(kNowBytes + 1, 1));
  PutRaw(kViewer, L"Path", REG_EXPAND_SZ, Utf16(L"D:\\Plug-ins\\"));
  Session run;
  LoadSettings(run.game, run.prefs, registry, run.windows);
  EXPECT_EQ(run.game.Rules.StartPoint, 300);
  EXPECT_EQ(run.game.Seats[1].PlayerName, "テルル");
  EXPECT_EQ(run.game.HiScore[0], EmptyHiScoreTable());
  EXPECT_EQ(run.game.HiScore[1], EmptyHiScoreTable());
  EXPECT_EQ(run.game.Seats[0].Total, 0);
  EXPECT_EQ(run.game.Round, 0);
  // Text of the expandable kind is text all the same.
  EXPECT_EQ(run.prefs.PluginFolder, "D:\\Plug-ins\\");
}

}  // namespace
}  // namespace zelvani
