// The information window: the program name and version and the credits, closed by its button.
#pragma once

#include "core/game_state.h"
#include "forms/controls.h"

namespace vocari {

class Form4 {
 public:
  // ---- Window and controls (geometry in twips) ----
  // Titled as the options window is; it opens centred on the main window.
  static constexpr const char* kCaption = "     VOCARI - Informazioni";
  static constexpr int kClientWidth = 4170, kClientHeight = 2970;
  static constexpr Colour kBackColor = rgb(0, 0, 255);
  static constexpr Colour kTextColor = rgb(255, 255, 255);
  static constexpr Rect Label1Rect{840, 120, 2535, 375};
  static constexpr Rect Label2Rect{1800, 600, 2175, 735};
  static constexpr Rect Label3Rect{1800, 1800, 2175, 375};
  static constexpr Rect Command1Rect{3360, 2400, 495, 375};
  static constexpr Colour kCommand1Face = rgb(0, 0, 255);

  Label Label1{.caption = "Programma Vocari V.1", .foreColor = kTextColor};
  Label Label2{.caption = "Un gioco di parole\nin lingua italiana", .foreColor = kTextColor};
  Label Label3{.caption = "Parole da dizionari liberi", .foreColor = kTextColor};
  Button Command1;  // no caption: it shows the close picture

  // Set once the window has been closed (by the button or through the frame).
  bool unloaded = false;

  void Command1_Click() { unloaded = true; }
  void Form_Unload() { unloaded = true; }
};

}  // namespace vocari
