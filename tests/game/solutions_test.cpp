#include "game_fixture.h"

using namespace vocari;
using namespace vocari::testing;

namespace {

void selectWord(ListBox& list, const std::string& word) {
  const auto it = std::find(list.items.begin(), list.items.end(), word);
  ASSERT_NE(it, list.items.end()) << word;
  list.selected = int(it - list.items.begin());
}

TEST_F(GameTest, PressTracesTheFirstPathAndReleaseClearsTheGrid) {
  startKnownGame();
  form.setLabMostraValue(1);
  EXPECT_TRUE(form.ListS.visible);
  EXPECT_TRUE(form.Label1.visible);
  clickAll({25, 26});  // a word being built is discarded by the trace
  selectWord(form.ListS, "PORTA");
  form.ListS_MouseDown();
  EXPECT_EQ(form.LabelT.caption, "");
  EXPECT_FALSE(form.levaLast.enabled);
  EXPECT_FALSE(form.CmdOK.enabled);
  EXPECT_EQ(framedCount(), 5);
  EXPECT_EQ(visibleLines(), 4);
  for (int p : {13, 14, 15, 16}) {
    EXPECT_TRUE(form.Lin[p].visible) << p;
    EXPECT_EQ(form.Lin[p].borderColor, kLineHighlight) << p;
  }
  EXPECT_EQ(form.Lin[16].x2, form.dieCentre(22).first);
  EXPECT_EQ(form.Lin[16].y2, form.dieCentre(22).second);
  EXPECT_EQ(form.imgH[22].borderStyle, 1);
  EXPECT_EQ(form.state.lineColour, kLineHighlight);

  form.ListS_MouseUp();
  EXPECT_EQ(framedCount(), 0);
  EXPECT_EQ(visibleLines(), 0);
  for (int16_t p : dicePos) {
    EXPECT_EQ(form.Lin[p].borderColor, kLineRest);
    EXPECT_EQ(form.Lin[p].x2, form.Lin[p].x1);
    EXPECT_EQ(form.Lin[p].y2, form.Lin[p].y1);
  }
  EXPECT_EQ(form.state.lineColour, kLineRest);

  // The player's own list is traced too; a press with no selection traces nothing.
  clickAll({7, 8, 9, 10});
  form.CmdOK_Click();
  form.LisMie.selected = 0;
  form.LisMie_MouseDown();
  EXPECT_EQ(framedCount(), 4);
  form.LisMie_MouseUp();
  form.LisMie.selected = -1;
  form.LisMie_MouseDown();
  EXPECT_EQ(framedCount() + visibleLines(), 0);
}

TEST_F(GameTest, AWordLaidTwoWaysTakesTheFirstInStartAndDirectionOrder) {
  //   A S A X    "AS" starts at 7 (east to 8) before 9 (west to 8).
  startKnownGame("ASAXXXXXXXXXXXXX");
  ASSERT_EQ(form.ListS.items, (std::vector<std::string>{"AS", "SA"}));
  form.ListS.selected = 1;  // SA: from 8, east (9) comes before west (7)
  form.ListS_MouseDown();
  EXPECT_EQ(form.imgH[8].borderStyle, 1);
  EXPECT_EQ(form.imgH[9].borderStyle, 1);
  EXPECT_EQ(form.imgH[7].borderStyle, 0);
  EXPECT_EQ(form.Lin[8].x2, form.dieCentre(9).first);
}

TEST_F(GameTest, PressesBeforeTheSearchEndsAreIgnoredButReleasesClear) {
  platform.atYield.push_back([&] { clickAll({7, 8}); });
  platform.atYield.push_back([&] {
    form.ListS.items = {"CASA"};
    form.ListS.selected = 0;
    form.ListS_MouseDown();
    EXPECT_EQ(form.LabelT.caption, "CA");
    EXPECT_EQ(framedCount(), 2);
    form.ListS_MouseUp();
    EXPECT_EQ(form.LabelT.caption, "");
    EXPECT_EQ(framedCount(), 0);
  });
  startKnownGame();
  EXPECT_EQ(form.labMostra.caption, "Visualizza soluzioni (=7)");
}

}  // namespace
