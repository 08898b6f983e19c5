// Judging the word built on the grid and scoring it.
#include <algorithm>

#include "core/scoring.h"
#include "game/form1.h"

namespace vocari {

void Form1::CmdOK_Click() {
  LabErr.foreColor = kRed;
  if (!Timer2.enabled) return;
  const std::string& word = state.playerWord;
  if (std::find(LisMie.items.begin(), LisMie.items.end(), word) != LisMie.items.end()) {
    refuse("Già c'è !");
    return;
  }
  if (!dict.isWord(word)) {
    refuse("Non c'è !");
    return;
  }
  LisMie.add(word);
  LabSol.caption = std::to_string(LisMie.listCount());
  const int points = wordPoints(word);
  if (word.size() >= kBonusLength) {
    LabErr.foreColor = kBlue;
    LabErr.caption = "Bonus lunghezza !";
  }
  // The score is a 16-bit number; it stops at its largest value rather than wrapping round.
  state.score = int16_t(std::min(32767, state.score + points));
  LabPun.caption = std::to_string(state.score);
  LisMie.visible = true;
}

}  // namespace vocari
