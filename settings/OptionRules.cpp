#include "settings/OptionRules.h"

#include "settings/FileNames.h"

namespace zelvani {

int OyaRuleItem(int oyaRule) {
  return oyaRule >= 0 && oyaRule < kOyaRuleCount ? oyaRule : 0;
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
  if (preset.EndTerm) rules.EndTerm = *preset.EndTerm;
  rules.Ryukyoku = preset.Ryukyoku;
  rules.OyaRule = preset.OyaRule;
  return rules;
}

}  // namespace zelvani
