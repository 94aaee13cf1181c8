#include <gtest/gtest.h>

#include "logic/scoring/HiScore.h"
#include "logic/settings/FileNames.h"
#include "logic/settings/OptionRules.h"
#include "logic/settings/SettingsStore.h"

namespace zelvani {
namespace {

TEST(OptionRules, PresetsGiveTheOfficialRulesWhateverCameBefore) {
  RuleSettings odd;
  odd.StartPoint = 12;
  odd.ZeroSum = true;
  odd.UseEndTerm = true;
  odd.EndTerm = 4;
  odd.RunOutLimit = 9;
  odd.DealerRule = 3;
  odd.PonWaitMs = 77;
  const RuleSettings one = WithPreset(odd, kOfficialRule1);
  EXPECT_EQ(OfficialRuleOf(one), 0);
  EXPECT_EQ(one.EndTerm, 4);  // the first preset leaves the rounds alone
  EXPECT_EQ(one.RunOutLimit, 3);
  EXPECT_EQ(one.DealerRule, 0);
  EXPECT_EQ(one.PonWaitMs, 77);  // waits are no part of a preset
  const RuleSettings two = WithPreset(odd, kOfficialRule2);
  EXPECT_EQ(OfficialRuleOf(two), 1);
  EXPECT_EQ(two.EndTerm, 10);
}

TEST(OptionRules, TypedNamesAreReadAgainstTheEarlierFilesFolder) {
  // Compared as full paths: on Windows a path from the root still gets its drive.
  EXPECT_EQ(ResolveTypedFileName("/cards/sets/Old.bmp", "New.bmp"),
            FullPath("/cards/sets/New.bmp"));
  // Japanese names come back as they were typed, on Windows as well.
  EXPECT_TRUE(ResolveTypedFileName("/カード/Old.bmp", "新しい.bmp")
                  .ends_with(std::string("カード") + kPathSeparator + "新しい.bmp"));
  EXPECT_TRUE(SameFullPath("/a/b/../c.wav", "/a/c.wav"));
  EXPECT_FALSE(SameFullPath("/a/C.wav", "/a/c.wav"));
  EXPECT_EQ(DealerRuleItem(2), 2);
  EXPECT_EQ(DealerRuleItem(7), 0);
  EXPECT_EQ(DealerRuleItem(-1), 0);
}

}  // namespace
}  // namespace zelvani
