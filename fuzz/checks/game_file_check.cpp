#include <string>

#include "fuzz/checks/fuzz_checks.h"
#include "fuzz/checks/scratch.h"
#include "savegame/game_file.h"

namespace vocari::fuzz {
namespace {

// The reading rules applied one character at a time: a byte-order mark at the start is skipped,
// CR or LF ends a line, an LF right after a CR is dropped, a result line is one that starts with
// an apostrophe.
GameFileContents readByCharacters(std::string_view bytes) {
  GameFileContents out;
  std::string line;
  auto finish = [&] {
    if (!line.empty() && line[0] == '\'')
      out.resultText = line.substr(1);
    else
      out.gridText += line;
    line.clear();
  };
  const std::size_t start = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
  for (std::size_t i = start; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') {
      line += bytes[i];
      continue;
    }
    finish();
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
  }
  finish();
  return out;
}

std::string show(const std::optional<std::string>& s) { return s ? "'" + *s + "'" : "none"; }

Failure compareContents(const GameFileContents& got, const GameFileContents& want,
                        const char* what) {
  if (got.gridText != want.gridText)
    return std::string(what) + ": grid text '" + got.gridText + "', expected '" + want.gridText +
           "'";
  if (got.resultText != want.resultText)
    return std::string(what) + ": result text " + show(got.resultText) + ", expected " +
           show(want.resultText);
  return std::nullopt;
}

}  // namespace

Failure checkGameFile(std::string_view input) {
  const GameFileContents contents = readGameFile(input);
  if (Failure f = compareContents(contents, readByCharacters(input), "readGameFile")) return f;

  const std::optional<Board> board = gridToBoard(contents.gridText);
  if (board.has_value() != (contents.gridText.size() == kDice))
    return "gridToBoard accepted a grid of " + std::to_string(contents.gridText.size()) +
           " characters: " + (board ? "yes" : "no");
  if (board) {
    for (int p = 0; p < kCells; ++p) {
      if (!isDiePos(p) && (*board)[p] != '\0')
        return "border cell " + std::to_string(p) + " is not empty";
    }
    for (int i = 0; i < kDice; ++i) {
      const char c = contents.gridText[std::size_t(i)];
      const char upper = c >= 'a' && c <= 'z' ? char(c - 32) : c;
      const char want = letterIndex(upper) >= 0 ? upper : kUndealt;
      if ((*board)[dicePos[i]] != want)
        return "die " + std::to_string(i) + " holds '" + (*board)[dicePos[i]] + "', expected '" +
               want + "'";
    }

    // Writing the board and reading it back gives the same board; a finished game's result
    // line reads back as its own text.
    const bool over = input.size() % 2 == 1;
    const double gameTime = 120 + double(input.size() % 1000) / 4;
    const int score = int(input.size() * 7 % 5000);
    const std::string written = writeGameFile(*board, over, gameTime, score);
    const GameFileContents back = readGameFile(written);
    const std::optional<Board> again = gridToBoard(back.gridText);
    if (!again || *again != *board) return "the written board does not read back: " + written;
    if (back.resultText.has_value() != over) return "result line written wrongly: " + written;
  }

  const LoadedGameFile loaded = loadGameFile(writeScratchFile("game.txt", input));
  if (input.size() > kMaxGameFileBytes) {
    if (loaded.error != GameFileError::TooLarge) return "loadGameFile took an oversized file";
    return std::nullopt;
  }
  const GameFileError want = board ? GameFileError::None : GameFileError::NotAGrid;
  if (loaded.error != want)
    return "loadGameFile error " + std::to_string(int(loaded.error)) + ", expected " +
           std::to_string(int(want));
  if (Failure f = compareContents(loaded.contents, contents, "loadGameFile")) return f;
  if (board && loaded.board != *board) return "loadGameFile built another board";
  return std::nullopt;
}

}  // namespace vocari::fuzz
