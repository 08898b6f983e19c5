// Building a word on the grid: picking dice, taking letters back, typing letters.
#include <algorithm>

#include "core/path_walk.h"
#include "game/form1.h"
#include "game/messages.h"

namespace vocari {

bool Round::framed(int p) const {
  return std::find(path.begin(), path.end(), p) != path.end() ||
         std::find(trace.begin(), trace.end(), p) != trace.end();
}

void Form1::imgh_Click(int p) {
  const Shown shown{*this};
  round.messageColour = kRed;
  if (!round.clockRunning || !isDiePos(p)) return;
  dropTrace();
  if (p == round.lastDie()) {
    levaLast_Click();
    return;
  }
  if (round.framed(p)) {
    refuse("Già usata !");
    return;
  }
  if (!round.path.empty() && !areNeighbours(round.lastDie(), p)) {
    refuse("Fuori zona !");
    return;
  }
  round.message.clear();
  round.accepted = false;
  if (round.path.empty()) round.dotShown = true;
  round.path.push_back(p);
  round.word.push_back(state.board[p]);
}

void Form1::imgH_DblClick(int) { levaAll_Click(); }

// A drag is one word: it starts a new word with the die it leaves, so that a drag begun where
// the last word ended never runs on from that word.
void Form1::imgH_DragStart(int from) {
  levaAll_Click();
  imgh_Click(from);
}

void Form1::imgH_DragEnter(int p) {
  if (round.path.size() >= 2 && p == round.path[round.path.size() - 2])
    levaLast_Click();
  else if (p != round.lastDie())
    imgh_Click(p);
}

void Form1::imgH_DragEnd() {
  if (round.clockRunning && round.path.size() >= 2) CmdOK_Click();
}

void Form1::Griglia_Focus(bool focused) {
  const Shown shown{*this};
  round.cursorShown = focused;
}

void Form1::Griglia_MoveCursor(int rows, int columns) {
  const Shown shown{*this};
  const int row = std::clamp(rowOf(round.cursor) + rows, 1, kBoardSide - 2);
  const int column = std::clamp(columnOf(round.cursor) + columns, 1, kBoardSide - 2);
  round.cursor = row * kBoardSide + column;
}

void Form1::Griglia_Space() { imgh_Click(round.cursor); }

void Form1::levaLast_Click() {
  const Shown shown{*this};
  round.messageColour = kRed;
  if (!round.clockRunning || round.path.empty()) return;
  round.path.pop_back();
  if (!round.word.empty()) round.word.pop_back();
  round.message.clear();
  round.accepted = false;
  round.dotShown = false;  // a lone die left by taking letters back shows no dot
}

void Form1::levaAll_Click() {
  const Shown shown{*this};
  round.messageColour = kRed;
  if (!round.clockRunning) return;
  round.path.clear();
  round.word.clear();
  round.message.clear();
  round.accepted = false;
}

// A typed letter extends the word as a click would. The current path is kept when a free
// neighbour of its last die shows the letter (the first in neighbour order); otherwise the word
// moves onto the first path that spells it, found by the same walk as the path trace. After a
// word has been accepted the letter starts a new word, as "X" and then the letter would.
void Form1::typeLetter(char letter) {
  const Shown shown{*this};
  round.messageColour = kRed;
  if (!round.clockRunning) return;
  letter = toCapital(letter);
  if (std::none_of(dicePos.begin(), dicePos.end(), [&](int16_t p) { return state.board[p] == letter; })) {
    refuse(kLetterNotOnGrid);
    return;
  }
  dropTrace();
  if (round.accepted) levaAll_Click();

  if (!round.path.empty()) {
    for (int16_t d : dirOffset) {
      const int q = round.lastDie() + d;
      if (isDiePos(q) && state.board[q] == letter && !round.framed(q)) {
        imgh_Click(q);
        return;
      }
    }
  }

  const std::string word = round.word + letter;
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
