// Replays the kept fuzz inputs (tests/regressions/<target>/) and the fuzz targets' seeds
// (fuzz/corpus/<target>/) through the checks the fuzz targets run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "fuzz/checks/fuzz_checks.h"

namespace vocari::fuzz {
namespace {

namespace fs = std::filesystem;

TEST(Replay, EveryKeptInputPassesItsCheck) {
  const std::pair<const char*, Failure (*)(std::string_view)> targets[] = {
      {"game_file", checkGameFile}, {"dictionary", checkDictionary}, {"viewer", checkViewer}, {"options", checkOptions}};
  for (const auto& [name, check] : targets) {
    int replayed = 0;
    for (const fs::path& base : {fs::path(VOCARI_REGRESSIONS_DIR), fs::path(VOCARI_FUZZ_CORPUS_DIR)}) {
      const fs::path dir = base / name;
      if (!fs::is_directory(dir)) continue;
      for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
        if (!e.is_regular_file()) continue;
        std::ifstream in(e.path(), std::ios::binary);
        const Failure failure = check(std::string{std::istreambuf_iterator<char>(in), {}});
        EXPECT_FALSE(failure.has_value()) << e.path() << ": " << failure.value_or("");
        ++replayed;
      }
    }
    EXPECT_GT(replayed, 0) << "no input kept for " << name;
  }
}

}  // namespace
}  // namespace vocari::fuzz
