// The dealing methods: every face of every draw at both its edges, exact boards for scripted draws,
// the end of every redraw under adversarial draws, the real random source and its range,
// properties of many real deals of each method, and what a superseded deal leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "board/daily_deal.h"
#include "board/deal.h"
#include "scripted_random.h"

namespace vocari::testing {
namespace {

using DealFn = bool (*)(GameState&, RandomSource&, const DealHooks&);

// The 16 dice in reading order.
std::string diceText(const Board& b) {
  std::string t;
  for (int16_t p : dicePos) t += b[p];
  return t;
}

// The quotas of a deal; the consonants take the dice left.
GameState withQuotas(int vowels, int rares) {
  GameState s;
  s.vowelQuota = vowels, s.rareQuota = rares, s.consonantQuota = int16_t(16 - vowels - rares);
  return s;
}

std::string repeat(const std::string& s, int n) {
  std::string out;
  while (n-- > 0) out += s;
  return out;
}

// The draws of one deal, one word per die in dealing order; each letter of a word is a draw in
// that letter's group. Std: a leading number names the die taken (by default the first free one;
// dice filled by a U are not tracked, so name none after a Q). R and C: a leading number is the
// group face (by default 0 vowel, 4 rare, 6 consonant); a digit after the letters is the coin.
ScriptedRandom script(DealFn fn, const std::string& words) {
  const bool standard = fn == &dealStandard;
  ScriptedRandom src;
  std::vector<int> freeDice(dicePos.begin(), dicePos.end());
  std::istringstream in(words);
  for (std::string w; in >> w;) {
    std::size_t at = 0;
    const int lead = std::isdigit(static_cast<unsigned char>(w[0])) ? std::stoi(w, &at) : -1;
    if (standard) {
      const auto it = lead < 0 ? freeDice.begin() : std::find(freeDice.begin(), freeDice.end(), lead);
      src.push(int(freeDice.size()), int(it - freeDice.begin()));
      freeDice.erase(it);
    } else {
      const int i = at < w.size() ? letterIndex(w[at]) : -1;
      src.push(18, lead >= 0 ? lead : i <= kLastVowel ? 0 : i >= kFirstRare ? 4 : 6);
    }
    for (; at < w.size(); ++at) {
      const int i = letterIndex(w[at]);
      if (i < 0) src.push(2, w[at] - '0');
      else if (i <= kLastVowel) src.push(5, i);
      else if (i >= kFirstRare) src.push(8, i - kFirstRare);
      else src.push(11, i - (standard ? 6 : 5));
    }
  }
  return src;
}

// The smallest value that draws face k of m, and the largest that still draws it: the edges of
// [k / m, (k + 1) / m) among the floats a source may give (f * m is exact in a double).
std::array<float, 2> faceEdges(int m, int k) {
  auto lowest = [m](int face) {
    float f = float(double(face) / m);
    while (std::floor(double(f) * m) < face) f = std::nextafter(f, 1.0f);
    while (f > 0 && std::floor(double(std::nextafter(f, 0.0f)) * m) >= face) f = std::nextafter(f, 0.0f);
    return f;
  };
  return {lowest(k), std::nextafter(lowest(k + 1), 0.0f)};
}

float middle(int m, int k) { return float((k + 0.5) / m); }

TEST(DrawQuotas, EveryFaceAtBothEdgesRareQuotaFirstThenVowels) {
  for (int rareFace = 0; rareFace < 2; ++rareFace)
    for (int vowelFace = 0; vowelFace < 6; ++vowelFace)
      for (int edge : {0, 1}) {
        ScriptedRandom src({faceEdges(2, rareFace)[edge], faceEdges(6, vowelFace)[edge]});
        GameState s;
        drawQuotas(s, src);
        EXPECT_EQ((std::array{s.rareQuota, s.vowelQuota, int(s.consonantQuota)}),
                  (std::array{1 + rareFace, 4 + vowelFace, 11 - rareFace - vowelFace}))
            << rareFace << " " << vowelFace << " edge " << edge;
        EXPECT_EQ(src.events, "rdrd");  // each quota drawn just after a reseed
      }
}

// The die and letter a deal shows first; for R and C the die at 7 (the U of a QU pair may come
// before it). The deal ends there.
std::pair<int, char> firstShown(DealFn fn, GameState s, const std::vector<float>& values) {
  struct Shown {
    int pos;
    char letter;
  };
  ScriptedRandom src(values);
  DealHooks hooks;
  hooks.showDie = [fn](int pos, int i) {
    if (fn == &dealStandard || pos == 7) throw Shown{pos, letters[i]};
  };
  try {
    fn(s, src, hooks);
  } catch (const Shown& shown) {
    return {shown.pos, shown.letter};
  } catch (const ScriptExhausted&) {
  }
  ADD_FAILURE() << "no die shown";
  return {};
}

// Every face of every table-driven draw of the three methods, at the lowest and the highest value
// that draws it: the letter dealt on the first die.
TEST(Deal, EveryFaceOfEveryDrawAtBothEdges) {
  struct Draw {
    const char* name;
    DealFn fn;
    int vowels, rares;       // quotas; the consonants take the rest
    std::vector<float> lead;  // draws before the one under test
    int faces;
    std::string letterOfFace;
    std::vector<float> trail;  // draws after it
  };
  const float pick7 = middle(16, 0), coinQ7 = middle(2, 0);
  const Draw draws[] = {
      {"Std vowel", &dealStandard, 4, 1, {pick7}, 5, "AEIOU", {}},
      {"Std rare", &dealStandard, 0, 2, {pick7}, 8, "HJKQWXYZ", {}},
      {"Std consonant", &dealStandard, 0, 0, {pick7}, 11, "CDFGLMNPRST", {}},
      {"R group", &dealByRows, 4, 2, {}, 18, "AAAAHHBBBBBBBBBBAA", {0.0f}},
      {"C group", &dealByColumns, 4, 2, {}, 18, "AAAAHHBBBBBBBBBBAA", {0.0f}},
      {"R vowel", &dealByRows, 4, 2, {middle(18, 0)}, 5, "AEIOU", {}},
      {"C vowel", &dealByColumns, 4, 2, {middle(18, 17)}, 5, "AEIOU", {}},
      {"R rare", &dealByRows, 4, 2, {middle(18, 4)}, 8, "HJKQWXYZ", {coinQ7}},
      {"C rare", &dealByColumns, 4, 2, {middle(18, 5)}, 8, "HJKQWXYZ", {coinQ7}},
      {"R consonant", &dealByRows, 4, 2, {middle(18, 6)}, 11, "BCDFGLMNPRS", {}},
      {"C consonant", &dealByColumns, 4, 2, {middle(18, 15)}, 11, "BCDFGLMNPRS", {}},
      // A Q on die 7 pairs with 13, its only free neighbour; the coin's face 0 leaves the Q on 7.
      {"R coin", &dealByRows, 4, 2, {middle(18, 4), middle(8, 3)}, 2, "QU", {}},
      {"C coin", &dealByColumns, 4, 2, {middle(18, 4), middle(8, 3)}, 2, "QU", {}},
  };
  for (const Draw& d : draws)
    for (int k = 0; k < d.faces; ++k)
      for (int edge : {0, 1}) {
        std::vector<float> values = d.lead;
        values.push_back(faceEdges(d.faces, k)[edge]);
        values.insert(values.end(), d.trail.begin(), d.trail.end());
        EXPECT_EQ(firstShown(d.fn, withQuotas(d.vowels, d.rares), values).second, d.letterOfFace[std::size_t(k)])
            << d.name << " face " << k << " edge " << edge;
      }
  // Std: the first draw picks the die among the 16 free ones.
  for (int k = 0; k < kDice; ++k)
    for (int edge : {0, 1})
      EXPECT_EQ(firstShown(&dealStandard, withQuotas(4, 1), {faceEdges(16, k)[edge], 0.0f}),
                std::pair(int(dicePos[std::size_t(k)]), 'A'))
          << "die " << k << " edge " << edge;
}

// Where each method reseeds and yields ('r', 'y') among its draws ('d'): a deal of four vowels,
// a rare letter and eleven consonants. Std reseeds once a die, before the draw that takes it,
// and yields before each letter draw but a consonant's, which it yields after; R and C reseed
// before every draw; R yields before a rare letter only, C also before a consonant and after a
// vowel.
TEST(Deal, ReseedsAndYieldsFallBetweenTheDrawsAsDocumented) {
  const std::tuple<DealFn, std::string> cases[] = {
      {&dealStandard, repeat("rdyd", 5) + repeat("rddy", 11)},
      {&dealByRows, repeat("rdrd", 4) + "rdyrd" + repeat("rdrd", 11)},
      {&dealByColumns, repeat("rdrdy", 4) + "rdyrd" + repeat("rdyrd", 11)},
  };
  for (const auto& [fn, events] : cases) {
    ScriptedRandom src = script(fn, "A E I O H C C D D F F G G L L M");
    GameState s = withQuotas(4, 1);
    EXPECT_TRUE(fn(s, src, {.yield = [&src] { return src.events += 'y', true; }}));
    EXPECT_EQ(src.events, events);
  }
}

struct Pinned {
  std::string name;
  DealFn fn;
  int vowels, rares;  // quotas before the deal
  std::string words;
  const char* board;
  std::array<int, 4> after;  // vowel, rare and consonant quotas left, yields made
};

TEST(Deal, ScriptedDrawsGiveExactBoards) {
  std::vector<Pinned> cases = {
      // Std: ten vowels and five rare letters put the Q on the last die: no U.
      {"Std Q last", &dealStandard, 10, 6, "A A E E I I O O U U H J K W X Q", "AAEEIIOOUUHJKWXQ", {0, 0, 0, 16}},
      // Std: E is refused until the vowel draws pass 100; then every die falls through.
      {"Std vowel limit", &dealStandard, 9, 1, "E E " + std::string(98, 'E') + "H D D F F G G L L M M N N P",
       "EEHDDFFGGLLMMNNP", {7, 0, -7, 128}},
      {"Std rare limit", &dealStandard, 4, 2, "A E I O H " + std::string(99, 'H') + "D D F F G G L L M M N",
       "AEIOHDDFFGGLLMMN", {0, 1, -1, 126}},
      // Std: C is refused on consonant draws 3..100; the 101st, C again, is taken as drawn.
      {"Std consonant limit", &dealStandard, 4, 1, "A E I O H C C " + std::string(99, 'C') + repeat(" C", 8),
       "AEIOHCCCCCCCCCCC", {0, 0, 0, 114}},
      // R, C: a Q on die 0 pairs with 13, the only free neighbour; the coin picks the Q's die. The
      // draws also cover vowels refused within a line, faces falling back and B refused a third time.
      {"R Q on 7, coin 0", &dealByRows, 4, 2, "4Q0 0A 1AE 6B 16A 17C 5H 4D 15B 7BF 8G 9L 10M 11N 12P",
       "QAEBUACHDBFGLMNP", {0, 0, 0, 2}},
      {"R Q on 7, coin 1", &dealByRows, 4, 2, "4Q1 0A 1AE 6B 16A 17C 5H 4D 15B 7BF 8G 9L 10M 11N 12P",
       "UAEBQACHDBFGLMNP", {0, 0, 0, 2}},
      {"C Q on 7, coin 0", &dealByColumns, 4, 2, "4Q0 0A 1AE 16A 17B 5H 4C 6B 7BD F G L M N P",
       "QABLUBDMAHFNECGP", {0, 0, 0, 17}},
      // The U of a Q on 8 fills 13, the first die of row 1: 13 is skipped, yet row 1 starts with
      // no vowels, so the A on 14 is taken at once.
      {"R pair opens a row", &dealByRows, 4, 1, "A Q0 E B 2A C D F G L M N P R S", "AQEBUACDFGLMNPRS", {0, 0, 0, 1}},
      // A U after the vowels ran out leaves the vowel quota at -1, which still opens vowel faces.
      {"R U below zero", &dealByRows, 4, 1, "A E I O Q0 A B 16AU C D F G L M N", "AEIOQABUUCDFGLMN", {-3, 0, 3, 1}},
      {"R Q last", &dealByRows, 4, 1, "A E I O B C D F G L M N P R S Q", "AEIOBCDFGLMNPRSQ", {0, 0, 0, 1}},
  };
  // Std: the Q on 14 after its first j neighbours in the order E, SE, S, SW, W, NW, N, NE were
  // dealt vowels; its U goes on neighbour j, or nowhere when all eight are dealt.
  const int around14[] = {15, 21, 20, 19, 13, 7, 8, 9};
  const char* quBoards[] = {"CDFGLQUMNPRSTCDF", "CDFGLQAMNPURSTCD", "CDFGLQAMNUAPRSTC",
                            "CDFGLQAMUEANPRST", "CDFGUQALEEAMNPRS", "UCDFIQAGEEALMNPR",
                            "IUCDIQAFEEAGLMNP", "IOUCIQADEEAFGLMN", "IOOCIQADEEAFGLMN"};
  for (int j = 0; j <= 8; ++j) {
    std::string words;
    for (int m = 0; m < j; ++m) words += std::to_string(around14[m]) + "AAEEIIOO"[m] + " ";
    words += "14Q" + repeat(" C D F G L M N P R S T", 2).substr(0, 2 * (j < 8 ? 14 - j : 7));
    const int u = j < 8;
    cases.push_back({"Std Q on 14, j = " + std::to_string(j), &dealStandard, j, 1, words, quBoards[j],
                     {-u, 0, u, 15 + !u}});
  }

  for (const Pinned& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedRandom src = script(c.fn, c.words);
    GameState s = withQuotas(c.vowels, c.rares);
    int yields = 0;
    EXPECT_TRUE(c.fn(s, src, {.yield = [&yields] { return ++yields > 0; }}));
    EXPECT_EQ(src.remaining(), 0u);
    EXPECT_EQ(diceText(s.board), c.board);
    EXPECT_EQ((std::array{s.vowelQuota, s.rareQuota, int(s.consonantQuota), yields}), c.after);
  }
}

TEST(Deal, EveryRedrawEndsUnderAdversarialDraws) {
  // Std: the 100-draw limits bound every step: 16 picks, 100 vowel, 100 rare and 100 refused
  // consonant draws plus one per die at most.
  for (float v : {0.0f, 0.4f, 0.999f}) {
    ScriptedRandom src(std::vector<float>(16 + 300 + 16, v));
    GameState s = withQuotas(9, 2);
    ASSERT_TRUE(dealStandard(s, src, DealHooks{})) << v;
    EXPECT_EQ(diceText(s.board).find(kUndealt), std::string::npos) << v;
  }
  // R and C: four vowels and one or two rare letters are owed; the last die gets the letter that
  // ends the run.
  const std::tuple<int, std::string, char> storms[] = {
      {1, "H B C D F G L M N P R S A E I 0" + repeat("AEI", 3000) + "O", 'O'},  // A E I in the line
      {1, "A E I O H B B C D F G L M N P 6" + std::string(10000, 'B') + "R", 'R'},
      {2, "A E I O H B C D F G L M N P R 5" + std::string(10000, 'H') + "Z", 'Z'},
      // Only a rare letter is owed: every other face draws the group again.
      {1, "A E I O B C D F G L M N P R S" + repeat(" 0 3 6 15 16 17", 2000) + " 4K", 'K'},
  };
  for (DealFn fn : {&dealByRows, &dealByColumns}) {
    for (const auto& [rares, words, last] : storms) {
      ScriptedRandom src = script(fn, words);
      GameState s = withQuotas(4, rares);
      ASSERT_TRUE(fn(s, src, DealHooks{}));
      EXPECT_EQ(src.remaining(), 0u);
      EXPECT_EQ(s.board[28], last);
    }
  }
}

int kindOf(int i) { return i <= kLastVowel ? 0 : i <= kLastConsonant ? 1 : 2; }  // vowel, consonant, rare

// A real source that also watches a deal: the dice shown, the yields and the U of a QU pair (the
// only two dice shown with no draw between them). The yield numbered stopAt reports the deal
// superseded; nothing may happen after it. A deal that keeps drawing fails instead of hanging.
struct Watcher final : RandomSource {
  explicit Watcher(uint64_t seed, int stopAt = 0) : real(seed), stopAt(stopAt) {}
  float rnd() override {
    EXPECT_FALSE(stopped) << "draw after the deal was superseded";
    if (++draws > 1'000'000) throw ScriptExhausted();
    return real.rnd();
  }
  void reseed() override { ++reseeds; }
  DealHooks hooks() {
    DealHooks h;
    h.yield = [this] { EXPECT_FALSE(stopped); return !(stopped = ++yields == stopAt); };
    h.showDie = [this](int pos, int letter) {
      EXPECT_FALSE(stopped) << "die shown after the deal was superseded";
      if (lastShow == draws) u = letter == kIndexU ? pos : lastPos;
      shown[pos] = letters[letter], lastShow = draws, lastPos = pos;
    };
    return h;
  }

