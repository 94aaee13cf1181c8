// The score values kept between runs besides the high scores: the cumulative totals of
// the four seats ("Data2") and an unfinished game ("Now" with its round and points, and
// the score sheet's seat columns "Histry0".."Histry3").
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "logic/table/Records.h"

namespace zelvani {

struct Game;
class RegistryKey;
class ScoreSheet;

constexpr std::size_t kTotalsBytes = 16;
constexpr std::size_t kNowBytes = 20;
// A stored game beyond this round is taken for damage and not resumed, so a broken value
// can never make the sheet allocate an absurd number of rows.
constexpr int kMaxSavedRound = 9999;

inline constexpr const char* kTotalsValue = "Data2";
inline constexpr const char* kNowValue = "Now";
// "Histry0".."Histry3": the stored column of seat `seat`.
std::string HistoryValueName(int seat);

struct SavedGame {
  std::int32_t Round = 0;
  std::array<std::int32_t, kSeatCount> Points{};
};

std::vector<std::uint8_t> EncodeTotals(const std::array<std::int32_t, kSeatCount>& totals);
// Nothing unless exactly 16 bytes.
std::optional<std::array<std::int32_t, kSeatCount>> DecodeTotals(
    const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> EncodeNow(const SavedGame& saved);
// Nothing unless exactly 20 bytes holding a round of 1..kMaxSavedRound.
std::optional<SavedGame> DecodeNow(const std::vector<std::uint8_t>& bytes);

// Cells of column `col` from row 0 to `lastRow`.
std::vector<std::string> SheetColumn(const ScoreSheet& sheet, int col, int lastRow);
// Fills column `col` from row 0 down; items beyond the sheet's rows are dropped.
void FillSheetColumn(ScoreSheet& sheet, int col, const std::vector<std::string>& items);

// Takes up a saved game: the round, the seats' points, the sheet's rows, its seat columns
// from the comma texts present, the round labels, and at least ten rows. The state stays
// NoRound, so the next deal is round `saved.Round` + 1.
void ResumeGame(Game& game, const SavedGame& saved,
                const std::array<std::optional<std::string>, kSeatCount>& history);

// Start-up: the totals, then the unfinished game if one is stored and readable.
// `scoreKey` may be null (no score key): totals 0, no game. False when something stored
// was left out: totals or a game that cannot be read, columns without a game, or column
// items beyond the game's rounds.
bool LoadScoreValues(Game& game, RegistryKey* scoreKey);
// Close: the totals, then the unfinished game, or its removal when Round is 0. Stops at
// the first value the store refuses and returns false.
bool SaveScoreValues(Game& game, RegistryKey& scoreKey);

}  // namespace zelvani
