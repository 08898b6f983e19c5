// Fixed tables of the game: the alphabet with its point values and the grid geometry.
#pragma once

#include <array>
#include <cstdint>

namespace vocari {

// The grid geometry, in one place: a square of kSide x kSide dice inside a one-cell border, as
// a kBoardSide x kBoardSide board where position = kBoardSide * row + column. Dice sit on rows and
// columns 1..kSide; every other cell is border and holds no letter.
inline constexpr int kSide = 4;
inline constexpr int kBoardSide = kSide + 2;
inline constexpr int kCells = kBoardSide * kBoardSide;
inline constexpr int kDice = kSide * kSide;
constexpr int rowOf(int p) { return p / kBoardSide; }
constexpr int columnOf(int p) { return p % kBoardSide; }
inline constexpr int kLetters = 26;

// Letter groups, addressed by index range: vowels, common consonants, rare letters.
inline constexpr int kFirstVowel = 0, kLastVowel = 4;
inline constexpr int kFirstConsonant = 5, kLastConsonant = 17;
inline constexpr int kFirstRare = 18, kLastRare = 25;
inline constexpr int kIndexU = 4;
inline constexpr int kIndexQ = 21;

inline constexpr std::array<char, kLetters> letters = {
    'A', 'E', 'I', 'O', 'U', 'B', 'C', 'D', 'F', 'G', 'L', 'M', 'N',
    'P', 'R', 'S', 'T', 'V', 'H', 'J', 'K', 'Q', 'W', 'X', 'Y', 'Z'};

inline constexpr std::array<int, kLetters> letterPoints = {
    1, 1, 1, 1, 4, 2, 2, 4, 4, 4, 4, 3, 3, 4, 2, 4, 1, 6, 8, 5, 5, 5, 8, 7, 7, 8};

// Die number (reading order) -> board position: 7, 8, 9, 10, 13, ... 28.
inline constexpr std::array<int16_t, kDice> dicePos = [] {
  std::array<int16_t, kDice> pos{};
  for (int d = 0; d < kDice; ++d) pos[d] = int16_t(kBoardSide * (1 + d / kSide) + 1 + d % kSide);
  return pos;
}();

// Neighbour offsets: E, SE, S, SW, W, NW, N, NE.
inline constexpr std::array<int16_t, 8> dirOffset = {
    1, kBoardSide + 1, kBoardSide, kBoardSide - 1, -1, -kBoardSide - 1, -kBoardSide, -kBoardSide + 1};

// The mark of a die that has not been dealt.
inline constexpr char kUndealt = '-';

// The capital of a lower-case a-z; any other character as it is.
constexpr char toCapital(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

constexpr bool isDiePos(int p) {
  const int row = rowOf(p), col = columnOf(p);
  return p >= 0 && p < kCells && row >= 1 && row <= kSide && col >= 1 && col <= kSide;
}

// Index of c in `letters`, or -1 when c is not a letter of the table.
constexpr int letterIndex(char c) {
  for (int i = 0; i < kLetters; ++i)
    if (letters[i] == c) return i;
  return -1;
}

// Die number (reading order) of each board position; -1 on the border.
inline constexpr std::array<int8_t, kCells> dieAt = [] {
  std::array<int8_t, kCells> at{};
  at.fill(-1);
  for (int d = 0; d < kDice; ++d) at[dicePos[d]] = int8_t(d);
  return at;
}();

// The dice touching each die, as die numbers in neighbour order (E, SE, S, SW, W, NW, N, NE),
// padded at the end with kDice. The one way the search and the path walk step across the grid.
inline constexpr std::array<std::array<int8_t, 8>, kDice> neighbourDice = [] {
  std::array<std::array<int8_t, 8>, kDice> nb{};
  for (int d = 0; d < kDice; ++d) {
    int n = 0;
    for (int16_t off : dirOffset)
      if (const int q = dicePos[d] + off; isDiePos(q)) nb[d][n++] = dieAt[q];
    while (n < 8) nb[d][n++] = int8_t(kDice);
  }
  return nb;
}();

constexpr bool areNeighbours(int a, int b) {
  for (int16_t d : dirOffset)
    if (a + d == b) return true;
  return false;
}

}  // namespace vocari
