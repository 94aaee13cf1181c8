// Names between UTF-8 and code page 932.
#include <gtest/gtest.h>

#include "logic/storage/ShiftJis.h"

namespace zelvani {
namespace {

TEST(ShiftJis, ConvertsJapaneseBothWays) {
  EXPECT_EQ(Utf8ToCp932("なし"), "\x82\xc8\x82\xb5");
  EXPECT_EQ(Utf8ToCp932("Aｱ①"), "A\xb1\x87\x40");
  EXPECT_EQ(Cp932ToUtf8("\x82\xa0\x82\xc8\x82\xbd"), "あなた");
  for (const char* name : {"テルル", "タンタル", "セレン", "髙橋～", "ﾊﾝｶｸ", ""})
    EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932(name)), name);
}

TEST(ShiftJis, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp932("a😀b"), "a?b");
  EXPECT_EQ(Utf8ToCp932("é"), "?");
  // Broken UTF-8 costs one "?" per broken piece and never the next good character.
  EXPECT_EQ(Utf8ToCp932("x\xe3"
                        "y"),
            "x?y");
  EXPECT_EQ(Utf8ToCp932("\xff\xfe"), "??");
  EXPECT_EQ(Cp932ToUtf8("a\x82"), "a?");
  EXPECT_EQ(Cp932ToUtf8("\x82"
                        "\x20"
                        "b"),
            "? b");
}

TEST(ShiftJis, TruncationNeverSplitsACharacter) {
  const std::string sixteen = Utf8ToCp932("ああああああああああああああああ");
  ASSERT_EQ(sixteen.size(), 32u);
  EXPECT_EQ(TruncateCp932(sixteen, 31).size(), 30u);
  EXPECT_EQ(TruncateCp932("a" + sixteen, 31).size(), 31u);
  EXPECT_EQ(TruncateCp932("abc", 31), "abc");
  EXPECT_EQ(TruncateCp932("ab\xb1"
                          "c",
                          3),
            "ab\xb1");  // half-width kana is one byte
  // A lone lead byte at the end is dropped rather than kept as half a character.
  EXPECT_EQ(TruncateCp932("ab\x82", 31), "ab");
  EXPECT_EQ(TruncateCp932("", 31), "");
}

}  // namespace
}  // namespace zelvani
