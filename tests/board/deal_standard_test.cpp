// "Metodo Std" driven by scripted draws: exact boards, quotas, yields and limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "board/deal.h"
#include "deal_test_support.h"
#include "scripted_random.h"

namespace vocari::testing {
namespace {

// Writes the draws of a standard deal in the terms of the deal: which die is taken and which
// letter each step draws. Dice are named by position; the pick value is the die's index in the
// ascending list of dice not dealt yet.
class StdScript {
 public:
  explicit StdScript(ScriptedRandom& src) : src_(src) {
    for (int16_t p : dicePos) free_.push_back(p);
  }
  StdScript& pick(int pos) {
    const auto it = std::find(free_.begin(), free_.end(), pos);
    EXPECT_NE(it, free_.end()) << "die " << pos << " is not free in the script";
    src_.push(int(free_.size()), int(it - free_.begin()));
    free_.erase(it);
    return *this;
  }
  // The first free die, in ascending order.
  int pickFirst() {
    const int p = free_.front();
    pick(p);
    return p;
  }
  // A die filled by the Q rule, without a draw.
  StdScript& taken(int pos) {
    free_.erase(std::find(free_.begin(), free_.end(), pos));
    return *this;
  }
  StdScript& vowel(char c, size_t times = 1) { return letter(5, L(c) - kFirstVowel, times); }
  StdScript& rare(char c, size_t times = 1) { return letter(8, L(c) - kFirstRare, times); }
  StdScript& consonant(char c, size_t times = 1) { return letter(11, L(c) - 6, times); }
  size_t freeCount() const { return free_.size(); }

