#include "tools/selfplay/SelfPlayHost.h"

#include "tools/selfplay/TableChecker.h"

namespace zelvani {

MsgAnswer SelfPlayHost::MessageBox(const std::string& text, const std::string&, MsgButtons buttons,
                                   MsgIcon) {
  if (buttons == MsgButtons::Ok)
    return MsgAnswer::Ok;
  if (text == kNextRoundQuestion)
    return dealsNextRound_ ? MsgAnswer::Yes : MsgAnswer::No;
  if (text == kAbandonGameQuestion && abandonAgreed_) {
    abandonAgreed_ = false;
    return MsgAnswer::Yes;
  }
  if (checker_)
    checker_->Report("unexpected question: " + text);
  return MsgAnswer::No;
}

}  // namespace zelvani
