// What a computer seat says when it claims the top discard, in the box, in the note that
// replaces the box, and to a screen reader.
#pragma once

#include <string>

#include "logic/cards/CardNames.h"
#include "logic/program/Text.h"

namespace zelvani {

enum class ClaimKind { Pon, Chii };

// The box's words: "ポンします", "チーします".
inline Text ClaimAnnouncement(ClaimKind kind) {
  return kind == ClaimKind::Pon ? Translatable("Claims", "ポンします")
                                : Translatable("Claims", "チーします");
}

// "タンタル：ダイヤの10をポンします": what the box is about, for a screen reader.
inline Text ClaimDescription(ClaimKind kind, const std::string& name, int card) {
  return (kind == ClaimKind::Pon ? Translatable("Claims", "%1：%2をポンします")
                                 : Translatable("Claims", "%1：%2をチーします"))
      .Arg(name)
      .Arg(CardText(card));
}

// "タンタル：ポンします（ダイヤの10）": the note shown instead of a box.
inline Text ClaimNote(ClaimKind kind, const std::string& name, int card) {
  return (kind == ClaimKind::Pon ? Translatable("Claims", "%1：ポンします（%2）")
                                 : Translatable("Claims", "%1：チーします（%2）"))
      .Arg(name)
      .Arg(CardText(card));
}

}  // namespace zelvani
