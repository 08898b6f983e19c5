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
  write("Base3.txt", "\r\nCASA\r\nPANE\r\n");
  settings.gameTime = 300;
  // The dealing method and a pending competition are not start-up's to set.
  settings.methodIndex = DealMethod::ByColumns;
  settings.competitionPending = true;
  EXPECT_EQ(startUp(dir.string(), settings, dict, diskFiles()), std::nullopt);
  EXPECT_EQ(settings.programDir, dir.string() + "/");
  EXPECT_EQ(settings.dictPath, dir.string() + "/Base3.txt");
  EXPECT_EQ(dict.text(), "\r\nCASA\r\nPANE\r\n");
  EXPECT_TRUE(dict.isWord("CASA"));
  EXPECT_EQ(settings.gameTime, 120);
  EXPECT_EQ(settings.methodIndex, DealMethod::ByColumns);
  EXPECT_TRUE(settings.competitionPending);
  // A folder ending in a separator gets no second one.
  EXPECT_EQ(startUp(dir.string() + "/", settings, dict, diskFiles()), std::nullopt);
  EXPECT_EQ(settings.programDir, dir.string() + "/");
  EXPECT_EQ(withTrailingSeparator("/"), "/");
  // A saved game over the word list is not read as one; a missing word list, and a folder where it should be.
  write("Base3.txt", "CASA\r\nORTE\r\nLINU\r\nBDFG\r\n");
  EXPECT_EQ(startUp(dir.string(), settings, dict, diskFiles()), StartUpError::DictionaryMalformed);
  EXPECT_FALSE(dict.isPrefix("C"));
  fs::remove(dir / "Base3.txt");
  EXPECT_EQ(startUp(dir.string(), settings, dict, diskFiles()), StartUpError::DictionaryMissing);
  fs::create_directory(dir / "Base3.txt");
  EXPECT_EQ(startUp(dir.string(), settings, dict, diskFiles()), StartUpError::DictionaryUnreadable);
}

// A word list as the game writes it: capitals, CR LF after every line, ascending; the first line
// may be empty. Anything else is reported at start-up.
TEST(WordList, IsSortedCapitalsWithCrLf) {
  const std::pair<const char*, bool> cases[] = {
      {"\r\nCASA\r\nPANE\r\n", true},        {"CASA\r\nPANE\r\n", true},
      {"\r\nCASA\r\nCASA\r\nPANE\r\n", true}, {"\r\nA\r\nAB\r\nB\r\n", true},
      {"", false},                            {"\r\n", false},
      {"\r\nCASA\r\nPANE", false},           {"\r\nCASA\nPANE\r\n", false},
      {"\r\nCASA\rPANE\r\n", false},         {"\r\ncasa\r\n", false},
      {"\r\nPANE\r\nCASA\r\n", false},       {"\r\nCASA\r\n\r\nPANE\r\n", false},
      {"\r\nCASA \r\n", false},              {"\r\nPER\xC3\x92\r\n", false},
      {"CASA\r\nORTE\r\nLINU\r\nBDFG\r\n'120'-8#\r\n", false},
  };
  for (const auto& [text, ok] : cases) EXPECT_EQ(isWordList(text), ok) << ::testing::PrintToString(std::string(text));
}

}  // namespace
