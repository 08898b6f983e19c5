// Replays the kept fuzz inputs (tests/regressions/<target>/) and the fuzz targets' seeds
// (fuzz/corpus/<target>/) through the checks the fuzz targets run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/checks/fuzz_checks.h"

namespace vocari::fuzz {
namespace {

namespace fs = std::filesystem;

struct Target {
  const char* name;
  Failure (*check)(std::string_view);
};
void PrintTo(const Target& t, std::ostream* os) { *os << t.name; }

class Replay : public testing::TestWithParam<Target> {};

TEST_P(Replay, EveryKeptInputPassesItsCheck) {
  const Target& t = GetParam();
  int replayed = 0;
  for (const fs::path& base :
       {fs::path(VOCARI_REGRESSIONS_DIR), fs::path(VOCARI_FUZZ_CORPUS_DIR)}) {
    const fs::path dir = base / t.name;
    if (!fs::is_directory(dir)) continue;
    for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
      if (!e.is_regular_file()) continue;
      std::ifstream in(e.path(), std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(in), {}};
      const Failure failure = t.check(bytes);
      EXPECT_FALSE(failure.has_value()) << e.path() << ": " << failure.value_or("");
      ++replayed;
    }
  }
  EXPECT_GT(replayed, 0) << "no input kept for " << t.name;
}

INSTANTIATE_TEST_SUITE_P(
    Fuzz, Replay,
    testing::Values(Target{"game_file", checkGameFile}, Target{"dictionary", checkDictionary},
                    Target{"viewer", checkViewer}, Target{"options", checkOptions}),
    [](const testing::TestParamInfo<Target>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vocari::fuzz
