#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "board_text.h"
#include "core/path_walk.h"
#include "core/search.h"
#include "core/startup.h"

using namespace vocari;
using vocari::testing::boardOf;
using Words = std::vector<std::string>;

namespace {

// The fast search, counting bits both ways: with the processor's instruction where it has one,
// and by table; the two must agree.
Words fast(const Board& b, const Dictionary& d) {
  const Words counted = *findSolutions(b, d, {}, BitCounting::automatic);
  EXPECT_EQ(*findSolutions(b, d, {}, BitCounting::table), counted) << "the two ways of counting differ";
  return counted;
}

Words stepByStep(const Board& b, const Dictionary& d) {
  return referenceSolutions(
      b, [&](std::string_view w) { return d.isPrefix(w); }, [&](std::string_view w) { return d.isWord(w); });
}

Words literal(const Board& b, const std::string& text) {
  return referenceSolutions(
      b, [&](std::string_view w) { return literalIsPrefix(text, w); },
      [&](std::string_view w) { return literalIsWord(text, w); });
}

// The fast search and the reference walk over literal probes list the expected words.
TEST(Search, ListsTheExpectedWords) {
  struct Case {
    const char* name;
    std::string dict;
    std::string board;  // 16 dice in reading order
    Words expected;
  };
  const Case cases[] = {
      // A at 7, B at 8, C at 14: AB (7-8), ABC (7-8-14), BA (8-7).
      {"WorkedCase", "\r\nAB\r\nABC\r\nBA\r\n", "ABXX" "XCXX" "XXXX" "XXXX", {"AB", "ABC", "BA"}},
      {"OneLetterLinesNeverListed", "\r\nA\r\nX\r\n", "AXXX" "XXXX" "XXXX" "XXXX", {}},
      {"FirstLineNeverListed", "AB\r\nBA\r\n", "ABXX" "XXXX" "XXXX" "XXXX", {"BA"}},
      {"LastLineWithoutBreakNotListedButExplored", "\r\nABC\r\nAB", "ABXX" "XCXX" "XXXX" "XXXX", {"ABC"}},
      {"LowerCaseLineNeverMatches", "\r\nab\r\nBA\r\n", "ABXX" "XXXX" "XXXX" "XXXX", {"BA"}},
      {"UndealtDieMatchesLikeALetter", "\r\nA-\r\n-A\r\n", "A-XX" "XXXX" "XXXX" "XXXX", {"-A", "A-"}},
      {"NoDieUsedTwice", "\r\nABA\r\nAA\r\n", "ABXX" "XXXX" "XXXX" "XXXX", {}},
      {"TwoEqualLettersTouch", "\r\nAA\r\nAAA\r\nAAB\r\n", "AAXX" "XXXX" "XXXX" "XXXB", {"AA"}},
      {"TwoCopiesNeedTwoDice", "\r\nABA\r\n", "ABAX" "XXXX" "XXXX" "XXXX", {"ABA"}},
      {"WordAlongTwoChainsListedOnce", "\r\nAB\r\n", "ABXX" "BXXX" "XXXX" "XXXX", {"AB"}},
      {"WordAndLongerWordBothListed", "\r\nCAS\r\nCASA\r\n", "CASA" "XXXX" "XXXX" "XXXX", {"CAS", "CASA"}},
      {"NotTouchingNoSolution", "\r\nAB\r\n", "AXXX" "XXXX" "XXXX" "XXXB", {}},
      {"NoWrapFromRowEndToNextRowStart", "\r\nAB\r\n", "XXXA" "BXXX" "XXXX" "XXXX", {}},
      {"DiagonalTurn", "\r\nABCD\r\n", "AXXX" "XBXX" "XCDX" "XXXX", {"ABCD"}},
      {"QGetsNoSpecialTreatment", "\r\nQUA\r\nQA\r\n", "QAXX" "XXXX" "XXXX" "XXXU", {"QA"}},
      {"LastDieStartsAWord", "\r\nAS\r\n", "XXXX" "XXXX" "XXXX" "XXSA", {"AS"}},
      // The list goes on past a chain over every die, with letters that the last die's
      // neighbours show (I, J, N): they are all used, so nothing extends it.
      {"AllSixteenDiceThenLongerLines", "\r\nABCDHGFEIJKLPONM\r\nABCDHGFEIJKLPONMI\r\nABCDHGFEIJKLPONMNJ\r\n",
       "ABCD" "EFGH" "IJKL" "MNOP", {"ABCDHGFEIJKLPONM"}},
      {"EmptyDictionary", "", "ABCD" "EFGH" "IJKL" "MNOP", {}},
  };
  for (const Case& c : cases) {
    const Dictionary d(c.dict);
    const Board b = boardOf(c.board);
    EXPECT_EQ(fast(b, d), c.expected) << c.name;
    EXPECT_EQ(literal(b, c.dict), c.expected) << c.name;
  }
}

Board randomBoard(std::mt19937& gen, const std::string& alphabet) {
  std::string dice;
  for (int i = 0; i < kDice; ++i) dice.push_back(alphabet[gen() % alphabet.size()]);
  return boardOf(dice);
}

TEST(SearchDifferential, HostileDictionariesAgreeWithLiteralProbes) {
  std::mt19937 gen(777);
  const std::string pieces[] = {"A", "B", "C", "-", "AB", "BA", "CA", "\r", "\n", "\r\n", "\r\n", "\r\n", "a", " ", "\xF2"};
  for (int round = 0; round < 1500; ++round) {
    std::string text;
    const int len = int(gen() % 200);
    for (int i = 0; i < len; ++i) text += pieces[gen() % std::size(pieces)];
    const Dictionary d(text);
    const Board b = randomBoard(gen, "ABC-");
    ASSERT_EQ(fast(b, d), literal(b, text)) << "round " << round;
  }
  // Every line of two and three letters drawn from the board's: hundreds of words on one board.
  std::string dense = "\r\n";
  for (char a = 'A'; a <= 'P'; ++a)
    for (char b = 'A'; b <= 'P'; ++b) {
      dense += std::string{a, b, '\r', '\n'};
      for (char c = 'A'; c <= 'P'; ++c) dense += std::string{a, b, c, '\r', '\n'};
    }
  const Dictionary d(dense);
  const Board b = boardOf("ABCDEFGHIJKLMNOP");
  const Words words = fast(b, d);
  EXPECT_EQ(words.size(), 84u + 408u);  // the chains of two and of three dice
  EXPECT_EQ(words, stepByStep(b, d));
}

std::string shippedWordList() {
  const char* dir = std::getenv("VOCARI_DATA_DIR");
  if (!dir) return {};
  return readWholeFile(std::string(dir) + "/Base3.txt", kMaxDictionaryBytes).value_or("");
}

// The two probes of a text, for words of letters only (no CR, no LF), answered from its lines
// sorted: CR LF + w + CR LF occurs when w is a line after a CR LF and before one; CR LF + w occurs
// when w begins a line after a CR LF. The same answers as the literal search, without scanning
// megabytes at every probe.
struct SortedLines {
  explicit SortedLines(std::string_view text) {
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;) {
      const std::size_t start = at + 2, next = text.find("\r\n", start);
      (next == std::string_view::npos ? beginnings : whole).push_back(text.substr(start, next - start));
      at = next;
    }
    beginnings.insert(beginnings.end(), whole.begin(), whole.end());
    std::sort(whole.begin(), whole.end());
    std::sort(beginnings.begin(), beginnings.end());
  }
  bool isWord(std::string_view w) const { return std::binary_search(whole.begin(), whole.end(), w); }
  bool isPrefix(std::string_view w) const {
    const auto it = std::lower_bound(beginnings.begin(), beginnings.end(), w);
    return it != beginnings.end() && it->starts_with(w);
  }
  std::vector<std::string_view> whole, beginnings;
};

