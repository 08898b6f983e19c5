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
  // Framed: the path's dice; a line in the trace colour from each but the last to the next.
  const std::vector<int> path = {13, 14, 15, 16, 22};
  EXPECT_EQ(framedCount() + visibleLines(), 9);
  for (std::size_t i = 0; i < path.size(); ++i) {
    const Line& l = form.Lin[path[i]];
    const auto end = i + 1 < path.size() ? form.dieCentre(path[i + 1]) : std::pair(l.x1, l.y1);
    EXPECT_EQ(std::tuple(form.imgH[path[i]].borderStyle, l.visible, l.x2, l.y2),
              std::tuple(1, i + 1 < path.size(), end.first, end.second)) << path[i];
    EXPECT_TRUE(!l.visible || l.borderColor == kLineHighlight) << path[i];
  }
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
