// The list of all solutions and the tracing of a listed word on the grid.
#include "core/path_walk.h"
#include "game/form1.h"

namespace vocari {

void Form1::setLabMostraValue(int value) {
  if (int(round.showSolutions) == value) return;
  round.showSolutions = value == 1;
  labMostra_Click();
}

void Form1::labMostra_Click() {
  const Shown shown{*this};
  round.messageColour = kRed;
}

// Both lists trace their selected word on a press and clear the grid on the release.
void Form1::pressOnList(const ListBox& list) {
  const Shown shown{*this};
  round.messageColour = kRed;
  if (!round.searched) return;
  showWordPath(list.selectedText());
}

void Form1::releaseList() {
  const Shown shown{*this};
  round.pen = kLineRest;
  clearGridMarks();
}

void Form1::ListS_MouseDown() { pressOnList(ListS); }
void Form1::LisMie_MouseDown() { pressOnList(LisMie); }
void Form1::ListS_MouseUp() { releaseList(); }
void Form1::LisMie_MouseUp() { releaseList(); }

// The keyboard moved a list's current entry: it is traced as a press traces it, and stays traced
// until the list loses the focus or the player picks a die.
void Form1::ListS_KeyMove() { pressOnList(ListS); }
void Form1::LisMie_KeyMove() { pressOnList(LisMie); }
void Form1::list_LostFocus() {
  if (round.trace.empty()) return;
  releaseList();
}

// The trace runs without yielding: it takes microseconds, and a release handled in the middle
// of it could otherwise leave a path on the grid.
void Form1::showWordPath(const std::string& word) {
  clearGridMarks();
  round.pen = kLineHighlight;
  round.trace = wordPath(state.board, word);
  for (std::size_t d = 0; d + 1 < round.trace.size(); ++d) round.lineColour[round.trace[d]] = round.pen;
}

void Form1::clearGridMarks() {
  for (int16_t p : dicePos) round.lineColour[p] = round.pen;
  round.trace.clear();
  round.path.clear();
  round.word.clear();
  round.message.clear();
  round.accepted = false;
}

// A word traced from the keyboard gives way to the word the player starts.
void Form1::dropTrace() {
  if (round.trace.empty()) return;
  round.pen = kLineRest;
  for (int p : round.trace) round.lineColour[p] = kLineRest;
  round.trace.clear();
}

}  // namespace vocari
