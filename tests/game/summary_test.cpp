// The solution list: a press on a word traces its path; at the end of a game, the summary of
// points and words against every solution, the verdict of a competition, and the found words
// marked among the solutions.
#include <tuple>

#include "game/game_summary.h"
#include "game_fixture.h"
#include "savegame/game_file.h"

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
  // Framed: the path's dice; a line in the trace colour from each but the last to the next.
  const std::vector<int> path = {13, 14, 15, 16, 22};
  EXPECT_EQ(shown(), (Shown{"", "", "", path, {13, 14, 15, 16}, false, false, false}));
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    const Line& l = form.Lin[path[i]];
    const auto [x, y] = form.dieCentre(path[i + 1]);
    EXPECT_EQ(std::tuple(l.x2, l.y2, l.borderColor), std::tuple(x, y, kLineHighlight)) << path[i];
  }
  EXPECT_EQ(form.round.pen, kLineHighlight);

  form.ListS_MouseUp();
  const Shown cleared{"", "", "", {}, {}, false, false, false};
  EXPECT_EQ(shown(), cleared);
  for (int16_t p : dicePos) {
    const Line& l = form.Lin[p];
    EXPECT_EQ(std::tuple(l.x2, l.y2, l.borderColor), std::tuple(l.x1, l.y1, kLineRest)) << p;
  }
  EXPECT_EQ(form.round.pen, kLineRest);

  // The player's own list is traced too; a press with no selection traces nothing.
  clickAll({7, 8, 9, 10});
  form.CmdOK_Click();
  form.LisMie.selected = 0;
  form.LisMie_MouseDown();
  EXPECT_EQ(shown().framed.size(), 4u);
  form.LisMie_MouseUp();
  form.LisMie.selected = -1;
  form.LisMie_MouseDown();
  EXPECT_EQ(shown(), cleared);
}

TEST_F(GameTest, PressesBeforeTheSearchEndsAreIgnoredButReleasesClear) {
  platform.atYield.push_back([&] { clickAll({7, 8}); });
  platform.atYield.push_back([&] {
    form.ListS.items = {"CASA"};
    form.ListS.selected = 0;
    form.ListS_MouseDown();
    EXPECT_EQ(shown(), (Shown{"CA", "CA", "", {7, 8}, {7}, true, true, true}));
    form.ListS_MouseUp();
    EXPECT_EQ(shown(), (Shown{"", "", "", {}, {}, false, false, false}));
  });
  startKnownGame();
  EXPECT_EQ(form.labMostra.caption, "Visualizza soluzioni (=7)");
}

class SummaryTest : public GameTest {
 protected:
  void confirm(const std::vector<int>& dice) {
    form.levaAll_Click();
    clickAll(dice);
    form.CmdOK_Click();
  }
};

// The seven solutions of the grid, AS, CAS, CASA, LUMI, ORA, PORTA and SA, are worth
// 5 + 7 + 8 + 12 + 4 + 18 + 5 = 59 points.
TEST_F(SummaryTest, PointsAndWordsAgainstEverySolution) {
  startKnownGame();
  confirm({7, 8, 9, 10});       // CASA, 8
  confirm({13, 14, 15, 16, 22});  // PORTA, 18 with the bonus
  EXPECT_EQ(form.LabEsito.caption, "");
  runOutTheClock();
  EXPECT_EQ(form.LabEsito.caption, "Tempo scaduto: 26 punti su 59 possibili, 2 parole su 7");
  EXPECT_EQ(form.ListS.marked, (std::vector<bool>{false, false, true, false, false, true, false}));
  // Ticking the box afterwards leaves the marks; the next game takes summary and marks away.
  form.setLabMostraValue(1);
  EXPECT_EQ(form.ListS.marked, (std::vector<bool>{false, false, true, false, false, true, false}));
  startKnownGame();
  EXPECT_EQ(form.LabEsito.caption, "");
  EXPECT_TRUE(form.ListS.marked.empty());
}

