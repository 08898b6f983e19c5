// search_regimes: one round of the search timings in the three regimes a board meets, for
// comparing two builds run by turns (bench/compare_builds.sh).
//
//   search_regimes --dict FILE [--boards N] [--again K] [--flushed F] [--seed S] [--method M]
//
// Deals N boards (before any timing) and prints one line:
//   stream_us=   mean search time per board, the N boards searched one after the other
//   again_us=    mean time of a search repeated on the board just searched, caches warm
//                (the first K boards, each searched once and then 10 times timed)
//   flushed_us=  median time of a search after writing a buffer twice the size of the last-level
//                cache (the first F boards)
//   load_ms=     reading the word list and building its index (the median of five)
//   index_bytes= the index's memory
//   words=       words found on the N boards, so that two builds can be seen to agree
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "board/deal.h"
#include "core/search.h"
#include "core/startup.h"

using namespace vocari;

namespace {

using Clock = std::chrono::steady_clock;

double micros(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::micro>(to - from).count();
}

// Writes one byte a cache line over the whole buffer, evicting whatever the caches held.
void flushCaches(std::vector<unsigned char>& buffer, unsigned char stamp) {
  for (std::size_t i = 0; i < buffer.size(); i += 64) buffer[i] = stamp;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dictPath;
  long long boards = 5000, againBoards = 500, flushedBoards = 200, seed = 7, method = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (i + 1 >= argc) {
      std::cerr << "search_regimes: " << a << " needs a value\n";
      return 2;
    }
    const std::string v = argv[++i];
    if (a == "--dict") {
      dictPath = v;
      continue;
    }
    long long* target = a == "--boards"    ? &boards
                        : a == "--again"   ? &againBoards
                        : a == "--flushed" ? &flushedBoards
                        : a == "--seed"    ? &seed
                        : a == "--method"  ? &method
                                           : nullptr;
    if (!target) {
      std::cerr << "search_regimes: bad argument " << a << '\n';
      return 2;
    }
    *target = std::stoll(v);
  }
  if (dictPath.empty() || boards < 1 || method < 0 || method > 2) {
    std::cerr << "usage: search_regimes --dict FILE [--boards N] [--again K] [--flushed F] "
                 "[--seed S] [--method 0|1|2]\n";
    return 2;
  }
  againBoards = std::min(againBoards, boards);
  flushedBoards = std::min(flushedBoards, boards);

  // The load is timed five times and the median kept, the last dictionary loaded being the one
  // searched.
  std::optional<Dictionary> dict;
  std::vector<double> loads;
  for (int i = 0; i < 5; ++i) {
    dict.reset();
    const auto l0 = Clock::now();
    const auto text = readWholeFile(dictPath, kMaxDictionaryBytes);
    if (!text) {
      std::cerr << "search_regimes: cannot read " << dictPath << '\n';
      return 2;
    }
    dict.emplace(*text);
    loads.push_back(micros(l0, Clock::now()) / 1000);
  }
  std::sort(loads.begin(), loads.end());
  const double loadMs = loads[loads.size() / 2];

  RealRandom random{uint64_t(seed)};
  std::vector<Board> dealt;
  for (long long i = 0; i < boards; ++i) {
    GameState s;
    drawQuotas(s, random);
    deal(DealMethod(method), s, random, DealHooks{});
    dealt.push_back(s.board);
  }

  std::size_t words = 0;
  const auto s0 = Clock::now();
  for (const Board& b : dealt) words += findSolutions(b, *dict)->size();
  const double streamUs = micros(s0, Clock::now()) / double(boards);

  constexpr int kRepeats = 10;
  double againTotal = 0;
  for (long long i = 0; i < againBoards; ++i) {
    words += findSolutions(dealt[std::size_t(i)], *dict)->size();
    const auto a0 = Clock::now();
    for (int r = 0; r < kRepeats; ++r) words += findSolutions(dealt[std::size_t(i)], *dict)->size();
    againTotal += micros(a0, Clock::now());
  }
  const double againUs = againBoards ? againTotal / double(againBoards * kRepeats) : 0;

  std::vector<unsigned char> buffer(64u << 20);
  std::vector<double> flushed;
  for (long long i = 0; i < flushedBoards; ++i) {
    flushCaches(buffer, static_cast<unsigned char>(i));
    const auto f0 = Clock::now();
    words += findSolutions(dealt[std::size_t(i)], *dict)->size();
    flushed.push_back(micros(f0, Clock::now()));
  }
  std::sort(flushed.begin(), flushed.end());
  const double flushedUs = flushed.empty() ? 0 : flushed[flushed.size() / 2];

  std::cout << "stream_us=" << streamUs << " again_us=" << againUs << " flushed_us=" << flushedUs
            << " load_ms=" << loadMs << " index_bytes=" << dict->index().memoryBytes()
            << " words=" << words << '\n';
  return 0;
}
