#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/startup.h"

using namespace vocari;
namespace fs = std::filesystem;

namespace {

class StartUp : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("vocari-startup-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  void write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
  }
  fs::path dir;
  Settings settings;
  Dictionary dict;
};

TEST_F(StartUp, ReadsTheDictionaryWholeAndSetsDefaults) {
  write("Base3.txt", "\r\nCASA\r\nPANE");
  settings.gameTime = 300;
  // The dealing method and a pending competition are not start-up's to set.
  settings.methodIndex = DealMethod::ByColumns;
  settings.competitionPending = true;
  EXPECT_EQ(startUp(dir.string(), settings, dict, diskFiles()), std::nullopt);
  EXPECT_EQ(settings.programDir, dir.string() + "/");
  EXPECT_EQ(settings.dictPath, dir.string() + "/Base3.txt");
  EXPECT_EQ(dict.text(), "\r\nCASA\r\nPANE");
  EXPECT_TRUE(dict.isWord("CASA"));
  EXPECT_EQ(settings.gameTime, 120);
  EXPECT_EQ(settings.methodIndex, DealMethod::ByColumns);
  EXPECT_TRUE(settings.competitionPending);
  // A folder ending in a separator gets no second one; an empty dictionary holds nothing.
  write("Base3.txt", "");
  EXPECT_EQ(startUp(dir.string() + "/", settings, dict, diskFiles()), std::nullopt);
  EXPECT_EQ(settings.programDir, dir.string() + "/");
  EXPECT_EQ(withTrailingSeparator("/"), "/");
  EXPECT_FALSE(dict.isPrefix("A"));
  // A missing word list, and a folder where it should be.
  fs::remove(dir / "Base3.txt");
  EXPECT_EQ(startUp(dir.string(), settings, dict, diskFiles()), StartUpError::DictionaryMissing);
  fs::create_directory(dir / "Base3.txt");
  EXPECT_EQ(startUp(dir.string(), settings, dict, diskFiles()), StartUpError::DictionaryUnreadable);
}

}  // namespace
