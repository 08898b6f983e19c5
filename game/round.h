// One round of play as data: the clock, the flow's phase, the word being built, the words found,
// the solutions and the opponent's stored result. The handlers change the round; Form1::showRound
// derives every caption, enabled and visible flag of the window from it (round_view.cpp).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "forms/platform.h"
#include "game/game_summary.h"

namespace vocari {

// Where the new-game flow stands. Time may run out while Searching (the search then goes on
// under Over), and the clock of the game before may still run while Dealing.
enum class Phase { Idle, Dealing, Searching, Playing, Over };

// The one value for "no die".
inline constexpr int kNoDie = -1;

struct Round {
  Phase phase = Phase::Idle;

  // The clock: it counts down from gameTime, one tick a second; whole ticks are kept, so a
  // fractional game time shows its fraction to the end ("2.5", "1.5", "0.5", "0").
  double gameTime = kDefaultGameTime;
  int ticks = 0;
  bool clockRunning = false;
  int clockStarts = 0;  // how many times a game started the clock
  double secondsLeft() const { return gameTime - ticks; }

  bool newReleased = false;  // "Fine" pressed during the flow made "Nuovo" available again
  std::string quotas;        // a dealt board's quotas as drawn, "vowels/consonants/rare"; "" for a loaded one
  int stars = 0;             // the marks after the quotas: 1 while play starts, 3 once it has
  bool inPlay = false;       // the play controls are up (from the start of play to the next game)

  // The word being built: the dice picked, in order, and the letters they spell.
  std::vector<int> path;
  std::string word;
  // A lone first die shows its line as a dot, unless it is what taking letters back left.
  bool dotShown = false;
  int lastDie() const { return path.empty() ? kNoDie : path.back(); }
  // The word on show has just been accepted: the next typed letter starts a new word, while a
  // click on a die still extends it.
  bool accepted = false;

  // The words accepted, in the order found, and their score (16 bits, stopping at the top).
  std::vector<std::string> words;
  int16_t score = 0;
  bool countShown = false;  // the count of words shows (from a word accepted to the end of the search)

  // The solutions of the grid, once the search has ended (searched).
  bool searched = false;
  std::vector<std::string> solutions;
  bool showSolutions = false;  // the check box is ticked
  bool marksShown = false;     // the summary marks the player's words among the solutions
  // The count and duration of the last search that ended, shown until the next one ends.
  struct LastSearch {
    int count = 0;
    double seconds = 0;
  };
  std::optional<LastSearch> lastSearch;
  double searchStart = 0;  // monotonic seconds

  // The opponent of a game opened from a file: the stored result as the file has it (after its
  // "'" marker), and as parsed from it.
  std::optional<std::string> opponentLine;
  std::optional<StoredResult> opponent;

  std::string summary;  // how the game went, from the end of the clock to the next game

  // The date of the grid of the day being played, from its deal to the next game.
  std::optional<CalendarDate> daily;

  // The keyboard cursor on the grid: the die under it, and whether it shows (while the board
  // has the focus).
  int cursor = dicePos.front();
  bool cursorShown = false;

  // The short message under the word, and its colour.
  std::string message;
  Colour messageColour = kRed;

  // The word traced from a list: its dice, and the pen of the lines (each line keeps the pen
  // it was last drawn with).
  std::vector<int> trace;
  Colour pen = kLineRest;
  std::array<Colour, kCells> lineColour = [] {
    std::array<Colour, kCells> c{};
    c.fill(kLineRest);
    return c;
  }();
  // The letter tile each die shows: the last letter dealt to it (-1: none yet).
  std::array<int, kCells> tile = [] {
    std::array<int, kCells> t{};
    t.fill(-1);
    return t;
  }();

  // True while a new-game flow (deal or search) runs.
  bool flowRunning() const {
    return phase == Phase::Dealing || phase == Phase::Searching || (phase == Phase::Over && !searched);
  }
  // A die is taken while it is framed: picked for the word or lying on the traced word.
  bool framed(int p) const;
};

}  // namespace vocari
