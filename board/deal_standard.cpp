// "Metodo Std": dice taken one at a time in random order; each die tries the vowels first,
// then the rare letters, then the common consonants.
#include <algorithm>
#include <string>
#include <vector>

#include "board/deal.h"

namespace vocari {

namespace {

// Draws per group allowed in one whole deal; past this a group stops testing its rule.
constexpr int kDrawLimit = 100;

// First and count of the consonants this method draws: C..T (B and V are never dealt).
constexpr int kStdFirstConsonant = 6;
constexpr int kStdConsonantCount = 11;

constexpr int kVowelCount = kLastVowel - kFirstVowel + 1;
constexpr int kRareCount = kLastRare - kFirstRare + 1;

}  // namespace

bool dealStandard(GameState& s, RandomSource& rnd, const DealHooks& hooks) {
  // The dice not dealt yet, in ascending position order (the same order as the two-digit
  // position texts "07" ... "28"). A die holds kUndealt exactly while it is in this list.
  std::vector<int> freeList;
  freeList.reserve(kDice);
  for (int rowStart : {7, 13, 19, 25})
    for (int p = rowStart; p <= rowStart + 3; ++p) freeList.push_back(p);
  int n = kDice;

  std::string dealt;  // every letter dealt so far, in dealing order
  int vowelDraws = 0, rareDraws = 0, consonantDraws = 0;
  auto occurrences = [&dealt](int i) { return std::count(dealt.begin(), dealt.end(), letters[i]); };

  auto place = [&](int pos, int i) {
    dealt += letters[i];
    s.board[pos] = letters[i];
    hooks.showDie(pos, i);
  };

  while (n > 0) {
    rnd.reseed();
    const int k = rnd.draw(n);
    const int p = freeList[k];
    int i = -1;

    // Vowel step.
    while (s.vowelQuota > 0) {
      if (!hooks.yield()) return false;
      if (++vowelDraws > kDrawLimit) break;
      const int v = rnd.draw(kVowelCount, kFirstVowel);
      if (occurrences(v) >= 2) continue;
      --s.vowelQuota;
      i = v;
      break;
    }

    // Rare step.
    if (i < 0) {
      while (s.rareQuota > 0) {
        if (!hooks.yield()) return false;
        if (++rareDraws > kDrawLimit) break;
        const int r = rnd.draw(kRareCount, kFirstRare);
        if (occurrences(r) >= 1) continue;
        --s.rareQuota;
        i = r;
        break;
      }
    }

    // Consonant step: always ends, at the latest with the draw past the limit.
    if (i < 0) {
      for (;;) {
        const int c = rnd.draw(kStdConsonantCount, kStdFirstConsonant);
        if (!hooks.yield()) return false;
        if (++consonantDraws > kDrawLimit || occurrences(c) < 2) {
          --s.consonantQuota;
          i = c;
          break;
        }
      }
    }

    place(p, i);
    freeList.erase(freeList.begin() + k);
    --n;

    // Q rule: a U on the first free neighbour, E first and then clockwise.
    if (n > 0 && i == kIndexQ) {
      for (int16_t offset : dirOffset) {
        const int q = p + offset;
        if (s.board[q] != kUndealt) continue;
        place(q, kIndexU);
        --s.vowelQuota;
        freeList.erase(std::find(freeList.begin(), freeList.end(), q));
        --n;
        break;
      }
    }
  }
  return true;
}

}  // namespace vocari
