// The window drawn from the round: every caption, enabled and visible flag, list, frame and line
// of Form1 is set here and nowhere else.
#include <algorithm>
#include <cmath>
#include <tuple>

#include "core/number_text.h"
#include "game/form1.h"

namespace vocari {

void Form1::showRound() {
  showClockAndFlow();
  showWordAndScore();
  showSolutions();
  showGrid();
}

void Form1::showClockAndFlow() {
  const Round& r = round;
  LabTem.caption = r.secondsLeft() > 0 ? formatNumber(r.secondsLeft()) : "0";
  Timer2.enabled = r.clockRunning;
  Timer2.starts = r.clockStarts;
  mOpzioni.enabled = !r.clockRunning;
  cmdNew.enabled = !r.flowRunning() || r.newReleased;
  cmdExit.caption = "Fine";
  mGen.enabled = mApri.enabled = mSfida.enabled = r.phase != Phase::Dealing;
  mCopia.enabled = !r.summary.empty();
  cmdSave.enabled = mSave.enabled = r.inPlay;
  Label6.caption = r.quotas + std::string(std::size_t(r.stars), '*');
  Label5.visible = r.stars == 1;
  labGara.caption = r.opponentLine ? kCompetitionPrefix + *r.opponentLine : "";
  LabEsito.caption = r.summary;
  LabErr.caption = r.message;
  LabErr.foreColor = r.messageColour;
}

// The play controls: before the first game the word's heading, box and buttons show; from the
// first game on, all of them hide while a game is cleared and dealt and show while it is played.
void Form1::showWordAndScore() {
  const Round& r = round;
  const bool idle = r.phase == Phase::Idle;
  for (Label* l : {&Label2, &Label3, &LabSol, &LabPun}) l->visible = r.inPlay;
  for (Label* l : {&Label4, &LabelT}) l->visible = idle || r.inPlay;
  for (Button* b : {&levaLast, &levaAll}) b->visible = idle || r.inPlay;
  CmdOK.visible = r.inPlay;
  // A word accepted while the next board is dealt (the clock of the game before still running)
  // shows the player's list before play starts.
  LisMie.visible = r.inPlay || !r.words.empty();
  LisMie.items = r.words;
  LabelT.caption = r.clockRunning ? r.word : "";
  const bool building = r.clockRunning && !r.path.empty();
  levaLast.enabled = levaAll.enabled = building;
  // "OK" waits for a second die, but stays on when taking letters back leaves one.
  CmdOK.enabled = building && (r.path.size() > 1 || !r.dotShown);
  LabSol.caption = r.countShown ? std::to_string(r.words.size()) : "";
  LabPun.caption = r.words.empty() ? "" : std::to_string(r.score);
}

void Form1::showSolutions() {
  const Round& r = round;
  labMostra.visible = r.searched;
  labMostra.value = r.showSolutions ? 1 : 0;
  labMostra.caption = "Visualizza soluzioni (=" +
                      (r.lastSearch ? std::to_string(r.lastSearch->count) : std::string(12, ' ')) + ")";
  ListS.visible = Label1.visible = r.showSolutions;
  ListS.items = r.solutions;
  ListS.marked.clear();
  if (r.marksShown)
    for (const std::string& word : r.solutions)
      ListS.marked.push_back(std::find(r.words.begin(), r.words.end(), word) != r.words.end());
  LabTempo.visible = r.phase == Phase::Idle;
  LabTempo.caption = r.lastSearch ? "Ricerca completa in: " + formatNumber(r.lastSearch->seconds) + " sec." : "";
}

// Each die shows its tile, framed while taken; the line of each die of the word (or of the
// traced word) but the last runs to the next die, and a lone first die shows its line as a dot.
void Form1::showGrid() {
  const Round& r = round;
  for (int16_t p : dicePos) {
    imgH[p].letterIndex = r.tile[p];
    imgH[p].borderStyle = r.framed(p) ? 1 : 0;
    imgH[p].underCursor = r.cursorShown && p == r.cursor;
    const auto [x, y] = dieCentre(p);
    Lin[p] = Line{x, y, x, y, r.lineColour[p], false};
  }
  for (const std::vector<int>* marks : {&r.path, &r.trace})
    for (std::size_t d = 0; d + 1 < marks->size(); ++d) {
      Line& line = Lin[(*marks)[d]];
      std::tie(line.x2, line.y2) = dieCentre((*marks)[d + 1]);
      line.visible = true;
    }
  if (r.path.size() == 1 && r.dotShown) Lin[r.path[0]].visible = true;
}

}  // namespace vocari
