// The secondary windows of the game, opened modally from the main window.
#pragma once

#include "game/form1.h"
#include "forms/platform.h"

class QWidget;

namespace vocari {

// Opens the viewer, the options window or the information window as a modal window over
// `parent` and returns when it has closed. The windows read and write the program-wide
// settings through `form1.settings` (the viewer reads `viewerText`; the options window writes
// the scheme, the method and the game time, and tells form1 of an accepted time: gameTimeSet).
void runModalWindow(ModalWindow which, Form1& form1, QWidget* parent);

}  // namespace vocari
