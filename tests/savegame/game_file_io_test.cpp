// Loading and saving game files on disk: the size limit, unreadable files and the atomic save.
#include "savegame/game_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vocari {
namespace {

namespace fs = std::filesystem;

class GameFileIo : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "vocari-savegame-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
  }

  static void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    ASSERT_TRUE(out.good()) << path;
  }
  static std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // Names in the folder, so a test can see that no temporary file was left behind.
  static std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

const std::string kGrid = "ABCD\r\nEFGH\r\nILMN\r\nOPQR\r\n";

TEST_F(GameFileIo, LoadsAndRefusesFiles) {
  struct Case {
    const char* name;
    std::string bytes;
    GameFileError error;
  };
  const std::string padding(kMaxGameFileBytes, 'x');
  // A usable file of exactly the limit: 16 letters, then a long result line.
  std::string atLimit = kGrid + "'";
  atLimit += std::string(kMaxGameFileBytes - atLimit.size() - 2, '9') + "\r\n";
  const std::vector<Case> cases = {
      {"grid during a game", kGrid, GameFileError::None},
      {"grid with result", kGrid + "'120'-57#\r\n", GameFileError::None},
      {"exactly the size limit", atLimit, GameFileError::None},
      {"one byte over the limit", atLimit + "\r", GameFileError::TooLarge},
      {"1 MiB", std::string(1 << 20, 'A'), GameFileError::TooLarge},
      {"five grid lines", kGrid + "STUV\r\n", GameFileError::NotAGrid},
      {"empty file", "", GameFileError::NotAGrid},
      {"binary bytes", std::string("\0\x01\xff\r\n\0\0", 7), GameFileError::NotAGrid},
  };
  ASSERT_EQ(atLimit.size(), kMaxGameFileBytes);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path path = dir_ / "game.txt";
    writeFile(path, c.bytes);
    const LoadedGameFile loaded = loadGameFile(path);
    EXPECT_EQ(loaded.error, c.error);
    if (c.error == GameFileError::None) {
      EXPECT_TRUE(loaded.ok());
      EXPECT_EQ(loaded.board, *gridToBoard("ABCDEFGHILMNOPQR"));
    } else {
      EXPECT_FALSE(loaded.ok());
    }
  }
}

TEST_F(GameFileIo, UnreadableThingsAreRefused) {
  ASSERT_EQ(::mkfifo((dir_ / "pipe").c_str(), 0600), 0);
  fs::create_directory(dir_ / "folder");
  // A pipe with no writer would block a plain open for ever.
  for (const fs::path& path : {dir_ / "missing.txt", dir_ / "folder", dir_ / "pipe",
                               fs::path("/dev/zero"), fs::path("")}) {
    EXPECT_EQ(loadGameFile(path).error, GameFileError::CannotRead) << path;
  }
}

TEST_F(GameFileIo, HugeFileIsRefusedWithoutReadingIt) {
  // A sparse file far larger than memory: reading it whole would exhaust the machine.
  const fs::path path = dir_ / "huge.txt";
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0600);
  ASSERT_GE(fd, 0);
  const bool sized = ::ftruncate(fd, off_t{64} << 30) == 0;
  ::close(fd);
  if (!sized) GTEST_SKIP() << "this file system cannot hold a sparse 64 GiB file";
  EXPECT_EQ(loadGameFile(path).error, GameFileError::TooLarge);
}

TEST_F(GameFileIo, SaveThenLoadRoundTrip) {
  const Board board = *gridToBoard("QUIZSTEVHJKWXYAO");
  for (bool over : {false, true}) {
    const fs::path path = dir_ / (over ? "over.txt" : "running.txt");
    const std::string bytes = writeGameFile(board, over, 150.5, 12);
    ASSERT_FALSE(saveGameFileAtomically(path, bytes).has_value());
    EXPECT_EQ(readFile(path), bytes);
    const LoadedGameFile loaded = loadGameFile(path);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.board, board);
    if (over)
      EXPECT_EQ(loaded.contents.resultText, "150.5'-12#");
    else
      EXPECT_FALSE(loaded.contents.resultText.has_value());
  }
  EXPECT_EQ(namesIn(dir_), (std::vector<std::string>{"over.txt", "running.txt"}));
}

