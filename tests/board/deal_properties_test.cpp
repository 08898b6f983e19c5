// The real random source, properties of many real deals of each method, and what a superseded
// deal leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "board/deal.h"
#include "scripted_random.h"

namespace vocari::testing {
namespace {

struct Show {
  int pos, letter;
  long draws;  // draws made before the die was shown
};

// A real source that also watches a deal: the dice shown and the yields. The yield numbered
// stopAt reports the deal superseded; nothing may happen after it. A deal that keeps drawing
// fails instead of hanging.
struct Watcher final : RandomSource {
  explicit Watcher(uint64_t seed, int stopAt = 0) : real(seed), stopAt(stopAt) {}
  float rnd() override {
    EXPECT_FALSE(stopped) << "draw after the deal was superseded";
    if (++draws > 1'000'000) throw ScriptExhausted();
    return real.rnd();
  }
  void reseed() override {}
  DealHooks hooks() {
    DealHooks h;
    h.yield = [this] { EXPECT_FALSE(stopped); return !(stopped = ++yields == stopAt); };
    h.showDie = [this](int pos, int letter) {
      EXPECT_FALSE(stopped) << "die shown after the deal was superseded";
      shown.push_back({pos, letter, draws});
    };
    return h;
  }

  RealRandom real;
  int stopAt, yields = 0;
  long draws = 0;
  bool stopped = false;
  std::vector<Show> shown;
};

int kindOf(int i) { return i <= kLastVowel ? 0 : i <= kLastConsonant ? 1 : 2; }  // vowel, consonant, rare

// Every letter on the board was shown there, and each quota went down once per letter of its
// group dealt (the U of a pair counts as a vowel).
void expectShownAndCounted(const GameState& before, const GameState& s, const std::vector<Show>& shown) {
  Board fromShows = emptyBoard();
  for (const Show& e : shown) fromShows[e.pos] = letters[e.letter];
  EXPECT_EQ(fromShows, s.board);
  int kinds[3] = {};
  for (int16_t p : dicePos)
    if (const int i = letterIndex(s.board[p]); i >= 0) ++kinds[kindOf(i)];
  EXPECT_EQ(before.vowelQuota - s.vowelQuota, kinds[0]);
  EXPECT_EQ(before.consonantQuota - s.consonantQuota, kinds[1]);
  EXPECT_EQ(before.rareQuota - s.rareQuota, kinds[2]);
}

// The die of the U dealt with a Q: shown next to the Q with no draw in between; -1 if none.
int pairedU(const std::vector<Show>& shown) {
  for (std::size_t n = 1; n < shown.size(); ++n) {
    const Show &a = shown[n - 1], &b = shown[n];
    if (a.draws != b.draws) continue;
    if (a.letter == kIndexU && b.letter == kIndexQ) return a.pos;
    if (a.letter == kIndexQ && b.letter == kIndexU) return b.pos;
  }
  return -1;
}

TEST(RealRandom, SeedFixesTheSequenceAndReseedingNeverRestartsIt) {
  auto values = [](RealRandom r, bool reseed) {
    std::vector<float> v;
    for (int n = 0; n < 64; ++n) {
      if (reseed) r.reseed();
      v.push_back(r.rnd());
    }
    return v;
  };
  EXPECT_EQ(values(RealRandom(99), false), values(RealRandom(99), true));
  EXPECT_NE(values(RealRandom(99), false), values(RealRandom(100), false));
  EXPECT_NE(values(RealRandom(), false), values(RealRandom(), false));
}

// The deals go through deal(), so they also show its dispatch on the method index.
struct Method {
  const char* name;
  int index;
  std::string never;  // letters the method never deals
  int lineWidth;      // rows 6, columns 1: the line of a position is position / width % 6; Std 0
};
const Method kMethods[] = {{"Std", 0, "BV", 0}, {"R", 1, "TV", 6}, {"C", 2, "TV", 1}};

TEST(RealDeals, KeepEveryRuleOfTheirMethod) {
  for (const Method& m : kMethods) {
    std::set<char> seen;
    for (int n = 0; n < 4000 && !HasFailure(); ++n) {
      Watcher w{uint64_t(n)};
      GameState s;
      drawQuotas(s, w);
      const GameState before = s;
      ASSERT_TRUE(deal(m.index, s, w, w.hooks()));
      SCOPED_TRACE(std::string(m.name) + " deal " + std::to_string(n));
      expectShownAndCounted(before, s, w.shown);

      std::map<char, int> count;
      for (int16_t p : dicePos) {
        ASSERT_GE(letterIndex(s.board[p]), 0) << "die " << p;
        ++count[s.board[p]];
        seen.insert(s.board[p]);
      }
      for (char c : m.never) EXPECT_EQ(count[c], 0) << c;
      for (int i = kFirstConsonant; i <= kLastConsonant; ++i) EXPECT_LE(count[letters[i]], 2) << letters[i];
      for (int i = kFirstRare; i <= kLastRare; ++i) EXPECT_LE(count[letters[i]], 1) << letters[i];
      const int qPos = count['Q'] ? int(std::find(s.board.begin(), s.board.end(), 'Q') - s.board.begin()) : -1;
      const int u = pairedU(w.shown);
      if (u >= 0) {
        EXPECT_TRUE(areNeighbours(u, qPos)) << "U on " << u << ", Q on " << qPos;
      }

      if (m.lineWidth == 0) {
        for (int i = kFirstVowel; i <= kLastVowel; ++i)
          EXPECT_LE(count[letters[i]], 2 + (i == kIndexU && u >= 0)) << letters[i];
      } else {
        // No vowel of the vowel group twice in a line (the U of a pair is not of the group), and
        // a Q off the last die always finds a free neighbour for its U.
        std::set<std::pair<int, char>> inLine;
        for (int16_t p : dicePos) {
          if (p != u && kindOf(letterIndex(s.board[p])) == 0) {
            EXPECT_TRUE(inLine.insert({p / m.lineWidth % 6, s.board[p]}).second) << s.board[p] << " again on " << p;
          }
        }
        if (qPos >= 0 && qPos != 28) {
          EXPECT_GE(u, 0);
        }
      }
      if (qPos < 0) {
        EXPECT_TRUE(s.vowelQuota == 0 && s.rareQuota == 0 && s.consonantQuota == 0) << "quotas not met without a Q";
      }
    }
    // Every letter the method may deal turns up, so no letter range is cut short.
    std::set<char> allowed(letters.begin(), letters.end());
    for (char c : m.never) allowed.erase(c);
    EXPECT_EQ(seen, allowed) << m.name;
  }
}

TEST(RealDeals, SupersededDealStopsAtTheYield) {
  int stops = 0;
  for (const Method& m : kMethods) {
    for (int seed = 1; seed <= 20; ++seed) {
      for (int stopAt : {1, 2, 5, 20}) {
        SCOPED_TRACE(std::string(m.name) + " seed " + std::to_string(seed) + " stop " + std::to_string(stopAt));
        Watcher w(uint64_t(seed), stopAt);
        GameState s;
        drawQuotas(s, w);
        const GameState before = s;
        const bool finished = deal(m.index, s, w, w.hooks());
        EXPECT_NE(finished, w.stopped);
        stops += w.stopped;
        expectShownAndCounted(before, s, w.shown);
      }
    }
  }
  EXPECT_GT(stops, 150);
}

TEST(RealDeals, ZeroQuotasStillEnd) {
  // As in a state nobody drew quotas for: no group opens, every die goes to the consonants.
  for (const Method& m : kMethods) {
    Watcher w(3);
    GameState s;
    ASSERT_TRUE(deal(m.index, s, w, w.hooks())) << m.name;
    EXPECT_EQ(s.consonantQuota, -16) << m.name;
  }
}

TEST(Deal, UnknownMethodDealsNothing) {
  for (int method : {-1, 3}) {
    ScriptedRandom none;  // any draw fails the test
    GameState s;
    EXPECT_TRUE(deal(method, s, none, DealHooks{}));
    EXPECT_EQ(s.board, emptyBoard());
  }
}

}  // namespace
}  // namespace vocari::testing
