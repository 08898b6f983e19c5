
#include <cstdio>

#include "game_fixture.h"

using namespace vocari;
using namespace vocari::testing;

namespace {

TEST_F(GameTest, GameOnALoadedBoardKeepsItAndSearchesIt) {
  startKnownGame();
  EXPECT_EQ(form.Label6.caption, "***");
  EXPECT_FALSE(settings.competitionPending);
  EXPECT_TRUE(form.labGara.visible);
  EXPECT_EQ(form.state.board, boardOf(kBoard));
  // "C" is a one-letter line and is never listed; TANTE is not on the board.
  EXPECT_EQ(form.ListS.items, (std::vector<std::string>{"AS", "CAS", "CASA", "LUMI", "ORA", "PORTA", "SA"}));
  EXPECT_EQ(form.labMostra.caption, "Visualizza soluzioni (=7)");
  EXPECT_TRUE(form.labMostra.visible);
  EXPECT_EQ(form.labMostra.value, 0);
  EXPECT_FALSE(form.ListS.visible);
  EXPECT_EQ((std::vector<bool>{form.Timer2.enabled, form.mOpzioni.enabled, form.cmdNew.enabled,
                               form.cmdSave.enabled, form.mSave.enabled, form.CmdOK.visible,
                               form.CmdOK.enabled, form.Label5.visible, form.LabTempo.visible}),
            (std::vector<bool>{true, false, true, true, true, true, false, false, false}));
  for (Label* l : {&form.Label2, &form.Label3, &form.Label4, &form.LabelT, &form.LabSol, &form.LabPun})
    EXPECT_TRUE(l->visible);
  EXPECT_EQ(form.LabTem.caption, "120");
  EXPECT_EQ(form.LabTempo.caption, "Ricerca completa in: 0 sec.");
  EXPECT_FALSE(form.flowRunning());
  EXPECT_EQ(platform.repaints, 1);
}

TEST_F(GameTest, DealtGameShowsItsQuotasAndPictures) {
  for (int method = 0; method < 3; ++method) {
    settings.methodIndex = int16_t(method);
    form.cmdNew_Click();
    // vowels/consonants/rare letters as drawn, adding up to 16, then the three marks.
    int v = 0, c = 0, r = 0;
    char marks[4] = {};
    ASSERT_EQ(std::sscanf(form.Label6.caption.c_str(), "%d/%d/%d%3s", &v, &c, &r, marks), 4)
        << form.Label6.caption;
    EXPECT_EQ(std::string(marks), "***");
    EXPECT_EQ(v + c + r, 16);
    EXPECT_TRUE(v >= 4 && v <= 9 && r >= 1 && r <= 2) << form.Label6.caption;
    EXPECT_EQ(form.labGara.caption, "");
    for (int16_t p : dicePos) {
      ASSERT_GE(letterIndex(form.state.board[p]), 0);
      EXPECT_EQ(form.imgH[p].letterIndex, letterIndex(form.state.board[p]));
    }
  }
}

TEST_F(GameTest, SearchTimeIsWholeSecondsOnTheMonotonicClock) {
  platform.now = 86399.5;  // a reading taken just before what would be midnight
  platform.atYield.push_back([&] { platform.now = 86402.9; });
  startKnownGame();
  EXPECT_EQ(form.LabTempo.caption, "Ricerca completa in: 3 sec.");
}

TEST_F(GameTest, NewGameClearsTheShownSolutionsAndThePlayer) {
  startKnownGame();
  form.setLabMostraValue(1);
  EXPECT_TRUE(form.ListS.visible);
  EXPECT_TRUE(form.Label1.visible);
  clickAll({7, 8, 9, 10});
  form.CmdOK_Click();
  settings.gameTime = 150;
  startKnownGame();
  EXPECT_EQ(form.labMostra.value, 0);
  EXPECT_FALSE(form.ListS.visible);
  EXPECT_FALSE(form.Label1.visible);
  EXPECT_TRUE(form.LisMie.items.empty());
  EXPECT_EQ(form.state.score, 0);
  EXPECT_EQ(form.LabPun.caption, "");
  EXPECT_EQ(form.LabTem.caption, "150");
  EXPECT_EQ(form.state.playerWord, "");
}

TEST_F(GameTest, TickAndClickDuringTheSearchAreHandled) {
  platform.atYield.push_back([&] { form.Timer2_Timer(); });
  platform.atYield.push_back([&] { form.imgh_Click(7); });
  platform.atYield.push_back([&] { form.imgh_Click(8); });
  startKnownGame();
  EXPECT_EQ(form.LabTem.caption, "119");
  EXPECT_EQ(form.LabelT.caption, "CA");
  EXPECT_TRUE(form.CmdOK.enabled);
  EXPECT_EQ(form.labMostra.caption, "Visualizza soluzioni (=7)");
  form.levaAll_Click();
  clickAll({7, 8, 9, 10});
  form.CmdOK_Click();
  EXPECT_EQ(form.LabPun.caption, "8");
}

// "Genera" and "Apri" wait while a board is dealt (a second deal inside it would take over its
// state), but during the solution search they supersede the running game, as "Nuovo" does.
TEST_F(GameTest, MenuNewGameAndOpenAreIgnoredDuringTheDealButSupersedeTheSearch) {
  int ignoredAt = 0;
  platform.atYield.push_back([&] {
    EXPECT_TRUE(form.dealing());
    form.mGen_Click();
    form.mApri_Click();
    ignoredAt = platform.yields;
  });
  form.cmdNew_Click();
  EXPECT_EQ(ignoredAt, 1);
  EXPECT_TRUE(platform.dialogs.empty());
  EXPECT_EQ(form.Timer2.starts, 1);

  std::ofstream(dir / "gara.txt", std::ios::binary) << "LUMIXXXXXXXXXXXX\r\n'120'-3#\r\n";
  platform.openAnswer = (dir / "gara.txt").string();
  platform.atYield.push_back([&] {
    EXPECT_FALSE(form.dealing());
    form.mApri_Click();
  });
  startKnownGame();
  ASSERT_EQ(platform.dialogs.size(), 1u);
  // Only the opened game's results: the interrupted search added nothing.
  EXPECT_EQ(form.ListS.items, std::vector<std::string>{"LUMI"});
  EXPECT_EQ(form.labMostra.caption, "Visualizza soluzioni (=1)");
  EXPECT_EQ(form.labGara.caption, "Gara con: 120'-3#");

  platform.atYield.push_back([&] { form.mGen_Click(); });
  startKnownGame();
  EXPECT_NE(form.Label6.caption.find("/"), std::string::npos);  // a dealt game's quotas, not "***"
  EXPECT_EQ(form.labGara.caption, "");
  EXPECT_EQ(form.Timer2.starts, 5);
  EXPECT_FALSE(form.flowRunning() || form.dealing());
}

TEST_F(GameTest, FineDuringAFlowOnlyEnablesNewThenANewGameSupersedesTheFlow) {
  platform.atYield.push_back([&] {
    form.cmdExit_Click();
    EXPECT_EQ(platform.quitStatus, -1);
    EXPECT_TRUE(form.cmdNew.enabled);
    EXPECT_EQ(form.cmdExit.caption, "Fine");
    // The player presses the enabled "Nuovo": a new game on another board.
    form.state.board = boardOf("LUMIXXXXXXXXXXXX");
    settings.competitionPending = true;
    form.cmdNew_Click();
  });
  startKnownGame();
  // Only the inner game's results remain: the interrupted search added nothing.
  EXPECT_EQ(form.ListS.items, std::vector<std::string>{"LUMI"});
  EXPECT_EQ(form.labMostra.caption, "Visualizza soluzioni (=1)");
  EXPECT_EQ(form.Label6.caption, "***");
  EXPECT_FALSE(form.flowRunning());
  form.cmdExit_Click();
  EXPECT_EQ(platform.quitStatus, 0);
}

}  // namespace
