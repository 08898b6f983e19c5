// A main-window model on a small dictionary and a known board, driven without any window.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "board_text.h"
#include "fake_environment.h"
#include "fake_platform.h"
#include "game/form1.h"

namespace vocari::testing {

//   C A S A      7  8  9 10
//   P O R T     13 14 15 16
//   E N T A     19 20 21 22
//   L U M I     25 26 27 28
inline constexpr const char* kBoard = "CASAPORTENTALUMI";
inline constexpr const char* kWords[] = {"CASA", "PORTA", "CAS", "AS", "SA", "ORA", "TANTE", "LUMI", "C"};

// Everything the player can see and hear of a word being built.
struct Shown {
  std::string word, labelT, labErr;
  std::vector<int> framed, lines;  // dice framed, lines shown
  bool ok, back, all;              // "OK", "<" and "X" enabled
  int beeps = 0;                   // alerts sounded since the game started
  bool operator==(const Shown&) const = default;
  friend void PrintTo(const Shown& s, std::ostream* os) {
    *os << s.word << " | " << s.labelT << " | " << s.labErr << " | " << ::testing::PrintToString(s.framed) << " | "
        << ::testing::PrintToString(s.lines) << " | " << s.ok << s.back << s.all << " | " << s.beeps << " beeps";
  }
};

class GameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::string> words(std::begin(kWords), std::end(kWords));
    std::sort(words.begin(), words.end());  // as a word list is at start-up
    std::string text = "\r\n";
    for (const std::string& w : words) text += w + "\r\n";
    environment.folders = {dir.string(), environment.current, environment.home};
    write(dir / "Base3.txt", text);
    ASSERT_EQ(form.Form_Load(dir.string()), std::nullopt);
  }
  void write(const std::filesystem::path& path, const std::string& bytes) { environment.files[path.string()] = bytes; }

  // Starts a game on the known board, as opening a file does.
  void startKnownGame(const char* dice = kBoard) {
    form.state.board = boardOf(dice);
    settings.competitionPending = true;
    form.cmdNew_Click();
    beepsAtStart = platform.beeps;
  }
  // Plays the steps one by one and checks what is shown after each: a lower-case letter is typed,
  // a number clicks that die, "<" "X" and "OK" click those buttons.
  void playSteps(const std::vector<std::pair<std::string, Shown>>& steps) {
    for (const auto& [step, expected] : steps) {
      if (step == "<") form.levaLast_Click();
      else if (step == "X") form.levaAll_Click();
      else if (step == "OK") form.CmdOK_Click();
      else if (std::isdigit(static_cast<unsigned char>(step[0]))) form.imgh_Click(std::stoi(step));
      else form.typeLetter(step[0]);
      EXPECT_EQ(shown(), expected) << "after " << step;
    }
  }
  void clickAll(const std::vector<int>& positions) {
    for (int p : positions) form.imgh_Click(p);
  }
  // Ticks the clock until it stops; the clock's caption after each tick. A clock that still runs
  // after `cap` ticks fails the test instead of ticking on.
  std::vector<std::string> runOutTheClock(int cap = 1000) {
    std::vector<std::string> captions;
    while (form.Timer2.enabled) {
      if (int(captions.size()) == cap) {
        ADD_FAILURE() << "the clock still runs after " << cap << " ticks";
        break;
      }
      form.Timer2_Timer();
      captions.push_back(form.LabTem.caption);
    }
    return captions;
  }
  Shown shown() const {
    Shown s{form.round.word, form.LabelT.caption, form.LabErr.caption, {}, {}, form.CmdOK.enabled,
            form.levaLast.enabled, form.levaAll.enabled, platform.beeps - beepsAtStart};
    for (int16_t p : dicePos) {
      if (form.imgH[p].borderStyle) s.framed.push_back(p);
      if (form.Lin[p].visible) s.lines.push_back(p);
    }
    return s;
  }
  std::filesystem::path dir = "/vocari";  // the program folder
  Settings settings;
  FakePlatform platform;
  FakeEnvironment environment;
  RealRandom random{7};
  int beepsAtStart = 0;
  Form1 form{settings, platform, random, environment};
};

}  // namespace vocari::testing
