
#include <cstdio>
#include <tuple>

#include "board/daily_deal.h"
#include "board/deal.h"
#include "game_fixture.h"

using namespace vocari;
using namespace vocari::testing;

namespace {

// The search time is whole seconds on the monotonic clock: 2.7 s across what would be midnight
// shows as 2.
TEST_F(GameTest, GameOnALoadedBoardKeepsItAndSearchesIt) {
  platform.now = 86399.5;
  platform.atYield.push_back([&] { platform.now = 86402.2; });
  startKnownGame();
  EXPECT_EQ(form.Label6.caption, "***");
  EXPECT_FALSE(settings.competitionPending);
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
  EXPECT_EQ(form.LabTempo.caption, "Ricerca completa in: 2 sec.");
  EXPECT_FALSE(form.flowRunning());
  EXPECT_EQ(platform.repaints, 1);
}

TEST_F(GameTest, DealtGameShowsItsQuotasAndPictures) {
  for (int method = 0; method < 3; ++method) {
    settings.methodIndex = DealMethod(method);
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

TEST_F(GameTest, ADealtGameClearsTheLastGameAndStartsWithNoDiePicked) {
  // Two dice picked when the new game starts; its first click is a one-letter word wherever it
  // falls: on a die that was picked, on the last die picked, or far from both.
  for (int first : {9, 10, 28}) {
    SCOPED_TRACE(first);
    form.levaAll_Click();  // the word of the round before
    startKnownGame();
    form.setLabMostraValue(1);
    clickAll({7, 8, 9, 10});
    form.CmdOK_Click();
    form.levaAll_Click();
    clickAll({9, 10});
    form.Lin[16].borderColor = kLineHighlight;  // a line left in the trace colour
    settings.gameTime = 150;
    form.cmdNew_Click();
    EXPECT_EQ(std::tuple(form.labMostra.value, form.ListS.visible, form.Label1.visible, form.LisMie.listCount(),
                         form.round.score, form.LabPun.caption + form.LabelT.caption, form.LabTem.caption),
              std::tuple(0, false, false, 0, 0, "", "150"));
    EXPECT_EQ(shown().framed.size() + shown().lines.size(), 0u);
    for (int16_t p : dicePos) {
      const auto [x, y] = form.dieCentre(p);
      const Line& l = form.Lin[p];
      EXPECT_EQ(std::tuple(l.x1, l.y1, l.x2, l.y2, l.borderColor), std::tuple(x, y, x, y, kLineRest)) << p;
    }
    form.imgh_Click(first);
    EXPECT_EQ(std::tuple(form.LabelT.caption, int(shown().framed.size()), form.CmdOK.enabled, platform.beeps),
              std::tuple(std::string(1, form.state.board[first]), 1, false, 0));
  }
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

// "Genera" and "Apri" (and so Ctrl+N and Ctrl+O) are off and wait while a board is dealt (a
// second deal inside it would take over its state), but during the solution search they are back
// and supersede the running game, as "Nuovo" does.
TEST_F(GameTest, MenuNewGameAndOpenAreIgnoredDuringTheDealButSupersedeTheSearch) {
  int ignoredAt = 0;
  platform.atYield.push_back([&] {
    EXPECT_TRUE(form.dealing());
    EXPECT_FALSE(form.mGen.enabled || form.mApri.enabled || form.cmdNew.enabled);
    form.mGen_Click();
    form.mApri_Click();
    ignoredAt = platform.yields;
  });
  form.cmdNew_Click();
  EXPECT_EQ(ignoredAt, 1);
  EXPECT_TRUE(platform.dialogs.empty());
  EXPECT_EQ(form.Timer2.starts, 1);

  write(dir / "gara.txt", "LUMIXXXXXXXXXXXX\r\n'120'-3#\r\n");
  platform.openAnswer = (dir / "gara.txt").string();
  platform.atYield.push_back([&] {
    EXPECT_FALSE(form.dealing());
    EXPECT_TRUE(form.mGen.enabled && form.mApri.enabled);
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
  for (bool dealt : {true, false}) {
    SCOPED_TRACE(dealt ? "during the deal" : "during the search");
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
    if (dealt) form.cmdNew_Click();  // the first yield comes before the first letter drawn
    else startKnownGame();
    // Only the inner game's results remain: the interrupted flow dealt and added nothing.
    EXPECT_EQ(form.state.board, boardOf("LUMIXXXXXXXXXXXX"));
    EXPECT_EQ(form.ListS.items, std::vector<std::string>{"LUMI"});
    EXPECT_EQ(form.labMostra.caption, "Visualizza soluzioni (=1)");
    EXPECT_EQ(form.Label6.caption, "***");
    EXPECT_FALSE(form.flowRunning());
  }
}

TEST_F(GameTest, FineTwiceDuringTheSearchQuitsAndTheFlowStopsThere) {
  const std::string offered = form.labMostra.caption;
  platform.atYield.push_back([&] { form.cmdExit_Click(); });  // "Nuovo" available again
  platform.atYield.push_back([&] { form.cmdExit_Click(); });  // the program ends
  startKnownGame();
  EXPECT_EQ(std::tuple(platform.quitStatus, platform.yields, form.labMostra.visible, form.labMostra.caption,
                       form.ListS.listCount(), form.LabTempo.caption),
            std::tuple(0, 2, false, offered, 0, ""));
}

// The grid of the day: today's grid by the standard method at 120 s whatever the options say,
// named in the summary and the copied result, saved with its 120 s; the random source of the
// ordinary games is not touched, so the next "Nuovo" deals what it would have dealt anyway.
TEST_F(GameTest, TheGridOfTheDayIgnoresTheOptionsAndTheRunningRandomState) {
  settings.gameTime = 300;
  settings.methodIndex = DealMethod::ByRows;
  form.mCopia_Click();
  EXPECT_FALSE(form.mCopia.enabled);
  EXPECT_EQ(platform.clipboard, "");
  form.mSfida_Click();
  GameState daily;
  dealDaily(daily, 2026, 12, 7, {});
  EXPECT_EQ(form.state.board, daily.board);
  EXPECT_EQ(form.Label6.caption, "4/11/1***");  // the vowels, consonants and rare letters of that grid
  EXPECT_EQ(form.LabTem.caption, "120");
  int ticks = 0;
  for (; form.Timer2.enabled; ++ticks) form.Timer2_Timer();
  EXPECT_EQ(ticks, 120);
  EXPECT_EQ(form.LabEsito.caption, "Sfida del 07/12/2026: 0 punti su 0 possibili, 0 parole su 0");
  EXPECT_TRUE(form.mCopia.enabled);
  form.mCopia_Click();
  EXPECT_EQ(platform.clipboard, "Vocari · Sfida del 07/12/2026 · 0 punti su 0 (0 %) · 0 parole");
  platform.saveAnswer = (dir / "sfida.txt").string();
  form.mSave_Click();
  EXPECT_EQ(environment.files[platform.saveAnswer].substr(24), "'120'-0#\r\n");

  RealRandom twin{7};
  GameState ordinary;
  drawQuotas(ordinary, twin);
  deal(DealMethod::ByRows, ordinary, twin, {});
  form.cmdNew_Click();
  EXPECT_EQ(form.state.board, ordinary.board);
  EXPECT_NE(form.state.board, daily.board);
  EXPECT_EQ(form.LabTem.caption, "300");
  EXPECT_FALSE(form.mCopia.enabled);
}

}  // namespace
