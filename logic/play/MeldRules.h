// The single authority on melds: what a selection may be laid as, and the lay itself.
// The human and the computer seats use the same rules; only the human hears why not.
#pragma once

#include <cstdint>

#include "logic/table/Records.h"

#include "logic/program/Text.h"

namespace zelvani {

struct Game;

struct MeldClass {
  MeldKind Kind = MeldKind::None;
  bool Valid = false;
};

// Classifies a set of ranks (bit r for rank index r) and suits (bit s for suit s).
MeldClass ClassifyMeld(std::uint16_t ranks, std::uint8_t suits);

enum class LayVerdict {
  Laid,
  ClaimNeedsNewMeld,
  LastCard,
  NothingSelected,
  NoMeld,
  PonNeedsSameRank,
  ChiiNoSeven,
};

struct Judgement {
  LayVerdict Verdict = LayVerdict::NoMeld;
  // The classification, when the cards made a valid meld (Valid false otherwise).
  MeldClass Meld;
};

// Judges laying the hand's selected cards into `meld`. Changes nothing.
Judgement JudgeLay(const MeldRecord& meld, const HandRecord& hand);

// The text told to the human in a box for a verdict, empty when no box is shown.
Text VerdictMessage(LayVerdict verdict);
// The caption of a meld window of the kind.
Text MeldLabel(MeldKind kind);

// Lays the selected cards of `seat` into meld window `window`. Returns false, with
// everything as it was (but for cleared pon reservations), when refused. The human is
// told why, unless `quiet`: the computer player's rules lay silently for any seat.
bool LayMeld(Game& game, int window, int seat, bool quiet = false);

}  // namespace zelvani
