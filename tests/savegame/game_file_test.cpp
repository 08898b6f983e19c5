// The game file: the exact bytes written, the reader's line rules and grid mapping, the size
// limit, unreadable files and the atomic save.
#include "savegame/game_file.h"

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "board_text.h"
#include "core/startup.h"

namespace vocari {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using testing::boardOf;

const std::string kGrid = "ABCD\r\nEFGH\r\nILMN\r\nOPQR\r\n";

TEST(GameFileWriter, WritesExactBytes) {
  // Game over, time, score, and the result line expected after the four grid lines.
  for (auto [over, time, score, resultLine] : {std::tuple{false, 120.0, 57, ""}, {true, 120.0, 57, "'120'-57#\r\n"},
                                              {true, 150.5, 0, "'150.5'-0#\r\n"}})
    EXPECT_EQ(writeGameFile(boardOf("ABCDEFGHILMNOPQR"), over, time, score), kGrid + resultLine) << time;
}

class GameFileIo : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "vocari-savegame-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }

  static void write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
  static std::string read(const fs::path& path) { return readWholeFile(path.string(), 1 << 20).value_or(""); }
  // The names in a folder: no temporary file may be left behind.
  static std::vector<std::string> names(const fs::path& folder) {
    std::vector<std::string> out;
    for (const auto& entry : fs::directory_iterator(folder)) out.push_back(entry.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
  }

  fs::path dir;
};

TEST_F(GameFileIo, SaveAndLoadRoundTrip) {
  for (const char* dice : {"QUIZSTEVHJKWXYAO", "AE-IOU-BC-DFGLMN"}) {
    for (bool over : {false, true}) {
      SCOPED_TRACE(std::string(dice) + (over ? " over" : " running"));
      const std::string bytes = writeGameFile(boardOf(dice), over, 120, 57);
      ASSERT_FALSE(saveGameFileAtomically(dir / "game.txt", bytes).has_value());
      EXPECT_EQ(read(dir / "game.txt"), bytes);
      const LoadedGameFile loaded = loadGameFile(dir / "game.txt");
      EXPECT_EQ(loaded.error, GameFileError::None);
      EXPECT_EQ(loaded.board, boardOf(dice));
      EXPECT_EQ(loaded.contents.resultText, over ? std::optional("120'-57#"s) : std::nullopt);
    }
  }
  EXPECT_EQ(names(dir), std::vector<std::string>{"game.txt"});
}

TEST_F(GameFileIo, ReadsOrRefusesFiles) {
  struct Case {
    const char* name;
    std::string bytes;
    const char* dice;  // the board in reading order; nullptr when the file is refused
    std::optional<std::string> result = std::nullopt;
    GameFileError refusal = GameFileError::NotAGrid;
  };
  const char* plain = "ABCDEFGHILMNOPQR";
  const std::string nines(kMaxGameFileBytes - kGrid.size() - 3, '9');
  const std::string atLimit = kGrid + "'" + nines + "\r\n";
  const Case cases[] = {
      {"last line without line end", "ABCD\r\nEFGH\r\nILMN\r\nOPQR", plain},
      {"one line of 16", "ABCDEFGHILMNOPQR\r\n", plain},
      {"two lines of 8", "ABCDEFGH\r\nILMNOPQR\r\n", plain},
      {"lone CR ends a line", "ABCD\rEFGH\rILMN\rOPQR\r", plain},
      {"LF alone ends a line, lower case reads as capitals", "casa\nPORT\nERIL\nMANO\n", "CASAPORTERILMANO"},
      {"byte-order mark skipped, LF CR is two line ends", "\xEF\xBB\xBF" "ABCD\n\rEFGH\r\nILMN\nOPQR", plain},
      {"byte-order mark inside the file counts", "ABCD\xEF\xBB\xBF\nEFGH\nILMN\nOPQR\n", nullptr},
      {"five lines of 4", kGrid + "STUV\r\n", nullptr},
      {"trailing line with a space", kGrid + " \r\n", nullptr},
      {"result line before the grid", "'120'-57#\r\n" + kGrid, plain, "120'-57#"},
      {"several result lines, last wins", "'1'-1#\r\nABCDEFGH\r\n'2'-2#\r\nILMNOPQR\r\n'3'-3#\r\n", plain, "3'-3#"},
      {"apostrophe inside a line", "AB'D\r\nEFGH\r\nILMN\r\nOPQR\r\n", "AB-DEFGHILMNOPQR"},
      {"digits, accents and punctuation", "aBcD\r\nE1G2\r\nILMN\r\nOP\xe0.\r\n", "ABCDE-G-ILMNOP--"},
      {"binary", "A\0\xff\x80\r\nE\x1a" "GH\r\nIL\0N\r\n\x7fPQR"s, "A---E-GHIL-N-PQR"},
      {"empty file", "", nullptr},
      {"exactly the size limit", atLimit, plain, nines},
      {"one byte over the limit", atLimit + "\r", nullptr, std::nullopt, GameFileError::TooLarge},
      {"1 MiB", std::string(1 << 20, 'A'), nullptr, std::nullopt, GameFileError::TooLarge},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    write(dir / "game.txt", c.bytes);
    const LoadedGameFile loaded = loadGameFile(dir / "game.txt");
    EXPECT_EQ(loaded.error, c.dice ? GameFileError::None : c.refusal);
    EXPECT_EQ(loaded.contents.resultText, c.result);
    if (c.dice) {
      EXPECT_EQ(loaded.board, boardOf(c.dice));
    }
  }
}

TEST_F(GameFileIo, UnreadableFilesAreRefusedWithTheirCause) {
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);  // with no writer, a plain open blocks
  using std::errc;
  for (const auto& [path, cause] : {std::pair{dir / "missing.txt", errc::no_such_file_or_directory},
                                    {dir, errc::is_a_directory}, {dir / "pipe", errc::invalid_argument},
                                    {fs::path("/dev/zero"), errc::invalid_argument}}) {
    const LoadedGameFile loaded = loadGameFile(path);
    EXPECT_EQ(loaded.error, GameFileError::CannotRead) << path;
    EXPECT_EQ(loaded.code, cause) << path;
  }
}

