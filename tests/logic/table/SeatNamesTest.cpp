#include <gtest/gtest.h>

#include "logic/table/SeatNames.h"
#include "support/TestTable.h"

namespace zelvani {
namespace {

TEST(SeatCaption, TheNameAloneOutsideAGameWithPointsDuringOne) {
  TestTable t;
  SetPlayerName(t.game, 1, "テルル");
  EXPECT_EQ(t.host.Calls.back(), "Caption 1 テルル");
  t.game.Round = 1;
  SetPoint(t.game, 1, 300);
  EXPECT_EQ(t.host.Calls.back(), "Caption 1 テルル   [300点]");
  SetPoint(t.game, 1, -15);
  EXPECT_EQ(SeatCaption(t.game, 1).Render(), "テルル   [-15点]");
  // The caption is rebuilt only by these two, so a renamed seat shows the new name.
  SetPlayerName(t.game, 1, "");
  EXPECT_EQ(t.host.Calls.back(), "Caption 1    [-15点]");
}

TEST(SeatCaption, ARenameToABlankNameIsRefused) {
  TestTable t;
  SetPlayerName(t.game, 1, "テルル");
  for (const char* blank : {"", "  ", "\u3000", " \u3000\t"}) {
    EXPECT_FALSE(RenameSeat(t.game, 1, blank)) << blank;
    EXPECT_EQ(t.game.Seats[1].PlayerName, "テルル");
  }
  EXPECT_EQ(t.host.Calls.back(), "Caption 1 テルル");
  EXPECT_TRUE(RenameSeat(t.game, 1, " ミナ "));  // spaces round a name are the player's
  EXPECT_EQ(t.host.Calls.back(), "Caption 1  ミナ ");
}

}  // namespace
}  // namespace zelvani
