#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
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

// Letters drawn roughly as often as on dealt boards, so the boards hold many words.
const std::string kLetterMix = "AAAEEEIIIOOOUUBCCDFGLLMNNPRRSSTTVHQZ";

TEST(SearchDifferential, ShippedWordListAgreesWithStepByStepWalk) {
  const std::string text = shippedWordList();
  ASSERT_GT(text.size(), 1'000'000u) << "Base3.txt not found under VOCARI_DATA_DIR";
  const Dictionary d(text);
  std::mt19937 gen(2024);
  std::size_t total = 0;
  for (int round = 0; round < 2000; ++round) {
    const Board b = randomBoard(gen, kLetterMix);
    const Words got = fast(b, d);
    ASSERT_EQ(got, stepByStep(b, d)) << "round " << round;
    if (round == 0) {
      ASSERT_EQ(got, literal(b, text));  // a whole board searched on the text itself
    }
    total += got.size();
    // Every solution lies on the board along the path the trace shows.
    for (const auto& w : got) {
      const std::vector<int> path = wordPath(b, w);
      ASSERT_EQ(path.size(), w.size()) << w;
      for (std::size_t i = 0; i < path.size(); ++i) {
        ASSERT_EQ(b[path[i]], w[i]) << w;
        ASSERT_TRUE(i == 0 || areNeighbours(path[i - 1], path[i])) << w;
        ASSERT_EQ(std::count(path.begin(), path.end(), path[i]), 1) << w;
      }
    }
    // The index answers every probe as the literal search of the text does.
    if (round % 100 == 0) {
      for (const auto& w : got) {
        ASSERT_TRUE(literalIsWord(text, w)) << w;
        const std::string longer = w + "Q";
        ASSERT_EQ(d.isPrefix(longer), literalIsPrefix(text, longer)) << longer;
        ASSERT_EQ(d.isWord(w.substr(0, w.size() - 1)), literalIsWord(text, w.substr(0, w.size() - 1))) << w;
      }
    }
  }
  EXPECT_GT(total, 2000u * 10) << "boards with this letter mix should hold many words";
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
