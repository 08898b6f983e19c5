// The options window: season colour scheme, dealing method and game time. It writes the shared
// settings directly (there is no cancel) and tells the main window of an accepted game time.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/game_state.h"
#include "core/number_text.h"
#include "forms/controls.h"

namespace vocari {

class Form5 {
 public:
  // timed: a game is being timed, so the game time cannot change. gameTimeSet runs when a game
  // time has been accepted (the main window's clock shows it).
  Form5(Settings& settings, bool timed, std::function<void()> gameTimeSet);

  // ---- Window and controls (geometry in twips) ----
  static constexpr const char* kCaption = "     VOCARI - Opzioni";
  static constexpr int kClientWidth = 4680, kClientHeight = 6375;
  static constexpr Colour kBackColor = rgb(192, 255, 255);
  static constexpr Rect Frame1{240, 1320, 4215, 1815};
  static constexpr Colour kFrame1Color = rgb(255, 224, 192);
  static constexpr Rect Frame2{240, 3240, 4215, 1575};
  static constexpr Colour kFrame2Color = rgb(192, 255, 192);

  static constexpr int kEnterKey = 13;
  // Accepted game times, in seconds: at least the default time. The upper bound keeps the 16-bit
  // copy exact.
  static constexpr double kMinGameTime = kDefaultGameTime, kMaxGameTime = 32767;
  // Text1's tooltip: the accepted range, "Da 120 a 32767 secondi".
  static std::string text1ToolTip();

  Label Label1{.caption = "- Tempo partita (sec)"};
  Label Label2{.caption = "- Aspetto e colori:"};
  Label Label3{.caption = "almeno " + formatNumber(kMinGameTime) + " secondi"};  // "almeno 120 secondi"
  Label Label4{.caption = "- Casualizzazione:"};
  // The hint after a key in Text1; after a refused Enter, why the time was refused, in red.
  static constexpr const char* kHint = "Se si è modificato il Tempo partita, dare Invio";
  static std::string refusal();  // "Il tempo va da 120 a 32767 secondi"
  Label Label5{.caption = kHint, .visible = false};
  std::array<OptionButton, 4> OptAsp{{{.caption = "Inverno (std)", .value = true},
                                      {.caption = "Estate"},
                                      {.caption = "Primavera"},
                                      {.caption = "Autunno"}}};
  std::array<OptionButton, 3> OptMet{
      {{.caption = "Metodo Std", .value = true}, {.caption = "Metodo R"}, {.caption = "Metodo C"}}};
  TextBox Text1;
  Button Command1{.caption = "OK"};

  // Set once the window has been closed (by the button or through the frame).
  bool unloaded = false;

  // ---- Handlers ----
  void Form_Load();
  void OptAsp_Click(int index);
  void OptMet_Click(int index);
  // Selects one element of the array, as the user's click or a program change does: the element
  // is checked, the others cleared, and the click handler runs. Indices out of range are ignored.
  void selectOptAsp(int index);
  void selectOptMet(int index);
  // A key released in Text1; Text1.text already holds the field's text.
  void Text1_KeyUp(int keyCode);
  void Command1_Click();
  // Closing through the window frame: the same as the button.
  void Form_Unload();

 private:
  void showGameTime();

  Settings& settings_;
  bool timed_;
  std::function<void()> gameTimeSet_;
};

}  // namespace vocari