// Letters drawn roughly as often as on dealt boards, so the boards hold many words; every tenth
// board draws from the whole alphabet, so every letter meets the word list.
const std::string kLetterMix = "AAAEEEIIIOOOUUBCCDFGLLMNNPRRSSTTVHQZ";
const std::string kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Every board: the fast search (both ways of counting) against the step-by-step walk over the
// index and over the text's own lines; every solution along its trace; the index against the text
// for every word found, one letter more and one less.
TEST(SearchDifferential, ShippedWordListAgreesWithStepByStepWalk) {
  const std::string text = shippedWordList();
  ASSERT_GT(text.size(), 1'000'000u) << "Base3.txt not found under VOCARI_DATA_DIR";
  const Dictionary d(text);
  const SortedLines lines(text);
  for (const char* w : {"CASA", "CAS", "CASAQ", "A", "ZZZZ"}) {  // the oracle answers as the text does
    ASSERT_EQ(lines.isWord(w), literalIsWord(text, w)) << w;
    ASSERT_EQ(lines.isPrefix(w), literalIsPrefix(text, w)) << w;
  }
  std::mt19937 gen(2024);
  std::size_t total = 0;
  std::set<char> met;
  for (int round = 0; round < 2000; ++round) {
    const Board b = randomBoard(gen, round % 10 ? kLetterMix : kAlphabet);
    const Words got = fast(b, d);
    ASSERT_EQ(got, stepByStep(b, d)) << "round " << round;
    ASSERT_EQ(got, referenceSolutions(
                       b, [&](std::string_view w) { return lines.isPrefix(w); },
                       [&](std::string_view w) { return lines.isWord(w); }))
        << "round " << round;
    total += got.size();
    for (const auto& w : got) {
      met.insert(w.begin(), w.end());
      // Every solution lies on the board along the path the trace shows.
      const std::vector<int> path = wordPath(b, w);
      ASSERT_EQ(path.size(), w.size()) << w;
      for (std::size_t i = 0; i < path.size(); ++i) {
        ASSERT_EQ(b[path[i]], w[i]) << w;
        ASSERT_TRUE(i == 0 || areNeighbours(path[i - 1], path[i])) << w;
        ASSERT_EQ(std::count(path.begin(), path.end(), path[i]), 1) << w;
      }
      // The index answers every probe as the text's lines do.
      for (const std::string& probe : {w, w + "Q", w + "I", w.substr(0, w.size() - 1)}) {
        ASSERT_EQ(d.isWord(probe), lines.isWord(probe)) << probe;
        ASSERT_EQ(d.isPrefix(probe), lines.isPrefix(probe)) << probe;
      }
    }
  }
  EXPECT_GT(total, 2000u * 10) << "boards with this letter mix should hold many words";
  EXPECT_EQ(met.size(), 26u) << "some letter never made a word";
}

