#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board_text.h"
#include "core/path_walk.h"
#include "core/scoring.h"

using namespace vocari;
using vocari::testing::boardOf;

namespace {

struct PathCase {
  const char* name;
  std::string board;  // 16 dice in reading order (positions 7-10, 13-16, 19-22, 25-28)
  std::string word;
  std::vector<int> path;
};

class WordPathTable : public ::testing::TestWithParam<PathCase> {};

TEST_P(WordPathTable, FirstChainInReadingThenNeighbourOrder) {
  const PathCase& c = GetParam();
  EXPECT_EQ(wordPath(boardOf(c.board), c.word), c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WordPathTable,
    ::testing::Values(
        PathCase{"EastBeforeSouthEast", "CAXX" "XAXX" "XXXX" "XXXX", "CA", {7, 8}},
        PathCase{"DiagonalStep", "CXXX" "XAXX" "XXXX" "XXXX", "CA", {7, 14}},
        PathCase{"EastBeforeWest", "ASAX" "XXXX" "XXXX" "XXXX", "SA", {8, 9}},
        PathCase{"EarlierStartFirst", "ASAX" "XXXX" "XXXX" "XXXX", "AS", {7, 8}},
        // The top row's C only fits CASA by going back over its own A: the bottom row is taken.
        PathCase{"NoDieTwice", "CASX" "XXXX" "XXXX" "CASA", "CASA", {25, 26, 27, 28}},
        PathCase{"LastDieStarts", "XXXX" "XXXX" "XXXX" "XXSA", "AS", {28, 27}},
        PathCase{"BacktracksOutOfADeadEnd", "CAXX" "AXXX" "SXXX" "XXXX", "CAS", {7, 13, 19}},
        PathCase{"OneLetterIsNoPath", "AXXX" "XXXX" "XXXX" "XXXX", "A", {}},
        PathCase{"NotOnTheBoard", "CASA" "XXXX" "XXXX" "XXXX", "CASE", {}},
        PathCase{"NoWrapBetweenRows", "XXXC" "AXXX" "XXXX" "XXXX", "CA", {}},
        PathCase{"AllSixteen", "ABCD" "EFGH" "IJKL" "MNOP", "ABCDHGFEIJKLPONM",
                 {7, 8, 9, 10, 16, 15, 14, 13, 19, 20, 21, 22, 28, 27, 26, 25}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WordPoints, LetterValuesDoubledFromFiveLetters) {
  const std::pair<const char*, int> cases[] = {
      {"", 0},        {"CASA", 8},    {"PORTA", 18},  // (4 + 1 + 2 + 1 + 1) x 2
      {"ZZZZ", 32},   {"ZZZZZ", 80},  {"C-SA", 7},    // an undealt die counts nothing
      {"ABCDHGFEIJKLPONM", 2 * (1 + 2 + 2 + 4 + 8 + 4 + 4 + 1 + 1 + 5 + 5 + 4 + 4 + 1 + 3 + 3)},
  };
  for (const auto& [word, points] : cases) EXPECT_EQ(wordPoints(word), points) << word;
}

}  // namespace
