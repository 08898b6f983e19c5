// The game file: a small 8-bit text file holding the 16 letters of a grid and, for a finished
// game, its result line "'" time "'-" score "#".
//
// The pure functions (writeGameFile, readGameFile, gridToBoard) work on bytes and never touch the
// file system; loadGameFile and saveGameFileAtomically add the file handling with its safety rules.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "core/game_state.h"
#include "core/tables.h"

namespace vocari {

// Files larger than this are refused without being read.
inline constexpr std::size_t kMaxGameFileBytes = 64 * 1024;

// Board position of grid character i (0-based, 0..15): rows of four from the top, as written,
// that is the dice in reading order.
constexpr int gridCharPosition(int i) { return dicePos[i]; }

// The exact bytes of a game file: four grid lines, then the result line only when the game is
// over; every line ends with CR LF. Numbers are written in their shortest decimal form
// (120, 150.5). gameTime and score are expected to be finite and not negative.
std::string writeGameFile(const Board& board, bool gameOver, double gameTime, int score);

struct GameFileContents {
  // Every line that is not a result line, empty ones included, appended unchanged.
  std::string gridText;
  // Text of the last result line after its "'" marker; nothing when the file has none.
  std::optional<std::string> resultText;
};

// Splits the bytes into lines and sorts them into grid text and result text. A line ends at CR LF,
// at CR alone or at LF alone (as any Linux editor writes it); a UTF-8 byte-order mark at the very
// start is skipped. A final line without a line end still counts. Never fails: whether the grid
// is usable is gridToBoard's call.
GameFileContents readGameFile(std::string_view bytes);

// The board described by a grid text, or nothing unless it has exactly 16 characters. A
// character that is a letter of the table becomes that die, a lower-case a-z the die of its
// capital (a grid "casa" is plainly meant as CASA); any other character leaves the die kUndealt.
// Border cells stay empty. Callers that need to know which dice got a letter (to set its picture)
// test letterIndex(board[p]) >= 0: kUndealt is not a letter.
std::optional<Board> gridToBoard(std::string_view gridText);

enum class GameFileError {
  None,
  CannotRead,  // missing, not a regular file, or a read error
  TooLarge,    // over kMaxGameFileBytes
  NotAGrid,    // the grid lines do not add up to exactly 16 characters
};

struct LoadedGameFile {
  GameFileError error = GameFileError::None;
  std::error_code code;  // CannotRead: the system's reason
  // Filled when error is None; for NotAGrid the contents read are kept, the board is not.
  GameFileContents contents;
  Board board = emptyBoard();

  bool ok() const { return error == GameFileError::None; }
};

// Reads a game file from disk. The size is checked on the open file before anything is read, and
// the read itself never takes in more than kMaxGameFileBytes + 1 bytes, so a file that grows in
// the meantime cannot slip through either.
LoadedGameFile loadGameFile(const std::filesystem::path& path);

// The same from bytes already read: TooLarge over kMaxGameFileBytes, else the contents and board.
LoadedGameFile gameFileFromBytes(std::string_view bytes);

struct SaveError {
  enum class Step {
    CreateTemporary,  // the temporary file could not be made in the target's folder
    Write,            // writing or flushing the temporary file failed
    Replace,          // the temporary file could not be renamed over the target
  };
  Step step;
  std::error_code code;
};

// Writes bytes to a temporary file in the target's folder and renames it over the target, so the
// target is either the old file or the complete new one. Returns nothing on success. On failure
// the temporary file is removed and any old file is left as it was; nothing is thrown.
// One exception: when the folder does not let the temporary file be made (permission denied) but
// the target is an existing regular file the player may write, the file is rewritten in place, as
// a plain write would do; a failure in the middle of that write can leave the file cut short. A new file
// gets the usual permissions (0666 less the umask); a replaced file keeps its own. When the target
// is a symbolic link, the file it points to is replaced and the link is kept.
std::optional<SaveError> saveGameFileAtomically(const std::filesystem::path& path,
                                                std::string_view bytes);

enum class FileAction { Read, Save };

// The causes of a failed read or save that the player is told apart; the game words them.
enum class FileFailure {
  PermissionDenied,
  ReadOnlyDisk,
  DiskFull,
  MissingFile,
  MissingFolder,
  IsAFolder,
  NameTooLong,
  NotAFile,    // reading: a pipe, a device or a socket
  Unexpected,  // anything else
};

// The cause of a failed read or save: a missing entry is the file when reading, the folder when
// saving.
FileFailure fileFailure(std::error_code code, FileAction action);

}  // namespace vocari
