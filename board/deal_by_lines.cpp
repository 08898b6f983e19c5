// "Metodo R" and "Metodo C": the dice dealt line by line (rows or columns). Each die draws a
// letter group with fixed odds, then a letter of that group. No vowel of the vowel group repeats
// within a line, no consonant is dealt a third time, no rare letter twice, and a Q comes with a U
// on a neighbouring die, a coin deciding which of the two holds the Q.
#include <algorithm>
#include <string>

#include "board/deal.h"

namespace vocari {

namespace {

enum class Group { Vowel, Rare, Consonant };

enum class Lines { Rows, Columns };

// Group draw: 18 faces; 0-3, 16, 17 open the vowels, 4-5 the rare letters, the rest fall back.
constexpr int kGroupFaces = 18;
constexpr bool isVowelFace(int g) { return g <= 3 || g >= 16; }
constexpr bool isRareFace(int g) { return g == 4 || g == 5; }

// Consonants drawn by these methods: B..S (T and V are never dealt).
constexpr int kLineFirstConsonant = 5;
constexpr int kLineConsonantCount = 11;

constexpr int kVowelCount = kLastVowel - kFirstVowel + 1;
constexpr int kRareCount = kLastRare - kFirstRare + 1;
constexpr int kLastDie = kDice - 1;

bool contains(const std::string& text, int i) { return text.find(letters[i]) != std::string::npos; }

// Die number dealt at step t of the order.
int dieOfStep(Lines lines, int t) { return lines == Lines::Rows ? t : (t % kSide) * kSide + t / kSide; }

// One deal line by line: the letters dealt so far and the steps of each die.
class LineDeal {
 public:
  LineDeal(GameState& s, RandomSource& rnd, const DealHooks& hooks, Lines lines)
      : s_(s), rnd_(rnd), hooks_(hooks), columns_(lines == Lines::Columns) {}

  // Deals die k at board position p. False when a yield reported the deal superseded.
  bool dealDie(int k, int p) {
    int i = -1;
    switch (drawGroup()) {
      case Group::Vowel:
        if (!drawVowel(i)) return false;
        break;
      case Group::Consonant:
        if (!drawConsonant(i)) return false;
        break;
      case Group::Rare:
        if (!drawRare(i)) return false;
        if (i == kIndexQ && k < kLastDie) p = placeU(p);
        break;
    }
    s_.board[p] = letters[i];
    hooks_.showDie(p, i);
    return true;
  }

  // A line starts: its vowels are forgotten, even when its first die turns out filled.
  void startLine() { vowelLine_.clear(); }

 private:
  int drawAfterReseed(int m, int c) {
    rnd_.reseed();
    return rnd_.draw(m, c);
  }

  Group drawGroup() {
    for (;;) {
      if (s_.vowelQuota == 0 && s_.rareQuota == 0 && s_.consonantQuota == 0) {
        // Only reachable when the caller's quotas do not cover the dice (they must add up to
        // the dice still to deal): no group could ever open, so the fallback deals the die.
        return Group::Consonant;
      }
      const int g = drawAfterReseed(kGroupFaces, 0);
      if (isVowelFace(g) && s_.vowelQuota != 0) return Group::Vowel;
      if (isRareFace(g) && s_.rareQuota != 0) return Group::Rare;
      if (s_.consonantQuota != 0) return Group::Consonant;
    }
  }

  bool drawVowel(int& i) {
    for (;;) {
      i = drawAfterReseed(kVowelCount, kFirstVowel);
      if (columns_ && !hooks_.yield()) return false;
      if (!contains(vowelLine_, i)) break;
    }
    vowelLine_ += letters[i];
    --s_.vowelQuota;
    return true;
  }

  bool drawConsonant(int& i) {
    for (;;) {
      if (columns_ && !hooks_.yield()) return false;
      i = drawAfterReseed(kLineConsonantCount, kLineFirstConsonant);
      if (std::count(consonantsDealt_.begin(), consonantsDealt_.end(), letters[i]) < 2) break;
    }
    consonantsDealt_ += letters[i];
    --s_.consonantQuota;
    return true;
  }

  bool drawRare(int& i) {
    for (;;) {
      if (!hooks_.yield()) return false;
      i = drawAfterReseed(kRareCount, kFirstRare);
      if (!contains(rareDealt_, i)) break;
    }
    rareDealt_ += letters[i];
    --s_.rareQuota;
    return true;
  }

  // QU pair: the U goes beside the Q at p, on the first free neighbour from NE anticlockwise to
  // E; a coin decides which of the two dice holds the Q. Returns the position of the Q.
  int placeU(int p) {
    for (int d = 7; d >= 0; --d) {
      const int q = p + dirOffset[d];
      if (s_.board[q] != kUndealt) continue;
      const bool uBeside = drawAfterReseed(2, 0) == 0;
      const int u = uBeside ? q : p;
      s_.board[u] = letters[kIndexU];
      hooks_.showDie(u, kIndexU);
      --s_.vowelQuota;
      return uBeside ? p : q;
    }
    return p;
  }

  GameState& s_;
  RandomSource& rnd_;
  const DealHooks& hooks_;
  const bool columns_;
  std::string vowelLine_;        // vowels of the vowel group in the current line
  std::string consonantsDealt_;  // every consonant of this deal
  std::string rareDealt_;        // every rare letter of this deal
};

bool dealByLines(GameState& s, RandomSource& rnd, const DealHooks& hooks, Lines lines) {
  LineDeal dealer(s, rnd, hooks, lines);
  for (int t = 0; t < kDice; ++t) {
    const int k = dieOfStep(lines, t);
    if (t % kSide == 0) dealer.startLine();
    const int p = dicePos[k];
    if (s.board[p] != kUndealt) continue;  // second die of a QU pair
    if (!dealer.dealDie(k, p)) return false;
  }
  return true;
}

}  // namespace

bool dealByRows(GameState& s, RandomSource& rnd, const DealHooks& hooks) {
  return dealByLines(s, rnd, hooks, Lines::Rows);
}

bool dealByColumns(GameState& s, RandomSource& rnd, const DealHooks& hooks) {
  return dealByLines(s, rnd, hooks, Lines::Columns);
}

}  // namespace vocari