// The clock runs out while the search is still going: the summary waits for the search.
TEST_F(SummaryTest, ClockRunningOutDuringTheSearch) {
  settings.gameTime = 2;
  platform.atYield.push_back([this] { form.Timer2_Timer(); });
  platform.atYield.push_back([this] {
    form.Timer2_Timer();
    EXPECT_FALSE(form.Timer2.enabled);
    EXPECT_EQ(form.LabEsito.caption, "");  // the solutions are not all known yet
  });
  startKnownGame();
  EXPECT_FALSE(form.Timer2.enabled);
  EXPECT_EQ(form.LabEsito.caption, "Tempo scaduto: 0 punti su 59 possibili, 0 parole su 7");
  EXPECT_EQ(form.ListS.marked, std::vector<bool>(7, false));
}

TEST_F(SummaryTest, CompetitionVerdicts) {
  // The player scores 8 (CASA) against the stored result; the game time is 120.
  struct Case {
    const char* name;
    double storedTime;
    int storedScore;
    const char* verdict;
  } cases[] = {
      {"won", 120, 5, "Gara: hai vinto, 8 a 5"},
      {"lost", 120, 20, "Gara: hai perso, 8 a 20"},
      {"tie", 120, 8, "Gara: pari, 8 a 8"},
      {"other time", 150.5, 8, "Gara: pari, 8 a 8 (tempo diverso: 120 s contro 150.5 s)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto path = dir / "gara.txt";
    write(path, writeGameFile(boardOf(kBoard), true, c.storedTime, c.storedScore));
    platform.openAnswer = path.string();
    form.mApri_Click();
    confirm({7, 8, 9, 10});
    runOutTheClock();
    EXPECT_EQ(form.LabEsito.caption,
              std::string("Tempo scaduto: 8 punti su 59 possibili, 1 parola su 7\n") + c.verdict);
  }
  // A normal game after the competition has no verdict.
  form.cmdNew_Click();
  runOutTheClock();
  EXPECT_EQ(form.LabEsito.caption.find("Gara"), std::string::npos);
}

// The line to paste: the date of a grid of the day, the share of the possible points rounded,
// the words, and the longest (the first found of equal length).
TEST_F(SummaryTest, TheCopiedResult) {
  const struct {
    std::optional<CalendarDate> daily;
    std::vector<std::vector<int>> words;
    const char* copied;
  } cases[] = {
      {CalendarDate{2027, 1, 5}, {{7, 8, 9, 10}, {13, 14, 15, 16, 22}},
       "Vocari · Sfida del 05/01/2027 · 26 punti su 59 (44 %) · 2 parole · la più lunga: PORTA"},
      {std::nullopt, {{7, 8, 9, 10}}, "Vocari · 8 punti su 59 (14 %) · 1 parola · la più lunga: CASA"},
      {std::nullopt, {{25, 26, 27, 28}, {7, 8, 9, 10}, {8, 9}},
       "Vocari · 25 punti su 59 (42 %) · 3 parole · la più lunga: LUMI"},
      {std::nullopt, {}, "Vocari · 0 punti su 59 (0 %) · 0 parole"},
  };
  for (const auto& c : cases) {
    startKnownGame();
    form.round.daily = c.daily;
    for (const auto& dice : c.words) confirm({dice.begin(), dice.end()});
    runOutTheClock();
    form.mCopia_Click();
    EXPECT_EQ(platform.clipboard, c.copied);
  }
}

TEST(StoredResult, ParsedOnlyInTheGameFileForm) {
  const struct {
    const char* text;
    std::optional<std::pair<double, double>> result;
  } cases[] = {
      {"120'-57#", std::pair{120.0, 57.0}}, {"150.5'-0#", std::pair{150.5, 0.0}}, {"120'-57", std::pair{120.0, 57.0}},
      {"", std::nullopt}, {"120", std::nullopt}, {"'-57#", std::nullopt}, {"120'-#", std::nullopt},
      {"abc'-5#", std::nullopt}, {"120'57#", std::nullopt},
  };
  for (const auto& c : cases) {
    const auto r = parseStoredResult(c.text);
    EXPECT_EQ(r.has_value(), c.result.has_value()) << c.text;
    if (r && c.result) {
      EXPECT_EQ(std::pair(r->time, r->score), *c.result) << c.text;
    }
  }
}

}  // namespace
