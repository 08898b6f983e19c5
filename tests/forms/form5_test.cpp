#include "forms/form5.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <tuple>
#include <vector>

#include "core/number_text.h"

namespace vocari {
namespace {

constexpr int kShift = 16, kDigit1 = 49, kEnter = Form5::kEnterKey;

struct Form5Test : ::testing::Test {
  Settings settings;
  // The main window's clock, as it shows each accepted game time.
  std::string labTem = "120";
  Form5 form{settings, false, [this] { labTem = formatNumber(settings.gameTime); }};
};

// The leading number, spaces skipped and a point as separator whatever the locale (an Italian one
// writes a comma); 120 to 32767 accepted, the seconds rounded half to even while LabTem shows the
// decimal value; anything else leaves every setting as it was (200 here, so that an accepted 120
// shows).
TEST_F(Form5Test, EnterParsesTheLeadingNumber) {
  // Qt sets the C locale from the environment at start, as this does.
  for (const char* locale : {"C", "it_IT.UTF-8"}) {
    ASSERT_TRUE(std::setlocale(LC_ALL, locale)) << locale << " is not available: scripts/setup.sh generates it";
    ASSERT_STREQ(std::localeconv()->decimal_point, locale[0] == 'C' ? "." : ",");
    EXPECT_EQ(leadingNumber(" 1 5 0.5 e 1x"), 1505) << locale;
    EXPECT_EQ(leadingNumber("150,5"), 150) << locale;
    const std::vector<std::tuple<std::string, double, int16_t, std::string>> cases = {  // text, time, seconds, LabTem
        {" 150", 150, 150, "150"},       {"150abc", 150, 150, "150"},     {"1.5e2", 150, 150, "150"},
        {"120", 120, 120, "120"},        {"150.5", 150.5, 150, "150.5"}, {"151.5", 151.5, 152, "151.5"},
        {"32767", 32767, 32767, "32767"}, {"abc", 0, 0, ""},               {"119.9", 0, 0, ""},
        {"32767.5", 0, 0, ""},           {"40000", 0, 0, ""},
    };
    for (const auto& [text, time, seconds, shown] : cases) {
      SCOPED_TRACE(std::string(locale) + " \"" + text + "\"");
      settings = Settings{};
      settings.gameTime = 200;
      labTem = "200";
      form.Form_Load();
      form.Text1.text = text;
      form.Text1_KeyUp(kEnter);
      const bool accepted = time > 0;
      EXPECT_EQ(std::tuple(settings.gameTime, labTem),
                accepted ? std::tuple(time, shown) : std::tuple(200.0, std::string("200")));
      EXPECT_EQ(form.Label1.caption, "- Tempo partita (" + std::to_string(accepted ? seconds : 200) + "sec)");
    }
  }
  std::setlocale(LC_ALL, "C");
}

// Any key, a modifier or an arrow too, disables OK and shows the hint until a valid Enter; a refused
// Enter says why in red instead of the hint (as the very first key it leaves OK enabled).
TEST_F(Form5Test, KeysDisableOkUntilAValidEnterAndARefusalSaysWhy) {
  form.Form_Load();
  const std::string hint = Form5::kHint, refused = "Il tempo va da 120 a 32767 secondi";
  const std::vector<std::tuple<std::string, int, bool, std::string>> steps = {  // text, key, OK enabled, Label5
      {"50", kEnter, true, refused},  {"", kShift, false, hint},         {"90", kEnter, false, refused},
      {"abc", kEnter, false, refused}, {"99999", kEnter, false, refused}, {"150", kDigit1, false, hint},
      {"150", kEnter, true, ""},      {"2", kDigit1, false, hint},
  };
  for (const auto& [text, key, ok, label5] : steps) {
    form.Text1.text = text;
    form.Text1_KeyUp(key);
    EXPECT_EQ(std::tuple(form.Command1.enabled, form.Label5.visible ? form.Label5.caption : ""),
              std::tuple(ok, label5)) << text << " " << key;
    if (form.Label5.visible) EXPECT_EQ(form.Label5.foreColor, label5 == refused ? kRed : Colour(0)) << text;
  }
  EXPECT_EQ(settings.gameTime, 150);
  EXPECT_EQ(form.Label3.caption, "almeno 120 secondi");
}

// A timed game locks the game time but not the options; a selection made by the program raises
// the click handler, and an index out of range is ignored.
TEST_F(Form5Test, LoadShowsTheSettingsAndLocksOnlyTheTimeOfATimedGame) {
  settings.colourScheme = Season::Spring;
  settings.methodIndex = DealMethod::ByRows;
  Form5 form{settings, true, [this] { labTem = "told"; }};
  form.Form_Load();
  EXPECT_TRUE(form.OptAsp[2].value && form.OptMet[1].value && !form.OptAsp[0].value && !form.OptMet[0].value);
  EXPECT_FALSE(form.Text1.enabled || form.Label1.enabled);
  form.Text1.text = "300";
  form.Text1_KeyUp(kEnter);
  EXPECT_EQ(std::pair(settings.gameTime, labTem), std::pair(120.0, std::string("120")));
  for (int i : {1, 4}) form.selectOptAsp(i);
  for (int i : {2, -1}) form.selectOptMet(i);
  EXPECT_EQ(std::pair(int(settings.colourScheme), int(settings.methodIndex)), std::pair(1, 2));
  EXPECT_TRUE(form.OptAsp[1].value && !form.OptAsp[2].value && form.OptMet[2].value);
}

}  // namespace
}  // namespace vocari