TEST_F(GameFileIo, SaveReplacesAnOldFileAndKeepsItsPermissions) {
  const fs::path path = dir_ / "game";  // no extension: none is added
  writeFile(path, "old contents that are longer than the new ones\r\n" + kGrid + kGrid);
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_FALSE(saveGameFileAtomically(path, kGrid).has_value());
  EXPECT_EQ(readFile(path), kGrid);
  EXPECT_EQ(fs::status(path).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(namesIn(dir_), std::vector<std::string>{"game"});
}

TEST_F(GameFileIo, NewFileGetsTheUsualPermissions) {
  const mode_t old = ::umask(022);
  const auto error = saveGameFileAtomically(dir_ / "new.txt", kGrid);
  ::umask(old);
  ASSERT_FALSE(error.has_value());
  EXPECT_EQ(fs::status(dir_ / "new.txt").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_read);
}

TEST_F(GameFileIo, SaveThroughALinkReplacesTheLinkedFile) {
  fs::create_directory(dir_ / "real");
  writeFile(dir_ / "real" / "game.txt", "old\r\n");
  fs::create_symlink(dir_ / "real" / "game.txt", dir_ / "link.txt");
  ASSERT_FALSE(saveGameFileAtomically(dir_ / "link.txt", kGrid).has_value());
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.txt"));
  EXPECT_EQ(readFile(dir_ / "real" / "game.txt"), kGrid);
  EXPECT_EQ(namesIn(dir_ / "real"), std::vector<std::string>{"game.txt"});
}

TEST_F(GameFileIo, FailedSaveReportsAndLeavesNoTrace) {
  struct Case {
    const char* name;
    fs::path target;
    SaveError::Step step;
  };
  fs::create_directory(dir_ / "taken");
  writeFile(dir_ / "taken" / "inside.txt", "keep me");
  const std::vector<Case> cases = {
      {"folder does not exist", dir_ / "nowhere" / "game.txt", SaveError::Step::CreateTemporary},
      {"target is a folder", dir_ / "taken", SaveError::Step::Replace},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<SaveError> error = saveGameFileAtomically(c.target, kGrid);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->step, c.step);
    EXPECT_TRUE(error->code) << "a failure carries the system's reason";
  }
  EXPECT_EQ(readFile(dir_ / "taken" / "inside.txt"), "keep me");
  EXPECT_EQ(namesIn(dir_), std::vector<std::string>{"taken"});
  EXPECT_EQ(namesIn(dir_ / "taken"), std::vector<std::string>{"inside.txt"});
}

TEST_F(GameFileIo, FailedWriteKeepsTheOldFile) {
  // A file-size limit makes the write fail even for root, with the old file in place.
  const fs::path path = dir_ / "game.txt";
  const std::string old = kGrid + "'120'-57#\r\n";
  writeFile(path, old);
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit tight = saved;
  tight.rlim_cur = 8;
  const auto previous = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
  const std::optional<SaveError> error = saveGameFileAtomically(path, kGrid + kGrid);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, previous);

  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->step, SaveError::Step::Write);
  EXPECT_EQ(error->code, std::errc::file_too_large);
  EXPECT_EQ(readFile(path), old);
  EXPECT_EQ(namesIn(dir_), std::vector<std::string>{"game.txt"});
}

TEST_F(GameFileIo, ReadOnlyFolderKeepsTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const fs::path path = dir_ / "game.txt";
  writeFile(path, kGrid);
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  const std::optional<SaveError> error = saveGameFileAtomically(path, "new\r\n");
  fs::permissions(dir_, fs::perms::owner_all);
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->step, SaveError::Step::CreateTemporary);
  EXPECT_EQ(readFile(path), kGrid);
}

}  // namespace
}  // namespace vocari
