#include "ui/forms/form0.h"

#include <gtest/gtest.h>

namespace vocari {
namespace {

TEST(Form0, TheTopTurnsThroughFramesOneTwoThreeZeroAndHandsOverOnTick27) {
  int shown = 0;
  bool splashOpenWhileMainStarts = false;
  Form0* splash = nullptr;
  Form0 form([&] {
    ++shown;
    splashOpenWhileMainStarts = !splash->unloaded && !splash->Timer1.enabled;
  });
  splash = &form;
  form.Form_Load();
  EXPECT_TRUE(form.Timer1.enabled);
  EXPECT_EQ(form.Timer1.interval, 150);
  EXPECT_EQ(form.Trottola, -1);  // nothing drawn before the first tick

  for (int tick = 1; tick <= 26; ++tick) {
    form.Timer1_Timer();
    EXPECT_EQ(form.Trottola, tick % 4) << "tick " << tick;
    EXPECT_EQ(form.elapsed, 150 * tick);
    EXPECT_TRUE(form.Timer1.enabled);
    EXPECT_EQ(shown, 0) << "tick " << tick;
  }
  form.Timer1_Timer();
  EXPECT_EQ(form.elapsed, 4050);
  EXPECT_EQ(shown, 1);
  EXPECT_TRUE(splashOpenWhileMainStarts);
  EXPECT_FALSE(form.Timer1.enabled);
  EXPECT_TRUE(form.unloaded);
  EXPECT_EQ(form.Trottola, 2);  // the top stands still on the frame of tick 26

  form.Timer1_Timer();  // a tick that was already queued
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(form.elapsed, 4050);
}

}  // namespace
}  // namespace vocari
