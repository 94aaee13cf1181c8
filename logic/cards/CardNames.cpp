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

// A rank as a word: the letters become names in other languages ("Queen"), the numbers
// stay as they are.
Text RankText(int rank) {
  switch (rank) {
    case 0:
      return Translatable("Cards", "A");
    case 10:
      return Translatable("Cards", "J");
    case 11:
      return Translatable("Cards", "Q");
    case 12:
      return Translatable("Cards", "K");
    default:
      return Text::Verbatim(RankLabel(rank));
  }
}

Text SuitText(int suit) {
  switch (suit) {
    case 0:
      return Translatable("Cards", "スペード");
    case 1:
      return Translatable("Cards", "ハート");
    case 2:
      return Translatable("Cards", "ダイヤ");
    case 3:
      return Translatable("Cards", "クラブ");
    default:
      return {};
  }
}

Text CardText(int code) {
  if (!IsCard(code))
    return {};
  // %1 is the suit, %2 the rank.
  return Translatable("Cards", "%1の%2").Arg(SuitText(Suit(code))).Arg(RankText(RankIndex(code)));
}

Text CardsText(std::span<const int> cards) {
  std::vector<Text> items;
  if (cards.size() > 1 && AllOf(cards, SuitOf)) {
    for (int card : cards)
      items.push_back(RankText(RankIndex(card)));
    return Translatable("Cards", "%1の%2")
        .Arg(SuitText(Suit(cards.front())))
        .Arg(Text::Joined(Translatable("Cards", "・"), std::move(items)));
  }
  if (cards.size() > 1 && AllOf(cards, RankOf)) {
    for (int card : cards)
      items.push_back(SuitText(Suit(card)));
    return Translatable("Cards", "%1の%2")
        .Arg(Text::Joined(Translatable("Cards", "・"), std::move(items)))
        .Arg(RankText(RankIndex(cards.front())));
  }
  return CardListText(cards);
}

Text CardListText(std::span<const int> cards) {
  std::vector<Text> items;
  for (int card : cards)
    items.push_back(CardText(card));
  return Text::Joined(Translatable("Cards", "、"), std::move(items));
}

}  // namespace zelvani
