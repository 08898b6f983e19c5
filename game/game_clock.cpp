// The game clock and the end of the program.
#include "game/form1.h"

namespace vocari {

void Form1::Timer2_Timer() {
  const Shown shown{*this};
  if (!round.clockRunning) return;
  ++round.ticks;
  if (round.secondsLeft() > 0) return;
  round.clockRunning = false;
  if (round.phase == Phase::Searching || round.phase == Phase::Playing) round.phase = Phase::Over;
  if (round.searched) showSummary();
}

void Form1::cmdExit_Click() {
  const Shown shown{*this};
  round.messageColour = kRed;
  if (!round.flowRunning() || round.newReleased) {
    ++flowId_;  // any flow still on the stack stops at its next yield
    platform().quit(0);
    return;
  }
  round.newReleased = true;
}

void Form1::mfine_Click() { cmdExit_Click(); }

}  // namespace vocari
