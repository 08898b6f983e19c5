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
  GameState state;
  Dictionary dict;
};

TEST_F(StartUp, ReadsTheDictionaryWholeAndSetsDefaults) {
  write("Base3.txt", "\r\nCASA\r\nPANE");
  settings.gameTime = 300;
  state.lineColour = kLineHighlight;
  // The dealing method and a pending competition are not start-up's to set.
  settings.methodIndex = 2;
  settings.competitionPending = true;
  EXPECT_EQ(startUp(dir.string(), settings, state, dict), std::nullopt);
  EXPECT_EQ(settings.programDir, dir.string() + "/");
  EXPECT_EQ(settings.dictPath, dir.string() + "/Base3.txt");
  EXPECT_EQ(settings.dictLength, 12);
  EXPECT_EQ(dict.text(), "\r\nCASA\r\nPANE");
  EXPECT_TRUE(dict.isWord("CASA"));
  EXPECT_EQ(settings.gameTime, 120);
  EXPECT_EQ(state.lineColour, kLineRest);
  EXPECT_EQ(settings.methodIndex, 2);
  EXPECT_TRUE(settings.competitionPending);
  // A folder ending in a separator gets no second one; an empty dictionary holds nothing.
  write("Base3.txt", "");
  EXPECT_EQ(startUp(dir.string() + "/", settings, state, dict), std::nullopt);
  EXPECT_EQ(settings.programDir, dir.string() + "/");
  EXPECT_EQ(withTrailingSeparator("/"), "/");
  EXPECT_FALSE(dict.isPrefix("A"));
}

TEST_F(StartUp, MissingOrUnreadableDictionaryNamesFileAndFolder) {
  auto message = startUp(dir.string(), settings, state, dict);
  ASSERT_TRUE(message);
  EXPECT_EQ(*message, "File Base3.txt non trovato nella cartella " + dir.string() + "/");
  fs::create_directory(dir / "Base3.txt");  // a folder where the file should be
  message = startUp(dir.string(), settings, state, dict);
  ASSERT_TRUE(message);
  EXPECT_EQ(*message, "Impossibile leggere il file Base3.txt nella cartella " + dir.string() + "/");
}

}  // namespace
