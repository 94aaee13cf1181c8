// Texts kept as patterns and values: rendered in Japanese as the game always showed them,
// or translated whole, each language ordering its own words.
#include "logic/program/Text.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "logic/cards/CardNames.h"
#include "logic/cards/Cards.h"

namespace zelvani {
namespace {

// A translator that knows a few English patterns, the way the windows' translator does.
std::string English(const char* context, const char* pattern) {
  static const std::map<std::string, std::string> known = {
      {"%1の%2", "%2 of %1"},
      {"ハート", "Hearts"},
      {"ダイヤ", "Diamonds"},
      {"Q", "Queen"},
      {"・", ", "},
      {"、", ", "},
      {"%1：%2を捨てました", "%1 discarded the %2"},
  };
  const auto found = known.find(pattern);
  EXPECT_STRNE(context, "");
  return found == known.end() ? pattern : found->second;
}

TEST(Text, RendersTheJapaneseWithNoTranslator) {
  const Text discard =
      Translatable("MoveLog", "%1：%2を捨てました").Arg("テルル").Arg(CardText(CardCode(1, 11)));
  EXPECT_EQ(discard.Render(), "テルル：ハートのQを捨てました");
  EXPECT_EQ(CardsText(std::vector<int>{CardCode(2, 3), CardCode(2, 4), CardCode(2, 5)}).Render(),
            "ダイヤの4・5・6");
}

TEST(Text, IsTranslatedWholeWithItsPiecesInTheTranslationsOrder) {
  const Text discard =
      Translatable("MoveLog", "%1：%2を捨てました").Arg("Tellur").Arg(CardText(CardCode(1, 11)));
  EXPECT_EQ(discard.Render(English), "Tellur discarded the Queen of Hearts");
  EXPECT_EQ(
      CardsText(std::vector<int>{CardCode(2, 3), CardCode(2, 4), CardCode(2, 5)}).Render(English),
      "4, 5, 6 of Diamonds");
}

TEST(Text, AValueIsNeverReadAsAPattern) {
  // A player may well be called "%2".
  EXPECT_EQ(Translatable("MoveLog", "%1：%2を捨てました").Arg("%2").Arg("%1").Render(),
            "%2：%1を捨てました");
  EXPECT_EQ(FillPlaceholders("%1 and %3", {"a"}), "a and %3");
}

}  // namespace
}  // namespace zelvani
