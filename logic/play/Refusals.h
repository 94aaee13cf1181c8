// Why a click or key of the human did nothing: one short line for the status bar, shown
// by the handler that refused (ShowNotice) until the next action. Refusals that the rules
// tell in a message box keep their boxes and are not here.
#pragma once

#include <string>

#include "logic/play/MeldRules.h"

#include "logic/program/Text.h"

namespace zelvani {

struct Game;

// What the human tried.
enum class HumanAction { Draw, Claim, Select, Lay, Discard };

// The reason the action does not fit the state, or empty when it does.
Text ActionRefusal(const Game& game, HumanAction action);
// Why the human's selected cards could not be laid into `meld` with this silent verdict
// (LayVerdict::NothingSelected or LayVerdict::NoMeld).
Text MeldRefusal(const MeldRecord& meld, const HandRecord& hand, LayVerdict verdict);
// Shows the reason as a notice; an empty reason shows nothing.
void Refuse(Game& game, const Text& reason);

inline Text ClaimedCardStays() {
  return Translatable("Refusals", "ポン・チーしたカードは選んだままです。");
}

}  // namespace zelvani
