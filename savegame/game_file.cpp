#include "savegame/game_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>

#include "core/number_text.h"

namespace vocari {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// An editor may start a UTF-8 file with a byte-order mark; it is no grid character.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kResultMarker = '\'';

std::error_code lastError() { return {errno, std::generic_category()}; }

// Closes a file descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded (a deferred write error shows up here).
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Creates a new, empty file next to the target, under a name nobody else uses.
int createTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& tempPath) {
  static unsigned counter = 0;
  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  std::string stem = ".";
  stem += target.filename().string();
  stem += ".tmp-" + std::to_string(::getpid());
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = folder / (stem + "-" + std::to_string(counter++));
    const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// The fallback for a folder the player may not write to: rewrites the target in place. Returns
// false, touching nothing, when the target cannot be opened for writing or is not a regular file;
// otherwise `outcome` says how the write went.
bool writeInPlace(const std::filesystem::path& target, std::string_view bytes,
                  std::optional<SaveError>& outcome) {
  // O_NONBLOCK keeps a named pipe without a reader from blocking the open.
  FileDescriptor fd(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  struct stat info {};
  if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  if (::ftruncate(fd.get(), 0) != 0 || !writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || !fd.close())
    outcome = SaveError{SaveError::Step::Write, lastError()};
  return true;
}

}  // namespace

std::string writeGameFile(const Board& board, bool gameOver, double gameTime, int score) {
  std::string out;
  for (int d = 0; d < kDice; ++d) {
    out += board[dicePos[d]];
    if (d % kSide == kSide - 1) out += kLineEnd;  // one line a row of the grid
  }
  if (gameOver) {
    out += kResultMarker;
    out += formatNumber(gameTime);
    out += "'-";
    out += std::to_string(score);
    out += '#';
    out += kLineEnd;
  }
  return out;
}

GameFileContents readGameFile(std::string_view bytes) {
  GameFileContents contents;
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t brk = bytes.find_first_of("\r\n", pos);
    const std::size_t end = brk == std::string_view::npos ? bytes.size() : brk;
    const std::string_view line = bytes.substr(pos, end - pos);
    pos = end;
    if (pos < bytes.size()) {
      const bool cr = bytes[pos++] == '\r';
      if (cr && pos < bytes.size() && bytes[pos] == '\n') ++pos;
    }
    if (!line.empty() && line.front() == kResultMarker)
      contents.resultText = std::string(line.substr(1));
    else
      contents.gridText += line;
  }
  return contents;
}

std::optional<Board> gridToBoard(std::string_view gridText) {
  if (gridText.size() != static_cast<std::size_t>(kDice)) return std::nullopt;
  Board board = emptyBoard();
  for (int i = 0; i < kDice; ++i) {
    const char c = toCapital(gridText[static_cast<std::size_t>(i)]);
    board[gridCharPosition(i)] = letterIndex(c) >= 0 ? c : kUndealt;
  }
  return board;
}

LoadedGameFile loadGameFile(const std::filesystem::path& path) {
  LoadedGameFile result;
  // O_NONBLOCK keeps a named pipe from blocking the open; such files are refused below anyway.
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  struct stat info {};
  if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
    result.error = GameFileError::CannotRead;
    result.code = fd.get() >= 0 && S_ISDIR(info.st_mode) ? std::make_error_code(std::errc::is_a_directory)
                  : fd.get() >= 0 && !S_ISREG(info.st_mode) ? std::make_error_code(std::errc::invalid_argument)
                                                            : lastError();
    return result;
  }
  if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > kMaxGameFileBytes) {
    result.error = GameFileError::TooLarge;
    return result;
  }

  // One byte more than allowed tells a file that grew since fstat from one that fits.
  std::string bytes(kMaxGameFileBytes + 1, '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      result.error = GameFileError::CannotRead;
      result.code = lastError();
      return result;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return gameFileFromBytes(bytes);
}

LoadedGameFile gameFileFromBytes(std::string_view bytes) {
  LoadedGameFile result;
  if (bytes.size() > kMaxGameFileBytes) {
    result.error = GameFileError::TooLarge;
    return result;
  }
  result.contents = readGameFile(bytes);
  if (auto board = gridToBoard(result.contents.gridText))
    result.board = *board;
  else
    result.error = GameFileError::NotAGrid;
  return result;
}

std::optional<SaveError> saveGameFileAtomically(const std::filesystem::path& path,
                                                std::string_view bytes) {
  std::error_code ec;
  std::filesystem::path target = path;
  if (std::filesystem::is_symlink(path, ec)) {
    std::filesystem::path resolved = std::filesystem::canonical(path, ec);
    if (!ec) target = resolved;
  }

  std::filesystem::path tempPath;
  FileDescriptor fd(createTemporaryBeside(target, tempPath));
  if (fd.get() < 0) {
    const SaveError error{SaveError::Step::CreateTemporary, lastError()};
    std::optional<SaveError> outcome;
    const bool denied =
        error.code == std::errc::permission_denied || error.code == std::errc::operation_not_permitted;
    if (denied && writeInPlace(target, bytes, outcome)) return outcome;
    return error;
  }

  auto fail = [&](SaveError::Step step) {
    const std::error_code code = lastError();
    if (fd.get() >= 0) fd.close();
    ::unlink(tempPath.c_str());
    return SaveError{step, code};
  };

  // A replaced file keeps its permissions; a new one keeps what the umask gave the temporary.
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
    (void)::fchmod(fd.get(), old.st_mode & 07777);

  if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0) return fail(SaveError::Step::Write);
  if (!fd.close()) return fail(SaveError::Step::Write);
  if (::rename(tempPath.c_str(), target.c_str()) != 0) return fail(SaveError::Step::Replace);

  // Make the rename itself durable; the file is already in place, so a failure here is harmless.
  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
  FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) (void)::fsync(dir.get());
  return std::nullopt;
}

FileFailure fileFailure(std::error_code code, FileAction action) {
  using std::errc;
  if (code == errc::permission_denied || code == errc::operation_not_permitted) return FileFailure::PermissionDenied;
  if (code == errc::read_only_file_system) return FileFailure::ReadOnlyDisk;
  // No errc names a full quota: its errno is compared as it is (both categories hold errno values).
  const bool errnoValue = code.category() == std::generic_category() || code.category() == std::system_category();
  if (code == errc::no_space_on_device || (errnoValue && code.value() == EDQUOT)) return FileFailure::DiskFull;
  if (code == errc::no_such_file_or_directory)
    return action == FileAction::Read ? FileFailure::MissingFile : FileFailure::MissingFolder;
  if (code == errc::not_a_directory) return FileFailure::MissingFolder;
  if (code == errc::is_a_directory) return FileFailure::IsAFolder;
  if (code == errc::filename_too_long) return FileFailure::NameTooLong;
  // loadGameFile reports a file that is not a regular one (a pipe, a device) this way.
  if (code == errc::invalid_argument && action == FileAction::Read) return FileFailure::NotAFile;
  return FileFailure::Unexpected;
}

}  // namespace vocari
