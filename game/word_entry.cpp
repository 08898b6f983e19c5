// Building a word on the grid: picking dice, taking letters back, typing letters.
#include "core/path_walk.h"
#include "game/form1.h"

namespace vocari {

void Form1::imgh_Click(int p) {
  LabErr.foreColor = kRed;
  if (!Timer2.enabled || !isDiePos(p)) return;
  if (p == state.lastPos) {
    levaLast_Click();
    return;
  }
  if (imgH[p].borderStyle == 1) {
    refuse("Già usata !");
    return;
  }
  if (state.pickedCount == 0) {
    Lin[p].x2 = Lin[p].x1;
    Lin[p].y2 = Lin[p].y1;
    Lin[p].visible = true;
  } else if (!areNeighbours(state.lastPos, p)) {
    refuse("Fuori zona !");
    return;
  }
  LabErr.caption = "";
  imgH[p].borderStyle = 1;
  if (state.pickedCount > 0) {
    const auto [x, y] = dieCentre(p);
    Lin[state.lastPos].x2 = x;
    Lin[state.lastPos].y2 = y;
    Lin[state.lastPos].visible = true;
  }
  state.pickedPos[state.pickedCount] = int16_t(p);
  ++state.pickedCount;
  if (state.pickedCount > 1) CmdOK.enabled = true;
  state.playerWord.push_back(state.board[p]);
  state.lastPos = int16_t(p);
  LabelT.caption = state.playerWord;
  levaLast.enabled = true;
  levaAll.enabled = true;
}

void Form1::imgH_DblClick(int) { levaAll_Click(); }

void Form1::levaLast_Click() {
  LabErr.foreColor = kRed;
  if (!Timer2.enabled || state.pickedCount <= 0) return;
  --state.pickedCount;
  imgH[state.pickedPos[state.pickedCount]].borderStyle = 0;
  if (!state.playerWord.empty()) state.playerWord.pop_back();
  LabelT.caption = state.playerWord;
  LabErr.caption = "";
  if (state.pickedCount > 0) {
    state.lastPos = state.pickedPos[state.pickedCount - 1];
    Lin[state.lastPos].visible = false;
  }
  if (state.pickedCount < 1) CmdOK.enabled = false;
  if (state.pickedCount == 0) {
    levaLast.enabled = false;
    levaAll.enabled = false;
    Lin[state.pickedPos[0]].visible = false;
    state.lastPos = -1;
  }
}

void Form1::levaAll_Click() {
  LabErr.foreColor = kRed;
  if (!Timer2.enabled) return;
  for (int i = state.pickedCount - 1; i >= 0; --i) {
    imgH[state.pickedPos[i]].borderStyle = 0;
    Lin[state.pickedPos[i]].visible = false;
  }
  state.pickedCount = 0;
  state.playerWord.clear();
  LabelT.caption = "";
  LabErr.caption = "";
  state.lastPos = -1;
  levaLast.enabled = false;
  levaAll.enabled = false;
  CmdOK.enabled = false;
}

// A typed letter extends the word as a click would. The current path is kept when a free
// neighbour of its last die shows the letter (the first in neighbour order); otherwise the word
// moves onto the first path that spells it, found by the same walk as the path trace.
void Form1::typeLetter(char letter) {
  LabErr.foreColor = kRed;
  if (!Timer2.enabled) return;
  letter = toCapital(letter);

  if (state.pickedCount > 0) {
    for (int16_t d : dirOffset) {
      const int q = state.lastPos + d;
      if (isDiePos(q) && state.board[q] == letter && imgH[q].borderStyle == 0) {
        imgh_Click(q);
        return;
      }
    }
  }

  const std::string word = state.playerWord + letter;
  std::vector<int> path;
  if (word.size() == 1) {
    for (int16_t p : dicePos)
      if (state.board[p] == letter) {
        path.push_back(p);
        break;
      }
  } else {
    path = wordPath(state.board, word);
  }
  if (path.empty()) {
    refuse("Fuori zona !");
    return;
  }
  levaAll_Click();
  for (int p : path) imgh_Click(p);
}

}  // namespace vocari
