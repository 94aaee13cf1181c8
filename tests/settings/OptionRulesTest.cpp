#include <gtest/gtest.h>

#include "score/HiScore.h"
#include "settings/FileNames.h"
#include "settings/OptionRules.h"
#include "settings/SettingsStore.h"

namespace zelvani {
namespace {

TEST(OptionRules, PresetsGiveTheOfficialRulesWhateverCameBefore) {
  RuleSettings odd;
  odd.StartPoint = 12;
  odd.ZeroSum = true;
  odd.UseEndTerm = true;
  odd.EndTerm = 4;
  odd.Ryukyoku = 9;
  odd.OyaRule = 3;
  odd.Wait0 = 77;
  const RuleSettings one = WithPreset(odd, kOfficialRule1);
  EXPECT_EQ(OfficialRuleOf(one), 0);
  EXPECT_EQ(one.EndTerm, 4);  // the first preset leaves the rounds alone
  EXPECT_EQ(one.Ryukyoku, 3);
  EXPECT_EQ(one.OyaRule, 0);
  EXPECT_EQ(one.Wait0, 77);  // waits are no part of a preset
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
  EXPECT_EQ(OyaRuleItem(2), 2);
  EXPECT_EQ(OyaRuleItem(7), 0);
  EXPECT_EQ(OyaRuleItem(-1), 0);
}

}  // namespace
}  // namespace zelvani
