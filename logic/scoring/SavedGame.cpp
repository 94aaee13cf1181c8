#include "logic/scoring/SavedGame.h"

#include <algorithm>

#include "logic/storage/CommaText.h"
#include "logic/storage/LittleEndian.h"
#include "logic/storage/Registry.h"
#include "logic/table/Game.h"
#include "logic/table/ScoreSheet.h"
#include "logic/table/SeatNames.h"

namespace zelvani {

std::string HistoryValueName(int seat) {
  return "Histry" + std::to_string(seat);
}

std::vector<std::uint8_t> EncodeTotals(const std::array<std::int32_t, kSeatCount>& totals) {
  std::vector<std::uint8_t> bytes(kTotalsBytes, 0);
  for (int seat = 0; seat < kSeatCount; ++seat)
    PutInt32(bytes, 4 * seat, totals[seat]);
  return bytes;
}

std::optional<std::array<std::int32_t, kSeatCount>> DecodeTotals(
    const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() != kTotalsBytes)
    return std::nullopt;
  std::array<std::int32_t, kSeatCount> totals{};
  for (int seat = 0; seat < kSeatCount; ++seat)
    totals[seat] = GetInt32(bytes.data() + 4 * seat);
  return totals;
}

std::vector<std::uint8_t> EncodeNow(const SavedGame& saved) {
  std::vector<std::uint8_t> bytes(kNowBytes, 0);
  PutInt32(bytes, 0, saved.Round);
  for (int seat = 0; seat < kSeatCount; ++seat)
    PutInt32(bytes, 4 + 4 * seat, saved.Points[seat]);
  return bytes;
}

std::optional<SavedGame> DecodeNow(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() != kNowBytes)
    return std::nullopt;
  SavedGame saved;
  saved.Round = GetInt32(bytes.data());
  if (saved.Round < 1 || saved.Round > kMaxSavedRound)
    return std::nullopt;
  for (int seat = 0; seat < kSeatCount; ++seat)
    saved.Points[seat] = GetInt32(bytes.data() + 4 + 4 * seat);
  return saved;
}

std::vector<std::string> SheetColumn(const ScoreSheet& sheet, int col, int lastRow) {
  std::vector<std::string> cells;
  for (int row = 0; row <= lastRow; ++row)
    cells.push_back(sheet.Cell(col, row));
  return cells;
}

void FillSheetColumn(ScoreSheet& sheet, int col, const std::vector<std::string>& items) {
  const int rows = std::min(static_cast<int>(items.size()), sheet.RowCount());
  for (int row = 0; row < rows; ++row)
    sheet.SetCell(col, row, items[row]);
}

void ResumeGame(Game& game, const SavedGame& saved,
                const std::array<std::optional<std::string>, kSeatCount>& history) {
  game.Round = saved.Round;
  for (int seat = 0; seat < kSeatCount; ++seat)
    SetPoint(game, seat, saved.Points[seat]);
  ScoreSheet& sheet = game.Score;
  sheet.SetRowCount(game.Round + 1);
  for (int seat = 0; seat < kSeatCount; ++seat)
    if (history[seat])
      FillSheetColumn(sheet, seat + 1, ParseCommaText(*history[seat]));
  for (int row = 1; row <= game.Round; ++row)
    sheet.SetCell(0, row, RoundLabel(row).Render());
  if (sheet.RowCount() < ScoreSheet::kInitialRows)
    sheet.SetRowCount(ScoreSheet::kInitialRows);
  // A sheet resumed past ten rows needs a window tall enough to show them.
  game.Host.ScoreSheetRowsChanged();
}

bool LoadScoreValues(Game& game, RegistryKey* scoreKey) {
  std::optional<std::array<std::int32_t, kSeatCount>> totals;
  bool tookAll = true;
  if (scoreKey) {
    const auto stored = scoreKey->ReadBinary(kTotalsValue);
    if (stored.Ok())
      totals = DecodeTotals(stored.Value);
    tookAll = totals || stored.Status == ReadStatus::Missing;
  }
  for (int seat = 0; seat < kSeatCount; ++seat)
    game.Seats[seat].Total = totals ? (*totals)[seat] : 0;

  if (!scoreKey)
    return tookAll;
  const auto now = scoreKey->ReadBinary(kNowValue);
  const std::optional<SavedGame> saved = now.Ok() ? DecodeNow(now.Value) : std::nullopt;
  if (!saved && now.Status != ReadStatus::Missing)
    tookAll = false;
  std::array<std::optional<std::string>, kSeatCount> history;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const auto column = scoreKey->ReadString(HistoryValueName(seat));
    if (column.Ok())
      history[seat] = column.Value;
    // Items past the game's last round have no row to go to.
    if (column.Status != ReadStatus::Missing &&
        (!saved || !column.Ok() ||
         static_cast<int>(ParseCommaText(column.Value).size()) > saved->Round + 1))
      tookAll = false;
  }
  if (saved)
    ResumeGame(game, *saved, history);
  return tookAll;
}

bool SaveScoreValues(Game& game, RegistryKey& scoreKey) {
  std::array<std::int32_t, kSeatCount> totals{};
  for (int seat = 0; seat < kSeatCount; ++seat)
    totals[seat] = game.Seats[seat].Total;
  if (!scoreKey.WriteBinary(kTotalsValue, EncodeTotals(totals)))
    return false;

  if (game.Round <= 0) {
    if (!scoreKey.DeleteValue(kNowValue))
      return false;
    for (int seat = 0; seat < kSeatCount; ++seat)
      if (!scoreKey.DeleteValue(HistoryValueName(seat)))
        return false;
    return true;
  }
  SavedGame saved;
  saved.Round = game.Round;
  for (int seat = 0; seat < kSeatCount; ++seat)
    saved.Points[seat] = game.Seats[seat].Point;
  if (!scoreKey.WriteBinary(kNowValue, EncodeNow(saved)))
    return false;
  game.Score.SetRowCount(game.Round + 1);
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const std::string text = ToCommaText(SheetColumn(game.Score, seat + 1, game.Round));
    if (!scoreKey.WriteString(HistoryValueName(seat), text))
      return false;
  }
  return true;
}

}  // namespace zelvani
