// What a screen reader sees of the game's own widgets: the dice as checkable buttons named by
// their letter and points, the board as the group "Griglia" holding them in reading order, and
// the message label LabErr and the end-of-game summary LabEsito as notifications whose changes
// are announced. The standard widgets
// keep Qt's own interfaces, which already expose the text they show.
#pragma once

class QLabel;

namespace vocari {

// Hands Qt the interfaces above. Idempotent; call it before any widget of the game is created.
void installAccessibleInterfaces();

// The accessible name of the board container.
inline constexpr const char* kBoardAccessibleName = "Griglia";

// Call after a label's text changed. QLabel itself reports the new name; a notification label
// (LabErr, LabEsito) with a message is also reported as shown again, which is what makes a screen reader
// speak a notification that is not under its focus.
void announceLabelChange(QLabel* label);

}  // namespace vocari
