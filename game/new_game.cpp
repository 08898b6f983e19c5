// Starting a game: clearing the previous one, dealing (or keeping a grid loaded from a file),
// starting the clock and searching every solution while the player already plays.
#include <cmath>

#include "board/deal.h"
#include "core/number_text.h"
#include "core/search.h"
#include "game/form1.h"

namespace vocari {

void Form1::mGen_Click() {
  // A second deal must not start inside a running one: it would take over the deal's state.
  // During the solution search the new game supersedes the running one, as "Nuovo" does.
  if (dealing_) return;
  cmdNew_Click();
}

void Form1::cmdNew_Click() {
  // A flow started while another runs (through "Nuovo" enabled again by "Fine") supersedes it:
  // the older flow stops at its next yield and touches nothing after it.
  const int flow = ++flowId_;
  flowRunning_ = true;

  // Clear the previous game.
  Label6.caption = "";
  LabErr.foreColor = kRed;
  cmdSave.enabled = false;
  mSave.enabled = false;
  cmdNew.enabled = false;
  setLabMostraValue(0);
  labMostra.visible = false;
  LabTempo.visible = false;
  LisMie.clear();
  LabelT.caption = "";
  levaLast.enabled = false;
  levaAll.enabled = false;
  CmdOK.enabled = false;
  LabSol.caption = "";
  state.score = 0;
  LabPun.caption = "";
  LabErr.caption = "";
  LabEsito.caption = "";
  setPlayControlsVisible(false);
  state.playerWord.clear();
  state.pickedCount = 0;
  state.lastPos = 0;
  LabTem.caption = formatNumber(settings.gameTime);

  // The board.
  if (settings.competitionPending) {
    labGara.visible = true;
  } else {
    labGara.caption = "";
    clearBoard();
    drawQuotas(state, random_);
    Label6.caption = std::to_string(state.vowelQuota) + "/" + std::to_string(state.consonantQuota) +
                     "/" + std::to_string(state.rareQuota);
    const DealHooks hooks{[this, flow] { return flowYield(flow); },
                          [this](int p, int i) { setDieLetter(p, i); }};
    setDealing(true);
    const bool dealt = deal(settings.methodIndex, state, random_, hooks);
    setDealing(false);
    if (!dealt) return;
  }

  // Start play.
  Label6.caption += "*";
  Label5.visible = true;
  settings.competitionPending = false;
  platform_.repaint();
  state.searchStart = platform_.clock();
  Label6.caption += "**";
  setPlayControlsVisible(true);
  cmdSave.enabled = true;
  mSave.enabled = true;
  Label5.visible = false;
  Timer2.enabled = true;
  ++Timer2.starts;  // the tick phase starts again with the new game's clock
  LabTem.caption = formatNumber(settings.gameTime);
  mOpzioni.enabled = false;
  ListS.clear();

  // Search.
  auto found = findSolutions(state.board, dict, [this, flow] { return flowYield(flow); });
  if (!found) return;
  ListS.items = std::move(*found);

  // After the search.
  LabSol.caption = "";
  cmdNew.enabled = true;
  labMostra.caption = "Visualizza soluzioni (=" + std::to_string(ListS.listCount()) + ")";
  labMostra.visible = true;
  state.searchEnd = platform_.clock();
  LabTempo.caption = "Ricerca completa in: " +
                     formatNumber(std::floor(state.searchEnd - state.searchStart)) + " sec.";
  flowRunning_ = false;
  // The clock ran out while the search was still going.
  if (!Timer2.enabled) showSummary();
}

// The controls of a game in play: the word being built with its buttons, the player's words
// with their headings, count and score.
void Form1::setPlayControlsVisible(bool visible) {
  for (Label* l : {&Label2, &Label3, &Label4, &LabelT, &LabSol, &LabPun}) l->visible = visible;
  for (Button* b : {&levaLast, &levaAll, &CmdOK}) b->visible = visible;
  LisMie.visible = visible;
}

// "Genera" and "Apri" are off while a board is dealt, and only then: a second deal would take
// over the running one's state, while during the search they supersede the game as "Nuovo" does.
void Form1::setDealing(bool dealing) {
  dealing_ = dealing;
  mGen.enabled = !dealing;
  mApri.enabled = !dealing;
}

}  // namespace vocari