 private:
  StdScript& letter(int m, int k, size_t times) {
    src_.push(m, k, times);
    return *this;
  }
  ScriptedRandom& src_;
  std::vector<int> free_;
};

struct Dealt {
  GameState s;
  Recorder rec;
  bool result = false;
};

void runStandard(Dealt& d, ScriptedRandom& src) {
  src.logTo(&d.rec.log);
  d.result = dealStandard(d.s, src, d.rec.hooks());
  EXPECT_TRUE(d.result);
  EXPECT_EQ(src.remaining(), 0u) << "the deal left scripted draws unused";
}

TEST(DealStandard, PinnedBoardWithQuAndUsingUpTheVowelQuota) {
  // Four vowels around die 14, the Q on 14, its U on the first free neighbour (W = 13, since
  // E, SE, S and SW are taken), then ten consonants taken in ascending order.
  ScriptedRandom src;
  StdScript sc(src);
  sc.pick(15).vowel('A').pick(21).vowel('E').pick(20).vowel('I').pick(19).vowel('O');
  sc.pick(14).rare('Q').taken(13);
  for (char c : std::string("CDFGLMNPRS")) {
    sc.pickFirst();
    sc.consonant(c);
  }
  Dealt d;
  d.s = withQuotas(4, 1, 11);
  runStandard(d, src);

  EXPECT_EQ(diceText(d.s.board), "CDFG" "UQAL" "OIEM" "NPRS");
  EXPECT_EQ(d.s.vowelQuota, -1);  // the U came after the vowel quota was used up
  EXPECT_EQ(d.s.rareQuota, 0);
  EXPECT_EQ(d.s.consonantQuota, 1);
  EXPECT_EQ(src.reseeds(), 15);  // once per die taken; the U is not taken

  std::string expected;
  for (int n = 0; n < 4; ++n) expected += "SrYrP";  // pick, yield, vowel
  expected += "SrYrPP";                            // pick, yield, rare; Q and its U
  for (int n = 0; n < 10; ++n) expected += "SrrYP";  // pick, consonant, yield
  EXPECT_EQ(d.rec.log, expected);
  EXPECT_EQ(d.rec.shown.size(), 16u);
}

// The Q sits on die 14 after its first j neighbours (in the order E, SE, S, SW, W, NW, N, NE)
// have been dealt vowels; its U goes on neighbour j, or nowhere when all eight are dealt.
class StdQuNeighbour : public ::testing::TestWithParam<int> {};

TEST_P(StdQuNeighbour, UOnFirstFreeNeighbourEastThenClockwise) {
  const int j = GetParam();
  const std::array<int, 8> around14 = {15, 21, 20, 19, 13, 7, 8, 9};
  const std::string vowels = "AAEEIIOO";

  ScriptedRandom src;
  StdScript sc(src);
  for (int m = 0; m < j; ++m) sc.pick(around14[m]).vowel(vowels[m]);
  sc.pick(14).rare('Q');
  if (j < 8) sc.taken(around14[j]);
  for (int m = 0; sc.freeCount() > 0; ++m) {
    sc.pickFirst();
    sc.consonant(letters[6 + m % 11]);
  }

  Dealt d;
  d.s = withQuotas(j, 1, 15 - j);
  runStandard(d, src);

  const Board& b = d.s.board;
  EXPECT_EQ(b[14], 'Q');
  for (int m = 0; m < j; ++m) EXPECT_EQ(b[around14[m]], vowels[m]) << "neighbour " << m;
  const int uCount = int(std::count(b.begin(), b.end(), 'U'));
  if (j < 8) {
    EXPECT_EQ(b[around14[j]], 'U');
    EXPECT_EQ(uCount, 1);
    EXPECT_EQ(d.s.vowelQuota, -1);
    EXPECT_EQ(d.s.consonantQuota, 1);
  } else {
    EXPECT_EQ(uCount, 0);
    EXPECT_EQ(d.s.vowelQuota, 0);
    EXPECT_EQ(d.s.consonantQuota, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(AllNeighbourCounts, StdQuNeighbour, ::testing::Range(0, 9));

TEST(DealStandard, QOnTheLastDieGetsNoU) {
  // The vowels come first and the rare letters right after them, so only a large rare quota
  // brings a Q to the last die: ten vowels, five rare letters, then the Q on die 28.
  ScriptedRandom src;
  StdScript sc(src);
  for (char c : std::string("AAEEIIOOUU")) sc.pickFirst(), sc.vowel(c);
  for (char c : std::string("HJKWXQ")) sc.pickFirst(), sc.rare(c);
  Dealt d;
  d.s = withQuotas(10, 6, 0);
  runStandard(d, src);
  EXPECT_EQ(diceText(d.s.board), "AAEE" "IIOO" "UUHJ" "KWXQ");
  EXPECT_EQ(d.s.vowelQuota, 0);
  EXPECT_EQ(d.s.rareQuota, 0);
}

TEST(DealStandard, VowelDrawsPastOneHundredLetTheRestFallThrough) {
  // Two E are dealt, then E is drawn and refused until the vowel draws pass 100: die 9 gets the
  // rare letter, and every later die goes to the consonants although vowels are still owed.
  ScriptedRandom src;
  StdScript sc(src);
  sc.pickFirst(), sc.vowel('E');
  sc.pickFirst(), sc.vowel('E');
  sc.pickFirst(), sc.vowel('E', 98).rare('H');  // vowel draws 3..100 refused; the 101st is not made
  for (char c : std::string("DDFFGGLLMMNNP")) sc.pickFirst(), sc.consonant(c);
  Dealt d;
  d.s = withQuotas(9, 1, 6);
  runStandard(d, src);
  EXPECT_EQ(diceText(d.s.board), "EEHD" "DFFG" "GLLM" "MNNP");
  EXPECT_EQ(d.s.vowelQuota, 7);
  EXPECT_EQ(d.s.rareQuota, 0);
  EXPECT_EQ(d.s.consonantQuota, 6 - 13);
  // A yield before every vowel-step entry (also the one past the limit), the rare draw and
  // every consonant draw.
  EXPECT_EQ(d.rec.yields, 2 + 98 + 1 + 1 + 13 * 2);
}

TEST(DealStandard, RareDrawsPastOneHundredFallToTheConsonants) {
  // H is dealt, then drawn and refused on rare draws 2..100: the die goes to the consonants, and so
  // does every later die although a rare letter is still owed.
  ScriptedRandom src;
  StdScript sc(src);
  for (char c : std::string("AEIO")) sc.pickFirst(), sc.vowel(c);
  sc.pickFirst(), sc.rare('H');
  sc.pickFirst(), sc.rare('H', 99).consonant('D');
  for (char c : std::string("DFFGGLLMMN")) sc.pickFirst(), sc.consonant(c);
  Dealt d;
  d.s = withQuotas(4, 2, 10);
  runStandard(d, src);
  EXPECT_EQ(diceText(d.s.board), "AEIO" "HDDF" "FGGL" "LMMN");
  EXPECT_EQ(d.s.rareQuota, 1);
  EXPECT_EQ(d.s.consonantQuota, -1);
}

TEST(DealStandard, ConsonantDrawOneHundredOneIsTakenAsDrawn) {
  // C is dealt twice, refused on draws 3..100, and the 101st draw, C again, is accepted; from then
  // on every consonant is taken as drawn.
  ScriptedRandom src;
  StdScript sc(src);
  for (char c : std::string("AEIO")) sc.pickFirst(), sc.vowel(c);
  sc.pickFirst(), sc.rare('H');
  sc.pickFirst(), sc.consonant('C');
  sc.pickFirst(), sc.consonant('C');
  sc.pickFirst(), sc.consonant('C', 98).consonant('C');
  for (int n = 0; n < 8; ++n) sc.pickFirst(), sc.consonant('C');
  Dealt d;
  d.s = withQuotas(4, 1, 11);
  runStandard(d, src);
  EXPECT_EQ(diceText(d.s.board), "AEIO" "HCCC" "CCCC" "CCCC");
  EXPECT_EQ(d.s.consonantQuota, 0);
}

TEST(DealStandard, RefusedLettersAreRedrawnAtOnce) {
  // A vowel already dealt twice, a rare letter already dealt and a consonant already dealt twice
  // are each drawn again in the same step.
  ScriptedRandom src;
  StdScript sc(src);
  sc.pickFirst(), sc.vowel('E');
  sc.pickFirst(), sc.vowel('E');
  sc.pickFirst(), sc.vowel('E').vowel('A');
  sc.pickFirst(), sc.vowel('U');
  sc.pickFirst(), sc.rare('Z');
  sc.pickFirst(), sc.rare('Z').rare('H');
  sc.pickFirst(), sc.consonant('T');
  sc.pickFirst(), sc.consonant('T');
  sc.pickFirst(), sc.consonant('T').consonant('T').consonant('S');
  for (char c : std::string("CDFGLMN")) sc.pickFirst(), sc.consonant(c);
  Dealt d;
  d.s = withQuotas(4, 2, 10);
  runStandard(d, src);
  EXPECT_EQ(diceText(d.s.board), "EEAU" "ZHTT" "SCDF" "GLMN");
  EXPECT_EQ(d.s.vowelQuota, 0);
  EXPECT_EQ(d.s.rareQuota, 0);
  EXPECT_EQ(d.s.consonantQuota, 0);
}

}  // namespace
}  // namespace vocari::testing