TEST_F(GameFileIo, HugeFileIsRefusedUnread) {
  // A sparse file far larger than memory: reading it whole would exhaust the machine.
  write(dir / "huge.txt", "");
  std::error_code ec;
  fs::resize_file(dir / "huge.txt", std::uintmax_t{64} << 30, ec);
  if (ec) GTEST_SKIP() << "this file system cannot hold a sparse 64 GiB file";
  EXPECT_EQ(loadGameFile(dir / "huge.txt").error, GameFileError::TooLarge);
}

TEST_F(GameFileIo, SaveKeepsPermissionsAndLinks) {
  const auto rw_r = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  write(dir / "old", "old contents, longer than the new ones\r\n" + kGrid);  // no extension is added
  fs::permissions(dir / "old", rw_r);
  ASSERT_FALSE(saveGameFileAtomically(dir / "old", kGrid).has_value());
  EXPECT_EQ(read(dir / "old"), kGrid);
  EXPECT_EQ(fs::status(dir / "old").permissions(), rw_r);

  const mode_t umask = ::umask(022);
  ASSERT_FALSE(saveGameFileAtomically(dir / "new.txt", kGrid).has_value());
  ::umask(umask);
  EXPECT_EQ(fs::status(dir / "new.txt").permissions(), rw_r | fs::perms::others_read);

  fs::create_symlink(dir / "new.txt", dir / "link.txt");
  ASSERT_FALSE(saveGameFileAtomically(dir / "link.txt", "linked\r\n").has_value());
  EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
  EXPECT_EQ(read(dir / "new.txt"), "linked\r\n");
  EXPECT_EQ(names(dir), (std::vector<std::string>{"link.txt", "new.txt", "old"}));
}

