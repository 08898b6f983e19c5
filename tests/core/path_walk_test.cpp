#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board_text.h"
#include "core/path_walk.h"
#include "core/scoring.h"

using namespace vocari;
using vocari::testing::boardOf;

namespace {

// The first chain in reading, then neighbour order.
TEST(WordPath, FirstChainInReadingThenNeighbourOrder) {
  struct Case {
    const char* name;
    std::string board;  // 16 dice in reading order (positions 7-10, 13-16, 19-22, 25-28)
    std::string word;
    std::vector<int> path;
  };
  const Case cases[] = {
      {"EastBeforeSouthEast", "CAXX" "XAXX" "XXXX" "XXXX", "CA", {7, 8}},
      {"DiagonalStep", "CXXX" "XAXX" "XXXX" "XXXX", "CA", {7, 14}},
      {"EastBeforeWest", "ASAX" "XXXX" "XXXX" "XXXX", "SA", {8, 9}},
      {"EarlierStartFirst", "ASAX" "XXXX" "XXXX" "XXXX", "AS", {7, 8}},
      // The top row's C only fits CASA by going back over its own A: the bottom row is taken.
      {"NoDieTwice", "CASX" "XXXX" "XXXX" "CASA", "CASA", {25, 26, 27, 28}},
      // A word whose last letter is its first: the only way back is onto the die it started from.
      {"NeverBackToTheFirstDie", "ABXX" "XXXX" "XXXX" "XXXX", "ABA", {}},
      {"BackToALaterDieOfTheSameLetter", "ABXX" "AXXX" "XXXX" "XXXX", "ABA", {7, 8, 13}},
      // Two equal letters touching: each is a die of its own, once.
      {"TwoEqualLettersTouch", "AAXX" "XXXX" "XXXX" "XXXX", "AA", {7, 8}},
      {"TwoEqualLettersNotThrice", "AAXX" "XXXX" "XXXX" "XXXX", "AAA", {}},
      {"LastDieStarts", "XXXX" "XXXX" "XXXX" "XXSA", "AS", {28, 27}},
      {"BacktracksOutOfADeadEnd", "CAXX" "AXXX" "SXXX" "XXXX", "CAS", {7, 13, 19}},
      {"OneLetterIsNoPath", "AXXX" "XXXX" "XXXX" "XXXX", "A", {}},
      {"NotOnTheBoard", "CASA" "XXXX" "XXXX" "XXXX", "CASE", {}},
      {"NoWrapBetweenRows", "XXXC" "AXXX" "XXXX" "XXXX", "CA", {}},
      {"AllSixteen", "ABCD" "EFGH" "IJKL" "MNOP", "ABCDHGFEIJKLPONM",
       {7, 8, 9, 10, 16, 15, 14, 13, 19, 20, 21, 22, 28, 27, 26, 25}},
      {"LongerThanTheGrid", "ABCD" "EFGH" "IJKL" "MNOP", "ABCDHGFEIJKLPONMA", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(wordPath(boardOf(c.board), c.word), c.path) << c.name;
}

TEST(WordPoints, LetterValuesDoubledFromFiveLetters) {
  const std::pair<const char*, int> cases[] = {
      {"", 0},        {"CASA", 8},    {"PORTA", 18},  // (4 + 1 + 2 + 1 + 1) x 2
      {"ZZZZ", 32},   {"ZZZZZ", 80},  {"C-SA", 7},    // an undealt die counts nothing
      {"ABCDHGFEIJKLPONM", 2 * (1 + 2 + 2 + 4 + 8 + 4 + 4 + 1 + 1 + 5 + 5 + 4 + 4 + 1 + 3 + 3)},
  };
  for (const auto& [word, points] : cases) EXPECT_EQ(wordPoints(word), points) << word;
}

}  // namespace
