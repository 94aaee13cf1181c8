#include "logic/cards/CardNames.h"

namespace zelvani {

namespace {

bool AllOf(std::span<const int> cards, int (*part)(int)) {
  for (int card : cards)
    if (!IsCard(card) || part(card) != part(cards.front()))
      return false;
  return true;
}

int SuitOf(int code) {
  return Suit(code);
}
int RankOf(int code) {
  return RankIndex(code);
}

}  // namespace

const char* SuitName(int suit) {
  constexpr const char* kNames[kSuitCount] = {"スペード", "ハート", "ダイヤ", "クラブ"};
  return suit >= 0 && suit < kSuitCount ? kNames[suit] : "";
}

std::string CardName(int code) {
  if (!IsCard(code))
    return {};
  return std::string(SuitName(Suit(code))) + "の" + RankLabel(RankIndex(code));
}

std::string CardsName(std::span<const int> cards) {
  std::string text;
  if (cards.size() > 1 && AllOf(cards, SuitOf)) {
    text = std::string(SuitName(Suit(cards.front()))) + "の";
    for (std::size_t i = 0; i < cards.size(); ++i)
      text += (i > 0 ? "・" : "") + std::string(RankLabel(RankIndex(cards[i])));
  } else if (cards.size() > 1 && AllOf(cards, RankOf)) {
    for (std::size_t i = 0; i < cards.size(); ++i)
      text += (i > 0 ? "・" : "") + std::string(SuitName(Suit(cards[i])));
    text += std::string("の") + RankLabel(RankIndex(cards.front()));
  } else {
    for (std::size_t i = 0; i < cards.size(); ++i)
      text += (i > 0 ? "、" : "") + CardName(cards[i]);
  }
  return text;
}

}  // namespace zelvani
