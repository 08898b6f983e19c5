#include "ui/forms/form5.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vocari {
namespace {

constexpr int kShift = 16, kLeft = 37, kDigit1 = 49;

struct Form5Fixture : ::testing::Test {
  Settings settings;
  Timer timer2;
  Label labTem{.caption = "120"};
  Form5 form{settings, timer2, labTem};
};

TEST_F(Form5Fixture, LoadShowsTheCurrentSettings) {
  for (int16_t scheme = 0; scheme < 4; ++scheme) {
    for (int16_t method = 0; method < 3; ++method) {
      settings.colourScheme = scheme;
      settings.methodIndex = method;
      settings.gameTimeSeconds = 150;
      Form5 f(settings, timer2, labTem);
      f.Form_Load();
      for (int i = 0; i < 4; ++i) EXPECT_EQ(f.OptAsp[i].value, i == scheme) << scheme << " " << i;
      for (int i = 0; i < 3; ++i) EXPECT_EQ(f.OptMet[i].value, i == method) << method << " " << i;
      EXPECT_EQ(settings.colourScheme, scheme);
      EXPECT_EQ(settings.methodIndex, method);
      EXPECT_EQ(f.Label1.caption, "- Tempo partita (150sec)");
    }
  }
}

TEST_F(Form5Fixture, TheGameTimeIsLockedWhileAGameIsTimed) {
  form.Form_Load();
  EXPECT_TRUE(form.Text1.enabled);
  EXPECT_TRUE(form.Label1.enabled);
  EXPECT_EQ(form.Label1.caption, "- Tempo partita (120sec)");

  timer2.enabled = true;
  Form5 timed(settings, timer2, labTem);
  timed.Form_Load();
  EXPECT_FALSE(timed.Text1.enabled);
  EXPECT_FALSE(timed.Label1.enabled);
  timed.Text1.text = "300";
  timed.Text1_KeyUp(Form5::kEnterKey);
  EXPECT_EQ(settings.gameTime, 120);
  EXPECT_EQ(labTem.caption, "120");
}

struct ParseCase {
  std::string text;
  bool accepted;
  double gameTime;
  int16_t seconds;
  std::string labTem;
};

TEST_F(Form5Fixture, EnterParsesTheLeadingNumber) {
  const std::vector<ParseCase> cases = {
      {" 150", true, 150, 150, "150"},
      {"150abc", true, 150, 150, "150"},
      {"1.5e2", true, 150, 150, "150"},
      {"120", true, 120, 120, "120"},
      {"150.5", true, 150.5, 150, "150.5"},  // half to the even neighbour
      {"151.5", true, 151.5, 152, "151.5"},
      {"149.7", true, 149.7, 150, "149.7"},
      {"32767", true, 32767, 32767, "32767"},
      {"abc", false, 0, 0, ""},
      {"", false, 0, 0, ""},
      {"119.9", false, 0, 0, ""},
      {"90", false, 0, 0, ""},
      {"-150", false, 0, 0, ""},
      {"32767.5", false, 0, 0, ""},
      {"40000", false, 0, 0, ""},
      {"1e9", false, 0, 0, ""},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE("text \"" + c.text + "\"");
    Settings s;
    Label lab{.caption = "120"};
    Form5 f(s, timer2, lab);
    f.Form_Load();
    f.Text1.text = c.text;
    f.Text1_KeyUp(kDigit1);
    f.Text1_KeyUp(Form5::kEnterKey);
    if (c.accepted) {
      EXPECT_EQ(s.gameTime, c.gameTime);
      EXPECT_EQ(s.gameTimeSeconds, c.seconds);
      EXPECT_EQ(lab.caption, c.labTem);
      EXPECT_EQ(f.Label1.caption, "- Tempo partita (" + std::to_string(c.seconds) + "sec)");
      EXPECT_EQ(f.Text1.text, "");
      EXPECT_FALSE(f.Label5.visible);
      EXPECT_TRUE(f.Command1.enabled);
    } else {
      EXPECT_EQ(s.gameTime, 120);
      EXPECT_EQ(s.gameTimeSeconds, 120);
      EXPECT_EQ(lab.caption, "120");
      EXPECT_EQ(f.Label1.caption, "- Tempo partita (120sec)");
      EXPECT_EQ(f.Text1.text, c.text);
      EXPECT_TRUE(f.Label5.visible);
      EXPECT_FALSE(f.Command1.enabled);
    }
  }
}

TEST_F(Form5Fixture, KeysDisableOkUntilAValidEnter) {
  form.Form_Load();
  EXPECT_TRUE(form.Command1.enabled);
  EXPECT_FALSE(form.Label5.visible);

  struct Step {
    std::string text;
    int key;
    bool okEnabled;
    bool hintShown;
  };
  const std::vector<Step> steps = {
      {"", kShift, false, true},         // a modifier alone counts as a key
      {"", kLeft, false, true},          // so does an arrow
      {"9", kDigit1, false, true},       //
      {"90", Form5::kEnterKey, false, true},  // refused: nothing changes
      {"150", kDigit1, false, true},     //
      {"150", Form5::kEnterKey, true, false},
      {"", Form5::kEnterKey, true, false},  // Enter on an empty field changes nothing
      {"2", kDigit1, false, true},
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE("step " + std::to_string(i));
    form.Text1.text = steps[i].text;
    form.Text1_KeyUp(steps[i].key);
    EXPECT_EQ(form.Command1.enabled, steps[i].okEnabled);
    EXPECT_EQ(form.Label5.visible, steps[i].hintShown);
  }
  EXPECT_EQ(settings.gameTimeSeconds, 150);
  EXPECT_EQ(labTem.caption, "150");
}

TEST_F(Form5Fixture, AnInvalidEnterAsFirstKeyLeavesOkEnabled) {
  form.Form_Load();
  form.Text1.text = "50";
  form.Text1_KeyUp(Form5::kEnterKey);
  EXPECT_TRUE(form.Command1.enabled);
  EXPECT_FALSE(form.Label5.visible);
  EXPECT_EQ(settings.gameTime, 120);
}

TEST_F(Form5Fixture, OptionsTakeEffectWhenClickedAndSurviveClosingThroughTheFrame) {
  form.Form_Load();
  form.selectOptAsp(1);
  form.selectOptMet(2);
  EXPECT_EQ(settings.colourScheme, 1);
  EXPECT_EQ(settings.methodIndex, 2);
  EXPECT_FALSE(form.OptAsp[0].value);
  EXPECT_TRUE(form.OptAsp[1].value);
  EXPECT_TRUE(form.OptMet[2].value);

  form.selectOptAsp(4);  // out of range: ignored
  form.selectOptMet(-1);
  EXPECT_EQ(settings.colourScheme, 1);
  EXPECT_EQ(settings.methodIndex, 2);
  EXPECT_TRUE(form.OptAsp[1].value);

  form.Form_Unload();
  EXPECT_TRUE(form.unloaded);
  EXPECT_EQ(settings.colourScheme, 1);
}

}  // namespace
}  // namespace vocari
