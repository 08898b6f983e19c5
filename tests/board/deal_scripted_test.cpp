// The quota draws and the three dealing methods driven by scripted draws: exact boards, and the
// end of every redraw under adversarial draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <sstream>
#include <string>
#include <vector>

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

GameState withQuotas(int vowels, int rares, int consonants) {
  GameState s;
  s.vowelQuota = vowels;
  s.rareQuota = rares;
  s.consonantQuota = static_cast<int16_t>(consonants);
  return s;
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

std::string repeat(const std::string& s, int n) {
  std::string out;
  while (n-- > 0) out += s;
  return out;
}

TEST(DrawQuotas, RareQuotaFirstThenVowelsConsonantsTheRest) {
  // Rare draw, vowel draw, then the quotas they give.
  for (auto [rareDraw, vowelDraw, rare, vowels] : {std::array{0, 0, 1, 4}, {1, 0, 2, 4}, {0, 5, 1, 9}, {1, 2, 2, 6}}) {
    ScriptedRandom src;
    src.push(2, rareDraw).push(6, vowelDraw);
    GameState s;
    drawQuotas(s, src);
    EXPECT_EQ(s.rareQuota, rare);
    EXPECT_EQ(s.vowelQuota, vowels);
    EXPECT_EQ(s.consonantQuota, 16 - rare - vowels);
  }
}

struct Pinned {
  std::string name;
  DealFn fn;
  int vowels, rares, consonants;  // quotas before the deal
  std::string words;
  const char* board;
  std::array<int, 4> after;  // vowel, rare and consonant quotas left, yields made
};

TEST(Deal, ScriptedDrawsGiveExactBoards) {
  std::vector<Pinned> cases = {
      // Std: ten vowels and five rare letters put the Q on the last die: no U.
      {"Std Q last", &dealStandard, 10, 6, 0, "A A E E I I O O U U H J K W X Q", "AAEEIIOOUUHJKWXQ", {0, 0, 0, 16}},
      // Std: E is refused until the vowel draws pass 100; then every die falls through.
      {"Std vowel limit", &dealStandard, 9, 1, 6, "E E " + std::string(98, 'E') + "H D D F F G G L L M M N N P",
       "EEHDDFFGGLLMMNNP", {7, 0, -7, 128}},
      {"Std rare limit", &dealStandard, 4, 2, 10, "A E I O H " + std::string(99, 'H') + "D D F F G G L L M M N",
       "AEIOHDDFFGGLLMMN", {0, 1, -1, 126}},
      // Std: C is refused on consonant draws 3..100; the 101st, C again, is taken as drawn.
      {"Std consonant limit", &dealStandard, 4, 1, 11, "A E I O H C C " + std::string(99, 'C') + repeat(" C", 8),
       "AEIOHCCCCCCCCCCC", {0, 0, 0, 114}},
      // R, C: a Q on die 0 pairs with 13, the only free neighbour; the coin picks the Q's die. The
      // draws also cover vowels refused within a line, faces falling back and B refused a third time.
      {"R Q on 7, coin 0", &dealByRows, 4, 2, 10, "4Q0 0A 1AE 6B 16A 17C 5H 4D 15B 7BF 8G 9L 10M 11N 12P",
       "QAEBUACHDBFGLMNP", {0, 0, 0, 2}},
      {"R Q on 7, coin 1", &dealByRows, 4, 2, 10, "4Q1 0A 1AE 6B 16A 17C 5H 4D 15B 7BF 8G 9L 10M 11N 12P",
       "UAEBQACHDBFGLMNP", {0, 0, 0, 2}},
      {"C Q on 7, coin 0", &dealByColumns, 4, 2, 10, "4Q0 0A 1AE 16A 17B 5H 4C 6B 7BD F G L M N P",
       "QABLUBDMAHFNECGP", {0, 0, 0, 17}},
      {"C Q on 7, coin 1", &dealByColumns, 4, 2, 10, "4Q1 0A 1AE 16A 17B 5H 4C 6B 7BD F G L M N P",
       "UABLQBDMAHFNECGP", {0, 0, 0, 17}},
      // The U of a Q on 8 fills 13, the first die of row 1: 13 is skipped, yet row 1 starts with
      // no vowels, so the A on 14 is taken at once.
      {"R pair opens a row", &dealByRows, 4, 1, 11, "A Q0 E B 2A C D F G L M N P R S", "AQEBUACDFGLMNPRS", {0, 0, 0, 1}},
      // Likewise for column 1, whose first die 8 took the Q of 13.
      {"C pair opens a column", &dealByColumns, 4, 1, 11, "A Q1 E B 2A C D F G L M N P R S", "AQFNUAGPECLRBDMS",
       {0, 0, 0, 15}},
      // A U after the vowels ran out leaves the vowel quota at -1, which still opens vowel faces.
      {"R U below zero", &dealByRows, 4, 1, 11, "A E I O Q0 A B 16AU C D F G L M N", "AEIOQABUUCDFGLMN", {-3, 0, 3, 1}},
      {"R Q last", &dealByRows, 4, 1, 11, "A E I O B C D F G L M N P R S Q", "AEIOBCDFGLMNPRSQ", {0, 0, 0, 1}},
      {"C Q last", &dealByColumns, 4, 1, 11, "A E I O B C D F G L M N P R S Q", "ABGPECLRIDMSOFNQ", {0, 0, 0, 16}},
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
    cases.push_back({"Std Q on 14, j = " + std::to_string(j), &dealStandard, j, 1, 15 - j, words, quBoards[j],
                     {-u, 0, u, 15 + !u}});
  }

  for (const Pinned& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedRandom src = script(c.fn, c.words);
    GameState s = withQuotas(c.vowels, c.rares, c.consonants);
    int yields = 0;
    DealHooks hooks;
    hooks.yield = [&yields] { ++yields; return true; };
    EXPECT_TRUE(c.fn(s, src, hooks));
    EXPECT_EQ(src.remaining(), 0u);
    EXPECT_EQ(diceText(s.board), c.board);
    EXPECT_EQ((std::array{s.vowelQuota, s.rareQuota, int(s.consonantQuota), yields}), c.after);
  }
}

TEST(DealEnds, StandardUnderConstantDraws) {
  // The 100-draw limits bound every step: 16 picks, 100 vowel, 100 rare and 100 refused
  // consonant draws plus one per die at most.
  for (float v : {0.0f, 0.4f, 0.999f}) {
    for (int vowels : {4, 9}) {
      ScriptedRandom src(std::vector<float>(16 + 300 + 16, v));
      GameState s = withQuotas(vowels, 2, 14 - vowels);
      ASSERT_TRUE(dealStandard(s, src, DealHooks{})) << v;
      EXPECT_EQ(diceText(s.board).find(kUndealt), std::string::npos) << v;
    }
  }
}

TEST(DealEnds, LineRedrawsEndAfterLongRunsOfRefusedDraws) {
  struct Storm {
    int vowels, rares, consonants;
    std::string words;
    char last;
  };
  const Storm storms[] = {
      {4, 1, 11, "H B C D F G L M N P R S A E I 0" + repeat("AEI", 3000) + "O", 'O'},  // A E I in the line
      {4, 1, 11, "A E I O H B B C D F G L M N P 6" + std::string(10000, 'B') + "R", 'R'},
      {4, 2, 10, "A E I O H B C D F G L M N P R 5" + std::string(10000, 'H') + "Z", 'Z'},
      // Only a rare letter is owed: every other face draws the group again.
      {4, 1, 11, "A E I O B C D F G L M N P R S" + repeat(" 0 3 6 15 16 17", 2000) + " 4K", 'K'},
  };
  for (DealFn fn : {&dealByRows, &dealByColumns}) {
    for (const Storm& storm : storms) {
      ScriptedRandom src = script(fn, storm.words);
      GameState s = withQuotas(storm.vowels, storm.rares, storm.consonants);
      ASSERT_TRUE(fn(s, src, DealHooks{}));
      EXPECT_EQ(src.remaining(), 0u);
      EXPECT_EQ(s.board[28], storm.last);
    }
  }
}

}  // namespace
}  // namespace vocari::testing
