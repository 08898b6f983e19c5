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
int dieAt(Lines lines, int t) { return lines == Lines::Rows ? t : (t % 4) * 4 + t / 4; }

bool dealByLines(GameState& s, RandomSource& rnd, const DealHooks& hooks, Lines lines) {
  const bool columns = lines == Lines::Columns;
  std::string vowelLine;        // vowels of the vowel group in the current line
  std::string consonantsDealt;  // every consonant of this deal
  std::string rareDealt;        // every rare letter of this deal

  auto drawAfterReseed = [&rnd](int m, int c) {
    rnd.reseed();
    return rnd.draw(m, c);
  };

  for (int t = 0; t < kDice; ++t) {
    const int k = dieAt(lines, t);
    // A line starts: its vowels are forgotten, even when its first die turns out filled.
    if (t % 4 == 0) vowelLine.clear();
    int p = dicePos[k];
    if (s.board[p] != kUndealt) continue;  // second die of a QU pair

    Group group = Group::Consonant;
    for (;;) {
      if (s.vowelQuota == 0 && s.rareQuota == 0 && s.consonantQuota == 0) {
        // Only reachable when the caller's quotas do not cover the dice (they must add up to
        // the dice still to deal): no group could ever open, so the fallback deals the die.
        break;
      }
      const int g = drawAfterReseed(kGroupFaces, 0);
      if (isVowelFace(g) && s.vowelQuota != 0) {
        group = Group::Vowel;
        break;
      }
      if (isRareFace(g) && s.rareQuota != 0) {
        group = Group::Rare;
        break;
      }
      if (s.consonantQuota != 0) break;
    }

    int i = -1;
    switch (group) {
      case Group::Vowel:
        for (;;) {
          i = drawAfterReseed(kVowelCount, kFirstVowel);
          if (columns && !hooks.yield()) return false;
          if (!contains(vowelLine, i)) break;
        }
        vowelLine += letters[i];
        --s.vowelQuota;
        break;

      case Group::Consonant:
        for (;;) {
          if (columns && !hooks.yield()) return false;
          i = drawAfterReseed(kLineConsonantCount, kLineFirstConsonant);
          if (std::count(consonantsDealt.begin(), consonantsDealt.end(), letters[i]) < 2) break;
        }
        consonantsDealt += letters[i];
        --s.consonantQuota;
        break;

      case Group::Rare:
        for (;;) {
          if (!hooks.yield()) return false;
          i = drawAfterReseed(kRareCount, kFirstRare);
          if (!contains(rareDealt, i)) break;
        }
        rareDealt += letters[i];
        --s.rareQuota;
        if (i == kIndexQ && k < kLastDie) {
          // QU pair: the first free neighbour from NE anticlockwise to E.
          for (int d = 7; d >= 0; --d) {
            const int q = p + dirOffset[d];
            if (s.board[q] != kUndealt) continue;
            if (drawAfterReseed(2, 0) == 0) {
              s.board[q] = letters[kIndexU];
              hooks.showDie(q, kIndexU);
            } else {
              s.board[p] = letters[kIndexU];
              hooks.showDie(p, kIndexU);
              p = q;
            }
            --s.vowelQuota;
            break;
          }
        }
        break;
    }

    s.board[p] = letters[i];
    hooks.showDie(p, i);
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
