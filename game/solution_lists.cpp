// The list of all solutions and the tracing of a listed word on the grid.
#include "core/path_walk.h"
#include "game/form1.h"

namespace vocari {

void Form1::setLabMostraValue(int value) {
  if (labMostra.value == value) return;
  labMostra.value = value;
  labMostra_Click();
}

void Form1::labMostra_Click() {
  LabErr.foreColor = kRed;
  const bool show = labMostra.value == 1;
  ListS.visible = show;
  Label1.visible = show;
}

// Both lists trace their selected word on a press and clear the grid on the release.
void Form1::pressOnList(const ListBox& list) {
  LabErr.foreColor = kRed;
  if (!labMostra.visible) return;
  selectedWord = list.selectedText();
  showWordPath();
}

void Form1::releaseList() {
  state.lineColour = kLineRest;
  clearGridMarks();
}

void Form1::ListS_MouseDown() { pressOnList(ListS); }
void Form1::LisMie_MouseDown() { pressOnList(LisMie); }
void Form1::ListS_MouseUp() { releaseList(); }
void Form1::LisMie_MouseUp() { releaseList(); }

// The trace runs without yielding: it takes microseconds, and a release handled in the middle
// of it could otherwise leave a path on the grid.
void Form1::showWordPath() {
  clearGridMarks();
  state.lineColour = kLineHighlight;
  const std::vector<int> path = wordPath(state.board, selectedWord);
  if (path.empty()) return;
  for (std::size_t d = 0; d + 1 < path.size(); ++d) {
    const int from = path[d], to = path[d + 1];
    imgH[from].borderStyle = 1;
    Lin[from].borderColor = state.lineColour;
    const auto [x, y] = dieCentre(to);
    Lin[from].x2 = x;
    Lin[from].y2 = y;
    Lin[from].visible = true;
  }
  imgH[path.back()].borderStyle = 1;
}

void Form1::clearGridMarks() {
  for (int16_t p : dicePos) {
    Lin[p].x2 = Lin[p].x1;
    Lin[p].y2 = Lin[p].y1;
    Lin[p].visible = false;
    Lin[p].borderColor = state.lineColour;
    imgH[p].borderStyle = 0;
  }
  state.pickedCount = 0;
  state.playerWord.clear();
  LabelT.caption = state.playerWord;
  LabErr.caption = "";
  state.lastPos = -1;
  levaLast.enabled = false;
  levaAll.enabled = false;
  CmdOK.enabled = false;
}

}  // namespace vocari
