#include "game_fixture.h"

using namespace vocari;
using namespace vocari::testing;

namespace {

// Everything the player can see of a word being built.
struct Entry {
  std::string word, labelT, labErr;
  std::vector<int> framed, lines;
  bool ok, back, all;
  bool operator==(const Entry&) const = default;
};

Entry entryOf(const Form1& f) {
  Entry e{f.state.playerWord, f.LabelT.caption, f.LabErr.caption, {}, {}, f.CmdOK.enabled,
          f.levaLast.enabled, f.levaAll.enabled};
  for (int16_t p : dicePos) {
    if (f.imgH[p].borderStyle) e.framed.push_back(p);
    if (f.Lin[p].visible) e.lines.push_back(p);
  }
  return e;
}

TEST_F(GameTest, TypedWordsEqualClickedWords) {
  //   C A S X     typing CASA: from the first C (7) only a way back over the A (8) would
  //   X X X X     end the word, so the word moves to the C at 25.
  //   X X X X
  //   C A S A
  startKnownGame("CASXXXXXXXXXCASA");
  for (char c : std::string("casa")) form.typeLetter(c);
  const Entry typed = entryOf(form);
  form.levaAll_Click();
  clickAll({25, 26, 27, 28});
  EXPECT_EQ(typed, entryOf(form));
  EXPECT_EQ(typed.word, "CASA");
}

TEST_F(GameTest, TypingUsesTheSecondOfTwoEqualLetters) {
  startKnownGame("ABAXXXXXXXXXXXXX");
  for (char c : std::string("ABA")) form.typeLetter(c);
  EXPECT_EQ(form.state.playerWord, "ABA");
  EXPECT_EQ(std::vector<int>(form.state.pickedPos.begin(), form.state.pickedPos.begin() + 3),
            (std::vector<int>{7, 8, 9}));
}

TEST_F(GameTest, ALetterNoPathCanTakeIsRefused) {
  startKnownGame();
  form.typeLetter('C');
  form.typeLetter('A');
  const Entry before = entryOf(form);
  form.typeLetter('Z');
  EXPECT_EQ(platform.beeps, 5);
  EXPECT_EQ(form.LabErr.caption, "Fuori zona !");
  Entry after = entryOf(form);
  after.labErr = before.labErr;
  EXPECT_EQ(after, before);
}

TEST_F(GameTest, MouseAndKeyboardMixWithinOneWord) {
  startKnownGame();
  form.imgh_Click(10);  // the second A, picked by the mouse
  form.typeLetter('S');
  EXPECT_EQ(form.state.pickedPos[1], 9);
  form.typeLetter('A');  // the clicked path is kept: S (9) then A (8)
  EXPECT_EQ(form.state.pickedPos[2], 8);
  form.levaLast_Click();  // Backspace
  EXPECT_EQ(form.state.playerWord, "AS");
  EXPECT_EQ(form.state.lastPos, 9);
  EXPECT_EQ(std::vector<int>(form.state.pickedPos.begin(), form.state.pickedPos.begin() + 2),
            (std::vector<int>{10, 9}));
}

}  // namespace
