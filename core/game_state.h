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

// The board of a game and the quotas of its deal.
struct GameState {
  Board board = emptyBoard();

  // Quotas of one deal.
  int vowelQuota = 0;
  int rareQuota = 0;
  int16_t consonantQuota = 0;
};

// The game time a program starts with, in seconds.
inline constexpr double kDefaultGameTime = 120;

// The three ways of dealing a grid, as the options window lists them.
enum class DealMethod : int16_t { Standard = 0, ByRows = 1, ByColumns = 2 };  // "Metodo Std", "R", "C"
// The four colour schemes, each with its season's background.
enum class Season : int16_t { Winter = 0, Summer = 1, Spring = 2, Autumn = 3 };
inline constexpr int kSeasonCount = 4;
// The documents of the text viewer.
enum class ViewerDocument : int16_t { Dictionary = 0, Acronyms = 1, Help = 2, Advice = 3 };

struct Settings {
  std::string programDir;  // current folder at start-up, with one trailing "/"
  std::string dictPath;
  DealMethod methodIndex = DealMethod::Standard;
  Season colourScheme = Season::Winter;
  double gameTime = kDefaultGameTime;  // seconds; the options window shows it rounded
  ViewerDocument viewerText = ViewerDocument::Dictionary;
  std::string lastFolder;
  bool competitionPending = false;
};

}  // namespace vocari
