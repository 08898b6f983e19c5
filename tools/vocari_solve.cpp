// vocari-solve: the game's solver without a window. Its usage is kUsage below, which
// `vocari-solve --help` prints.
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

constexpr const char* kUsage = R"(usage:
  vocari-solve --dict FILE [--reference]
      reads boards from standard input, one a line: the 16 grid characters in reading order
      (a character that is not a letter of the table is an undealt die). Prints one line per
      board: its solutions in list order separated by single spaces. --reference answers with
      the literal substring probes instead of the index.
  vocari-solve --dict FILE --bench N [--method 0|1|2] [--seed S]
      deals N boards and prints search timings, the load time and the index size.
  vocari-solve --deal N [--method 0|1|2] [--seed S]
      prints N dealt boards, one a line, as 16 characters in reading order.
  vocari-solve --help
      prints this text.
)";

int fail(const std::string& message) {
  std::cerr << "vocari-solve: " << message << '\n';
  return 2;
}

std::optional<long long> parseNumber(const std::string& s) {
  try {
    std::size_t used = 0;
    const long long v = std::stoll(s, &used);
    if (used != s.size()) return std::nullopt;
    return v;
  } catch (...) {
    return std::nullopt;
  }
}

Board boardFromLine(const std::string& line) {
  Board b = emptyBoard();
  for (int i = 0; i < kDice; ++i) b[dicePos[i]] = letterIndex(line[i]) >= 0 ? line[i] : kUndealt;
  return b;
}

std::string boardLine(const Board& b) {
  std::string s;
  for (int16_t p : dicePos) s.push_back(b[p]);
  return s;
}

Board dealOne(RandomSource& random, int method) {
  GameState s;
  drawQuotas(s, random);
  deal(DealMethod(method), s, random, DealHooks{});
  return s.board;
}

std::string join(const std::vector<std::string>& words) {
  std::string out;
  for (const auto& w : words) {
    if (!out.empty()) out.push_back(' ');
    out += w;
  }
  return out;
}

double percentile(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, std::size_t(q * double(v.size())))];
}

}  // namespace

int main(int argc, char** argv) {
  std::string dictPath;
  bool reference = false;
  std::optional<long long> bench, dealCount, method = 0, seed;
  std::vector<std::string> args(argv + 1, argv + argc);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    std::optional<std::string> v;
    if (a == "--help") {
      std::cout << kUsage;
      return 0;
    } else if (a == "--reference") {
      reference = true;
    } else if (a == "--dict" && (v = value())) {
      dictPath = *v;
    } else if ((a == "--bench" || a == "--deal" || a == "--method" || a == "--seed") && (v = value())) {
      const auto n = parseNumber(*v);
      if (!n || *n < 0) return fail("bad value for " + a + ": " + *v);
      (a == "--bench" ? bench : a == "--deal" ? dealCount : a == "--method" ? method : seed) = n;
    } else {
      return fail("bad argument: " + a + " (see vocari-solve --help)");
    }
  }
  if (*method > 2) return fail("--method must be 0, 1 or 2");
  RealRandom random = seed ? RealRandom(uint64_t(*seed)) : RealRandom();

  if (dealCount) {
    for (long long i = 0; i < *dealCount; ++i) std::cout << boardLine(dealOne(random, int(*method))) << '\n';
    return 0;
  }
  if (dictPath.empty()) return fail("--dict FILE is required");

  const auto t0 = std::chrono::steady_clock::now();
  const auto text = readWholeFile(dictPath, kMaxDictionaryBytes);
  if (!text) return fail("cannot read the dictionary " + dictPath);
  const Dictionary dict(*text);
  const double loadMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();

  if (bench) {
    std::vector<double> micros;
    std::size_t words = 0;
    for (long long i = 0; i < *bench; ++i) {
      const Board b = dealOne(random, int(*method));
      const auto s0 = std::chrono::steady_clock::now();
      const auto found = findSolutions(b, dict);
      micros.push_back(
          std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - s0).count());
      words += found->size();
    }
    std::cout << "boards=" << *bench << " words_per_board="
              << (*bench ? double(words) / double(*bench) : 0.0)
              << " search_us_median=" << percentile(micros, 0.5)
              << " search_us_p99=" << percentile(micros, 0.99) << " load_ms=" << loadMs
              << " index_bytes=" << dict.index().memoryBytes() << '\n';
    return 0;
  }

  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() != kDice) return fail("a board line must hold 16 characters: \"" + line + "\"");
    const Board b = boardFromLine(line);
    const std::vector<std::string> words =
        reference ? referenceSolutions(
                        b, [&](std::string_view w) { return literalIsPrefix(dict.text(), w); },
                        [&](std::string_view w) { return literalIsWord(dict.text(), w); })
                  : *findSolutions(b, dict);
    std::cout << join(words) << '\n';
  }
  return 0;
}
