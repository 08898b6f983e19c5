// The splash window: the title, a spinning top that turns every 150 ms, and after about four
// seconds the hand-over to the main window.
#pragma once

#include <cstdint>
#include <functional>

#include "core/game_state.h"
#include "forms/controls.h"

namespace vocari {

class Form0 {
 public:
  // showMain shows the main window and runs its start-up; it returns once the main window is
  // ready, and the splash closes only then.
  explicit Form0(std::function<void()> showMain);

  // ---- Window and controls (geometry in twips) ----
  static constexpr int kClientWidth = 5700, kClientHeight = 3435;
  static constexpr Colour kBackColor = rgb(255, 192, 192);
  static constexpr Rect Image1{960, 120, 4545, 2205};
  static constexpr Rect Label1Rect{1800, 2280, 3615, 375};
  static constexpr Rect Label2Rect{1440, 2760, 4215, 375};
  static constexpr Rect TrottolaRect{0, 2040, 1395, 1395};
  static constexpr int kFrames = 4;
  static constexpr int kHandOverMs = 4000;

  Label Label1{.caption = "Il gioco delle parole"};
  Label Label2{.caption = "Realizzato dagli autori di Vocari"};
  // The Trot picture shown in Trottola, -1 while it is still empty.
  int Trottola = -1;
  Timer Timer1{.enabled = false, .interval = 150};

  // Form-level state: the frame index and the milliseconds elapsed (a 16-bit count; the timer
  // stops long before it could overflow).
  int frameIndex = 0;
  int16_t elapsed = 0;

  // Set once the splash has handed over and closed.
  bool unloaded = false;

  // ---- Handlers ----
  void Form_Load();
  void Timer1_Timer();

 private:
  std::function<void()> showMain_;
};

}  // namespace vocari
