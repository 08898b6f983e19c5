#include "forms/form0.h"

#include <gtest/gtest.h>

namespace vocari {
namespace {

// The top turns 1, 2, 3, 0 ... every 150 ms; tick 27 shows the main window while the splash is still
// open (its timer already stopped), then closes the splash; a tick already queued after that does nothing.
TEST(Form0, TurnsTheTopThenHandsOverOnTick27) {
  int shown = 0;
  bool openAtHandOver = false;
  Form0 form([&] { ++shown, openAtHandOver = !form.unloaded && !form.Timer1.enabled; });
  form.Form_Load();
  EXPECT_EQ(form.Timer1.interval, 150);
  EXPECT_EQ(form.Trottola, -1);
  for (int tick = 1; tick <= 28; ++tick) {
    form.Timer1_Timer();
    EXPECT_EQ(form.Trottola, tick < 27 ? tick % 4 : 2) << tick;
    EXPECT_EQ(form.Timer1.enabled, tick < 27) << tick;
    EXPECT_EQ(shown, tick < 27 ? 0 : 1) << tick;
  }
  EXPECT_TRUE(openAtHandOver);
  EXPECT_TRUE(form.unloaded);
}

}  // namespace
}  // namespace vocari