TEST(Search, YieldsAtEveryStartAndWithinALongWalkAndCanAbandon) {
  const Dictionary d("\r\nAB\r\n");
  int calls = 0;
  EXPECT_TRUE(findSolutions(boardOf("ABXXXXXXXXXXXXXX"), d, [&] { return ++calls, true; }));
  EXPECT_EQ(calls, 16);  // one a start die
  calls = 0;
  EXPECT_FALSE(findSolutions(boardOf("ABXXXXXXXXXXXXXX"), d, [&] { return ++calls < 3; }));
  EXPECT_EQ(calls, 3);

  // Sixteen equal letters and words of 2 to 8 of them: each start die walks tens of thousands of
  // chains, and the window must get its events in the middle of such a walk too.
  std::string text = "\r\n";
  for (int n = 2; n <= 8; ++n) text += std::string(n, 'A') + "\r\n";
  const Dictionary many(text);
  const Board same = boardOf(std::string(16, 'A'));
  calls = 0;
  const auto words = findSolutions(same, many, [&] { return ++calls, true; });
  ASSERT_TRUE(words);
  EXPECT_EQ(words->size(), 7u);
  EXPECT_GT(calls, 3 * 16);
  // A search superseded at a yield inside the first walk stops there.
  calls = 0;
  EXPECT_FALSE(findSolutions(same, many, [&] { return ++calls != 2; }));
  EXPECT_EQ(calls, 2);

  // A search started from a yield of another, as a new game started during a search is, keeps
  // its words apart from those the first one has found so far.
  const Dictionary worked("\r\nAB\r\nABC\r\nBA\r\n"), cas("\r\nCAS\r\nCASA\r\n");
  Words inner;
  calls = 0;
  const auto outer = findSolutions(boardOf("ABXXXCXXXXXXXXXX"), worked, [&] {
    if (++calls == 10) inner = fast(boardOf("CASAXXXXXXXXXXXX"), cas);
    return true;
  });
  EXPECT_EQ(inner, (Words{"CAS", "CASA"}));
  EXPECT_EQ(outer, (Words{"AB", "ABC", "BA"}));
}

}  // namespace
