#include "tools/selfplay/SelfPlayHost.h"

#include "tools/selfplay/TableChecker.h"

namespace zelvani {

MsgAnswer SelfPlayHost::MessageBox(const Text& text, const Text&, MsgButtons buttons, MsgIcon) {
  if (buttons == MsgButtons::Ok)
    return MsgAnswer::Ok;
  const std::string question = text.Render();
  if (question == kNextRoundQuestion)
    return dealsNextRound_ ? MsgAnswer::Yes : MsgAnswer::No;
  if (question == kAbandonGameQuestion && abandonAgreed_) {
    abandonAgreed_ = false;
    return MsgAnswer::Yes;
  }
  if (checker_)
    checker_->Report("unexpected question: " + question);
  return MsgAnswer::No;
}

}  // namespace zelvani
