#include "forms/form5.h"

#include <cmath>
#include <utility>
#include <string>

#include "core/number_text.h"

namespace vocari {

Form5::Form5(Settings& settings, bool timed, std::function<void()> gameTimeSet)
    : settings_(settings), timed_(timed), gameTimeSet_(std::move(gameTimeSet)) {}

void Form5::Form_Load() {
  selectOptAsp(int(settings_.colourScheme));
  showGameTime();
  Text1.text.clear();
  // The game time cannot be changed while a game is being timed.
  Text1.enabled = !timed_;
  Label1.enabled = !timed_;
  selectOptMet(int(settings_.methodIndex));
}

void Form5::showGameTime() {
  // Whole seconds; the default rounding mode sends halves to the even neighbour.
  const long seconds = std::lround(std::nearbyint(settings_.gameTime));
  Label1.caption = "- Tempo partita (" + std::to_string(seconds) + "sec)";
}

std::string Form5::text1ToolTip() {
  return "Da " + formatNumber(kMinGameTime) + " a " + formatNumber(kMaxGameTime) + " secondi";
}

std::string Form5::refusal() {
  return "Il tempo va da " + formatNumber(kMinGameTime) + " a " + formatNumber(kMaxGameTime) + " secondi";
}

void Form5::OptAsp_Click(int index) { settings_.colourScheme = Season(index); }

void Form5::OptMet_Click(int index) { settings_.methodIndex = DealMethod(index); }

void Form5::selectOptAsp(int index) {
  if (index < 0 || index >= int(OptAsp.size())) return;
  for (int i = 0; i < int(OptAsp.size()); ++i) OptAsp[i].value = i == index;
  OptAsp_Click(index);
}

void Form5::selectOptMet(int index) {
  if (index < 0 || index >= int(OptMet.size())) return;
  for (int i = 0; i < int(OptMet.size()); ++i) OptMet[i].value = i == index;
  OptMet_Click(index);
}

void Form5::Text1_KeyUp(int keyCode) {
  if (!Text1.enabled) return;
  if (keyCode != kEnterKey) {
    Command1.enabled = false;
    Label5 = Label{.caption = kHint, .visible = true};
    return;
  }
  const double number = leadingNumber(Text1.text);
  if (!(number >= kMinGameTime && number <= kMaxGameTime)) {
    Label5 = Label{.caption = refusal(), .foreColor = kRed, .visible = true};
    return;
  }
  settings_.gameTime = number;
  if (gameTimeSet_) gameTimeSet_();
  showGameTime();
  Text1.text.clear();
  Label5.visible = false;
  Command1.enabled = true;
}

void Form5::Command1_Click() { unloaded = true; }

void Form5::Form_Unload() { unloaded = true; }

}  // namespace vocari
