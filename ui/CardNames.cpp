#include "ui/CardNames.h"

#include <array>

#include "core/Cards.h"

namespace zelvani {

namespace {

// In the order of the card codes: the sheet's suits are spades, hearts, diamonds, clubs.
const std::array<const char*, kSuitCount> kSuitNames = {"スペード", "ハート", "ダイヤ", "クラブ"};
const std::array<const char*, kRankCount> kRankNames = {"Ａ", "２", "３",   "４", "５", "６", "７",
                                                        "８", "９", "１０", "Ｊ", "Ｑ", "Ｋ"};

}  // namespace

std::string CardName(int code) {
  if (!IsCard(code))
    return {};
  return std::string(kSuitNames[Suit(code)]) + "の" + kRankNames[RankIndex(code)];
}

}  // namespace zelvani
