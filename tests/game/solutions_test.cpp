#include <tuple>

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

// The trace takes the first path in start and direction order, never uses a die twice, and may
// start on any die, the last one included.
TEST_F(GameTest, TheTraceTakesTheFirstPathThatUsesEachDieOnce) {
  const std::tuple<const char*, const char*, std::vector<int>> cases[] = {
      {"ASAXXXXXXXXXXXXX", "SA", {8, 9}},  // from 8, east (9) before west (7)
      {"ASAXXXXXXXXXXXXX", "AS", {7, 8}},  // 7 starts before 9
      {"CASXXXXXXXXXCASA", "CASA", {25, 26, 27, 28}},  // not 7, 8, 9 and back to 8
      {"XXXXXXXXXXXXXXSA", "AS", {28, 27}},
  };
  for (const auto& [dice, word, path] : cases) {
    SCOPED_TRACE(std::string(dice) + " " + word);
    startKnownGame(dice);
    selectWord(form.ListS, word);
    form.ListS_MouseDown();
    // Framed: the path's dice; a line from each but the last to the next.
    EXPECT_EQ(framedCount() + visibleLines(), int(2 * path.size() - 1));
    for (std::size_t i = 0; i < path.size(); ++i) {
      const Line& l = form.Lin[path[i]];
      const auto end = i + 1 < path.size() ? form.dieCentre(path[i + 1]) : std::pair(l.x1, l.y1);
      EXPECT_EQ(std::tuple(form.imgH[path[i]].borderStyle, l.x2, l.y2), std::tuple(1, end.first, end.second)) << path[i];
    }
    form.ListS_MouseUp();
  }
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
