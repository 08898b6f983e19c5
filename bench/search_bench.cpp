// Benchmarks of the dictionary index and the solution search on the shipped word list.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "board/deal.h"
#include "core/search.h"
#include "core/startup.h"

using namespace vocari;

namespace {

const std::string& wordListText() {
  static const std::string text = [] {
    const char* dir = std::getenv("VOCARI_DATA_DIR");
    const std::string path = std::string(dir ? dir : ".") + "/Base3.txt";
    auto t = readWholeFile(path, kMaxDictionaryBytes);
    if (!t) {
      std::fprintf(stderr, "cannot read %s (set VOCARI_DATA_DIR)\n", path.c_str());
      std::exit(2);
    }
    return *t;
  }();
  return text;
}

const std::vector<Board>& dealtBoards(int method) {
  static std::vector<Board> boards[3];
  if (boards[method].empty()) {
    RealRandom random(42 + uint64_t(method));
    for (int i = 0; i < 1000; ++i) {
      GameState s;
      drawQuotas(s, random);
      deal(DealMethod(method), s, random, DealHooks{});
      boards[method].push_back(s.board);
    }
  }
  return boards[method];
}

void BM_LoadAndIndex(benchmark::State& state) {
  const char* dir = std::getenv("VOCARI_DATA_DIR");
  const std::string path = std::string(dir ? dir : ".") + "/Base3.txt";
  for (auto _ : state) {
    Dictionary d(*readWholeFile(path, kMaxDictionaryBytes));
    benchmark::DoNotOptimize(d.index().nodeCount());
  }
}
BENCHMARK(BM_LoadAndIndex)->Unit(benchmark::kMillisecond);

void BM_IndexBuild(benchmark::State& state) {
  const std::string& text = wordListText();
  std::size_t bytes = 0;
  for (auto _ : state) {
    DictionaryIndex idx(text);
    bytes = idx.memoryBytes();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["index_bytes"] = double(bytes);
  state.counters["text_bytes"] = double(text.size());
}
BENCHMARK(BM_IndexBuild)->Unit(benchmark::kMillisecond);

// Arguments: the deal method; 0 to count bits as the processor allows, 1 by table.
void BM_Search(benchmark::State& state) {
  const Dictionary dict(wordListText());
  const auto& boards = dealtBoards(int(state.range(0)));
  const BitCounting counting = state.range(1) ? BitCounting::table : BitCounting::automatic;
  std::size_t i = 0, words = 0;
  for (auto _ : state) {
    auto found = findSolutions(boards[i++ % boards.size()], dict, {}, counting);
    words += found->size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["words_per_board"] = double(words) / double(state.iterations());
}
BENCHMARK(BM_Search)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMicrosecond);

// The same walk with the literal substring probes, for comparison: one board is enough.
void BM_SearchLiteralProbes(benchmark::State& state) {
  const std::string& text = wordListText();
  const Board& b = dealtBoards(0).front();
  for (auto _ : state) {
    auto found = referenceSolutions(
        b, [&](std::string_view w) { return literalIsPrefix(text, w); },
        [&](std::string_view w) { return literalIsWord(text, w); });
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_SearchLiteralProbes)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
