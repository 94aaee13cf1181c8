#include "logic/scoring/HiScore.h"

#include <charconv>
#include <cstring>

#include "logic/storage/LittleEndian.h"
#include "logic/storage/Registry.h"
#include "logic/storage/ShiftJis.h"
#include "logic/table/Game.h"

namespace zelvani {

namespace {

// Offsets inside one stored record.
constexpr std::size_t kScoreAt = 0;
constexpr std::size_t kNameAt = 4;
constexpr std::size_t kYearAt = 36;
constexpr std::size_t kMonthAt = 38;
constexpr std::size_t kDayAt = 40;
constexpr std::size_t kIsHumanAt = 42;

constexpr int kOfficialStartPoint = 300;
constexpr int kOfficialEndTerm = 10;

// At least two digits, as "%02d" writes them. Not through printf: the high-score text is
// put together at the end of every game, and printf costs more than the rest of it.
std::string TwoDigits(int value) {
  char text[16];
  std::string digits(text, std::to_chars(text, text + sizeof text, value).ptr);
  if (digits.size() < 2)
    digits.insert(0, 2 - digits.size(), '0');
  return digits;
}

}  // namespace

int OfficialRuleOf(const RuleSettings& rules) {
  if (rules.StartPoint != kOfficialStartPoint)
    return kNoOfficialRule;
  if (!rules.ZeroSum && !rules.UseEndTerm)
    return 0;
  if (rules.ZeroSum && rules.UseEndTerm && rules.EndTerm == kOfficialEndTerm)
    return 1;
  return kNoOfficialRule;
}

std::vector<std::uint8_t> EncodeHiScoreRecord(const HiScoreRecord& record) {
  std::vector<std::uint8_t> bytes(kHiScoreRecordBytes, 0);
  PutInt32(bytes, kScoreAt, record.Score);
  std::memcpy(bytes.data() + kNameAt, record.Name.data(), record.Name.size());
  PutUint16(bytes, kYearAt, record.Year);
  PutUint16(bytes, kMonthAt, record.Month);
  PutUint16(bytes, kDayAt, record.Day);
  bytes[kIsHumanAt] = record.IsHuman;
  return bytes;
}

HiScoreRecord DecodeHiScoreRecord(const std::uint8_t* bytes) {
  HiScoreRecord record;
  record.Score = GetInt32(bytes + kScoreAt);
  std::memcpy(record.Name.data(), bytes + kNameAt, record.Name.size());
  record.Year = GetUint16(bytes + kYearAt);
  record.Month = GetUint16(bytes + kMonthAt);
  record.Day = GetUint16(bytes + kDayAt);
  record.IsHuman = bytes[kIsHumanAt];
  return record;
}

std::vector<std::uint8_t> EncodeHiScoreTable(const HiScoreTable& table) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(kHiScoreTableBytes);
  for (const HiScoreRecord& record : table) {
    const auto one = EncodeHiScoreRecord(record);
    bytes.insert(bytes.end(), one.begin(), one.end());
  }
  return bytes;
}

std::optional<HiScoreTable> DecodeHiScoreTable(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() != kHiScoreTableBytes)
    return std::nullopt;
  HiScoreTable table;
  for (int i = 0; i < kHiScoreRows; ++i)
    table[i] = DecodeHiScoreRecord(bytes.data() + i * kHiScoreRecordBytes);
  return table;
}

void AddHiScore(HiScoreTable& table, int score, const std::string& name, bool human,
                const LocalDate& today) {
  int i = kHiScoreRows - 1;
  while (i > 0 && table[i - 1].Score < score) {
    table[i] = table[i - 1];
    --i;
  }
  HiScoreRecord& record = table[i];
  record.Score = score;
  record.Name = HiScoreNameField(name);
  record.IsHuman = human ? 1 : 0;
  record.Year = static_cast<std::uint16_t>(today.Year);
  record.Month = static_cast<std::uint16_t>(today.Month);
  record.Day = static_cast<std::uint16_t>(today.Day);
}

void AddHiScore(Game& game, int table, int score, const std::string& name, bool human) {
  if (table < 0 || table >= static_cast<int>(game.HiScore.size()))
    return;
  AddHiScore(game.HiScore[table], score, name, human, game.Host.Today());
}

Text HiScoreText(const HiScoreTable& table) {
  const HiScoreRecord empty = EmptyHiScoreTable().front();
  std::vector<Text> lines;
  for (int k = 1; k <= kHiScoreRows; ++k) {
    const HiScoreRecord& record = table[k - 1];
    const std::string date =
        TwoDigits(record.Year % 100) + "/" + TwoDigits(record.Month) + "/" + TwoDigits(record.Day);
    // A place no one has taken yet says so in the player's language; a name stays as it was
    // typed.
    const bool untaken = record.Score == empty.Score && record.Name == empty.Name;
    const Text name =
        untaken ? Translatable("Scores", "なし") : Text::Verbatim(HiScoreNameText(record));
    lines.push_back((record.IsHuman ? Translatable("Scores", "第%1位：\t%2点\t%3   %4\n")
                                    : Translatable("Scores", "第%1位：\t%2点\t%3   (%4)\n"))
                        .Arg(k)
                        .Arg(record.Score)
                        .Arg(date)
                        .Arg(name));
  }
  return Text::Joined({}, std::move(lines));
}

void ShowHiScore(Game& game, int table, const Text& caption) {
  if (table < 0 || table >= static_cast<int>(game.HiScore.size()))
    return;
  game.Host.MessageBox(HiScoreText(game.HiScore[table]), caption, MsgButtons::Ok, MsgIcon::None);
}

bool LoadHiScore(RegistryKey& key, HiScoreTable& table, const std::string& valueName) {
  const auto stored = key.ReadBinary(valueName);
  const std::optional<HiScoreTable> decoded =
      stored.Ok() ? DecodeHiScoreTable(stored.Value) : std::nullopt;
  table = decoded ? *decoded : EmptyHiScoreTable();
  return decoded.has_value();
}

bool SaveHiScore(RegistryKey& key, const HiScoreTable& table, const std::string& valueName) {
  return key.WriteBinary(valueName, EncodeHiScoreTable(table));
}

}  // namespace zelvani
