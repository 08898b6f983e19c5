// The game clock and the end of the program.
#include "core/number_text.h"
#include "game/form1.h"

namespace vocari {

void Form1::Timer2_Timer() {
  if (!Timer2.enabled) return;
  // The caption is the only store of the remaining time.
  LabTem.caption = formatNumber(leadingNumber(LabTem.caption) - 1);
  if (leadingNumber(LabTem.caption) > 0) return;
  Timer2.enabled = false;
  LabTem.caption = "0";
  CmdOK.enabled = false;
  levaLast.enabled = false;
  levaAll.enabled = false;
  LabelT.caption = "";
  mOpzioni.enabled = true;
  if (labMostra.visible) showSummary();
}

void Form1::cmdExit_Click() {
  LabErr.foreColor = kRed;
  if (cmdNew.enabled) {
    ++flowId_;  // any flow still on the stack stops at its next yield
    platform_.quit(0);
    return;
  }
  cmdExit.caption = "Fine";
  cmdNew.enabled = true;
}

void Form1::mfine_Click() { cmdExit_Click(); }

}  // namespace vocari