  // Draws the quotas and deals. Every letter on the board was shown there, and each quota went
  // down once per letter of its group dealt (the U of a pair counts as a vowel).
  bool dealAndCheck(int method, GameState& s) {
    drawQuotas(s, *this);
    const GameState before = s;
    const bool finished = deal(DealMethod(method), s, *this, hooks());
    EXPECT_EQ(shown, s.board);
    int kinds[3] = {};
    for (int16_t p : dicePos)
      if (const int i = letterIndex(s.board[p]); i >= 0) ++kinds[kindOf(i)];
    EXPECT_EQ((std::array{before.vowelQuota - s.vowelQuota, before.consonantQuota - s.consonantQuota,
                          before.rareQuota - s.rareQuota}),
              (std::array{kinds[0], kinds[1], kinds[2]}));
    return finished;
  }

  RealRandom real;
  int stopAt, yields = 0, u = -1, lastPos = 0;
  long draws = 0, lastShow = -1, reseeds = 0;
  bool stopped = false;
  Board shown = emptyBoard();
};

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

// The grid of a date: the generator gives the published SplitMix64 sequence; three dates' grids
// are pinned for good; a date gives its grid every time, and a year of dates a year of grids.
TEST(DailyDeal, TheGridOfADateIsFixedAndEachDateHasItsOwn) {
  // SplitMix64 from 0 first gives 0xE220A8397B1DCDAF; the draw is its top 24 bits.
  EXPECT_EQ(SplitMixRandom(0).rnd(), float(0xE220A8) / 16777216.0f);
  const auto grid = [](std::chrono::year_month_day d) {
    GameState s;
    EXPECT_TRUE(dealDaily(s, int(d.year()), int(unsigned(d.month())), int(unsigned(d.day())), {}));
    return diceText(s.board);
  };
  using namespace std::chrono;
  EXPECT_EQ(grid(2026y / December / 7), "TCGLAULAEDMDRMRZ");
  EXPECT_EQ(grid(2027y / January / 1), "RREKAOEDUIOCIUQU");
  EXPECT_EQ(grid(2028y / February / 29), "KTEUGENNATIMOAUO");
  std::set<std::string> year;
  for (sys_days d = 2026y / March / 1; d < sys_days(2027y / March / 1); d += days(1)) {
    const std::string g = grid(year_month_day(d));
    EXPECT_EQ(grid(year_month_day(d)), g);
    year.insert(g);
  }
  EXPECT_EQ(year.size(), 365u);
  // The seed is the date's digits, and a superseded deal stops at once.
  EXPECT_EQ(dailySeed(2026, 12, 7), 20261207u);
  GameState s;
  EXPECT_FALSE(dealDaily(s, 2026, 12, 7, {[] { return false; }}));
}

// Every draw is at least 0 and below 1, also from the extreme generator words, and a long run
// reaches close to both ends.
TEST(RealRandom, EveryValueIsAtLeastZeroAndBelowOne) {
  EXPECT_EQ(unitFromWord(0), 0.0f);
  EXPECT_EQ(unitFromWord(0xFFFFFFFFu), 1.0f - 0x1p-24f);
  EXPECT_EQ(unitFromWord(0x80000000u), 0.5f);
  RealRandom r(42);
  float low = 1, high = 0;
  for (int n = 0; n < 1'000'000; ++n) {
    const float v = r.rnd();
    low = std::min(low, v), high = std::max(high, v);
  }
  EXPECT_GE(low, 0.0f);
  EXPECT_LT(high, 1.0f);
  EXPECT_LT(low, 1e-4f);
  EXPECT_GT(high, 1 - 1e-4f);
}

// The deals go through deal(), so they also show its dispatch on the method index.
struct Method {
  const char* name;
  int index;
  std::string never;  // letters the method never deals
  int lineWidth;      // rows 6, columns 1: the line of a position is position / width % 6; Std 0
};
const Method kMethods[] = {{"Std", 0, "BV", 0}, {"R", 1, "TV", 6}, {"C", 2, "TV", 1}};

// Every tenth deal is superseded at its 1st, 2nd, 5th or 20th yield: it stops there, and what it
// dealt so far is shown and counted. Every other deal keeps every rule of its method.
TEST(RealDeals, KeepEveryRuleOfTheirMethodOrStopWhenSuperseded) {
  for (const Method& m : kMethods) {
    std::set<char> seen;
    int stops = 0;
    for (int n = 0; n < 4000 && !HasFailure(); ++n) {
      SCOPED_TRACE(std::string(m.name) + " deal " + std::to_string(n));
      Watcher w{uint64_t(n), n % 10 ? 0 : std::array{1, 2, 5, 20}[n / 10 % 4]};
      GameState s;
      EXPECT_NE(w.dealAndCheck(m.index, s), w.stopped);
      stops += w.stopped;
      if (w.stopped) continue;
      std::map<char, int> count;
      for (int16_t p : dicePos) ++count[s.board[p]];
      for (const auto& [c, times] : count) seen.insert(c);
      // Rare letters once, consonants (and the vowels of Std) twice; the U of a pair comes on top.
      for (int i = 0; i < int(letters.size()); ++i) {
        const int most = kindOf(i) == 2 ? 1 : kindOf(i) == 1 || m.lineWidth == 0 ? 2 : 4;
        EXPECT_LE(count[letters[i]], most + (i == kIndexU && w.u >= 0)) << letters[i];
      }
      const int qPos = count['Q'] ? int(std::find(s.board.begin(), s.board.end(), 'Q') - s.board.begin()) : -1;
      EXPECT_TRUE(w.u < 0 || areNeighbours(w.u, qPos)) << "U on " << w.u << ", Q on " << qPos;
      EXPECT_TRUE(qPos >= 0 || (s.vowelQuota == 0 && s.rareQuota == 0 && s.consonantQuota == 0));
      if (m.lineWidth == 0) continue;
      EXPECT_EQ(w.reseeds, w.draws);  // R and C reseed before every draw, the quotas' too
      // R and C: no vowel of the vowel group twice in a line (the U of a pair is not of the group),
      // and a Q off the last die always finds a free neighbour for its U.
      std::set<std::pair<int, char>> inLine;
      for (int16_t p : dicePos) {
        const bool vowel = p != w.u && kindOf(letterIndex(s.board[p])) == 0;
        EXPECT_TRUE(!vowel || inLine.insert({p / m.lineWidth % 6, s.board[p]}).second) << s.board[p] << " on " << p;
      }
      EXPECT_TRUE(qPos < 0 || qPos == 28 || w.u >= 0);
    }
    // Letters of the table only, none that the method never deals, and every other one turns up,
    // so no letter range is cut short.
    std::set<char> allowed(letters.begin(), letters.end());
    for (char c : m.never) allowed.erase(c);
    EXPECT_EQ(seen, allowed) << m.name;
    EXPECT_GT(stops, 100) << m.name;  // R yields least: before a rare letter only
  }
}

}  // namespace
}  // namespace vocari::testing
