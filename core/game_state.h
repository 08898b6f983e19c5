// The shared state of a game and the program-wide settings.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/tables.h"

namespace vocari {

// Colours are stored as the window layer does: red in the low byte.
using Colour = uint32_t;
constexpr Colour rgb(int r, int g, int b) {
  return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16);
}
inline constexpr Colour kRed = rgb(255, 0, 0);
inline constexpr Colour kBlue = rgb(0, 0, 255);
inline constexpr Colour kLineRest = rgb(255, 128, 255);
inline constexpr Colour kLineHighlight = rgb(128, 128, 255);

// Board cells: a die holds a letter of the table or kUndealt; a border cell holds '\0'.
using Board = std::array<char, kCells>;

// A board with every die undealt and every border cell empty.
Board emptyBoard();

struct GameState {
  Board board = emptyBoard();

  // Quotas of one deal.
  int vowelQuota = 0;
  int rareQuota = 0;
  int16_t consonantQuota = 0;

  // When the solution search started and ended.
  double searchStart = 0;  // monotonic seconds
  double searchEnd = 0;

  // The word the player is building.
  std::string playerWord;
  std::array<int16_t, 17> pickedPos{};
  int16_t pickedCount = 0;
  int16_t lastPos = 0;  // 0 or -1: no die
  int16_t score = 0;

  Colour lineColour = kLineRest;
};

struct Settings {
  std::string programDir;      // current folder at start-up, with one trailing "/"
  std::string dictPath;
  int32_t dictLength = 0;
  int16_t methodIndex = 0;   // 0 "Metodo Std", 1 "Metodo R", 2 "Metodo C"
  int16_t colourScheme = 0;  // 0 winter, 1 summer, 2 spring, 3 autumn
  double gameTime = 120;     // seconds; the options window shows it rounded
  int16_t viewerText = 0;  // 0 dictionary, 1 acronyms, 2 help, 3 advice
  std::string lastFolder;
  bool competitionPending = false;
};

}  // namespace vocari
