#include "logic/settings/OptionRules.h"

#include <algorithm>

#include "logic/settings/FileNames.h"

namespace zelvani {

int DealerRuleItem(int dealerRule) {
  return dealerRule >= 0 && dealerRule < kDealerRuleCount ? dealerRule : 0;
}

bool IsTableScale(int percent) {
  return std::find(kTableScales.begin(), kTableScales.end(), percent) != kTableScales.end();
}

std::string ResolveTypedFileName(const std::string& earlierPath, const std::string& typedName) {
  if (IsRootedPath(typedName))
    return FullPath(typedName);
  return FullPath(DirectoryPart(earlierPath) + typedName);
}

bool SameFullPath(const std::string& a, const std::string& b) {
  return FullPath(a) == FullPath(b);
}

RuleSettings WithPreset(RuleSettings rules, const RulePreset& preset) {
  rules.StartPoint = preset.StartPoint;
  rules.ZeroSum = preset.ZeroSum;
  rules.UseEndTerm = preset.UseEndTerm;
  if (preset.EndTerm)
    rules.EndTerm = *preset.EndTerm;
  rules.RunOutLimit = preset.RunOutLimit;
  rules.DealerRule = preset.DealerRule;
  return rules;
}

}  // namespace zelvani
