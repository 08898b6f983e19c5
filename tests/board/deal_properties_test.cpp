// Properties of many real deals of each method, what a superseded deal leaves behind, and the
// ending of every redraw under adversarial draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "board/deal.h"
#include "deal_test_support.h"
#include "scripted_random.h"

namespace vocari::testing {
namespace {

using DealFn = bool (*)(GameState&, RandomSource&, const DealHooks&);

struct Method {
  const char* name;
  DealFn fn;
  std::string never;  // letters the method never deals
  int lineOf(int pos) const;
  friend void PrintTo(const Method& m, std::ostream* os) { *os << m.name; }
};

const Method kStd{"Std", &dealStandard, "BV"};
const Method kRows{"Rows", &dealByRows, "TV"};
const Method kColumns{"Columns", &dealByColumns, "TV"};

int Method::lineOf(int pos) const { return fn == &dealByRows ? pos / 6 : pos % 6; }

enum class Kind { Vowel, Consonant, Rare };
Kind kindOf(char c) {
  const int i = L(c);
  return i <= kLastVowel ? Kind::Vowel : i <= kLastConsonant ? Kind::Consonant : Kind::Rare;
}

class RealDeals : public ::testing::TestWithParam<Method> {};

TEST_P(RealDeals, KeepEveryRuleOfTheMethod) {
  const Method& m = GetParam();
  RealRandom real(0x5eed0000u + uint64_t(m.fn == &dealStandard ? 0 : m.fn == &dealByRows ? 1 : 2));
  std::set<char> seenLetters;
  int dealsWithQ = 0;
  constexpr int kDeals = 4000;

  for (int n = 0; n < kDeals && !HasFailure(); ++n) {
    Recorder rec;
    LoggingRandom src(real, rec.log);
    GameState s;
    drawQuotas(s, src);
    rec.log.clear();
    const GameState before = s;
    ASSERT_TRUE(m.fn(s, src, rec.hooks()));
    const Board& b = s.board;
    SCOPED_TRACE("deal " + std::to_string(n) + ": " + diceText(b) + " quotas " + std::to_string(before.vowelQuota) +
                 "/" + std::to_string(before.consonantQuota) + "/" + std::to_string(before.rareQuota));

    // Every die a letter of the table, shown once with that letter; the border untouched.
    std::map<char, int> count;
    std::map<Kind, int> byKind;
    for (int p = 0; p < kCells; ++p) {
      if (!isDiePos(p)) {
        EXPECT_EQ(b[p], '\0') << "border " << p;
        continue;
      }
      ASSERT_GE(letterIndex(b[p]), 0) << "die " << p;
      ++count[b[p]];
      ++byKind[kindOf(b[p])];
      seenLetters.insert(b[p]);
      const auto shows = std::count_if(rec.shown.begin(), rec.shown.end(), [&](auto e) { return e.first == p; });
      EXPECT_EQ(shows, 1) << "die " << p;
    }
    for (auto [pos, letter] : rec.shown) EXPECT_EQ(b[pos], letters[letter]) << "die " << pos;

    for (char c : m.never) EXPECT_EQ(count[c], 0) << c;
    for (int i = kFirstRare; i <= kLastRare; ++i) EXPECT_LE(count[letters[i]], 1) << letters[i];
    for (int i = kFirstConsonant; i <= kLastConsonant; ++i) EXPECT_LE(count[letters[i]], 2) << letters[i];

    const std::vector<int> pairedU = rec.pairedU();
    const bool hasQ = count['Q'] == 1;
    dealsWithQ += hasQ;
    EXPECT_LE(pairedU.size(), hasQ ? 1u : 0u);
    const int qPos = hasQ ? int(std::find(b.begin(), b.end(), 'Q') - b.begin()) : -1;
    for (int u : pairedU) EXPECT_TRUE(areNeighbours(u, qPos)) << "U on " << u << ", Q on " << qPos;

    if (m.fn == &dealStandard) {
      // No vowel of the vowel step a third time; the U of the Q rule is not tested.
      for (int i = kFirstVowel; i <= kLastVowel; ++i)
        EXPECT_LE(count[letters[i]], 2 + (i == kIndexU ? int(pairedU.size()) : 0)) << letters[i];
    } else {
      // No vowel of the vowel group twice in a line; the U of a pair is not counted.
      std::map<std::pair<int, char>, int> inLine;
      for (int16_t p : dicePos) {
        if (kindOf(b[p]) != Kind::Vowel || std::find(pairedU.begin(), pairedU.end(), p) != pairedU.end()) continue;
        EXPECT_EQ(++inLine[std::pair(m.lineOf(p), b[p])], 1) << b[p] << " twice in the line of " << p;
      }
      // A Q drawn before the last die always has a free neighbour, so every Q off die 28 has its U.
      if (hasQ && qPos != 28) {
        EXPECT_EQ(pairedU.size(), 1u);
      }
      // Every die used one unit of one quota.
      EXPECT_EQ(s.vowelQuota + s.rareQuota + s.consonantQuota, 0);
    }

    // Each quota went down once per letter of its group (the U of a pair counts as a vowel).
    EXPECT_EQ(before.vowelQuota - s.vowelQuota, byKind[Kind::Vowel]);
    EXPECT_EQ(before.rareQuota - s.rareQuota, byKind[Kind::Rare]);
    EXPECT_EQ(before.consonantQuota - s.consonantQuota, byKind[Kind::Consonant]);
    if (!hasQ) {
      EXPECT_EQ(byKind[Kind::Vowel], before.vowelQuota);
      EXPECT_EQ(byKind[Kind::Rare], before.rareQuota);
      EXPECT_EQ(byKind[Kind::Consonant], before.consonantQuota);
    }
  }

  // Every letter the method may deal turns up, so no letter range is cut short.
  std::set<char> allowed;
  for (char c : letters)
    if (m.never.find(c) == std::string::npos) allowed.insert(c);
  EXPECT_EQ(seenLetters, allowed);
  EXPECT_GT(dealsWithQ, 0);
}

INSTANTIATE_TEST_SUITE_P(AllMethods, RealDeals, ::testing::Values(kStd, kRows, kColumns),
                         [](const auto& info) { return std::string(info.param.name); });

// A deal whose yield reports it superseded returns false and touches nothing more: no further
// draw, no die shown, no quota changed.
TEST_P(RealDeals, SupersededDealStopsAtTheYield) {
  const Method& m = GetParam();
  int stopped = 0;
  for (int seed = 1; seed <= 40; ++seed) {
    for (int stopAt : {1, 2, 5, 20}) {
      RealRandom real{uint64_t(seed)};
      Recorder rec;
      LoggingRandom src(real, rec.log);
      GameState s;
      drawQuotas(s, src);
      rec.stopAtYield = stopAt;
      rec.state = &s;
      const bool finished = m.fn(s, src, rec.hooks());
      if (finished) {
        EXPECT_LT(rec.yields, stopAt);
        continue;
      }
      ++stopped;
      EXPECT_EQ(rec.yields, stopAt);
      EXPECT_EQ(rec.log.back(), 'Y') << "something happened after the yield: " << rec.log;
      EXPECT_EQ(s.board, rec.atStop.board);
      EXPECT_EQ(s.vowelQuota, rec.atStop.vowelQuota);
      EXPECT_EQ(s.rareQuota, rec.atStop.rareQuota);
      EXPECT_EQ(s.consonantQuota, rec.atStop.consonantQuota);
      const std::string dice = diceText(s.board);
      EXPECT_EQ(size_t(std::count(dice.begin(), dice.end(), '-')), 16 - rec.shown.size());
    }
  }
  EXPECT_GT(stopped, 40);
}

// Quotas that do not cover the dice (all zero, as in a state nobody drew quotas for) still end:
// every die goes to the fallback group.
TEST_P(RealDeals, ZeroQuotasStillEnd) {
  RealRandom real(3);
  std::string log;
  LoggingRandom bounded(real, log, 100000);
  GameState s = withQuotas(0, 0, 0);
  ASSERT_TRUE(GetParam().fn(s, bounded, DealHooks{}));
  for (char c : diceText(s.board)) EXPECT_EQ(kindOf(c), Kind::Consonant) << c;
  EXPECT_EQ(s.consonantQuota, -16);
}

// The standard method ends under any source, even one that never varies: its 100-draw limits
// bound every step, so a deal makes at most 16 picks, 100 vowel and 100 rare draws and 100
// refused consonant draws plus one per die.
TEST(DealStandardEnds, UnderConstantDraws) {
  for (float v : {0.0f, 0.1f, 0.37f, 0.5f, 0.77f, 0.999f}) {
    for (auto [vowels, rares] : {std::pair{4, 1}, std::pair{9, 2}}) {
      ScriptedRandom src(std::vector<float>(400, v));
      GameState s = withQuotas(vowels, rares, 16 - vowels - rares);
      ASSERT_TRUE(dealStandard(s, src, DealHooks{})) << v;
      EXPECT_EQ(diceText(s.board).find('-'), std::string::npos) << v;
      EXPECT_LE(src.used(), 16u + 100 + 100 + 100 + 16) << v;
    }
  }
}

// The row and column methods redraw until the source gives an acceptable value; any source that
// eventually varies ends each redraw. Each case deals the first 15 dice plainly and then floods
// the last die with refused values before the acceptable one.
struct Storm {
  const char* name;
  int vowels, rares, consonants;
  void (*first15)(ScriptedRandom&);
  void (*flood)(ScriptedRandom&, size_t n);
  char lastLetter;
  friend void PrintTo(const Storm& s, std::ostream* os) { *os << s.name; }
};

void groups(ScriptedRandom& s, int g, int k, int m) { s.push(18, g).push(m, k); }
void vowelDice(ScriptedRandom& s, const std::string& cs) {
  for (char c : cs) groups(s, 0, L(c), 5);
}
void consonantDice(ScriptedRandom& s, const std::string& cs) {
  for (char c : cs) groups(s, 6, L(c) - 5, 11);
}

const Storm kStorms[] = {
    {"VowelLine", 4, 1, 11,
     [](ScriptedRandom& s) {
       groups(s, 4, L('H') - 18, 8);
       consonantDice(s, "BCDFGLMNPRS");
       vowelDice(s, "AEI");
     },
     [](ScriptedRandom& s, size_t n) {
       s.push(18, 0);
       for (size_t k = 0; k < n; ++k) s.push(5, int(k % 3));  // A, E, I: all in the line
       s.push(5, L('O'));
     },
     'O'},
    {"Consonant", 4, 1, 11,
     [](ScriptedRandom& s) {
       vowelDice(s, "AEIO");
       groups(s, 4, L('H') - 18, 8);
       consonantDice(s, "BBCDFGLMNP");
     },
     [](ScriptedRandom& s, size_t n) {
       s.push(18, 6).push(11, 0, n);  // B, dealt twice already
       s.push(11, L('R') - 5);
     },
     'R'},
    {"Rare", 4, 2, 10,
     [](ScriptedRandom& s) {
       vowelDice(s, "AEIO");
       groups(s, 4, L('H') - 18, 8);
       consonantDice(s, "BCDFGLMNPR");
     },
     [](ScriptedRandom& s, size_t n) {
       s.push(18, 5).push(8, 0, n);  // H, dealt already
       s.push(8, L('Z') - 18);
     },
     'Z'},
    {"Group", 4, 1, 11,
     [](ScriptedRandom& s) {
       vowelDice(s, "AEIO");
       consonantDice(s, "BCDFGLMNPRS");
     },
     [](ScriptedRandom& s, size_t n) {
       // Only a rare letter is owed: every other face leads to a new group draw.
       const std::array<int, 16> others = {0, 1, 2, 3, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
       for (size_t k = 0; k < n; ++k) s.push(18, others[k % others.size()]);
       s.push(18, 4).push(8, L('K') - 18);
     },
     'K'},
};

class LineRedrawsEnd : public ::testing::TestWithParam<std::tuple<Storm, Method, size_t>> {};

TEST_P(LineRedrawsEnd, AfterAnyNumberOfRefusedDraws) {
  const auto& [storm, method, n] = GetParam();
  ScriptedRandom src;
  storm.first15(src);
  storm.flood(src, n);
  GameState s = withQuotas(storm.vowels, storm.rares, storm.consonants);
  Recorder rec;
  ASSERT_TRUE(method.fn(s, src, rec.hooks()));
  EXPECT_EQ(src.remaining(), 0u);
  EXPECT_EQ(s.board[28], storm.lastLetter);
  EXPECT_EQ(diceText(s.board).find('-'), std::string::npos);
  EXPECT_EQ(s.vowelQuota + s.rareQuota + s.consonantQuota, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Floods, LineRedrawsEnd,
    ::testing::Combine(::testing::ValuesIn(kStorms), ::testing::Values(kRows, kColumns),
                       ::testing::Values(size_t{1}, size_t{1000}, size_t{100000})),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name +
             std::to_string(std::get<2>(info.param));
    });

// A source that repeats each value for a long random stretch before moving on: adversarial for
// every redraw, yet it eventually varies. It fails the test instead of hanging if a deal needs
// more than its bound.
class StickyRandom final : public RandomSource {
 public:
  explicit StickyRandom(uint32_t seed) : gen_(seed) {}
  float rnd() override {
    if (++used_ > kBound) {
      ADD_FAILURE() << "a deal needed more than " << kBound << " draws";
      throw ScriptExhausted();
    }
    if (left_ == 0) {
      value_ = float(gen_() >> 8) / 16777216.0f;
      left_ = 1 + gen_() % 3000;
    }
    --left_;
    return value_;
  }
  void reseed() override {}
  void newDeal() { used_ = 0; }

 private:
  static constexpr long kBound = 2'000'000;
  std::mt19937 gen_;
  float value_ = 0;
  unsigned left_ = 0;
  long used_ = 0;
};

TEST_P(RealDeals, EndUnderLongRunsOfRepeatedDraws) {
  StickyRandom sticky(11);
  for (int n = 0; n < 150 && !HasFailure(); ++n) {
    sticky.newDeal();
    GameState s;
    drawQuotas(s, sticky);
    ASSERT_TRUE(GetParam().fn(s, sticky, DealHooks{}));
    ASSERT_EQ(diceText(s.board).find('-'), std::string::npos);
  }
}

}  // namespace
}  // namespace vocari::testing
