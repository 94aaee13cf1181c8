#include "logic/geometry/SplashAnimation.h"

namespace zelvani {

FadeStep NextFade(bool captionVisible, std::int32_t color) {
  if (captionVisible && color == kCaptionBlack)
    return {FadeAction::Close, color};
  if (color <= kFadeStepValue)
    return {FadeAction::Pause, kCaptionBlack};
  return {FadeAction::Dim, color - kFadeStepValue};
}

}  // namespace zelvani
