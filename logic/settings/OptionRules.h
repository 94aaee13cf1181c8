// The rules behind the options dialog that need no window: the two official presets,
// the ranges the number fields accept, the dealer-rule item to show, and how the file
// names typed into the dialog are read.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "logic/table/Records.h"

namespace zelvani {

// What a preset button puts into the rule tab; an EndTerm left empty keeps the field.
struct RulePreset {
  int StartPoint;
  bool ZeroSum;
  bool UseEndTerm;
  std::optional<int> EndTerm;
  int RunOutLimit;
  int DealerRule;
};

// "公式ルール１": the game ends when a seat's points run out, no winner's bonus.
inline constexpr RulePreset kOfficialRule1{300, false, false, std::nullopt, 3, 0};
// "公式ルール２": ten rounds with the winner's bonus.
inline constexpr RulePreset kOfficialRule2{300, true, true, 10, 3, 0};

// The rules with a preset's values put in (an empty EndTerm keeps the one they had).
RuleSettings WithPreset(RuleSettings rules, const RulePreset& preset);

// Inclusive bounds of a number field. Waits below 0 ms, and counts or start points
// below 1, make no game, so the fields never offer them.
struct NumberRange {
  int Minimum;
  int Maximum;
};
inline constexpr NumberRange kStartPointRange{1, 99999};
inline constexpr NumberRange kEndTermRange{1, 999};
inline constexpr NumberRange kRunOutLimitRange{1, 99};
inline constexpr NumberRange kWaitRange{0, 9999};

// The dealer rules offered, "ランダム" .. "勝った人".
inline constexpr int kDealerRuleCount = 4;
// The item shown for a stored dealer rule: rules without an item show the first one,
// and so are stored as that one once the dialog is confirmed.
int DealerRuleItem(int dealerRule);

// The sizes "表示倍率" offers for the whole table, in percent, beside "自動": no size
// stored, the screen's own scale.
inline constexpr std::array<int, 4> kTableScales = {100, 125, 150, 200};
bool IsTableScale(int percent);

// The full path of a name typed into a file field: taken relative to the folder of
// the file chosen before (`earlierPath`), or to the current folder when that had none.
// A name typed from the root of a drive or folder tree stays as it was typed.
std::string ResolveTypedFileName(const std::string& earlierPath, const std::string& typedName);

// Two names denote the same file when their full paths are the same text exactly.
bool SameFullPath(const std::string& a, const std::string& b);

}  // namespace zelvani
