// The comma text of the stored score-sheet columns.
#include <gtest/gtest.h>

#include "logic/storage/CommaText.h"

namespace zelvani {
namespace {

using Cells = std::vector<std::string>;

TEST(CommaText, WritesPlainCellsJoinedByCommas) {
  EXPECT_EQ(ToCommaText({"あなた", "300", "-20"}), "あなた,300,-20");
  EXPECT_EQ(ToCommaText({}), "");
  EXPECT_EQ(ToCommaText({"a", "", "b"}), "a,,b");
}

TEST(CommaText, QuotesCellsWithBlanksCommasAndQuotes) {
  EXPECT_EQ(ToCommaText({"Mr Smith", "1"}), "\"Mr Smith\",1");
  EXPECT_EQ(ToCommaText({"a,b"}), "\"a,b\"");
  EXPECT_EQ(ToCommaText({"say \"hi\""}), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(ToCommaText({"tab\there"}), "\"tab\there\"");
  EXPECT_EQ(ToCommaText({"x\"y"}), "\"x\"\"y\"");
}

TEST(CommaText, ASingleEmptyCellIsTwoQuotes) {
  EXPECT_EQ(ToCommaText({""}), "\"\"");
  EXPECT_EQ(ParseCommaText("\"\""), Cells{""});
}

TEST(CommaText, ParsesWhatItWrites) {
  const std::vector<Cells> columns = {
      {"あなた", "300", "280"},
      {"Mr Smith", "1"},
      {"a,b", "say \"hi\"", " lead", "trail "},
      {"", "x"},
      {"a", "", "b"},
  };
  for (const Cells& column : columns)
    EXPECT_EQ(ParseCommaText(ToCommaText(column)), column);
}

TEST(CommaText, SkipsBlanksAroundItems) {
  EXPECT_EQ(ParseCommaText("  a ,  b,c  "), (Cells{"a", "b", "c"}));
  EXPECT_EQ(ParseCommaText(" \"x y\" , 2"), (Cells{"x y", "2"}));
  EXPECT_EQ(ParseCommaText(""), Cells{});
  EXPECT_EQ(ParseCommaText("   "), Cells{});
}

TEST(CommaText, AnUnquotedItemEndsAtABlank) {
  EXPECT_EQ(ParseCommaText("a b,c"), (Cells{"a", "b", "c"}));
}

TEST(CommaText, EmptyItemsBetweenCommasCountButNotAfterTheLast) {
  EXPECT_EQ(ParseCommaText("a,,b"), (Cells{"a", "", "b"}));
  EXPECT_EQ(ParseCommaText(",b"), (Cells{"", "b"}));
  EXPECT_EQ(ParseCommaText("a,"), Cells{"a"});
}

TEST(CommaText, AnUnclosedQuoteRunsToTheEnd) {
  EXPECT_EQ(ParseCommaText("\"abc, def"), Cells{"abc, def"});
  EXPECT_EQ(ParseCommaText("\"ab\"cd"), (Cells{"ab", "cd"}));
}

}  // namespace
}  // namespace zelvani
