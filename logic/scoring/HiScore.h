// The two high-score tables: which one the rules in force use, their stored byte layout
// (44 bytes a record, 440 a table, little-endian, names in code page 932), inserting a
// result, showing a table, and reading and writing a table in the settings store.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logic/table/GameHost.h"
#include "logic/table/Records.h"

namespace zelvani {

struct Game;
class RegistryKey;

constexpr std::size_t kHiScoreRecordBytes = 44;
constexpr std::size_t kHiScoreTableBytes = kHiScoreRecordBytes * kHiScoreRows;

constexpr int kNoOfficialRule = -1;

// 0 for the preset "公式ルール１", 1 for "公式ルール２", -1 for any other rules.
int OfficialRuleOf(const RuleSettings& rules);

std::vector<std::uint8_t> EncodeHiScoreRecord(const HiScoreRecord& record);
// Reads kHiScoreRecordBytes bytes; the padding byte is ignored.
HiScoreRecord DecodeHiScoreRecord(const std::uint8_t* bytes);
std::vector<std::uint8_t> EncodeHiScoreTable(const HiScoreTable& table);
// Nothing when `bytes` is not exactly one table long.
std::optional<HiScoreTable> DecodeHiScoreTable(const std::vector<std::uint8_t>& bytes);

// Inserts a result below every record with the same or a higher score and drops the
// last one. The caller has checked that `score` beats the tenth record.
void AddHiScore(HiScoreTable& table, int score, const std::string& name, bool human,
                const LocalDate& today);
// The same into table `table` of the game, dated today by the host's clock.
void AddHiScore(Game& game, int table, int score, const std::string& name, bool human);

// The ten lines ShowHiScore shows.
Text HiScoreText(const HiScoreTable& table);
void ShowHiScore(Game& game, int table, const Text& caption);

// Reads one table from `valueName` of `key`; a value that is missing, not binary or not
// 440 bytes long gives the empty table. Returns whether the stored table was used.
bool LoadHiScore(RegistryKey& key, HiScoreTable& table, const std::string& valueName);
bool SaveHiScore(RegistryKey& key, const HiScoreTable& table, const std::string& valueName);

}  // namespace zelvani