// A save that fails reports the step and the system's reason, keeps an old file and leaves no
// temporary file; a file-size limit makes the write fail even for root.
TEST_F(GameFileIo, FailedSaveReportsTheStepAndLeavesNoTrace) {
  fs::create_directory(dir / "folder");
  const std::string old = kGrid + "'120'-57#\r\n";
  write(dir / "game.txt", old);
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit tight = saved;
  tight.rlim_cur = 8;
  const auto previous = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
  const std::optional<SaveError> tooLarge = saveGameFileAtomically(dir / "game.txt", kGrid + kGrid);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, previous);

  // The error, the step, and the reason where it is certain.
  const std::tuple<std::optional<SaveError>, SaveError::Step, std::error_condition> cases[] = {
      {saveGameFileAtomically(dir / "nowhere" / "game.txt", kGrid), SaveError::Step::CreateTemporary,
       std::errc::no_such_file_or_directory},
      {saveGameFileAtomically(dir / "folder", kGrid), SaveError::Step::Replace, {}},
      {tooLarge, SaveError::Step::Write, std::errc::file_too_large},
  };
  for (const auto& [error, step, code] : cases) {
    ASSERT_TRUE(error.has_value()) << int(step);
    EXPECT_EQ(error->step, step);
    EXPECT_TRUE(code ? error->code == code : bool(error->code)) << error->code.message();
  }
  EXPECT_EQ(read(dir / "game.txt"), old);
  EXPECT_EQ(names(dir), (std::vector<std::string>{"folder", "game.txt"}));
  EXPECT_TRUE(fs::is_empty(dir / "folder"));
}

// Runs `body` in a child process in which file permissions apply (as "nobody" when the tests run
// as root) and returns its exit status, or -1 when it did not exit normally.
int unprivileged(const std::function<int()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
      ::_exit(100);
    ::_exit(body());
  }
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

// A folder the player may not write to: no temporary file can be made there, so a file the player
// may write is rewritten in place; one they may not write, or a new one, fails as before.
TEST_F(GameFileIo, FolderNotWritableRewritesAWritableFileInPlace) {
  const std::string old = "old contents, longer than the new ones\r\n" + kGrid;
  write(dir / "mine.txt", old);
  write(dir / "locked.txt", old);
  fs::permissions(dir / "mine.txt", fs::perms(0666));
  fs::permissions(dir / "locked.txt", fs::perms(0444));
  fs::permissions(dir, fs::perms(0555));
  const int status = unprivileged([&] {
    const auto denied = [&](const char* name) {
      const auto e = saveGameFileAtomically(dir / name, kGrid);
      return e && e->step == SaveError::Step::CreateTemporary && e->code == std::errc::permission_denied;
    };
    return (saveGameFileAtomically(dir / "mine.txt", kGrid) ? 1 : 0) | (denied("locked.txt") ? 0 : 2) |
           (denied("new.txt") ? 0 : 4);
  });
  fs::permissions(dir, fs::perms::owner_all);
  EXPECT_EQ(status, 0) << "1: the writable file was not saved, 2: the locked file, 4: the new file did not fail";
  EXPECT_EQ(read(dir / "mine.txt"), kGrid);
  EXPECT_EQ(read(dir / "locked.txt"), old);
  EXPECT_EQ(names(dir), (std::vector<std::string>{"locked.txt", "mine.txt"}));
}

// The causes the game's own tests cannot provoke (as root, or on this disk), each told apart; a
// missing entry is the file when reading and the folder when saving.
TEST(FileFailure, TellsTheCommonCausesApart) {
  using F = FileFailure;
  constexpr auto R = FileAction::Read, S = FileAction::Save;
  const std::tuple<int, FileAction, F> cases[] = {
      {EACCES, S, F::PermissionDenied}, {EPERM, R, F::PermissionDenied}, {EROFS, S, F::ReadOnlyDisk},
      {ENOSPC, S, F::DiskFull}, {EDQUOT, S, F::DiskFull}, {ENAMETOOLONG, S, F::NameTooLong}, {ENOTDIR, R, F::MissingFolder},
      {ENOENT, R, F::MissingFile}, {ENOENT, S, F::MissingFolder}, {EISDIR, R, F::IsAFolder}, {EINVAL, R, F::NotAFile}, {EINVAL, S, F::Unexpected},
      {EIO, R, F::Unexpected}};
  for (const auto& [code, action, failure] : cases)
    EXPECT_EQ(fileFailure(std::error_code(code, std::system_category()), action), failure) << code;
}

}  // namespace
}  // namespace vocari
