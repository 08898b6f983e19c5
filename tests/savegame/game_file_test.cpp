// Writer, reader and grid mapping of the game file, on bytes only.
#include "savegame/game_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace vocari {
namespace {

using namespace std::string_literals;

// A board whose dice, in reading order, hold the 16 characters of `dice`.
Board boardOf(const std::string& dice) {
  Board board = emptyBoard();
  for (int i = 0; i < kDice; ++i) board[dicePos[i]] = dice[i];
  return board;
}

// The 16 dice of a board in reading order.
std::string diceOf(const Board& board) {
  std::string dice;
  for (int16_t p : dicePos) dice += board[p];
  return dice;
}

int countLines(const std::string& bytes) {
  int lines = 0;
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
    ++lines;
  return lines;
}

TEST(GameFileGrid, CharacterPositionsFollowTheDiceInReadingOrder) {
  for (int i = 0; i < kDice; ++i) EXPECT_EQ(gridCharPosition(i), dicePos[i]) << "character " << i;
}

TEST(GameFileWriter, WritesExactBytes) {
  struct Case {
    bool gameOver;
    double gameTime;
    int score;
    std::string expected;
  };
  const std::string grid = "ABCD\r\nEFGH\r\nILMN\r\nOPQR\r\n";
  const std::vector<Case> cases = {
      {false, 120, 57, grid},
      {true, 120, 57, grid + "'120'-57#\r\n"},
      {true, 150.5, 0, grid + "'150.5'-0#\r\n"},
      {true, 3600, 1234, grid + "'3600'-1234#\r\n"},
      {true, 0.25, 9, grid + "'0.25'-9#\r\n"},
      {true, 1e7, 32767, grid + "'10000000'-32767#\r\n"},
      {true, -0.0, 0, grid + "'0'-0#\r\n"},
  };
  const Board board = boardOf("ABCDEFGHILMNOPQR");
  for (const Case& c : cases)
    EXPECT_EQ(writeGameFile(board, c.gameOver, c.gameTime, c.score), c.expected)
        << "time " << c.gameTime << " score " << c.score << " over " << c.gameOver;
}

TEST(GameFileWriter, RoundTripKeepsLettersInPlace) {
  const std::vector<std::string> grids = {
      "ABCDEFGHILMNOPQR", "STUVZHJKWXYQAEIO", "QQQQQQQQQQQQQQQQ",
      "ZYXWVUTSRQPONMLI", "AE-IOU-BC-DFGLMN",  // undealt dice survive as undealt dice
  };
  for (const std::string& dice : grids) {
    for (bool over : {false, true}) {
      SCOPED_TRACE(dice + (over ? " over" : " running"));
      const std::string bytes = writeGameFile(boardOf(dice), over, 120, 57);
      EXPECT_EQ(countLines(bytes), over ? 5 : 4);
      const GameFileContents read = readGameFile(bytes);
      EXPECT_EQ(read.gridText, dice);
      if (over)
        EXPECT_EQ(read.resultText, "120'-57#");
      else
        EXPECT_FALSE(read.resultText.has_value());
      const std::optional<Board> board = gridToBoard(read.gridText);
      ASSERT_TRUE(board.has_value());
      EXPECT_EQ(*board, boardOf(dice));
    }
  }
}

struct ReaderCase {
  const char* name;
  std::string bytes;
  std::string gridText;
  std::optional<std::string> resultText;
  const char* dice;  // the board in reading order, or nullptr when the grid is not usable
};

TEST(GameFileReader, ReadsTheTable) {
  const std::vector<ReaderCase> cases = {
      {"four lines of four", "ABCD\r\nEFGH\r\nILMN\r\nOPQR\r\n", "ABCDEFGHILMNOPQR", {},
       "ABCDEFGHILMNOPQR"},
      {"last line without line end", "ABCD\r\nEFGH\r\nILMN\r\nOPQR", "ABCDEFGHILMNOPQR", {},
       "ABCDEFGHILMNOPQR"},
      {"one line of 16", "ABCDEFGHILMNOPQR\r\n", "ABCDEFGHILMNOPQR", {}, "ABCDEFGHILMNOPQR"},
      {"two lines of 8", "ABCDEFGH\r\nILMNOPQR\r\n", "ABCDEFGHILMNOPQR", {}, "ABCDEFGHILMNOPQR"},
      {"uneven lines", "A\r\nBCDEFGHILMNOP\r\nQR\r\n", "ABCDEFGHILMNOPQR", {},
       "ABCDEFGHILMNOPQR"},
      {"five lines of four", "ABCD\r\nEFGH\r\nILMN\r\nOPQR\r\nSTUV\r\n",
       "ABCDEFGHILMNOPQRSTUV", {}, nullptr},
      {"three lines of four", "ABCD\r\nEFGH\r\nILMN\r\n", "ABCDEFGHILMN", {}, nullptr},
      {"trailing line with a space", "ABCD\r\nEFGH\r\nILMN\r\nOPQR\r\n \r\n",
       "ABCDEFGHILMNOPQR ", {}, nullptr},
      {"empty lines count for nothing", "\r\nABCD\r\n\r\nEFGH\r\nILMN\r\nOPQR\r\n\r\n",
       "ABCDEFGHILMNOPQR", {}, "ABCDEFGHILMNOPQR"},
      {"result line after the grid", "ABCD\r\nEFGH\r\nILMN\r\nOPQR\r\n'120'-57#\r\n",
       "ABCDEFGHILMNOPQR", "120'-57#", "ABCDEFGHILMNOPQR"},
      {"result line before the grid", "'120'-57#\r\nABCD\r\nEFGH\r\nILMN\r\nOPQR\r\n",
       "ABCDEFGHILMNOPQR", "120'-57#", "ABCDEFGHILMNOPQR"},
      {"result line between grid lines", "ABCD\r\nEFGH\r\n'90'-3#\r\nILMN\r\nOPQR\r\n",
       "ABCDEFGHILMNOPQR", "90'-3#", "ABCDEFGHILMNOPQR"},
      {"several result lines, last wins", "'1'-1#\r\nABCDEFGH\r\n'2'-2#\r\nILMNOPQR\r\n'3'-3#\r\n",
       "ABCDEFGHILMNOPQR", "3'-3#", "ABCDEFGHILMNOPQR"},
      {"a later empty result line still wins", "ABCDEFGHILMNOPQR\r\n'120'-57#\r\n'\r\n",
       "ABCDEFGHILMNOPQR", "", "ABCDEFGHILMNOPQR"},
      {"result text kept as it is", "ABCDEFGHILMNOPQR\r\n'' x #\r\n", "ABCDEFGHILMNOPQR",
       "' x #", "ABCDEFGHILMNOPQR"},
      {"apostrophe inside a line is grid", "AB'D\r\nEFGH\r\nILMN\r\nOPQR\r\n",
       "AB'DEFGHILMNOPQR", {}, "AB-DEFGHILMNOPQR"},
      {"result line only", "'120'-57#\r\n", "", "120'-57#", nullptr},
      {"lower case and digits", "aBcD\r\nE1G2\r\nILMN\r\nOPq9\r\n", "aBcDE1G2ILMNOPq9", {},
       "-B-DE-G-ILMNOP--"},
      {"punctuation and space", "A.C \r\nEFGH\r\nIL-N\r\nOPQ!\r\n", "A.C EFGHIL-NOPQ!", {},
       "A-C-EFGHIL-NOPQ-"},
      {"lone LF inside a line", "AB\nD\r\nEFGH\r\nILMN\r\nOPQR\r\n", "AB\nDEFGHILMNOPQR", {},
       "AB-DEFGHILMNOPQR"},
      {"LF lines only, one long line", "ABCD\nEFGH\nILMN\nOPQR\n",
       "ABCD\nEFGH\nILMN\nOPQR\n", {}, nullptr},
      {"LF after CR LF stays", "ABCD\r\n\nEFGH\r\nILMN\r\nOPQR\r\n", "ABCD\nEFGHILMNOPQR", {},
       nullptr},
      {"lone CR as line end", "ABCD\rEFGH\rILMN\rOPQR\r", "ABCDEFGHILMNOPQR", {},
       "ABCDEFGHILMNOPQR"},
      {"CR CR LF makes an empty line", "ABCD\r\r\nEFGH\r\nILMN\r\nOPQR\r\n",
       "ABCDEFGHILMNOPQR", {}, "ABCDEFGHILMNOPQR"},
      {"LF CR: the LF stays", "ABCD\n\rEFGH\r\nILMN\r\nOPQR\r\n", "ABCD\nEFGHILMNOPQR", {},
       nullptr},
      {"empty file", "", "", {}, nullptr},
      {"only line ends", "\r\n\r\n\r", "", {}, nullptr},
      {"binary bytes incl. NUL", "A\0\xff\x80\r\nE\x1a" "GH\r\nIL\0N\r\n\x7fPQR"s,
       "A\0\xff\x80" "E\x1aGHIL\0N\x7fPQR"s, {}, "A---E-GHIL-N-PQR"},
      {"result line with binary", "ABCDEFGHILMNOPQR\r\n'\0\xfe\r\n"s, "ABCDEFGHILMNOPQR",
       "\0\xfe"s, "ABCDEFGHILMNOPQR"},
  };
  for (const ReaderCase& c : cases) {
    SCOPED_TRACE(c.name);
    const GameFileContents read = readGameFile(c.bytes);
    EXPECT_EQ(read.gridText, c.gridText);
    EXPECT_EQ(read.resultText, c.resultText);
    const std::optional<Board> board = gridToBoard(read.gridText);
    if (c.dice == nullptr) {
      EXPECT_FALSE(board.has_value());
    } else {
      ASSERT_TRUE(board.has_value());
      EXPECT_EQ(diceOf(*board), c.dice);
    }
  }
}

TEST(GameFileGrid, OnlyTableLettersBecomeDice) {
  // Every byte value in one die: only the 26 capitals of the table survive.
  for (int value = 0; value < 256; ++value) {
    std::string grid(16, 'A');
    grid[5] = static_cast<char>(value);
    const std::optional<Board> board = gridToBoard(grid);
    ASSERT_TRUE(board.has_value());
    const char die = (*board)[dicePos[5]];
    if (letterIndex(static_cast<char>(value)) >= 0)
      EXPECT_EQ(die, static_cast<char>(value)) << "byte " << value;
    else
      EXPECT_EQ(die, kUndealt) << "byte " << value;
  }
}

TEST(GameFileGrid, BorderStaysEmptyAndLengthMustBeSixteen) {
  const std::optional<Board> board = gridToBoard("ABCDEFGHILMNOPQR");
  ASSERT_TRUE(board.has_value());
  for (int p = 0; p < kCells; ++p)
    if (!isDiePos(p)) {
      EXPECT_EQ((*board)[p], '\0') << "border " << p;
    }
  for (std::size_t length : {0u, 1u, 15u, 17u, 32u})
    EXPECT_FALSE(gridToBoard(std::string(length, 'A')).has_value()) << length;
}

TEST(GameFileReader, RandomBytesKeepTheLineRules) {
  std::mt19937 random(20240531);
  for (int round = 0; round < 500; ++round) {
    std::string bytes(random() % 64, '\0');
    for (char& c : bytes) c = static_cast<char>(random() % 256);
    const GameFileContents read = readGameFile(bytes);
    SCOPED_TRACE(round);
    // A CR never reaches the grid or the result text; every other byte lands in one of them,
    // except the first apostrophe of each result line and an LF right after a CR.
    EXPECT_EQ(read.gridText.find('\r'), std::string::npos);
    if (read.resultText) {
      EXPECT_EQ(read.resultText->find('\r'), std::string::npos);
    }
    EXPECT_LE(read.gridText.size(), bytes.size());
    if (bytes.find('\r') == std::string::npos && (bytes.empty() || bytes[0] != '\'')) {
      EXPECT_EQ(read.gridText, bytes);
    }
    if (const std::optional<Board> board = gridToBoard(read.gridText)) {
      for (int16_t p : dicePos)
        EXPECT_TRUE((*board)[p] == kUndealt || letterIndex((*board)[p]) >= 0);
    }
  }
}

}  // namespace
}  // namespace vocari
