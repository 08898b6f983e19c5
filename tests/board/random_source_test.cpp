// The real random source, the quota draws and the dispatch on the dealing method.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "board/deal.h"
#include "board/random_source.h"
#include "deal_test_support.h"
#include "scripted_random.h"

namespace vocari::testing {
namespace {

TEST(RealRandom, ValuesAre24BitFractionsBelowOne) {
  RealRandom r(12345);
  double sum = 0;
  constexpr int kDraws = 200000;
  for (int n = 0; n < kDraws; ++n) {
    const float v = r.rnd();
    ASSERT_GE(v, 0.0f);
    ASSERT_LT(v, 1.0f);
    const double scaled = double(v) * 16777216.0;
    ASSERT_EQ(scaled, std::floor(scaled)) << v;
    sum += v;
  }
  EXPECT_NEAR(sum / kDraws, 0.5, 0.01);
}

TEST(RealRandom, DrawCoversEveryFaceAndNoOther) {
  RealRandom r(7);
  for (int m : {2, 5, 6, 8, 11, 16, 18}) {
    std::set<int> seen;
    for (int n = 0; n < 5000; ++n) seen.insert(r.draw(m, 3));
    EXPECT_EQ(int(seen.size()), m) << "m = " << m;
    EXPECT_EQ(*seen.begin(), 3);
    EXPECT_EQ(*seen.rbegin(), m + 2);
  }
}

TEST(RealRandom, SeedFixesTheSequenceAndReseedingKeepsTheState) {
  RealRandom a(99), b(99), c(100), withReseeds(99);
  std::vector<float> va, vb, vc, vr;
  for (int n = 0; n < 64; ++n) {
    va.push_back(a.rnd());
    vb.push_back(b.rnd());
    vc.push_back(c.rnd());
    withReseeds.reseed();
    vr.push_back(withReseeds.rnd());
  }
  EXPECT_EQ(va, vb);
  EXPECT_NE(va, vc);
  // Reseeding never restarts a sequence: many reseeds within one clock tick still give the
  // values that follow on.
  EXPECT_EQ(va, vr);
}

TEST(RealRandom, UnseededSourcesDiffer) {
  RealRandom a, b;
  std::vector<float> va, vb;
  for (int n = 0; n < 16; ++n) va.push_back(a.rnd()), vb.push_back(b.rnd());
  EXPECT_NE(va, vb);
}

TEST(ScriptedRandom, ValueForGivesTheWantedDraw) {
  for (int m = 1; m <= 18; ++m)
    for (int k = 0; k < m; ++k) {
      ScriptedRandom src;
      src.push(m, k);
      EXPECT_EQ(src.draw(m, 5), k + 5) << "m = " << m;
    }
}

TEST(DrawQuotas, RareQuotaFirstThenVowelsEachAfterAReseed) {
  struct Case {
    int rareDraw, vowelDraw, rare, vowels, consonants;
  };
  for (const Case& c : {Case{0, 0, 1, 4, 11}, Case{1, 0, 2, 4, 10}, Case{0, 5, 1, 9, 6}, Case{1, 5, 2, 9, 5},
                        Case{1, 2, 2, 6, 8}}) {
    ScriptedRandom src;
    src.push(2, c.rareDraw).push(6, c.vowelDraw);
    std::string log;
    src.logTo(&log);
    GameState s;
    drawQuotas(s, src);
    EXPECT_EQ(s.rareQuota, c.rare);
    EXPECT_EQ(s.vowelQuota, c.vowels);
    EXPECT_EQ(s.consonantQuota, c.consonants);
    EXPECT_EQ(log, "SrSr");
    EXPECT_EQ(src.remaining(), 0u);
  }
}

TEST(DrawQuotas, RealDrawsReachEveryPairAndAddUpToSixteen) {
  RealRandom r(2024);
  std::set<std::pair<int, int>> seen;
  for (int n = 0; n < 5000; ++n) {
    GameState s;
    drawQuotas(s, r);
    ASSERT_GE(s.rareQuota, 1);
    ASSERT_LE(s.rareQuota, 2);
    ASSERT_GE(s.vowelQuota, 4);
    ASSERT_LE(s.vowelQuota, 9);
    ASSERT_EQ(s.vowelQuota + s.rareQuota + s.consonantQuota, 16);
    seen.insert({s.rareQuota, s.vowelQuota});
  }
  EXPECT_EQ(seen.size(), 12u);
}

TEST(Deal, DispatchesOnTheMethodIndex) {
  using Fn = bool (*)(GameState&, RandomSource&, const DealHooks&);
  const Fn direct[] = {&dealStandard, &dealByRows, &dealByColumns};
  for (int method = 0; method < 3; ++method) {
    RealRandom r1(500 + method), r2(500 + method);
    GameState a = withQuotas(6, 2, 8), b = a;
    EXPECT_TRUE(deal(method, a, r1, DealHooks{}));
    EXPECT_TRUE(direct[method](b, r2, DealHooks{}));
    EXPECT_EQ(a.board, b.board) << "method " << method;
    EXPECT_EQ(diceText(a.board).find('-'), std::string::npos);
  }
  // The three methods deal differently from the same draws.
  std::set<std::string> boards;
  for (int method = 0; method < 3; ++method) {
    RealRandom r(77);
    GameState s = withQuotas(6, 2, 8);
    deal(method, s, r, DealHooks{});
    boards.insert(diceText(s.board));
  }
  EXPECT_EQ(boards.size(), 3u);
}

TEST(Deal, UnknownMethodDealsNothing) {
  for (int method : {-1, 3, 100}) {
    ScriptedRandom src;  // any draw would fail the test
    Recorder rec;
    GameState s = withQuotas(6, 2, 8);
    EXPECT_TRUE(deal(method, s, src, rec.hooks()));
    EXPECT_EQ(s.board, emptyBoard());
    EXPECT_EQ(src.reseeds(), 0);
    EXPECT_TRUE(rec.log.empty());
  }
}

}  // namespace
}  // namespace vocari::testing
