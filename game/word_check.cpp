// Judging the word built on the grid and scoring it.
#include <algorithm>

#include "core/scoring.h"
#include "game/form1.h"

namespace vocari {

void Form1::CmdOK_Click() {
  const Shown shown{*this};
  round.messageColour = kRed;
  if (!round.clockRunning) return;
  const std::string& word = round.word;
  if (std::find(round.words.begin(), round.words.end(), word) != round.words.end()) {
    refuse("Già c'è !");
    return;
  }
  if (!dict.isWord(word)) {
    refuse("Non c'è !");
    return;
  }
  round.words.push_back(word);
  round.accepted = true;
  round.countShown = true;
  const int points = wordPoints(word);
  if (word.size() >= kBonusLength) say("Bonus lunghezza !", kBlue);
  // The score is a 16-bit number; it stops at its largest value rather than wrapping round.
  round.score = int16_t(std::min(32767, round.score + points));
}

}  // namespace vocari
