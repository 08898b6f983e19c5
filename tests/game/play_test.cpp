// Building words with clicks and keys, taking letters back, the refusals and the game clock.
#include "game_fixture.h"

using namespace vocari;
using namespace vocari::testing;

namespace {

TEST_F(GameTest, ClicksAlongAPathBuildTheWordAndItsLines) {
  startKnownGame();
  form.imgh_Click(7);
  EXPECT_EQ(shown(), (Shown{"C", "C", "", {7}, {7}, false, true, true}));
  EXPECT_EQ(form.Lin[7].x2, form.Lin[7].x1);  // a point at the die's centre
  clickAll({8, 9, 10});
  const Shown casa{"CASA", "CASA", "", {7, 8, 9, 10}, {7, 8, 9}, true, true, true};
  EXPECT_EQ(shown(), casa);
  const Rect& g8 = form.imgH[8].geometry;  // the line ends at the middle of die 8's picture
  EXPECT_EQ(std::pair(form.Lin[7].x2, form.Lin[7].y2), std::pair(g8.left + g8.width / 2.0f, g8.top + g8.height / 2.0f));
  form.CmdOK_Click();
  EXPECT_EQ(form.LisMie.items, std::vector<std::string>{"CASA"});
  EXPECT_EQ(form.LabSol.caption + " " + form.LabPun.caption, "1 8");
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_EQ(shown(), casa);  // the word stays on the grid after it is accepted
  // Five letters score double, with the bonus in blue.
  form.levaAll_Click();
  clickAll({13, 14, 15, 16, 22});
  form.CmdOK_Click();
  EXPECT_EQ(form.LabErr.caption, "Bonus lunghezza !");
  EXPECT_EQ(form.LabErr.foreColor, kBlue);
  EXPECT_EQ(form.LabSol.caption + " " + form.LabPun.caption, "2 26");  // 8 + 2 * 9
  // The score stops at the largest 16-bit number.
  form.levaAll_Click();
  form.round.score = 32760;
  clickAll({25, 26, 27, 28});
  form.CmdOK_Click();
  EXPECT_EQ(form.LabPun.caption, "32767");  // LUMI is worth 12
}

struct Refusal {
  const char* name;
  std::vector<int> clicks;
  bool confirm;
  std::string message;
  std::string wordAfter;
};

class RefusalTable : public GameTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusalTable, FiveAlertsThenARedMessageAndNothingChanges) {
  startKnownGame();
  clickAll({7, 8, 9, 10});
  form.CmdOK_Click();  // CASA accepted
  form.levaAll_Click();
  const Refusal& r = GetParam();
  const int scoreBefore = form.round.score;
  clickAll(r.clicks);
  if (r.confirm) form.CmdOK_Click();
  EXPECT_EQ(platform.beeps, 5);
  EXPECT_EQ(form.LabErr.caption, r.message);
  EXPECT_EQ(form.LabErr.foreColor, kRed);
  EXPECT_EQ(form.round.word, r.wordAfter);
  EXPECT_EQ(form.round.score, scoreBefore);
  EXPECT_EQ(form.LisMie.listCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusalTable,
    ::testing::Values(Refusal{"NotTouching", {7, 8, 28}, false, "Fuori zona !", "CA"},
                      Refusal{"RowEndToNextRowStart", {10, 13}, false, "Fuori zona !", "A"},
                      Refusal{"DieAlreadyUsed", {7, 8, 14, 7}, false, "Già usata !", "CAO"},
                      Refusal{"WordAlreadyScored", {7, 8, 9, 10}, true, "Già c'è !", "CASA"},
                      Refusal{"WordNotInDictionary", {25, 26}, true, "Non c'è !", "LU"}),
    [](const auto& info) { return std::string(info.param.name); });

// The second die is taken only where it touches the first, diagonals included (7 -> 14): three
// dice around a corner, eight around a middle die.
TEST_F(GameTest, TheSecondDieMustTouchTheFirst) {
  startKnownGame();
  const std::vector<std::pair<int, std::vector<int>>> cases = {{7, {8, 13, 14}},
                                                               {14, {7, 8, 9, 13, 15, 19, 20, 21}}};
  for (const auto& [from, touching] : cases) {
    std::vector<int> taken;
    for (int16_t to : dicePos) {
      form.levaAll_Click();
      form.imgh_Click(from);
      form.imgh_Click(to);
      if (int(form.round.path.size()) == 2) taken.push_back(to);
    }
    EXPECT_EQ(taken, touching) << from;
  }
}

TEST_F(GameTest, TakingLettersBack) {
  startKnownGame();
  clickAll({7, 8, 9});
  form.imgh_Click(9);  // the last die again: removed, as "<" does
  EXPECT_EQ(shown(), (Shown{"CA", "CA", "", {7, 8}, {7}, true, true, true}));
  form.imgh_Click(9);  // and picked again
  EXPECT_EQ(form.LabelT.caption, "CAS");
  form.levaLast_Click();
  form.levaLast_Click();
  // One letter left by removal: OK stays enabled, and the word can be judged.
  EXPECT_EQ(form.LabelT.caption, "C");
  EXPECT_TRUE(form.CmdOK.enabled);
  form.CmdOK_Click();
  EXPECT_EQ(form.LisMie.items, std::vector<std::string>{"C"});
  form.levaLast_Click();
  EXPECT_EQ(form.round.lastDie(), kNoDie);
  EXPECT_FALSE(form.CmdOK.enabled || form.levaLast.enabled || !shown().lines.empty());
  form.imgh_Click(28);  // any die starts a new word
  EXPECT_EQ(form.LabelT.caption, "I");
  EXPECT_FALSE(form.CmdOK.enabled);  // one letter reached by picking
  // A double click first picks its die, then clears the whole word.
  form.imgh_Click(27);
  form.imgH_DblClick(27);
  EXPECT_EQ(shown(), (Shown{"", "", "", {}, {}, false, false, false}));
}

TEST_F(GameTest, AllSixteenDiceInOneWord) {
  startKnownGame();
  clickAll({7, 8, 9, 10, 16, 15, 14, 13, 19, 20, 21, 22, 28, 27, 26, 25});
  EXPECT_EQ(int(form.round.path.size()), 16);
  EXPECT_EQ(form.LabelT.caption, "CASATROPENTAIMUL");
}

TEST_F(GameTest, TheClockEndsTheGameAfterGameTimeTicks) {
  settings.gameTime = 120;
  startKnownGame();
  for (int i = 0; i < 119; ++i) form.Timer2_Timer();
  EXPECT_TRUE(form.Timer2.enabled);
  EXPECT_EQ(form.LabTem.caption, "1");
  clickAll({7, 8});
  form.Timer2_Timer();
  EXPECT_FALSE(form.Timer2.enabled);
  EXPECT_EQ(form.LabTem.caption, "0");
  EXPECT_TRUE(form.mOpzioni.enabled);
  const Shown ended{"CA", "", "", {7, 8}, {7}, false, false, false};  // the word stays framed
  EXPECT_EQ(shown(), ended);
  form.imgh_Click(28);
  form.imgh_Click(9);
  form.levaAll_Click();
  form.CmdOK_Click();
  form.typeLetter('S');
  EXPECT_EQ(shown(), ended);
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_TRUE(form.LisMie.items.empty());
}

TEST_F(GameTest, AFractionalTimeEndsOnTheFirstValueAtOrBelowZero) {
  settings.gameTime = 2.5;
  startKnownGame();
  EXPECT_EQ(runOutTheClock(10), (std::vector<std::string>{"1.5", "0.5", "0"}));
}

TEST_F(GameTest, NothingHappensBeforeTheFirstGame) {
  form.imgh_Click(7);
  form.CmdOK_Click();
  form.levaLast_Click();
  form.typeLetter('C');
  EXPECT_EQ(int(form.round.path.size()), 0);
  EXPECT_EQ(platform.beeps, 0);
  form.cmdExit_Click();
  EXPECT_EQ(platform.quitStatus, 0);
}

// Typing, alone and mixed with clicks and "<": what is shown and heard after every step.
TEST_F(GameTest, TypedLettersStepByStep) {
  //   C A S X     typing CASA: from the first C (7) only a way back over the A (8) would
  //   X X X X     end the word, so the word moves to the C at 25, as clicking 25-28 builds it.
  //   X X X X
  //   C A S A
  startKnownGame("CASXXXXXXXXXCASA");
  playSteps({{"c", {"C", "C", "", {7}, {7}, false, true, true}},
             {"a", {"CA", "CA", "", {7, 8}, {7}, true, true, true}},
             {"s", {"CAS", "CAS", "", {7, 8, 9}, {7, 8}, true, true, true}},
             {"a", {"CASA", "CASA", "", {25, 26, 27, 28}, {25, 26, 27}, true, true, true}},
             {"X", {"", "", "", {}, {}, false, false, false}},
             {"25", {"C", "C", "", {25}, {25}, false, true, true}},
             {"26", {"CA", "CA", "", {25, 26}, {25}, true, true, true}},
             {"27", {"CAS", "CAS", "", {25, 26, 27}, {25, 26}, true, true, true}},
             {"28", {"CASA", "CASA", "", {25, 26, 27, 28}, {25, 26, 27}, true, true, true}}});

  // Two equal letters: the second A is the die after the B, not the first one again.
  startKnownGame("ABAXXXXXXXXXXXXX");
  playSteps({{"a", {"A", "A", "", {7}, {7}, false, true, true}},
             {"b", {"AB", "AB", "", {7, 8}, {7}, true, true, true}},
             {"a", {"ABA", "ABA", "", {7, 8, 9}, {7, 8}, true, true, true}}});

  // A letter no die shows has its own message; one on the grid that cannot extend the word is out
  // of reach. Either way five alerts, and the word stays.
  startKnownGame();
  playSteps({{"c", {"C", "C", "", {7}, {7}, false, true, true}},
             {"a", {"CA", "CA", "", {7, 8}, {7}, true, true, true}},
             {"z", {"CA", "CA", "Lettera assente !", {7, 8}, {7}, true, true, true, 5}},
             {"i", {"CA", "CA", "Fuori zona !", {7, 8}, {7}, true, true, true, 10}},
             {"s", {"CAS", "CAS", "", {7, 8, 9}, {7, 8}, true, true, true, 10}}});

  // The mouse picks the second A; typing goes on from it along the clicked path: S (9), A (8).
  startKnownGame();
  playSteps({{"10", {"A", "A", "", {10}, {10}, false, true, true}},
             {"s", {"AS", "AS", "", {9, 10}, {10}, true, true, true}},
             {"a", {"ASA", "ASA", "", {8, 9, 10}, {9, 10}, true, true, true}},
             {"<", {"AS", "AS", "", {9, 10}, {10}, true, true, true}}});
}

// After Enter accepts a word, the next letter typed starts a new word; a refused word stays to be
// mended, and a die clicked after an accepted word still extends it.
TEST_F(GameTest, AfterAnAcceptedWordTypingStartsTheNextOne) {
  startKnownGame();
  const auto type = [&](const std::string& letters) {
    for (char c : letters) form.typeLetter(c);
  };
  type("casa");
  form.CmdOK_Click();
  type("lumi");
  EXPECT_EQ(std::pair(form.round.word, form.LabErr.caption), std::pair(std::string("LUMI"), std::string()));
  form.CmdOK_Click();
  type("ca");
  form.CmdOK_Click();
  EXPECT_EQ(form.LabErr.caption, "Non c'è !");
  type("s");
  form.CmdOK_Click();
  form.imgh_Click(10);
  EXPECT_EQ(form.round.word, "CASA");
  EXPECT_EQ(form.round.words, (std::vector<std::string>{"CASA", "LUMI", "CAS"}));
}

}  // namespace
