// The splash's timing arithmetic: how long the wipe and the fade last, and how the
// caption's colour value steps down to black.
#include <gtest/gtest.h>

#include "logic/geometry/SplashAnimation.h"

namespace zelvani {
namespace {

constexpr int kLogoWidth = 256;

TEST(LogoAnimation, WipeOfTheLogoWidthTakesEightySixTicks) {
  int column = 0;
  int ticks = 0;
  while (IsWipeTick(column, kLogoWidth)) {
    column += kWipeColumnsPerTick;
    ++ticks;
  }
  EXPECT_EQ(ticks, 86);
  EXPECT_EQ(column, 258);
  // The last wipe tick starts on the last column inside the picture.
  EXPECT_TRUE(IsWipeTick(255, kLogoWidth));
  EXPECT_TRUE(IsWipeTick(256, kLogoWidth));
  EXPECT_FALSE(IsWipeTick(257, kLogoWidth));
}

TEST(LogoAnimation, OddRowsSweepInFromTheRightEdge) {
  EXPECT_EQ(OddRowColumn(0, kLogoWidth), 256);  // outside the picture: skipped
  EXPECT_EQ(OddRowColumn(1, kLogoWidth), 255);
  EXPECT_EQ(OddRowColumn(256, kLogoWidth), 0);
}

TEST(LogoAnimation, GreenFadesFourLevelsATickThenPausesBlackThenCloses) {
  std::int32_t color = kCaptionGreen;
  EXPECT_EQ(GreenOf(color), 255);
  EXPECT_EQ(RedOf(color), 0);
  EXPECT_EQ(BlueOf(color), 0);

  FadeStep step = NextFade(true, color);
  EXPECT_EQ(step.Action, FadeAction::Dim);
  EXPECT_EQ(step.Color, ColorValue(0, 251, 0));

  int dims = 0;
  color = kCaptionGreen;
  for (step = NextFade(true, color); step.Action == FadeAction::Dim; step = NextFade(true, color)) {
    color = step.Color;
    ++dims;
  }
  EXPECT_EQ(dims, 63);
  EXPECT_EQ(color, ColorValue(0, 3, 0));
  // The 64th fade tick makes the caption black and starts the pause.
  EXPECT_EQ(step.Action, FadeAction::Pause);
  EXPECT_EQ(step.Color, kCaptionBlack);
  // The tick after the pause closes the window.
  EXPECT_EQ(NextFade(true, step.Color).Action, FadeAction::Close);
}

TEST(LogoAnimation, ValuesAtOrBelowOneStepTurnBlack) {
  EXPECT_EQ(NextFade(true, kFadeStepValue).Action, FadeAction::Pause);
  const FadeStep justAbove = NextFade(true, kFadeStepValue + 1);
  EXPECT_EQ(justAbove.Action, FadeAction::Dim);
  EXPECT_EQ(justAbove.Color, 1);
  EXPECT_EQ(NextFade(true, 1).Color, kCaptionBlack);
}

TEST(LogoAnimation, AHiddenBlackCaptionDoesNotCloseTheWindow) {
  const FadeStep step = NextFade(false, kCaptionBlack);
  EXPECT_EQ(step.Action, FadeAction::Pause);
  EXPECT_EQ(step.Color, kCaptionBlack);
}

}  // namespace
}  // namespace zelvani
