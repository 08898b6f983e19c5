#include "forms/form0.h"

#include <utility>

namespace vocari {

Form0::Form0(std::function<void()> showMain) : showMain_(std::move(showMain)) {}

void Form0::Form_Load() {
  Timer1.enabled = true;
  frameIndex = 0;
}

void Form0::Timer1_Timer() {
  if (!Timer1.enabled) return;  // a tick already queued when the timer stopped
  elapsed = int16_t(elapsed + Timer1.interval);
  if (elapsed < kHandOverMs) {
    if (++frameIndex == kFrames) frameIndex = 0;
    Trottola = frameIndex;
    return;
  }
  Timer1.enabled = false;
  if (showMain_) showMain_();
  unloaded = true;
}

}  // namespace vocari
